// Income from sources abroad: one block per rate, one line per income.
#include "computation/SvodSum.h"
#include "export/ExportGroups.h"
#include "export/ExportText.h"
#include "records/Declaration.h"

namespace ExportGroups {

namespace {

// The computation keeps currency amounts as text; the document wants a point in them.
QString WithPoint(QString text) {
    return text.replace(QLatin1Char(','), QLatin1Char('.'));
}

void WriteRate(ExportElement details, const char* rate, const kTSvodSumPrilB& result) {
    if (result.IncomeRoublesTotal <= Money()) return;
    ExportElement block = details.Add("ДоходИстИно");
    block.Set("Ставка", QString::fromLatin1(rate))
        .Kopecks("ДоходИноРубОбщ", result.IncomeRoublesTotal)
        .Kopecks("НалУплИноРубОбщ", result.ForeignTaxRoublesTotal)
        .Whole("НалИсчислРФОбщ", result.TaxComputedTotal)
        .Whole("НалЗачРФОбщ", result.CreditTotal);
    for (const kTSvodSumPrilBRow& row : result.Rows) {
        ExportElement line = block.Add("РасчДохНалИно");
        line.Set("ОКСМ", ExportText::ThreeCharCode(row.CountryCode))
            .Set("НаимИстДох", row.SourceName)
            .Set("КодВалют", ExportText::ThreeCharCode(row.CurrencyCode))
            .Date("ДатаДох", row.IncomeDate)
            .Set("КурсВалютДох", row.RateAtIncomeText)
            .Set("ДоходИноВал", WithPoint(row.IncomeCurrencyText))
            .Kopecks("ДоходИноРуб", row.IncomeRoubles);
        if (row.TaxRoubles > Money())
            line.Date("ДатаУплНал", row.TaxPaidDate)
                .Set("КурсВалютНал", row.RateAtTaxText)
                .Set("НалУплИноВал", WithPoint(row.TaxCurrencyText))
                .Kopecks("НалУплИноРуб", row.TaxRoubles);
        line.Whole("НалЗачРФОбщ", row.TaxComputedRF).WholeIfPositive("НалогЗачРФОбщ", row.Credit);
    }
}

} // namespace

void WriteForeignIncome(const ExportContext& context, ExportElement details) {
    if (!(context.Declaration.IncomeKinds & IncomeForeign)) return;
    WriteRate(details, "09", context.Sum.PrilB9);
    WriteRate(details, "13", context.Sum.PrilB13);
    WriteRate(details, "35", context.Sum.PrilB35);
}

} // namespace ExportGroups
