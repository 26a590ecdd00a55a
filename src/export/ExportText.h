#pragma once

#include "storage/Date.h"
#include "storage/Money.h"

#include <QString>

// Text forms of the values the filing export writes. Every number is written with "." whatever the
// program shows on screen.
namespace ExportText {

// Upper case by the windows-1251 rules: a letter whose capital the code page cannot hold stays as it is.
QString Upper(const QString& text);
// Without the control characters and the one windows-1251 position (0x98) that a windows-1251 XML
// document cannot carry; a damaged declaration must still give a well-formed document.
QString Clean(const QString& text);
// An attribute value as the document holds it: clean and in upper case.
inline QString AttributeValue(const QString& text) {
    return Upper(Clean(text));
}
// Amount with exactly two decimals, kopecks cut, negatives as 0.00; "999999999999.99" when too long.
QString Kopecks(Money v);
// Shortest decimal form of an amount; "999999999999999" when too long.
QString Whole(Money v);
// "DD.MM.YYYY".
QString Date(TDateTime value);
// "YYYY" of a date.
QString Year(TDateTime value);
// A number in decimal with at least two digits ("07").
QString TwoDigits(quint32 value);
// Trimmed and filled with "0" on the left to three characters; a longer text stays as it is.
QString ThreeCharCode(const QString& code);
// True when the text holds nothing but blanks.
inline bool IsBlank(const QString& text) {
    return text.trimmed().isEmpty();
}

} // namespace ExportText
