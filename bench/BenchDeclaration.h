#pragma once

// The declaration the computation benchmarks measure.

#include "records/Declaration.h"

#include <memory>

namespace BenchDeclaration {

inline Money Rub(qint64 roubles) {
    return Money::FromUnits(roubles);
}

// A resident's declaration with the given number of income sources of every kind the computation reads:
// salaries month by month, prizes and deposits at 35 %, dividends, foreign income and business activities,
// each source named as the screens require.
inline std::unique_ptr<mTDeclaration> MakeDeclaration(int sources) {
    auto d = std::make_unique<mTDeclaration>();
    d->SetIncomeKinds(IncomeRussia | IncomeForeign | IncomeBusiness);
    d->Person.OKATO = QStringLiteral("45000000000");
    d->StandardDeduction.ChildrenCount = 2;
    d->SocialDeduction.GrantSocial = 1;
    d->SocialDeduction.Charity = Rub(10000);
    for (int i = 0; i < sources; ++i) {
        const QString okato = QStringLiteral("4500000%1").arg(i % 1000, 4, 10, QLatin1Char('0'));
        switch (i % 5) {
        case 0:
        case 1: {
            mTThirteenPercent& source = *d->IncomeSources13.At(d->IncomeSources13.Add());
            source.SourceName = QStringLiteral("ООО «Работодатель %1»").arg(i);
            source.SourceOKATO = okato;
            source.StandardDeductionSource = 1;
            for (quint16 m = 1; m <= 12; ++m) {
                mTSourseIncome line;
                line.IncomeCode = m == 6 ? 2760 : 2000;
                line.IncomeAmount = Rub(20000 + i);
                line.DeductionCode = m == 6 ? 503 : 0;
                line.Month = m;
                source.AddLine(line);
            }
            source.TaxableIncome = source.IncomeTotal;
            source.TaxWithheld = Rub(31200);
            break;
        }
        case 2: {
            mTThirtyFivePercent& source = *d->IncomeSources35.At(d->IncomeSources35.Add());
            source.SourceName = QStringLiteral("Банк %1").arg(i);
            source.SourceOKATO = okato;
            source.IncomeCode = i % 3 == 0 ? 2740 : 3000;
            source.DeductionCode = source.IncomeCode == 2740 ? 502 : 0;
            source.DeductionAmount = Rub(1000);
            source.IncomeTotal = Rub(5000);
            source.TaxWithheld = Rub(1400);
            break;
        }
        case 3: {
            mTCurrencyIncome& income = *d->CurrencyIncomes.At(d->CurrencyIncomes.Add());
            income.SourceName = QStringLiteral("Foreign source %1").arg(i);
            income.TaxRate = i % 2 == 0 ? 13 : 9;
            income.IncomeCode = 1010;
            income.RateAtIncome = Rub(30);
            income.RateUnitsAtIncome = 1;
            income.SetIncomeCurrency(Rub(1000));
            income.RateAtTax = Rub(30);
            income.RateUnitsAtTax = 1;
            income.SetTaxCurrency(Rub(100));
            break;
        }
        default: {
            mTThirtyPercent& dividends = *d->IncomeSources30.At(d->IncomeSources30.Add());
            dividends.SourceName = QStringLiteral("АО «Эмитент %1»").arg(i);
            dividends.SourceOKATO = okato;
            dividends.IncomeTotal = dividends.TaxableIncome = Rub(10000);
            dividends.TaxComputed = dividends.TaxWithheld = Rub(900);
            mTBusinessNew& activity = *d->BusinessIncomes.At(d->BusinessIncomes.Add());
            activity.Income = Rub(50000);
            activity.ExpensesTotal = Rub(10000);
            break;
        }
        }
    }
    return d;
}

} // namespace BenchDeclaration
