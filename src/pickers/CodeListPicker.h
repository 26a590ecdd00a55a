#pragma once

#include "reference/CodeNameRow.h"

#include <QDialog>
#include <functional>

class QPushButton;
class QHBoxLayout;
class QLineEdit;
class QTreeWidget;

// What the reference pickers share: a two-column list (code, name) with whole-row, single,
// read-only selection, "Да" and "Нет", and a double click that accepts. The choice follows the
// list's selection: a selected row is the choice, a cleared selection is none. A search field above
// the list (edSearch) has the focus: typing shows only the rows that answer it (RowSearch: "77" finds
// the code 77, "Моск" the names holding it) and selects the first of them unless the selected row is
// among them; the arrow and page keys move through the list from there.
class TCodeListPicker : public QDialog {
    Q_OBJECT

public:
    TCodeListPicker(QWidget* owner, const QString& caption, const QString& listName,
                    const QStringList& headers);

    QTreeWidget* List() const;
    // The chosen row's code and name; empty without a choice.
    QString Code() const { return code_; }
    QString Name() const { return name_; }
    int ChosenRow() const { return chosenRow_; }
    // The first row with exactly this code, or -1.
    int RowOfCode(const QString& code) const;
    void SelectRow(int row);
    // For the pickers that outlive one use: remembers code as the choice and selects the first row
    // with it; without such a row the selection stays as it was.
    void Preselect(const QString& code);
    // Shows the picker modally; true when the user accepted it with a row chosen (accepting with no
    // row ever chosen is no choice).
    bool Choose();

protected:
    void AddRow(const QString& code, const QString& name);
    // Replaces every row; the choice and the search are cleared. The list's items are made when the
    // list is first needed: the tax-office picker is built with thousands of rows while the program
    // starts, and may never be opened.
    void SetRows(const QList<CodeNameRow>& rows);
    // The same with rows that are only made when the list is first needed.
    void SetRows(std::function<QList<CodeNameRow>()> rows);
    // Called whenever the choice changes (row -1: none).
    virtual void Chosen(int row) { (void)row; }
    // Enter and Escape do nothing in pickers that only answer to their buttons.
    void SetKeysAccept(bool keysAccept) { keysAccept_ = keysAccept; }
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    QHBoxLayout* ButtonRow() const { return buttons_; }

    QString code_;
    QString name_;

private:
    void SelectionChanged();
    void AddSearch();
    void Search(const QString& text);
    // Makes the items of the rows given to SetRows and not yet listed.
    void MakeItems() const;

    QTreeWidget* list_;
    QHBoxLayout* buttons_;
    QLineEdit* search_;
    mutable std::function<QList<CodeNameRow>()> pending_;
    QPushButton* bnYes_;
    QPushButton* bnNo_;
    int chosenRow_ = -1;
    bool keysAccept_ = true;
};
