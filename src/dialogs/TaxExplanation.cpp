#include "dialogs/TaxExplanation.h"

#include "desktop/HelpWindow.h"
#include "desktop/UserPrompts.h"
#include "dialogs/ExplanationModel.h"
#include "explain/ExplainText.h"
#include "explain/ExplanationText.h"
#include "explain/RecordNavigation.h"
#include "print/TextPrint.h"
#include "ui_TaxExplanation.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QShortcut>

namespace {

QString Paragraph(const QString& text) {
    return QStringLiteral("<p>") + text.toHtmlEscaped() + QStringLiteral("</p>");
}

} // namespace

TfmTaxExplanation::TfmTaxExplanation(Explanation explanation, QWidget* owner)
    : QDialog(owner), ui(std::make_unique<Ui::TfmTaxExplanation>()), explanation_(std::move(explanation)),
      model_(new TExplanationModel(explanation_, this)) {
    ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    if (!explanation_.IsEmpty()) {
        const ExplainStep& root = explanation_.Step(explanation_.Root());
        ui->lbTitle->setText(
            QStringLiteral("<b>") + root.Title.toHtmlEscaped() + QStringLiteral("</b>") +
            (root.Note.isEmpty() ? QString() : QStringLiteral("<br>") + root.Note.toHtmlEscaped()));
    }

    QTreeView* tree = ui->tvSteps;
    tree->setModel(model_);
    QHeaderView* header = tree->header();
    header->setStretchLastSection(true);
    header->setSectionResizeMode(TExplanationModel::AmountColumn, QHeaderView::ResizeToContents);
    tree->setColumnWidth(TExplanationModel::TitleColumn, 400);
    tree->expandToDepth(0);
    ui->spSteps->setStretchFactor(0, 3);
    ui->spSteps->setStretchFactor(1, 1);
    ui->spSteps->setSizes({760, 280});

    connect(tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { ShowCurrent(current); });
    connect(tree, &QTreeView::doubleClicked, this, &TfmTaxExplanation::Choose);
    connect(ui->bnExpand, &QPushButton::clicked, tree, &QTreeView::expandAll);
    connect(ui->bnCollapse, &QPushButton::clicked, tree, [tree] {
        tree->collapseAll();
        tree->expandToDepth(0);
    });
    connect(ui->bnCopy, &QPushButton::clicked, this, &TfmTaxExplanation::Copy);
    connect(ui->bnPrint, &QPushButton::clicked, this, &TfmTaxExplanation::Print);
    const auto help = [this] {
        OpenHelpTopic(this, QStringLiteral("TfmTaxExplanation.htm"), QStringLiteral("Main"));
    };
    connect(ui->bnHelp, &QPushButton::clicked, this, help);
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this, help);
    connect(ui->bnClose, &QPushButton::clicked, this, &QDialog::reject);

    if (model_->rowCount() > 0) tree->setCurrentIndex(model_->index(0, 0));
    tree->setFocus();
}

TfmTaxExplanation::~TfmTaxExplanation() = default;

QTreeView* TfmTaxExplanation::Tree() const {
    return ui->tvSteps;
}

bool TfmTaxExplanation::ShowLine(const ResultRef& line) {
    const Explanation::StepId step = explanation_.Find(line);
    if (step < 0) return false;
    const QModelIndex index = model_->IndexOf(step);
    for (QModelIndex above = index.parent(); above.isValid(); above = above.parent())
        ui->tvSteps->expand(above);
    ui->tvSteps->setCurrentIndex(index);
    ui->tvSteps->scrollTo(index, QAbstractItemView::PositionAtCenter);
    return true;
}

QString TfmTaxExplanation::Text() const {
    return ExplanationText(explanation_);
}

void TfmTaxExplanation::ShowCurrent(const QModelIndex& index) {
    QString html;
    const RecordRef record = model_->RecordOf(index);
    if (record.IsSet()) {
        const QModelIndex amount = index.siblingAtColumn(TExplanationModel::AmountColumn);
        const QString value = amount.data().toString();
        html += QStringLiteral("<p><b>") + index.siblingAtColumn(0).data().toString().toHtmlEscaped() +
                QStringLiteral("</b>") +
                (value.isEmpty() ? QString() : QStringLiteral(": ") + value + QStringLiteral(" руб.")) +
                QStringLiteral("</p>");
        html += Paragraph(QStringLiteral("Введено: ") + RecordRefText(record, explanation_.NonResident));
        html +=
            Paragraph(RecordDestinationOf(record)
                          ? QStringLiteral("Двойной щелчок закроет окно и откроет экран, где это значение "
                                           "введено.")
                          : QStringLiteral("Это значение не редактируется на экранах программы."));
    } else if (index.isValid()) {
        const Explanation::StepId id = model_->StepOf(index);
        const ExplainStep& step = explanation_.Step(id);
        html += QStringLiteral("<p><b>") + step.Title.toHtmlEscaped() + QStringLiteral("</b></p>");
        if (step.HasAmount()) {
            html += Paragraph(GroupedAmountText(step.Amount) + QStringLiteral(" руб."));
            const QString formula = explanation_.Formula(id);
            if (!formula.isEmpty()) html += Paragraph(QStringLiteral("= ") + formula);
        }
        if (!step.Rule.isEmpty())
            html +=
                QStringLiteral("<p><i>Правило:</i> ") + step.Rule.toHtmlEscaped() + QStringLiteral("</p>");
        if (!step.Note.isEmpty()) html += Paragraph(step.Note);
    }
    ui->txStep->setHtml(html);
}

void TfmTaxExplanation::Choose(const QModelIndex& index) {
    const RecordRef record = model_->RecordOf(index);
    if (!record.IsSet() || !RecordDestinationOf(record)) {
        // A step opens and closes as a double-click does everywhere else.
        if (model_->hasChildren(index.siblingAtColumn(0)))
            ui->tvSteps->setExpanded(index.siblingAtColumn(0),
                                     !ui->tvSteps->isExpanded(index.siblingAtColumn(0)));
        return;
    }
    chosen_ = record;
    accept();
}

void TfmTaxExplanation::Copy() {
    QGuiApplication::clipboard()->setText(Text());
}

void TfmTaxExplanation::Print() {
    QString error;
    if (!PrintText(this, windowTitle(), Text(), &error) && !error.isEmpty())
        UserPrompts::Current().Message(this, QMessageBox::Warning, error);
}
