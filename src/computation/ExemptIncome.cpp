#include "computation/ExemptIncome.h"

#include "computation/IncomeCodes.h"
#include "computation/SvodSum.h"
#include "records/Declaration.h"
#include "storage/AmountText.h"

#include <algorithm>

namespace {

constexpr qint32 kFarmPayInKind = 2791;
constexpr qint32 kBirthAid = 2762;
constexpr qint32 kBirthAidDeduction = 508;

// Monthly limit of the exempt pay in kind, and the share of the month's pay it may make up.
constexpr Money kFarmMonthLimit = Money::FromUnits(4300);
constexpr int kFarmPayInKindPercent = 20;

// Limit shared by the exempt parts of all advertising prizes.
constexpr Money kPrizeLimit = Money::FromUnits(4000);

// A kind of income exempt up to a limit: income and deduction codes, its two fields and its limit.
struct ExemptKind {
    qint32 incomeCode;
    qint32 deductionCode;
    Money kTSvodSumPrilM::*income;
    Money kTSvodSumPrilM::*exempt;
    Money limit; // 0: the deduction amount entered, without limit
};

constexpr ExemptKind kExemptKinds[] = {
    {kBirthAid, kBirthAidDeduction, &kTSvodSumPrilM::BirthAidIncome, &kTSvodSumPrilM::BirthAidExempt,
     Money()},
    {2760, 503, &kTSvodSumPrilM::EmployerAidIncome, &kTSvodSumPrilM::EmployerAidExempt,
     Money::FromUnits(4000)},
    {2761, 506, &kTSvodSumPrilM::DisabledAidIncome, &kTSvodSumPrilM::DisabledAidExempt,
     Money::FromUnits(4000)},
    {2720, 501, &kTSvodSumPrilM::GiftIncome, &kTSvodSumPrilM::GiftExempt, Money::FromUnits(4000)},
    {2730, 502, &kTSvodSumPrilM::PrizeIncome, &kTSvodSumPrilM::PrizeExempt, Money::FromUnits(4000)},
    {2770, 504, &kTSvodSumPrilM::MedicineIncome, &kTSvodSumPrilM::MedicineExempt, Money::FromUnits(4000)},
    {2790, 507, &kTSvodSumPrilM::SpecialAidIncome, &kTSvodSumPrilM::SpecialAidExempt,
     Money::FromUnits(10000)},
};

bool IsMonth(int month) {
    return month >= 1 && month <= 12;
}

} // namespace

bool kTSvodSumPrilM::Compute(const mTDeclaration& declaration, kTSvodSum&) {
    Reset();
    ComputeFarmEmployers(declaration);
    ComputeExemptKinds(declaration);
    ExemptTotal = BirthAidExempt + EmployerAidExempt + DisabledAidExempt + GiftExempt + PrizeExempt +
                  MedicineExempt + SpecialAidExempt + FarmPayExempt;
    return true;
}

void kTSvodSumPrilM::ComputeFarmEmployers(const mTDeclaration& declaration) {
    const auto& sources = declaration.ReturnKind == ReturnKind3NDFLNonResident ? declaration.IncomeSources13NR
                                                                               : declaration.IncomeSources13;
    for (const auto& source : sources) {
        const bool paysInKind =
            std::any_of(source->Lines().begin(), source->Lines().end(),
                        [](const auto& line) { return line->IncomeCode == kFarmPayInKind; });
        if (!paysInKind) continue;
        kTSvodSumPrilMFarmRow row;
        row.SourceINN = source->SourceINN;
        row.SourceKPP = source->SourceKPP;
        for (const auto& line : source->Lines()) {
            if (!IsMonth(line->Month)) continue;
            const size_t m = line->Month - 1;
            if (line->IncomeCode == kFarmPayInKind) row.PayInKind[m] += line->IncomeAmount;
            row.PayTotal[m] += line->IncomeAmount;
        }

        // Pay before the first payment in kind does not count.
        for (size_t m = 0; m < 12 && row.PayInKind[m].IsZero(); ++m)
            row.PayTotal[m] = Money();

        Money carried;
        for (size_t m = 0; m < 12; ++m) {
            row.CarriedIn[m] = carried;
            const Money share = KopeckRound(row.PayTotal[m].ToLongDouble() * kFarmPayInKindPercent / 100.0L);
            Money exempt = row.PayInKind[m];
            if (row.PayInKind[m] > share || row.PayInKind[m] > carried + kFarmMonthLimit) exempt = Money();
            row.MonthExempt[m] = exempt;
            row.CarriedOut[m] =
                exempt.IsZero() ? carried : std::max(Money(), carried + kFarmMonthLimit - exempt);
            carried = row.CarriedOut[m];
            row.RowExempt += exempt;
        }
        FarmPayExempt += row.RowExempt;
        FarmEmployers.push_back(std::move(row));
    }
}

void kTSvodSumPrilM::AddExemptIncome(qint32 incomeCode, Money income, qint32 deductionCode, Money deduction) {
    for (const ExemptKind& kind : kExemptKinds) {
        if (kind.incomeCode != incomeCode) continue;
        this->*kind.income += income;
        if (deductionCode == kind.deductionCode)
            this->*kind.exempt += kind.limit.IsZero() ? deduction : std::min(income, kind.limit);
        return;
    }
}

void kTSvodSumPrilM::ComputeExemptKinds(const mTDeclaration& declaration) {
    const bool foreign = declaration.IncomeKinds & IncomeForeign;
    if (declaration.IncomeSources13.Count() == 0 && !foreign) return;
    for (const auto& source : declaration.IncomeSources13)
        for (const auto& line : source->Lines())
            AddExemptIncome(line->IncomeCode, line->IncomeAmount, line->DeductionCode, line->DeductionAmount);
    if (foreign)
        for (const auto& income : declaration.CurrencyIncomes)
            AddExemptIncome(income->IncomeCode, income->IncomeRoubles, income->DeductionCode,
                            income->DeductionAmount);
    for (const ExemptKind& kind : kExemptKinds)
        if (!kind.limit.IsZero()) this->*kind.exempt = std::min(this->*kind.exempt, kind.limit);
}

bool kTSvodSumPrilM2::Compute(const mTDeclaration& declaration, kTSvodSum&) {
    Reset();
    Money remaining = kPrizeLimit;
    auto addRow = [&](const mTSourseIncomeInfo& source, int index, Money income, Money exempt) {
        kTSvodSumPrilM2Row row;
        row.SourceINN = source.SourceINN;
        row.SourceKPP = source.SourceKPP;
        row.SourceName = source.SourceName;
        row.Income = income;
        row.Exempt = std::min(exempt, remaining);
        row.SourceIndex = index;
        ExemptTotal += row.Exempt;
        remaining -= row.Exempt;
        Rows.push_back(std::move(row));
    };
    // The 35 % sources come first: the 35 % appendix takes their rows by position.
    if (declaration.ReturnKind == ReturnKind3NDFL) {
        for (int i = 0; i < declaration.IncomeSources35.Count(); ++i) {
            const mTThirtyFivePercent& source = *declaration.IncomeSources35.At(i);
            if (source.IncomeCode == IncomeCode::AdvertisingPrize && source.DeductionCode != 0)
                addRow(source, i, source.IncomeTotal, source.DeductionAmount);
        }
    }
    // A prize line of a source that pays other income too is reported with its own amount only.
    for (int i = 0; i < declaration.IncomeSources13.Count(); ++i) {
        const mTThirteenPercent& source = *declaration.IncomeSources13.At(i);
        for (const auto& line : source.Lines())
            if (line->IncomeCode == IncomeCode::AdvertisingPrize && line->DeductionCode != 0)
                addRow(source, i, line->IncomeAmount, line->DeductionAmount);
    }
    return true;
}

bool kTSvodSumPrilM3::Compute(const mTDeclaration& declaration, kTSvodSum&) {
    Reset();
    if (declaration.ReturnKind != ReturnKind3NDFL) return true;
    for (int i = 0; i < declaration.IncomeSources35.Count(); ++i) {
        const mTThirtyFivePercent& source = *declaration.IncomeSources35.At(i);
        if (source.IncomeCode != IncomeCode::ExemptMaterialBenefit) continue;
        kTSvodSumPrilM3Row row;
        row.SourceINN = source.SourceINN;
        row.SourceKPP = source.SourceKPP;
        row.SourceOKATO = source.SourceOKATO;
        row.SourceName = source.SourceName;
        row.Income = source.IncomeTotal;
        row.TaxWithheld = source.TaxWithheld;
        row.SourceIndex = i;
        TaxWithheldTotal += row.TaxWithheld;
        Rows.push_back(std::move(row));
    }
    return true;
}
