#pragma once

class QString;
class QWidget;

// Tells the user, next to the field, why what was typed or pasted was refused (a bubble below it that
// goes away by itself), so that an input is never dropped or cut without a word.
void ShowRefusal(QWidget* field, const QString& message);
