#pragma once

// Declarations built in code for the computation tests: amounts as text, sources with their
// lines, foreign income and payments on tax notices.

#include "storage/Declaration.h"

#include <QLatin1String>
#include <QMetaType>
#include <QtGlobal>

Q_DECLARE_METATYPE(Money)

// Failed comparisons show the amounts.
inline char* toString(const Money& value) {
    return qstrdup(value.ToText().toUtf8().constData());
}

// "1234.56" → 1 234.56 roubles; the tests never hold money in a double.
inline Money Rub(const char* text) {
    Money value;
    if (!Money::FromText(QString::fromLatin1(text), QLatin1Char('.'), value)) qFatal("bad amount %s", text);
    return value;
}

inline mTThirteenPercent& AddSource(mTRecordList<mTThirteenPercent>& list, const QString& okato = {},
                                    Money taxWithheld = {}) {
    mTThirteenPercent& source = *list.At(list.Add());
    source.SourceName = QStringLiteral("Источник");
    source.SourceOKATO = okato;
    source.TaxWithheld = taxWithheld;
    return source;
}

// A 13 % source of a resident (a non-resident's 30 % source); the income kinds gain bit 1.
inline mTThirteenPercent& AddSource13(mTDeclaration& declaration, const QString& okato = {},
                                      Money taxWithheld = {}) {
    declaration.SetIncomeKinds(declaration.IncomeKinds | IncomeRussia);
    return AddSource(declaration.IncomeSources13, okato, taxWithheld);
}

inline void AddLine(mTThirteenPercent& source, qint32 incomeCode, Money income, qint32 deductionCode = 0,
                    Money deduction = {}, quint16 month = 12) {
    mTSourseIncome line;
    line.IncomeCode = incomeCode;
    line.IncomeAmount = income;
    line.DeductionCode = deductionCode;
    line.DeductionAmount = deduction;
    line.Month = month;
    source.AddLine(line);
}

// Foreign income already in roubles; the income kinds gain bit 2.
inline mTCurrencyIncome& AddForeign(mTDeclaration& declaration, qint32 incomeCode, Money incomeRoubles,
                                    qint32 deductionCode = 0, Money deduction = {}) {
    declaration.SetIncomeKinds(declaration.IncomeKinds | IncomeForeign);
    mTCurrencyIncome& record = *declaration.CurrencyIncomes.At(declaration.CurrencyIncomes.Add());
    record.TaxRate = 13;
    record.IncomeCode = incomeCode;
    record.IncomeRoubles = incomeRoubles;
    record.DeductionCode = deductionCode;
    record.DeductionAmount = deduction;
    return record;
}

inline void AddNoticePayment(mTDeclaration& declaration, QLatin1String kbk, Money amount) {
    mTNalog& payment = *declaration.TaxPayments.At(declaration.TaxPayments.Add());
    payment.PaymentKBK = kbk;
    payment.PaymentAmount = amount;
}
