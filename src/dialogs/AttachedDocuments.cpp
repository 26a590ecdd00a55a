#include "dialogs/AttachedDocuments.h"

#include "desktop/UserPrompts.h"
#include "print/TextPrint.h"
#include "ui_AttachedDocuments.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>

TfmAttachedDocuments::TfmAttachedDocuments(QList<AttachedDocument> documents, QWidget* owner)
    : QDialog(owner), ui(std::make_unique<Ui::TfmAttachedDocuments>()), documents_(std::move(documents)) {
    ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    QTableWidget* table = ui->twDocuments;
    table->setColumnCount(2);
    table->setHorizontalHeaderLabels({QStringLiteral("Документ"), QStringLiteral("Для чего")});
    table->setRowCount(int(documents_.size()));
    for (int row = 0; row < documents_.size(); ++row) {
        table->setItem(row, 0, new QTableWidgetItem(documents_[row].Title));
        table->setItem(row, 1, new QTableWidgetItem(documents_[row].For));
    }
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Interactive);
    table->setColumnWidth(1, 280);
    table->resizeRowsToContents();
    if (documents_.isEmpty())
        ui->lbHint->setText(QStringLiteral("Документов, которые нужно приложить, нет."));

    connect(ui->bnCopy, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(Text()); });
    connect(ui->bnPrint, &QPushButton::clicked, this, &TfmAttachedDocuments::Print);
    connect(ui->bnClose, &QPushButton::clicked, this, &QDialog::accept);
}

TfmAttachedDocuments::~TfmAttachedDocuments() = default;

QTableWidget* TfmAttachedDocuments::Table() const {
    return ui->twDocuments;
}

void TfmAttachedDocuments::Print() {
    QString error;
    if (!PrintText(this, windowTitle(), Text(), &error) && !error.isEmpty())
        UserPrompts::Current().Message(this, QMessageBox::Warning, error);
}
