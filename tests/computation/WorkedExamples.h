#pragma once

// The declarations of the worked examples: shared by the computation's worked examples and the
// end-to-end export of the same return.

#include "computation/DeclarationBuilder.h"

namespace WorkedExample {

inline const QString kPerson = QStringLiteral("45286555000");
inline const QString kEmployer = QStringLiteral("45293594000");

// A resident employee paid 50 000 a month, 600 000 in the year, from which the employer
// withheld 78 000. Standard deductions are not claimed.
inline void Employee(mTDeclaration& declaration) {
    declaration.Person.OKATO = kPerson;
    declaration.StandardDeduction.GrantStandard = 0;
    mTThirteenPercent& employer = AddSource13(declaration.IncomeSources13, kEmployer,
                                              {{2000, "50000", 0, "0", 1},
                                               {2000, "50000", 0, "0", 2},
                                               {2000, "50000", 0, "0", 3},
                                               {2000, "50000", 0, "0", 4},
                                               {2000, "50000", 0, "0", 5},
                                               {2000, "50000", 0, "0", 6},
                                               {2000, "50000", 0, "0", 7},
                                               {2000, "50000", 0, "0", 8},
                                               {2000, "50000", 0, "0", 9},
                                               {2000, "50000", 0, "0", 10},
                                               {2000, "50000", 0, "0", 11},
                                               {2000, "50000", 0, "0", 12}},
                                              "78000");
    employer.TaxableIncome = Rub("600000");
    employer.TaxComputed = Rub("78000");
}

// A flat bought for 3 000 000, ownership registered in 2010, the whole of it.
inline void FlatBoughtIn2010(mTDeclaration& declaration) {
    mTConstructionDeduct& flat = declaration.PropertyDeduction;
    flat.GrantProperty = 1;
    flat.ObjectKind = 2;
    flat.OwnershipKind = 1;
    flat.TaxpayerSign = 1;
    flat.DwellingRegDate = DateValue::FromYmd(2010, 4, 20);
    flat.ActDate = DateValue::FromYmd(2010, 3, 30);
    flat.FirstUseYear = DateValue::FromYmd(2010, 1, 1);
    flat.ObjectCost = Rub("3000000");
    flat.ShareNumerator = 1;
    flat.ShareDenominator = 1;
}

// A car owned for less than three years sold to a private buyer for 400 000; no other income.
inline void CarSoldWithinThreeYears(mTDeclaration& declaration) {
    declaration.Person.OKATO = kPerson;
    declaration.StandardDeduction.GrantStandard = 0;
    AddSource13(declaration.IncomeSources13, {}, {{1520, "400000", 906, "400000", 5}});
}

// A foreign engineer who stayed fewer than 183 days in 2010 and so is no tax resident: 40 000 a
// month for six months from a Russian employer, taxed at 30 %, of which the employer withheld only
// 13 %, 31 200; and 10 000 of dividends at 15 %, of which 1 500 was withheld.
inline void NonResident(mTDeclaration& declaration) {
    declaration.ReturnKind = ReturnKind3NDFLNonResident;
    declaration.SetIncomeKinds(IncomeRussia);
    declaration.Person.OKATO = kPerson;
    declaration.StandardDeduction.GrantStandard = 0;
    mTThirteenPercent& employer = AddSource13(declaration.IncomeSources13, kEmployer,
                                              {{2000, "40000", 0, "0", 7},
                                               {2000, "40000", 0, "0", 8},
                                               {2000, "40000", 0, "0", 9},
                                               {2000, "40000", 0, "0", 10},
                                               {2000, "40000", 0, "0", 11},
                                               {2000, "40000", 0, "0", 12}},
                                              "31200");
    employer.TaxableIncome = Rub("240000");
    employer.TaxComputed = Rub("31200");
    mTThirtyPercent& dividends = AddDividends(declaration, kEmployer, "10000", "10000", "1500", "1500");
    dividends.IncomeCode = 1010;
}

// An individual entrepreneur (IT services) with 1 000 000 of income and no documents for the
// expenses, so 20 % of the income, 200 000, is deducted; 90 000 of advance payments were paid.
inline void Entrepreneur(mTDeclaration& declaration) {
    declaration.PayerCategory = 0;
    declaration.SetIncomeKinds(IncomeBusiness);
    declaration.Person.OKATO = kPerson;
    declaration.StandardDeduction.GrantStandard = 0;
    mTBusinessNew& activity = *declaration.BusinessIncomes.At(declaration.BusinessIncomes.Add());
    activity.ActivityKind = QStringLiteral("1");
    activity.OKVED = QStringLiteral("72.2");
    activity.HasDocumentedExpenses = 0;
    activity.Income = Rub("1000000");
    activity.NormativeExpenses = Rub("200000");
    declaration.AdvanceAccrued = Rub("90000");
    declaration.AdvancePaid = Rub("90000");
}

} // namespace WorkedExample
