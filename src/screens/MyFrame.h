#pragma once

#include "editing/EditView.h"
#include "screens/ScreenHost.h"

#include <QFrame>
#include <QList>

class TListEditor;

// The base of every section screen and sub-screen. A screen edits the declaration's records in
// place and keeps nothing that outlives it; it reaches the root through the host's declaration field
// every time, so it always sees the root the window holds now. Everything else it needs of the window
// it asks of its host.
class TThinkingFrame : public QFrame {
    Q_OBJECT

public:
    using DeclarationField = ScreenHost::DeclarationField;

    // owner: the panel the screen fills; host: the window that shows it.
    TThinkingFrame(QWidget* owner, ScreenHost& host);

    // Copies every field of the screen into the records; never refuses.
    virtual void Store() = 0;
    // Runs the screen's own rules: 0 lets the user leave, anything else names what to fix.
    virtual quint16 Check() = 0;
    // Puts the focus on the control (or selects the record) that position names.
    virtual void ShowPosition(quint16 position) = 0;
    // Screens with sub-screens or pages show one of them and the position on it; the whole-declaration
    // check leads there. A screen without sub-screens shows the position.
    virtual void ShowSubScreen(int subScreen, quint16 position);
    // Selects the line (from 1) of the record shown, on screens whose records have lines; a screen with
    // sub-screens hands it to the one shown, others have none to show.
    virtual void ShowLine(quint16 line);
    // Runs after the section switch created the screen (list sections focus their first record).
    virtual void AfterSectionOpened() {}

    // Screens with sub-screens (or pages): the one shown, its kind, and showing the one of a kind
    // (the one shown was stored already).
    virtual TThinkingFrame* ShownSubScreen() const { return nullptr; }
    virtual int ShownSubScreenKind() const { return -1; }
    virtual void OpenSubScreen(int kind) { Q_UNUSED(kind); }

    // Where the user stands on the screen: the sub-screen, the current row of each list, the control
    // with the focus. Undo and redo build the screen again and put the user back there.
    void SaveView(EditView& view) const;
    void RestoreView(const EditView& view);

    // The record lists of the screen, in the order they were made (TListEditor registers itself).
    void RegisterList(TListEditor* list) { lists_.append(list); }
    void UnregisterList(TListEditor* list) { lists_.removeAll(list); }

    DeclarationField* const DeclarationRef;

protected:
    mTDeclaration& Declaration() const { return **DeclarationRef; }
    ScreenHost& Host() const { return host_; }
    // Marks the declaration modified (ignored by the window while a screen fills itself).
    void NotifyModified() { host_.NotifyModified(); }
    // Replaces a sub-screen shown inside this one with next (already laid out). The focus leaves the old
    // one while it is whole, so that nothing stores from a sub-screen half destroyed.
    void ReplaceChild(TThinkingFrame*& shown, TThinkingFrame* next);

private:
    // The lists of this screen and of the sub-screens shown inside it.
    void CollectLists(QList<TListEditor*>& lists) const;

    ScreenHost& host_;
    QList<TListEditor*> lists_;
};
