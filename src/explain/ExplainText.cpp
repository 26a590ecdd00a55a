#include "explain/ExplainText.h"

#include <QStringList>

namespace {

// Static texts: copying them costs nothing, and the explanation names a month for every income line.
const QString kMonths[] = {QStringLiteral("январь"),  QStringLiteral("февраль"), QStringLiteral("март"),
                           QStringLiteral("апрель"),  QStringLiteral("май"),     QStringLiteral("июнь"),
                           QStringLiteral("июль"),    QStringLiteral("август"),  QStringLiteral("сентябрь"),
                           QStringLiteral("октябрь"), QStringLiteral("ноябрь"),  QStringLiteral("декабрь")};
const QString kMonthTitles[] = {
    QStringLiteral("Январь"),  QStringLiteral("Февраль"), QStringLiteral("Март"),
    QStringLiteral("Апрель"),  QStringLiteral("Май"),     QStringLiteral("Июнь"),
    QStringLiteral("Июль"),    QStringLiteral("Август"),  QStringLiteral("Сентябрь"),
    QStringLiteral("Октябрь"), QStringLiteral("Ноябрь"),  QStringLiteral("Декабрь")};
const QString kMonthsIn[] = {QStringLiteral("январе"),  QStringLiteral("феврале"), QStringLiteral("марте"),
                             QStringLiteral("апреле"),  QStringLiteral("мае"),     QStringLiteral("июне"),
                             QStringLiteral("июле"),    QStringLiteral("августе"), QStringLiteral("сентябре"),
                             QStringLiteral("октябре"), QStringLiteral("ноябре"),  QStringLiteral("декабре")};

const QString& NameOf(const QString (&names)[12], int month) {
    static const QString none;
    return month >= 1 && month <= 12 ? names[month - 1] : none;
}

} // namespace

const QString& MonthName(int month) {
    return NameOf(kMonths, month);
}

const QString& MonthTitle(int month) {
    return NameOf(kMonthTitles, month);
}

const QString& MonthNameIn(int month) {
    return NameOf(kMonthsIn, month);
}

QString MonthList(const bool (&months)[12]) {
    QStringList parts;
    for (int m = 0; m < 12;) {
        if (!months[m]) {
            ++m;
            continue;
        }
        int last = m;
        while (last + 1 < 12 && months[last + 1])
            ++last;
        parts << (last > m + 1    ? MonthName(m + 1) + QStringLiteral(" – ") + MonthName(last + 1)
                  : last == m + 1 ? MonthName(m + 1) + QStringLiteral(", ") + MonthName(last + 1)
                                  : MonthName(m + 1));
        m = last + 1;
    }
    return parts.join(QStringLiteral(", "));
}
