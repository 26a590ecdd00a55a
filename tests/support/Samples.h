#pragma once

// Declarations built in code for tests, fuzz seeds and benchmarks.

#include "records/Declaration.h"
#include "tests/support/ValidDeclaration.h"

namespace Samples {

// "1234.56" as money; a literal that is not an amount stops the test program.
inline Money M(const QString& text) {
    Money m;
    if (!Money::FromText(text, QLatin1Char('.'), m)) qFatal("bad amount %s", qPrintable(text));
    return m;
}
inline Money M(const char* text) {
    return M(QString::fromLatin1(text));
}

// Every field of the root and of every record set to a value other than its default; every list
// with several records; Cyrillic texts, negative and fractional amounts, dates with a time of day.
inline void FillEverything(mTDeclaration& d) {
    d.InspectionCode = QStringLiteral("7701");
    d.InspectionName = QStringLiteral("ИФНС России № 1 по г. Москве");
    d.IsPensioner = 1;
    d.CorrectionNumber = 2;
    d.SignDate = 40544.4520557986;
    d.SignerKind = 1;
    d.PayerCategory = 4;
    d.ReturnKind = ReturnKind3NDFLNonResident;
    d.SetIncomeKinds(IncomeRussia | IncomeForeign | IncomeBusiness | IncomePractice);
    d.AutoSheetCount = 1;
    d.SheetCount = 12;
    d.ExpenseDocCount = 3;
    for (int i = 0; i < 8; ++i)
        d.Counters[size_t(i)] = 100 + i;
    d.RepresentativeDocument = QStringLiteral("Доверенность № 15 от 01.02.2011");
    d.EstimatedIncome = M("150000.25");
    d.RepresentativeName = QStringLiteral("Петров Пётр Петрович");
    d.RepresentativeOrg = QStringLiteral("ООО «Ромашка»");
    d.FixedAdvancePayments = M("-12.3456");
    d.AdvancePaid = M("1000.5");
    d.BusinessReserve = M("7");
    d.AdvanceAccrued = M("2000.75");
    d.IsFarm = 1;
    d.FarmStartDate = DateValue::FromYmd(2005, 1, 1);
    d.FarmIncome = M("3000.01");
    d.PracticeSum1 = M("11.11");
    d.PracticeSum2 = M("-22.22");

    // The builder's valid taxpayer, then every field it leaves alone.
    mTPersonInformation& p = ValidDeclaration(d).Person();
    p.NameReserve1 = QStringLiteral("р1");
    p.NameReserve2 = QStringLiteral("р2");
    p.DocTypeName = QStringLiteral("Паспорт гражданина Российской Федерации");
    p.PersonReserveFlag = 1;
    p.CountryName = QStringLiteral("БЕЛАРУСЬ");
    p.ForeignAddress = QStringLiteral("Минск, ул. Ленина, 1");
    p.CountryCode = QStringLiteral("112");
    p.StayAddress = 1;
    p.RegionName = QStringLiteral("Москва");
    p.District = QStringLiteral("район");
    p.Locality = QStringLiteral("пос.");
    p.HomePhoneCode = QStringLiteral("495");
    p.WorkPhoneCode = QStringLiteral("499");
    p.WorkPhone = QStringLiteral("7654321");
    p.ForeignHomePhoneCode = QStringLiteral("375");
    p.ForeignHomePhone = QStringLiteral("111");
    p.ForeignWorkPhoneCode = QStringLiteral("376");
    p.ForeignWorkPhone = QStringLiteral("222");

    for (auto* list : {&d.IncomeSources13, &d.IncomeSources13NR}) {
        for (int s = 0; s < 2; ++s) {
            mTThirteenPercent* src = list->At(list->Add());
            src->StandardDeductionSource = 1;
            src->SourceINN = QStringLiteral("7707083893");
            src->SourceKPP = QStringLiteral("773601001");
            src->SourceOKATO = QStringLiteral("45293554000");
            src->SourceName = QStringLiteral("ОАО «Сбербанк России» %1").arg(s);
            src->TaxWithheld = M("13000.13");
            src->TaxableIncome = M("100000.01");
            src->TaxComputed = M("13000");
            src->SourceReserveAmount = M("-1.5");
            src->SetMonthValue(0, M("10000"));
            src->SetMonthValue(5, M("0"));
            for (int j = 0; j < 3; ++j) {
                mTSourseIncome line;
                line.IncomeCode = 2000 + j;
                line.IncomeCodeName = QStringLiteral("Вознаграждение за выполнение трудовых обязанностей");
                line.IncomeAmount = M("33333.3333");
                line.DeductionCode = j ? 403 : 0;
                line.DeductionAmount = M("100.5");
                line.DeductionPercent = 20;
                line.Month = quint16(j + 1);
                src->AddLine(line);
            }
        }
    }
    for (int s = 0; s < 2; ++s) {
        mTThirtyFivePercent* src = d.IncomeSources35.At(d.IncomeSources35.Add());
        src->IncomeCode = 2740;
        src->SourceINN = QStringLiteral("7728168971");
        src->SourceKPP = QStringLiteral("772801001");
        src->SourceOKATO = QStringLiteral("45268595000");
        src->SourceName = QStringLiteral("Лотерея «Удача»");
        src->IncomeTotal = M("50000.5");
        src->DeductionCode = 501;
        src->DeductionAmount = M("4000");
        src->TaxWithheld = M("16100");
        mTThirtyPercent* div = d.IncomeSources30.At(d.IncomeSources30.Add());
        div->IncomeCode = 1010;
        div->SourceINN = QStringLiteral("7736050003");
        div->SourceKPP = QStringLiteral("773601001");
        div->SourceOKATO = QStringLiteral("45293554000");
        div->SourceName = QStringLiteral("ОАО «Газпром»");
        div->IncomeTotal = M("1000.99");
        div->TaxComputed = M("90.09");
        div->TaxableIncome = M("1000.99");
        div->TaxWithheld = M("90");
    }
    for (int s = 0; s < 2; ++s) {
        mTCurrencyIncome* c = d.CurrencyIncomes.At(d.CurrencyIncomes.Add());
        c->TaxRate = 13;
        c->IncomeCode = 1010;
        c->IncomeCodeName = QStringLiteral("Дивиденды");
        c->SourceName = QStringLiteral("Deutsche Bank AG");
        c->CountryCode = QStringLiteral("276");
        c->IncomeDate = DateValue::FromYmd(2010, 3, 15) + 0.25;
        c->TaxPaidDate = DateValue::FromYmd(2010, 3, 16);
        c->AutoRate = 1;
        c->CurrencyCode = QStringLiteral("978");
        c->CurrencyName = QStringLiteral("Евро");
        c->RateAtIncome = M("40.1234");
        c->RateUnitsAtIncome = 1;
        c->RateAtTax = M("40.2");
        c->RateUnitsAtTax = 1;
        c->SetIncomeCurrency(M("1000"));
        c->SetTaxCurrency(M("150"));
        c->DeductionCode = 201;
        c->DeductionAmount = M("12.5");
        c->DeductionPercent = 20;
    }
    for (int s = 0; s < 2; ++s) {
        mTBusinessNew* b = d.BusinessIncomes.At(d.BusinessIncomes.Add());
        b->ActivityKind = QStringLiteral("1");
        b->OKVED = QStringLiteral("52.11");
        b->HasDocumentedExpenses = quint8(s == 0);
        b->Income = M("500000");
        b->ExpensesTotal = M("300000");
        b->ExpensesMaterial = M("100000");
        b->ExpensesDepreciation = M("5000");
        b->ExpensesLabour = M("120000");
        b->ExpensesLabourContracts = M("100000");
        b->ExpensesOther = M("75000");
        for (int i = 0; i < 13; ++i)
            b->OtherExpenseParts[size_t(i)] = M("1.1") + Money::FromUnits(i);
        b->NormativeExpenses = M("100000");
    }
    for (int s = 0; s < 2; ++s) {
        mTRepetitNew* r = d.PracticeIncomes.At(d.PracticeIncomes.Add());
        r->PracticeName = QStringLiteral("Адвокатский кабинет");
        for (int i = 0; i < 21; ++i)
            r->PracticeAmounts[size_t(i)] = Money::FromUnits(1000 - i * 7);
    }
    for (int s = 0; s < 3; ++s) {
        mTNalog* n = d.TaxPayments.At(d.TaxPayments.Add());
        n->PaymentNote = QStringLiteral("13% физ.лица");
        n->PaymentKBK = QStringLiteral("18210102021011000110");
        n->PaymentAmount = M("1234.56");
    }

    mTStandartDeduct& sd = d.StandardDeduction;
    sd.PersonalCode = 110;
    sd.ChildKind = 103;
    sd.ChildrenConstant = 0;
    sd.ChildrenCount = 2;
    for (int m = 0; m < 12; ++m) {
        sd.ChildrenByMonth[size_t(m)] = m % 3;
        sd.DisabledByMonth[size_t(m)] = m % 2;
        sd.BusinessIncomeByMonth[size_t(m)] = M("1000.5") + Money::FromUnits(m);
        sd.BusinessExpenseByMonth[size_t(m)] = M("-5.25");
        sd.BusinessMonthMarks[size_t(m)] = quint8(m % 2);
        sd.PersonalCodeByMonth[size_t(m)] = m % 3;
        sd.ChildKindByMonth[size_t(m)] = m % 2;
    }
    sd.DisabledConstant = 0;
    sd.DisabledCount = 1;
    sd.MonthlyBusiness = 1;
    sd.PersonalCombination = 1;
    sd.ChildCombination = 1;

    mTSocialDeduct& so = d.SocialDeduction;
    so.GrantSocial = 1;
    so.Charity = M("1500");
    so.OwnEducation = M("60000");
    so.AddChildEducation(M("45000.5"));
    so.AddChildEducation(M("55000"));
    so.Treatment = M("80000");
    so.ExpensiveTreatment = M("250000");
    so.VoluntaryInsurance = M("12000");
    so.ExtraPensionContributions = M("6000");
    for (int i = 0; i < 2; ++i) {
        mTPens* pc = so.PensionContract(so.AddPensionContract());
        pc->ContractKind = i + 1;
        pc->FundName = QStringLiteral("НПФ «Благосостояние»");
        pc->FundINN = QStringLiteral("7707099940");
        pc->FundKPP = QStringLiteral("770701001");
        pc->ContractNumber = QStringLiteral("Д-%1").arg(i);
        pc->ContractDate = DateValue::FromYmd(2009, 12, 31);
        pc->Contribution = M("20000");
        pc->ContributionToDeduct = M("18000.5");
        pc->AgentDeduction = M("1000");
    }

    mTConstructionDeduct& pd = d.PropertyDeduction;
    pd.GrantProperty = 1;
    pd.ObjectKind = 2;
    pd.OwnershipKind = 2;
    pd.TaxpayerSign = 1;
    pd.ObjPostIndex = QStringLiteral("300000");
    pd.ObjRegionCode = QStringLiteral("71");
    pd.ObjRegionName = QStringLiteral("Тульская обл.");
    pd.ObjDistrict = QStringLiteral("Ленинский р-н");
    pd.ObjCity = QStringLiteral("Тула");
    pd.ObjLocality = QStringLiteral("д. Малахово");
    pd.ObjStreet = QStringLiteral("Садовая");
    pd.ObjHouse = QStringLiteral("5");
    pd.ObjBuilding = QStringLiteral("а");
    pd.ObjFlat = QStringLiteral("3");
    pd.DwellingRegDate = DateValue::FromYmd(2010, 6, 1);
    pd.ActDate = DateValue::FromYmd(2010, 5, 20);
    pd.FirstUseYear = DateValue::FromYmd(2010, 1, 1);
    pd.ApplicationDate = DateValue::FromYmd(2011, 2, 1) + 0.5;
    pd.CarryOverCost = M("1.5");
    pd.CarryOverInterest = M("2.5");
    pd.PriorDeclCost = M("3.5");
    pd.PriorDeclInterest = M("4.5");
    pd.ShareDecimal = M("0.5");
    pd.PriorAgentCost = M("5.5");
    pd.PriorAgentInterest = M("6.5");
    pd.ObjectCost = M("3000000");
    pd.CreditInterest = M("150000.75");
    pd.AgentCost = M("7.5");
    pd.AgentInterest = M("8.5");
    pd.ShareNumerator = 1;
    pd.ShareDenominator = 2;
    pd.ByInvestment = 1;
    pd.LandRegDate = DateValue::FromYmd(2009, 9, 9);

    d.SecuritiesDeduction.PriorLossSecurities = M("10000.1");
    d.SecuritiesDeduction.PriorLossFutures = M("-0.0001");
}

// A resident's declaration with the given number of 13 % sources of ten lines each,
// plus payments and claimed deductions: the shape the benchmarks measure.
inline void FillWithSources(mTDeclaration& d, int sources) {
    d.SetIncomeKinds(IncomeRussia);
    d.Person.SurName = QStringLiteral("Сидоров");
    d.Person.OKATO = QStringLiteral("45286552000");
    for (int s = 0; s < sources; ++s) {
        mTThirteenPercent* src = d.IncomeSources13.At(d.IncomeSources13.Add());
        src->SourceINN = QStringLiteral("7707083893");
        src->SourceKPP = QStringLiteral("773601001");
        src->SourceOKATO = QStringLiteral("45293554000");
        src->SourceName = QStringLiteral("ООО «Источник %1»").arg(s);
        src->TaxWithheld = M("1300");
        for (int j = 0; j < 10; ++j) {
            mTSourseIncome line;
            line.IncomeCode = 2000;
            line.IncomeCodeName = QStringLiteral("Заработная плата");
            line.IncomeAmount = M("1000.5");
            line.Month = quint16(j + 1);
            src->AddLine(line);
        }
        mTNalog* n = d.TaxPayments.At(d.TaxPayments.Add());
        n->PaymentKBK = QStringLiteral("18210102021011000110");
        n->PaymentNote = QStringLiteral("13% физ.лица");
        n->PaymentAmount = M("100");
    }
    d.StandardDeduction.ChildrenCount = 1;
    d.SocialDeduction.GrantSocial = 1;
    d.SocialDeduction.Treatment = M("30000");
    d.PropertyDeduction.GrantProperty = 1;
    d.PropertyDeduction.ObjectCost = M("2000000");
    d.PropertyDeduction.ShareNumerator = 1; // the whole flat; the screen never stores a zero share
    d.PropertyDeduction.ShareDenominator = 1;
}

} // namespace Samples
