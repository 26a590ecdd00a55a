#pragma once

#include "explain/Explanation.h"

#include <QByteArray>
#include <QString>

// The explanation as text to read: one line per step, indented by its depth, with its amount in a
// column at the right; below it the formula, the rule and the note, and each value of the
// declaration it takes, with its amount in the same column.
QString ExplanationText(const Explanation& explanation);

// The explanation as UTF-8 JSON: every step with its title, amount (decimal text with "."), result
// fields, operation, formula, rule, note, inputs and steps, under stable keys.
QByteArray ExplanationJson(const Explanation& explanation);
