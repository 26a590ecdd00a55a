#pragma once

#include <QFrame>

#include <memory>

class mTDeclaration;
class TFormMain;

// The base of every section screen and sub-screen. A screen edits the declaration's records in
// place and keeps nothing that outlives it; it reaches the root through the main window's field
// every time, so it always sees the root the main window holds now.
class TThinkingFrame : public QFrame {
    Q_OBJECT

public:
    using DeclarationField = std::unique_ptr<mTDeclaration>;

    TThinkingFrame(QWidget* owner, DeclarationField* declarationRef);

    // Copies every field of the screen into the records; never refuses.
    virtual void Store() = 0;
    // Runs the screen's own rules: 0 lets the user leave, anything else names what to fix.
    virtual quint16 Check() = 0;
    // Puts the focus on the control (or selects the record) that position names.
    virtual void ShowPosition(quint16 position) = 0;
    // Screens with sub-screens or pages show one of them and the position on it; the whole-declaration
    // check leads there. A screen without sub-screens shows the position.
    virtual void ShowSubScreen(int subScreen, quint16 position);
    // Runs after the section switch created the screen (list sections focus their first record).
    virtual void AfterSectionOpened() {}

    DeclarationField* DeclarationRef = nullptr;

protected:
    mTDeclaration& Declaration() const { return **DeclarationRef; }
    // Marks the declaration modified (ignored by the main window while it fills a screen).
    void NotifyModified();
    // The main window that shows the screen; nullptr for a screen shown on its own.
    TFormMain* MainForm() const;
};

// Sets the main window's loading flag while a screen fills its controls, so that the change events
// filling raises do not mark the declaration modified; restores the previous state at the end.
class TLoadingScope {
public:
    explicit TLoadingScope(TFormMain* form);
    ~TLoadingScope();
    TLoadingScope(const TLoadingScope&) = delete;
    TLoadingScope& operator=(const TLoadingScope&) = delete;

private:
    TFormMain* form_;
    bool previous_ = false;
};
