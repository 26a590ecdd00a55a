#include "reference/pickers/CodeListPicker.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

TCodeListPicker::TCodeListPicker(QWidget* owner, const QString& caption, const QString& listName,
                                 const QStringList& headers)
    : QDialog(owner), list_(new QTreeWidget(this)), buttons_(new QHBoxLayout),
      bnYes_(new QPushButton(QStringLiteral("Да"), this)),
      bnNo_(new QPushButton(QStringLiteral("Нет"), this)) {
    setWindowTitle(caption);
    setObjectName(metaObject()->className());
    list_->setObjectName(listName);
    list_->setColumnCount(2);
    list_->setHeaderLabels(headers);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->header()->setStretchLastSection(true);
    list_->setColumnWidth(0, 70);
    bnYes_->setObjectName(QStringLiteral("bnYes"));
    bnNo_->setObjectName(QStringLiteral("bnNo"));
    bnYes_->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    buttons_->addStretch();
    buttons_->addWidget(bnYes_);
    buttons_->addWidget(bnNo_);
    layout->addLayout(buttons_);
    resize(560, 420);

    connect(bnYes_, &QPushButton::clicked, this, &QDialog::accept);
    connect(bnNo_, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(list_, &QTreeWidget::itemSelectionChanged, this, &TCodeListPicker::SelectionChanged);
}

void TCodeListPicker::AddRow(const QString& code, const QString& name) {
    new QTreeWidgetItem(list_, {code, name});
}

int TCodeListPicker::RowOfCode(const QString& code) const {
    for (int row = 0; row < list_->topLevelItemCount(); ++row)
        if (list_->topLevelItem(row)->text(0) == code) return row;
    return -1;
}

void TCodeListPicker::SelectRow(int row) {
    QTreeWidgetItem* item = list_->topLevelItem(row);
    if (!item) return;
    list_->setCurrentItem(item);
    item->setSelected(true);
    list_->scrollToItem(item);
}

void TCodeListPicker::SelectionChanged() {
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    if (selected.isEmpty()) {
        chosenRow_ = -1;
        code_.clear();
        name_.clear();
    } else {
        chosenRow_ = list_->indexOfTopLevelItem(selected.first());
        code_ = selected.first()->text(0);
        name_ = selected.first()->text(1);
    }
    Chosen(chosenRow_);
}

void TCodeListPicker::keyPressEvent(QKeyEvent* event) {
    const bool enterOrEscape =
        event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Escape;
    if (!keysAccept_ && enterOrEscape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
