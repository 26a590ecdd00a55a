#pragma once

#include <QEvent>

class QWidget;

// The notice "the user changed something" that fields and screens send to the main window, which
// marks the declaration unsaved unless it is filling a screen. It travels as an event of its own
// type so that a control needs to know nothing about the window it sits in.
inline constexpr QEvent::Type ModificationNoticeEvent = QEvent::Type(1134);

// The notice, with the control the user changed (the undo menu names the change after it).
class ModificationNotice : public QEvent {
public:
    explicit ModificationNotice(QWidget* from) : QEvent(ModificationNoticeEvent), From(from) {}
    QWidget* const From;
};

// Delivers the notice at once to the main window that (through its dialogs' owners) contains from.
void SendModificationNotice(QWidget* from);
