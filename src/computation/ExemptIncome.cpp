#include "computation/ExemptIncome.h"

#include "computation/IncomeCodes.h"
#include "computation/SvodSum.h"
#include "records/Declaration.h"
#include "storage/AmountText.h"

#include <algorithm>

namespace {

constexpr qint32 kBirthAid = 2762;
constexpr qint32 kBirthAidDeduction = 508;

constexpr kTSvodSumPrilMKind kExemptKinds[] = {
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

std::span<const kTSvodSumPrilMKind> kTSvodSumPrilM::Kinds() {
    return kExemptKinds;
}

void kTSvodSumPrilM::Compute(const mTDeclaration& declaration, kTSvodSum&) {
    Reset();
    ComputeFarmEmployers(declaration);
    ComputeExemptKinds(declaration);
    ExemptTotal = BirthAidExempt + EmployerAidExempt + DisabledAidExempt + GiftExempt + PrizeExempt +
                  MedicineExempt + SpecialAidExempt + FarmPayExempt;
}

void kTSvodSumPrilM::ComputeFarmEmployers(const mTDeclaration& declaration) {
    const auto& sources = declaration.ReturnKind == ReturnKind3NDFLNonResident ? declaration.IncomeSources13NR
                                                                               : declaration.IncomeSources13;
    for (int s = 0; s < sources.Count(); ++s) {
        const mTThirteenPercent* source = sources.At(s);
        const bool paysInKind =
            std::any_of(source->Lines().begin(), source->Lines().end(),
                        [](const auto& line) { return line->IncomeCode == FarmPayInKindCode; });
        if (!paysInKind) continue;
        kTSvodSumPrilMFarmRow row;
        row.SourceINN = source->SourceINN;
        row.SourceKPP = source->SourceKPP;
        row.SourceIndex = s;
        for (const auto& line : source->Lines()) {
            if (!IsMonth(line->Month)) continue;
            const size_t m = line->Month - 1;
            if (line->IncomeCode == FarmPayInKindCode) row.PayInKind[m] += line->IncomeAmount;
            row.PayTotal[m] += line->IncomeAmount;
        }

        // Pay before the first payment in kind does not count.
        for (size_t m = 0; m < 12 && row.PayInKind[m].IsZero(); ++m)
            row.PayTotal[m] = Money();

        Money carried;
        for (size_t m = 0; m < 12; ++m) {
            row.CarriedIn[m] = carried;
            const Money share = KopeckRound(row.PayTotal[m].ToLongDouble() * FarmPayInKindPercent / 100.0L);
            Money exempt = row.PayInKind[m];
            if (row.PayInKind[m] > share || row.PayInKind[m] > carried + FarmMonthLimit) exempt = Money();
            row.MonthExempt[m] = exempt;
            row.CarriedOut[m] =
                exempt.IsZero() ? carried : std::max(Money(), carried + FarmMonthLimit - exempt);
            carried = row.CarriedOut[m];
            row.RowExempt += exempt;
        }
        FarmPayExempt += row.RowExempt;
        FarmEmployers.push_back(std::move(row));
    }
}

void kTSvodSumPrilM::AddExemptIncome(const IncomeItem& item) {
    for (const kTSvodSumPrilMKind& kind : kExemptKinds) {
        if (kind.IncomeCode != item.IncomeCode) continue;
        this->*kind.Income += item.Income;
        Share(kind.Income, item, item.Income);
        if (item.DeductionCode == kind.DeductionCode) {
            const Money exempt = kind.Limit.IsZero() ? item.Deduction : std::min(item.Income, kind.Limit);
            this->*kind.Exempt += exempt;
            Share(kind.Exempt, item, exempt);
        }
        return;
    }
}

void kTSvodSumPrilM::ComputeExemptKinds(const mTDeclaration& declaration) {
    if (declaration.IncomeSources13.Count() == 0 && !(declaration.IncomeKinds & IncomeForeign)) return;
    ForEachIncomeItem(declaration, [this](const IncomeItem& item) { AddExemptIncome(item); });
    for (const kTSvodSumPrilMKind& kind : kExemptKinds)
        if (!kind.Limit.IsZero()) this->*kind.Exempt = std::min(this->*kind.Exempt, kind.Limit);
}

void kTSvodSumPrilM2::Compute(const mTDeclaration& declaration, kTSvodSum&) {
    Reset();
    Money remaining = kTSvodSumPrilM2::PrizeLimit;
    auto addRow = [&](const mTSourseIncomeInfo& source, int index, int line, Money income, Money exempt) {
        kTSvodSumPrilM2Row row;
        row.SourceINN = source.SourceINN;
        row.SourceKPP = source.SourceKPP;
        row.SourceName = source.SourceName;
        row.Income = income;
        row.Exempt = std::min(exempt, remaining);
        row.SourceIndex = index;
        row.LineIndex = line;
        ExemptTotal += row.Exempt;
        remaining -= row.Exempt;
        Rows.push_back(std::move(row));
    };
    // The 35 % sources come first: the 35 % appendix takes their rows by position.
    if (declaration.ReturnKind == ReturnKind3NDFL) {
        for (int i = 0; i < declaration.IncomeSources35.Count(); ++i) {
            const mTThirtyFivePercent& source = *declaration.IncomeSources35.At(i);
            if (source.IncomeCode == IncomeCode::AdvertisingPrize && source.DeductionCode != 0)
                addRow(source, i, -1, source.IncomeTotal, source.DeductionAmount);
        }
    }
    // A prize line of a source that pays other income too is reported with its own amount only.
    for (int i = 0; i < declaration.IncomeSources13.Count(); ++i) {
        const mTThirteenPercent& source = *declaration.IncomeSources13.At(i);
        for (int l = 0; l < source.LineCount(); ++l) {
            const mTSourseIncome& line = *source.Line(l);
            if (line.IncomeCode == IncomeCode::AdvertisingPrize && line.DeductionCode != 0)
                addRow(source, i, l, line.IncomeAmount, line.DeductionAmount);
        }
    }
}

void kTSvodSumPrilM3::Compute(const mTDeclaration& declaration, kTSvodSum&) {
    Reset();
    if (declaration.ReturnKind != ReturnKind3NDFL) return;
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
}
