#pragma once

#include "support/Samples.h"

// Small declarations written in code for the computation tests.

#include "computation/SvodSum.h"
#include "records/Declaration.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <initializer_list>

// Readable failure messages for amounts.
inline char* toString(const Money& value) {
    return qstrdup(value.ToText().toUtf8().constData());
}

// A field of a result object by its name, as the dump writes it: amounts as their decimal text.
template <class Sheet> QString DumpedField(Sheet& sheet, const QString& name) {
    JsonDumper json;
    json.BeginObject();
    sheet.Fields(json);
    json.EndObject();
    const QJsonObject object = QJsonDocument::fromJson(json.Result()).object();
    if (!object.contains(name)) qFatal("no field %s", qPrintable(name));
    return object[name].toString();
}

// "1234.56" as money.
inline Money Rub(const QString& text) {
    return Samples::M(text);
}

struct LineSpec {
    qint32 incomeCode;
    QString amount;
    qint32 deductionCode = 0;
    QString deductionAmount = QStringLiteral("0");
    quint16 month = 0;
};

inline mTThirteenPercent& AddSource13(mTRecordList<mTThirteenPercent>& list, const QString& okato,
                                      std::initializer_list<LineSpec> lines,
                                      const QString& withheld = QStringLiteral("0")) {
    mTThirteenPercent& source = *list.At(list.Add());
    source.SourceOKATO = okato;
    source.SourceINN = QStringLiteral("7701000000");
    source.SourceName = QStringLiteral("Агент %1").arg(list.Count());
    for (const LineSpec& spec : lines) {
        mTSourseIncome line;
        line.IncomeCode = spec.incomeCode;
        line.IncomeAmount = Rub(spec.amount);
        line.DeductionCode = spec.deductionCode;
        line.DeductionAmount = Rub(spec.deductionAmount);
        line.Month = spec.month;
        source.AddLine(line);
    }
    source.TaxWithheld = Rub(withheld);
    return source;
}

inline mTThirtyFivePercent& AddSource35(mTDeclaration& declaration, const QString& okato, qint32 incomeCode,
                                        const QString& income, qint32 deductionCode = 0,
                                        const QString& deductionAmount = QStringLiteral("0"),
                                        const QString& withheld = QStringLiteral("0")) {
    mTThirtyFivePercent& source = *declaration.IncomeSources35.At(declaration.IncomeSources35.Add());
    source.SourceOKATO = okato;
    source.SourceName = QStringLiteral("Банк");
    source.IncomeCode = incomeCode;
    source.IncomeTotal = Rub(income);
    source.DeductionCode = deductionCode;
    source.DeductionAmount = Rub(deductionAmount);
    source.TaxWithheld = Rub(withheld);
    return source;
}

inline mTThirtyPercent& AddDividends(mTDeclaration& declaration, const QString& okato, const QString& income,
                                     const QString& taxable, const QString& computed = QStringLiteral("0"),
                                     const QString& withheld = QStringLiteral("0")) {
    mTThirtyPercent& source = *declaration.IncomeSources30.At(declaration.IncomeSources30.Add());
    source.SourceOKATO = okato;
    source.IncomeTotal = Rub(income);
    source.TaxableIncome = Rub(taxable);
    source.TaxComputed = Rub(computed);
    source.TaxWithheld = Rub(withheld);
    return source;
}

inline mTCurrencyIncome& AddForeign(mTDeclaration& declaration, qint32 rate, qint32 incomeCode,
                                    const QString& roubles, const QString& taxRoubles = QStringLiteral("0"),
                                    qint32 deductionCode = 0,
                                    const QString& deductionAmount = QStringLiteral("0")) {
    declaration.SetIncomeKinds(declaration.IncomeKinds | IncomeForeign);
    mTCurrencyIncome& income = *declaration.CurrencyIncomes.At(declaration.CurrencyIncomes.Add());
    income.TaxRate = rate;
    income.IncomeCode = incomeCode;
    income.IncomeRoubles = Rub(roubles);
    income.TaxRoubles = Rub(taxRoubles);
    income.DeductionCode = deductionCode;
    income.DeductionAmount = Rub(deductionAmount);
    return income;
}

// A declaration of the given kind with income in the Russian Federation and the taxpayer's OKATO.
inline std::unique_ptr<mTDeclaration> NewDeclaration(quint8 returnKind = ReturnKind3NDFL) {
    auto declaration = std::make_unique<mTDeclaration>();
    declaration->ReturnKind = returnKind;
    declaration->SetIncomeKinds(IncomeRussia);
    declaration->Person.OKATO = QStringLiteral("45000000000");
    return declaration;
}
