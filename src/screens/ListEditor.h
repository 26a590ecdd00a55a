#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <optional>

class QMenu;
class QPoint;
class QTreeView;
class ScreenHost;
class TFlashButton;
class TRecordListModel;
class TThinkingFrame;

// The buttons of a record list. Repeat is for line lists only; any button may be left out.
struct ListButtons {
    TFlashButton* Add = nullptr;
    TFlashButton* Edit = nullptr;
    TFlashButton* Delete = nullptr;
    TFlashButton* Repeat = nullptr;
};

// What a list screen tells the editor about its records. Rows are record indexes in the declaration's
// list. Headings, Count and RowTexts are needed; every other part may be left out.
struct ListRecords {
    // The list's column headings.
    QStringList Headings;
    // The records in the list now.
    std::function<int()> Count;
    // The texts of a record's row, one per column.
    std::function<QStringList(int row)> RowTexts;
    // Runs the add dialog and appends the record; its row, none when the user cancelled.
    std::function<std::optional<int>()> Add;
    // Runs the edit dialog over a record; true when the user accepted a change.
    std::function<bool(int row)> Edit;
    // Removes the record from the declaration.
    std::function<void(int row)> Delete;
    // Appends a copy of the record; its row, none when there is nothing to repeat.
    std::function<std::optional<int>(int row)> Repeat;
    // Fills the detail area from the record that has become current (the loading flag is set).
    std::function<void(int row)> ShowDetail;
    // Writes the detail area into a record: when its row is left and when the screen stores.
    std::function<void(int row)> StoreDetail;
    // No record is current: the detail area is emptied (the loading flag is set).
    std::function<void()> ClearDetail;
    // Runs after a record was deleted (row: where it stood), for a screen that shows a neighbour next.
    std::function<void(int row)> AfterDelete;
    // How the undo menu names a change of a record: the record's kind in the genitive ("источника",
    // "строки дохода") and the record's own name ("ООО «Василёк»", "март").
    QString Noun;
    std::function<QString(int row)> Name;
    // The lines a record holds (a source's income lines): deleting a record that has lines asks first.
    std::function<int(int row)> LineCount;
};

// The pattern of every list screen: a list of records shown through a model, its buttons and a detail
// area. The row the user selects becomes current and shows its detail; leaving it stores the detail into
// its record. Add (the button, Insert), edit (the button, a double click, Enter or F2 in the list),
// delete (the button, Delete) and repeat act on the current row; the list's context menu (the mouse, the
// Menu key, Shift+F10) offers the same. Each accepted change is one undoable step named after the record.
// The buttons follow the list in the Tab order. After a deletion no row is current until the user
// selects one, so nothing is ever stored into a deleted record or its neighbour. Selection events are
// ignored while the list is built, while a row is deleted and while the editor goes away.
//
// A screen owns its editors as members (std::unique_ptr), never as Qt children, so that an editor is
// gone before the screen's widgets are destroyed and no selection event of a dying list reaches it.
class TListEditor : public QObject {
public:
    // Binds the list and its buttons; the list stays empty until the screen fills it with Rebuild().
    TListEditor(ScreenHost& host, QTreeView* list, ListButtons buttons, ListRecords records);
    ~TListEditor() override;
    TListEditor(const TListEditor&) = delete;
    TListEditor& operator=(const TListEditor&) = delete;

    // Refills the list from the records; afterwards no row is current and the detail area is empty.
    void Rebuild();
    // The current row, -1 when none.
    int CurrentRow() const { return current_; }
    // Makes a row current (storing the row left, showing the new one's detail); -1 makes none current.
    void SelectRow(int row);
    // The list takes the focus and the row becomes current, when there is such a row: the section switch
    // and ShowPosition (whose positions count records from 1) lead here.
    void ShowRow(int row);
    // Stores the detail of the current row, if any (the screen's Store).
    void StoreCurrent();
    // Enables or disables the list and its buttons (a line list without a current source).
    void SetEnabled(bool enabled);
    QTreeView* List() const { return list_; }

    // The actions of the buttons, also open to the screen.
    void AddRecord();
    void EditCurrent();
    void DeleteCurrent();
    void RepeatCurrent();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int SelectedRow() const;
    // True when a row is current and it is the one selected.
    bool ActsOnCurrent() const;
    void SelectionChanged();
    void ShowCurrentDetail();
    // The undo menu's name of a change of the record at row ("удаление источника «…»").
    QString StepText(const QString& action, int row) const;
    // Asks before a record goes with its lines; true when it may go.
    bool ConfirmDelete(int row) const;
    void ShowContextMenu(const QPoint& at);
    void PutButtonsInTabOrder();

    ScreenHost& host_;
    QPointer<QTreeView> list_;
    TRecordListModel* model_ = nullptr;
    ListButtons buttons_;
    ListRecords records_;
    QPointer<TThinkingFrame> frame_;
    int current_ = -1;
    bool building_ = false;
    bool deleting_ = false;
    bool destroying_ = false;
};
