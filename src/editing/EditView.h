#pragma once

#include <QList>
#include <QString>

// Where the user stands on the screens. Undo and redo put it back with the declaration, so that the
// change undone or redone is in sight.
struct EditView {
    int Section = -1;   // the section screen shown; -1: none
    int SubScreen = -1; // the sub-screen (or page) of a section that has them; -1: none
    QList<int> Rows;    // the current row of each list on the screen, in the order the screen made them
    QString Focus;      // the object name of the control that had the focus; empty: none on the screen
};
