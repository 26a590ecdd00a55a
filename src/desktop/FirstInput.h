#pragma once

class QWidget;

// The first field of a screen or dialog in Tab order that takes typed input: an edit, an editable combo
// box or a list; a number or date field only when there is none of those. Choices that an arrow key
// would change (radio buttons, check boxes, a closed combo box) and buttons are passed over. nullptr
// when there is none.
QWidget* FirstInputField(QWidget* container);

// Puts the focus on that field; false when there is none.
bool FocusFirstInput(QWidget* container);
