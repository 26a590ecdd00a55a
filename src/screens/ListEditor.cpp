#include "screens/ListEditor.h"

#include "controls/FlashButton.h"
#include "desktop/UserPrompts.h"
#include "editing/RecordListModel.h"
#include "screens/MyFrame.h"
#include "screens/ScreenHost.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QTreeView>
#include <algorithm>

namespace {

// A list's buttons in the order they stand on the screen (the order the form made them).
std::vector<TFlashButton*> InScreenOrder(const ListButtons& buttons) {
    std::vector<TFlashButton*> result;
    for (TFlashButton* b : {buttons.Add, buttons.Delete, buttons.Edit, buttons.Repeat})
        if (b) result.push_back(b);
    std::stable_sort(result.begin(), result.end(), [](TFlashButton* a, TFlashButton* b) {
        if (a->parentWidget() != b->parentWidget()) return false;
        const QObjectList& children = a->parentWidget()->children();
        return children.indexOf(a) < children.indexOf(b);
    });
    return result;
}

} // namespace

TListEditor::TListEditor(ScreenHost& host, QTreeView* list, ListButtons buttons, ListRecords records)
    : host_(host), list_(list), buttons_(buttons), records_(std::move(records)) {
    model_ = new TRecordListModel(records_.Headings, records_.Count, records_.RowTexts, list_);
    list_->setModel(model_);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setRootIsDecorated(false);
    list_->setItemsExpandable(false);
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    list_->installEventFilter(this);
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TListEditor::SelectionChanged);
    connect(list_, &QAbstractItemView::doubleClicked, this, &TListEditor::EditCurrent);
    connect(list_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { ShowContextMenu(list_->viewport()->mapToGlobal(at)); });
    const std::pair<TFlashButton*, void (TListEditor::*)()> actions[] = {
        {buttons_.Add, &TListEditor::AddRecord},
        {buttons_.Edit, &TListEditor::EditCurrent},
        {buttons_.Delete, &TListEditor::DeleteCurrent},
        {buttons_.Repeat, &TListEditor::RepeatCurrent}};
    for (const auto& [button, action] : actions)
        if (button) connect(button, &TFlashButton::Click, this, action);
    PutButtonsInTabOrder();
    for (QWidget* w = list_->parentWidget(); w; w = w->parentWidget())
        if (auto* frame = qobject_cast<TThinkingFrame*>(w)) {
            frame_ = frame;
            frame->RegisterList(this);
            break;
        }
}

TListEditor::~TListEditor() {
    destroying_ = true;
    if (frame_) frame_->UnregisterList(this);
    if (list_) list_->removeEventFilter(this);
}

void TListEditor::PutButtonsInTabOrder() {
    // The keyboard reaches the buttons right after their list; a mouse click leaves the focus where it is.
    QWidget* previous = list_;
    for (TFlashButton* button : InScreenOrder(buttons_)) {
        button->setFocusPolicy(Qt::TabFocus);
        QWidget::setTabOrder(previous, button);
        previous = button;
    }
}

int TListEditor::SelectedRow() const {
    const QModelIndexList rows = list_->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

bool TListEditor::ActsOnCurrent() const {
    return current_ >= 0 && SelectedRow() == current_;
}

void TListEditor::Rebuild() {
    building_ = true;
    current_ = -1;
    model_->Reload();
    list_->selectionModel()->clear();
    building_ = false;
    ShowCurrentDetail();
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
    QItemSelectionModel* selection = list_->selectionModel();
    if (row >= 0 && row < model_->rowCount()) {
        selection->setCurrentIndex(model_->index(row, 0),
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    } else {
        selection->clearSelection();
        selection->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
    // Selecting the row already selected raises no event; the detail must still show.
    if (SelectedRow() != current_) SelectionChanged();
}

void TListEditor::ShowRow(int row) {
    if (row < 0 || row >= model_->rowCount()) return;
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

QString TListEditor::StepText(const QString& action, int row) const {
    const QString name = records_.Name && row >= 0 ? records_.Name(row).trimmed() : QString();
    QString text = action;
    if (!records_.Noun.isEmpty()) text += QLatin1Char(' ') + records_.Noun;
    if (!name.isEmpty()) text += QStringLiteral(" «%1»").arg(name);
    return text;
}

void TListEditor::AddRecord() {
    if (!records_.Add || !list_->isEnabled()) return;
    ChangeScope change(host_);
    // A dialog sees the records as the screen shows them.
    StoreCurrent();
    const std::optional<int> row = records_.Add();
    if (!row) return;
    host_.NotifyModified();
    model_->Reload();
    current_ = -1;
    SelectRow(*row);
    change.Name(StepText(QStringLiteral("добавление"), *row));
}

void TListEditor::EditCurrent() {
    if (!records_.Edit || !ActsOnCurrent()) return;
    ChangeScope change(host_);
    StoreCurrent();
    if (!records_.Edit(current_)) return;
    host_.NotifyModified();
    model_->ReloadRow(current_);
    ShowCurrentDetail();
    change.Name(StepText(QStringLiteral("изменение"), current_));
}

bool TListEditor::ConfirmDelete(int row) const {
    const int lines = records_.LineCount ? records_.LineCount(row) : 0;
    if (lines <= 0) return true;
    const QString name = records_.Name ? records_.Name(row).trimmed() : QString();
    const QString source =
        name.isEmpty() ? QStringLiteral("источник") : QStringLiteral("источник «%1»").arg(name);
    return UserPrompts::Current().Message(
               list_, QMessageBox::Question,
               QStringLiteral("Удалить %1 вместе со всеми его строками (%2)?").arg(source).arg(lines),
               QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void TListEditor::DeleteCurrent() {
    if (!records_.Delete || !ActsOnCurrent()) return;
    const int row = current_;
    if (!ConfirmDelete(row)) return;
    ChangeScope change(host_);
    change.Name(StepText(QStringLiteral("удаление"), row));
    deleting_ = true;
    current_ = -1;
    host_.NotifyModified();
    records_.Delete(row);
    model_->Reload();
    list_->selectionModel()->clear();
    deleting_ = false;
    ShowCurrentDetail();
    if (records_.AfterDelete) records_.AfterDelete(row);
}

void TListEditor::RepeatCurrent() {
    if (!records_.Repeat || !ActsOnCurrent()) return;
    ChangeScope change(host_);
    StoreCurrent();
    const std::optional<int> row = records_.Repeat(current_);
    if (!row) return;
    host_.NotifyModified();
    model_->Reload();
    current_ = -1;
    SelectRow(*row);
    change.Name(StepText(QStringLiteral("повтор"), *row));
}

void TListEditor::ShowContextMenu(const QPoint& at) {
    if (!list_->isEnabled()) return;
    auto* menu = new QMenu(list_);
    menu->setObjectName(QStringLiteral("mnListActions"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const bool hasCurrent = ActsOnCurrent();
    const auto item = [&](TFlashButton* button, const QString& fallback, const QKeySequence& key,
                          bool enabled, void (TListEditor::*action)()) {
        if (!button) return;
        const QString caption = button->Caption().isEmpty() ? fallback : button->Caption();
        QAction* a = menu->addAction(caption, this, action);
        a->setShortcut(key);
        a->setEnabled(enabled && button->isEnabled());
    };
    item(buttons_.Add, QStringLiteral("Добавить"), QKeySequence(Qt::Key_Insert), bool(records_.Add),
         &TListEditor::AddRecord);
    item(buttons_.Edit, QStringLiteral("Редактировать"), QKeySequence(Qt::Key_F2),
         hasCurrent && records_.Edit, &TListEditor::EditCurrent);
    item(buttons_.Repeat, QStringLiteral("Повторить"), QKeySequence(), hasCurrent && records_.Repeat,
         &TListEditor::RepeatCurrent);
    item(buttons_.Delete, QStringLiteral("Удалить"), QKeySequence(Qt::Key_Delete),
         hasCurrent && records_.Delete, &TListEditor::DeleteCurrent);
    if (menu->isEmpty()) {
        delete menu;
        return;
    }
    if (QAction* first = menu->actions().value(0)) menu->setActiveAction(first);
    menu->popup(at);
}

bool TListEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched != list_ || event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (key->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier) {
        const QRect row = list_->visualRect(list_->currentIndex());
        ShowContextMenu(list_->viewport()->mapToGlobal(row.isValid() ? row.bottomLeft() : QPoint(0, 0)));
        return true;
    }
    if (modifiers != Qt::NoModifier) return QObject::eventFilter(watched, event);
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F2:
        EditCurrent();
        return true;
    case Qt::Key_Insert:
        AddRecord();
        return true;
    case Qt::Key_Delete:
        DeleteCurrent();
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}
