#include "export/ExportText.h"

#include "storage/AmountText.h"
#include "storage/CodePage.h"

namespace ExportText {

QString Upper(const QString& text) {
    QString result = text;
    for (QChar& c : result) {
        const QChar upper = c.toUpper();
        // µ would become a Greek capital, which the file's code page cannot hold.
        if (upper != c && CodePage::IsCp1251(upper)) c = upper;
    }
    return result;
}

QString Clean(const QString& text) {
    QString clean;
    clean.reserve(text.size());
    for (QChar c : text) {
        const bool allowedControl =
            c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r');
        if ((c.unicode() < 0x20 && !allowedControl) || c.unicode() == 0x98) continue;
        clean.append(c);
    }
    return clean;
}

QString Kopecks(Money v) {
    return KopeckAmountText(v);
}

QString Whole(Money v) {
    return WholeAmountText(v, QLatin1Char('.'));
}

QString Date(TDateTime value) {
    return DateValue::Text(value, QLatin1Char('.'));
}

QString Year(TDateTime value) {
    const QDate date = DateValue::ToQDate(value);
    return date.isValid() ? QString::number(date.year()).rightJustified(4, QLatin1Char('0')) : QString();
}

QString TwoDigits(quint32 value) {
    return QString::number(value).rightJustified(2, QLatin1Char('0'));
}

QString ThreeCharCode(const QString& code) {
    return code.trimmed().rightJustified(3, QLatin1Char('0'));
}

} // namespace ExportText
