#include "pickers/CodeListPicker.h"

#include "reference/RowSearch.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <utility>

namespace {

// A tree view sizes its rows without the column's width, so wrapped text would be cut to one line;
// this delegate measures each cell at the width of its column.
class WrappingDelegate : public QStyledItemDelegate {
public:
    explicit WrappingDelegate(QTreeView* view) : QStyledItemDelegate(view), view_(view) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem cell = option;
        cell.rect = QRect(0, 0, view_->columnWidth(index.column()), QWIDGETSIZE_MAX);
        return QStyledItemDelegate::sizeHint(cell, index);
    }

private:
    QTreeView* view_;
};

} // namespace

TCodeListPicker::TCodeListPicker(QWidget* owner, const QString& caption, const QString& listName,
                                 const QStringList& headers)
    : QDialog(owner), list_(new QTreeWidget(this)), buttons_(new QHBoxLayout), search_(new QLineEdit(this)),
      bnYes_(new QPushButton(QStringLiteral("Да"), this)),
      bnNo_(new QPushButton(QStringLiteral("Нет"), this)) {
    setWindowTitle(caption);
    setObjectName(metaObject()->className());
    list_->setObjectName(listName);
    list_->setColumnCount(2);
    list_->setHeaderLabels(headers);
    list_->setRootIsDecorated(false);
    // Names of the dictionary run to 150 characters: they wrap instead of being cut short.
    list_->setWordWrap(true);
    list_->setTextElideMode(Qt::ElideNone);
    list_->setItemDelegate(new WrappingDelegate(list_));
    connect(list_->header(), &QHeaderView::sectionResized, list_, [list = list_] { list->doItemsLayout(); });
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
    AddSearch();
    resize(560, 420);

    connect(bnYes_, &QPushButton::clicked, this, &QDialog::accept);
    connect(bnNo_, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(list_, &QTreeWidget::itemSelectionChanged, this, &TCodeListPicker::SelectionChanged);
}

QTreeWidget* TCodeListPicker::List() const {
    MakeItems();
    return list_;
}

void TCodeListPicker::AddRow(const QString& code, const QString& name) {
    MakeItems();
    new QTreeWidgetItem(list_, {code, name});
}

void TCodeListPicker::SetRows(const QList<CodeNameRow>& rows) {
    SetRows([rows] { return rows; });
}

void TCodeListPicker::SetRows(std::function<QList<CodeNameRow>()> rows) {
    search_->clear();
    list_->clear();
    pending_ = std::move(rows);
}

void TCodeListPicker::MakeItems() const {
    if (!pending_) return;
    const QList<CodeNameRow> rows = std::exchange(pending_, nullptr)();
    QList<QTreeWidgetItem*> items;
    items.reserve(rows.size());
    for (const CodeNameRow& row : rows) {
        auto* item = new QTreeWidgetItem(QStringList{row.Code, row.Name});
        if (!row.Alias.isEmpty()) item->setData(0, Qt::UserRole, row.Alias);
        items.append(item);
    }
    list_->addTopLevelItems(items);
}

void TCodeListPicker::AddSearch() {
    search_->setObjectName(QStringLiteral("edSearch"));
    search_->setPlaceholderText(QStringLiteral("Поиск: код или часть наименования"));
    static_cast<QVBoxLayout*>(layout())->insertWidget(0, search_);
    setTabOrder(search_, list_);
    search_->setFocus();
    search_->installEventFilter(this);
    connect(search_, &QLineEdit::textChanged, this, &TCodeListPicker::Search);
}

void TCodeListPicker::Search(const QString& text) {
    MakeItems();
    const RowSearch search(text);
    QTreeWidgetItem* first = nullptr;
    for (int row = 0; row < list_->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = list_->topLevelItem(row);
        const bool answers =
            search.Matches({item->text(0), item->text(1), item->data(0, Qt::UserRole).toString()});
        item->setHidden(!answers);
        if (answers && !first) first = item;
    }
    QTreeWidgetItem* current = list_->currentItem();
    if (current && !current->isHidden() && current->isSelected())
        list_->scrollToItem(current);
    else if (first)
        SelectRow(list_->indexOfTopLevelItem(first));
    else
        list_->clearSelection();
}

bool TCodeListPicker::eventFilter(QObject* watched, QEvent* event) {
    // Up, down and the page keys typed in the search field move through the list it narrows.
    if (watched == search_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
            QKeyEvent copy(QEvent::KeyPress, key, static_cast<QKeyEvent*>(event)->modifiers());
            QApplication::sendEvent(list_, &copy);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

int TCodeListPicker::RowOfCode(const QString& code) const {
    MakeItems();
    for (int row = 0; row < list_->topLevelItemCount(); ++row)
        if (list_->topLevelItem(row)->text(0) == code) return row;
    return -1;
}

void TCodeListPicker::SelectRow(int row) {
    MakeItems();
    QTreeWidgetItem* item = list_->topLevelItem(row);
    if (!item) return;
    list_->setCurrentItem(item);
    item->setSelected(true);
    list_->scrollToItem(item);
}

void TCodeListPicker::Preselect(const QString& code) {
    code_ = code;
    const int row = RowOfCode(code);
    if (row >= 0) SelectRow(row);
}

bool TCodeListPicker::Choose() {
    return exec() == QDialog::Accepted && chosenRow_ >= 0;
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

void TCodeListPicker::showEvent(QShowEvent* event) {
    MakeItems();
    QDialog::showEvent(event);
    // A picker kept for the whole run opens with its whole list again.
    search_->clear();
    search_->setFocus();
    // A row selected before the list had its size may lie outside the view.
    if (QTreeWidgetItem* item = list_->currentItem())
        list_->scrollToItem(item, QAbstractItemView::PositionAtCenter);
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
