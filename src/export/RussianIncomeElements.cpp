// Income from sources in the Russian Federation: one block per rate, one line per source.
#include "computation/SvodSum.h"
#include "computation/WholeRoubles.h"
#include "export/ExportGroups.h"
#include "export/ExportText.h"
#include "records/Declaration.h"

#include <stdexcept>

namespace ExportGroups {

namespace {

constexpr qint32 kExemptMaterialBenefit = 2620;
constexpr qint32 kAdvertisingPrize = 2740;

ExportElement AddRateBlock(ExportElement details, const char* rate, const kTSvodSumPrilA& totals,
                           const QString& fixedAdvances) {
    ExportElement block = details.Add("ДоходИстРФ");
    block.Set("Ставка", QString::fromLatin1(rate))
        .Kopecks("ДоходОбщ", totals.IncomeTotal)
        .Kopecks("ДоходОблОбщ", totals.TaxableTotal)
        .Whole("НалИсчислИт", totals.TaxComputedTotal)
        .Whole("НалУдержИт", totals.TaxWithheldTotal)
        .Set("НалУплФАП", fixedAdvances);
    return block;
}

void AddSourceLine(ExportElement block, const mTSourseIncomeInfo& source, Money taxable, Money taxComputed) {
    ExportElement line = block.Add("РасчДохНал");
    line.Kopecks("Доход", source.IncomeTotal)
        .Kopecks("ДоходОбл", taxable)
        .Whole("НалИсчисл", taxComputed)
        .Whole("НалУдерж", source.TaxWithheld)
        .SetIfNotBlank("ОКАТО", source.SourceOKATO);
    AddSourceName(line, source.SourceINN, source.SourceKPP, source.SourceName);
}

void WriteThirteenPercent(ExportElement details, const char* rate, const kTSvodSumPrilA& totals,
                          const QString& fixedAdvances, const mTRecordList<mTThirteenPercent>& sources) {
    ExportElement block = AddRateBlock(details, rate, totals, fixedAdvances);
    for (const auto& source : sources)
        AddSourceLine(block, *source, source->TaxableIncome, source->TaxComputed);
}

void WriteDividends(ExportElement details, const char* rate, const kTSvodSumPrilA& totals,
                    const mTRecordList<mTThirtyPercent>& sources, bool recomputeTax) {
    ExportElement block = AddRateBlock(details, rate, totals, QStringLiteral("0"));
    for (const auto& source : sources)
        AddSourceLine(block, *source, source->TaxableIncome,
                      recomputeTax ? PercentInRoubles(source->TaxableIncome, 15) : source->TaxComputed);
}

// Prizes with an exempt part are taxed on what the prize computation left taxable; their entries
// there follow these sources in the same order.
void WriteThirtyFivePercent(ExportElement details, const ExportContext& context) {
    const std::vector<kTSvodSumPrilM2Row>& prizes = context.Sum.PrilM2.Rows;
    ExportElement block = AddRateBlock(details, "35", context.Sum.PrilA35, QStringLiteral("0"));
    size_t k = 0;
    for (const auto& source : context.Declaration.IncomeSources35) {
        if (source->IncomeCode == kExemptMaterialBenefit) continue;
        Money taxable = source->IncomeTotal;
        if (source->IncomeCode == kAdvertisingPrize && source->DeductionCode != 0) {
            if (k >= prizes.size())
                throw std::out_of_range("a prize source has no entry in the prize computation");
            taxable = prizes[k].Income - prizes[k].Exempt;
            ++k;
        }
        AddSourceLine(block, *source, taxable, PercentInRoubles(taxable, 35));
    }
}

} // namespace

void AddSourceName(ExportElement parent, const QString& inn, const QString& kpp, const QString& name) {
    if (inn.size() != 10 && ExportText::IsBlank(kpp))
        parent.Add("ИстФЛИн").Set("ФИОИн", name).SetIfNotBlank("ИННФЛ", inn);
    else
        parent.Add("ИстЮЛ").Set("Наим", name).Set("ИННЮЛ", inn).Set("КПП", kpp);
}

void WriteRussianIncome(const ExportContext& context, ExportElement details) {
    const mTDeclaration& d = context.Declaration;
    const kTSvodSum& s = context.Sum;
    const bool resident = d.ReturnKind == ReturnKind3NDFL;
    const bool nonResident = d.ReturnKind == ReturnKind3NDFLNonResident;
    const QString fixedAdvances = ExportText::Whole(s.PrilA13.FixedAdvancePaid);

    if (resident && d.IncomeSources30.Count() > 0)
        WriteDividends(details, "09", s.PrilA6, d.IncomeSources30, false);
    if (resident && d.IncomeSources13.Count() > 0)
        WriteThirteenPercent(details, "13", s.PrilA13, fixedAdvances, d.IncomeSources13);
    if (nonResident && d.IncomeSources13NR.Count() > 0)
        WriteThirteenPercent(details, "13", s.PrilA13, fixedAdvances, d.IncomeSources13NR);
    if (nonResident && d.IncomeSources30.Count() > 0)
        WriteDividends(details, "15", s.PrilA15, d.IncomeSources30, true);
    if (nonResident && d.IncomeSources13.Count() > 0)
        WriteThirteenPercent(details, "30", s.PrilA30, QStringLiteral("0"), d.IncomeSources13);
    if (resident && s.PrilA35.IncomeTotal > Money()) WriteThirtyFivePercent(details, context);
}

} // namespace ExportGroups
