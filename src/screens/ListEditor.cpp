#include "screens/ListEditor.h"

#include "controls/FlashButton.h"
#include "desktop/ScreenHost.h"

#include <QKeyEvent>
#include <QTreeWidget>

TListEditor::TListEditor(ScreenHost& host, QTreeWidget* list, ListButtons buttons, ListRecords records)
    : host_(host), list_(list), buttons_(buttons), records_(std::move(records)) {
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setRootIsDecorated(false);
    list_->installEventFilter(this);
    connect(list_, &QTreeWidget::itemSelectionChanged, this, &TListEditor::SelectionChanged);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &TListEditor::EditCurrent);
    const std::pair<TFlashButton*, void (TListEditor::*)()> actions[] = {
        {buttons_.Add, &TListEditor::AddRecord},
        {buttons_.Edit, &TListEditor::EditCurrent},
        {buttons_.Delete, &TListEditor::DeleteCurrent},
        {buttons_.Repeat, &TListEditor::RepeatCurrent}};
    for (const auto& [button, action] : actions)
        if (button) connect(button, &TFlashButton::Click, this, action);
}

TListEditor::~TListEditor() {
    destroying_ = true;
    if (list_) list_->removeEventFilter(this);
}

int TListEditor::SelectedRow() const {
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    return selected.isEmpty() ? -1 : list_->indexOfTopLevelItem(selected.first());
}

bool TListEditor::ActsOnCurrent() const {
    return current_ >= 0 && SelectedRow() == current_;
}

void TListEditor::Rebuild() {
    building_ = true;
    current_ = -1;
    list_->clear();
    const int count = records_.Count();
    for (int row = 0; row < count; ++row)
        InsertRowItem(row);
    list_->setCurrentItem(nullptr);
    list_->clearSelection();
    building_ = false;
    ShowCurrentDetail();
}

void TListEditor::InsertRowItem(int row) {
    list_->insertTopLevelItem(row, new QTreeWidgetItem(records_.RowTexts(row)));
}

void TListEditor::UpdateRowItem(int row) {
    QTreeWidgetItem* item = list_->topLevelItem(row);
    const QStringList texts = records_.RowTexts(row);
    for (int column = 0; column < texts.size(); ++column)
        item->setText(column, texts[column]);
}

void TListEditor::ShowCurrentDetail() {
    LoadingScope loading(host_);
    if (current_ >= 0) {
        if (records_.ShowDetail) records_.ShowDetail(current_);
    } else if (records_.ClearDetail) {
        records_.ClearDetail();
    }
}

void TListEditor::SelectionChanged() {
    if (building_ || deleting_ || destroying_) return;
    const int row = SelectedRow();
    if (row == current_) return;
    StoreCurrent();
    current_ = row;
    ShowCurrentDetail();
}

void TListEditor::SelectRow(int row) {
    QTreeWidgetItem* item = row >= 0 ? list_->topLevelItem(row) : nullptr;
    list_->setCurrentItem(item);
    if (!item) list_->clearSelection();
    // Selecting the row already selected raises no event; the detail must still show.
    if (SelectedRow() != current_) SelectionChanged();
}

void TListEditor::ShowRow(int row) {
    if (row < 0 || row >= list_->topLevelItemCount()) return;
    list_->setFocus();
    SelectRow(row);
}

void TListEditor::StoreCurrent() {
    if (current_ >= 0 && records_.StoreDetail) records_.StoreDetail(current_);
}

void TListEditor::SetEnabled(bool enabled) {
    list_->setEnabled(enabled);
    for (TFlashButton* button : {buttons_.Add, buttons_.Edit, buttons_.Delete, buttons_.Repeat})
        if (button) button->setEnabled(enabled);
}

void TListEditor::AddRecord() {
    if (!records_.Add) return;
    // A dialog sees the records as the screen shows them.
    StoreCurrent();
    const std::optional<int> row = records_.Add();
    if (!row) return;
    host_.NotifyModified();
    InsertRowItem(*row);
    SelectRow(*row);
}

void TListEditor::EditCurrent() {
    if (!records_.Edit || !ActsOnCurrent()) return;
    StoreCurrent();
    if (!records_.Edit(current_)) return;
    host_.NotifyModified();
    UpdateRowItem(current_);
    ShowCurrentDetail();
}

void TListEditor::DeleteCurrent() {
    if (!records_.Delete || !ActsOnCurrent()) return;
    const int row = current_;
    deleting_ = true;
    current_ = -1;
    host_.NotifyModified();
    records_.Delete(row);
    delete list_->takeTopLevelItem(row);
    list_->setCurrentItem(nullptr);
    list_->clearSelection();
    deleting_ = false;
    ShowCurrentDetail();
}

void TListEditor::RepeatCurrent() {
    if (!records_.Repeat || !ActsOnCurrent()) return;
    StoreCurrent();
    const std::optional<int> row = records_.Repeat(current_);
    if (!row) return;
    host_.NotifyModified();
    InsertRowItem(*row);
    SelectRow(*row);
}

bool TListEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            EditCurrent();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
