#pragma once

#include <QByteArray>
#include <QString>

// Every byte boundary of the program is windows-1251 (the tax-office table is IBM866).
// The tables are our own so that the conversion does not depend on how Qt was built.
// A character the code page cannot hold becomes "?"; input controls refuse such characters
// beforehand, so a save never loses one silently.
namespace CodePage {

QString FromCp1251(const QByteArray& bytes);
QString FromCp1251(const char* data, qsizetype size);
QByteArray ToCp1251(const QString& text);
// The same into out, which has room for text.size() bytes. False when the text holds U+0000, which
// became a zero byte.
bool ToCp1251(const QString& text, char* out);
QString FromCp866(const QByteArray& bytes);
QByteArray ToCp866(const QString& text);

bool IsCp1251(QChar c);
bool IsCp1251(const QString& text);

} // namespace CodePage
