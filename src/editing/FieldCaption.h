#pragma once

#include <QString>

class QWidget;

// The name a user knows a field by, for naming its change in the undo menu: the label it is the buddy
// of, else the label to its left on its line, else its own text (a check box), else the title of the
// group it sits in; empty when it has none of these.
QString FieldCaption(const QWidget* field);
