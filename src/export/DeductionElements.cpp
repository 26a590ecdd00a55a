// The property-sale, standard, social and pension-contract deductions.
#include "computation/SvodSum.h"
#include "export/ExportGroups.h"
#include "export/ExportText.h"
#include "records/Declaration.h"

namespace ExportGroups {

namespace {

void AddSale(ExportElement parent, const char* element, Money income, const char* deductionName,
             Money deduction) {
    if (deduction > Money())
        parent.Add(element).Kopecks("ДохВсехИст", income).Kopecks(deductionName, deduction);
}

void WritePropertySale(const kTSvodSumPrilH1& h, ExportElement details) {
    if (h.DeductionTotal <= Money()) return;
    ExportElement sale = details.Add("ВычПродИмущ");
    sale.Kopecks("ВычетОбщ", h.DeductionTotal);
    if (h.HousingDeductionTotal > Money()) {
        ExportElement housing = sale.Add("ВычЖилИмущ");
        housing.Kopecks("ДохИстИтог", h.HousingIncomeTotal).Kopecks("ВычИмущИтог", h.HousingDeductionTotal);
        AddSale(housing, "СумИмущ", h.HousingSaleIncome, "НалВычет", h.HousingSaleDeduction);
        AddSale(housing, "СумДолИмущ", h.HousingShareIncome, "НалВычет", h.HousingShareDeduction);
        AddSale(housing, "СумИмущОбщ", h.HousingLimitedIncome, "НалВычет", h.HousingLimitedDeduction);
        AddSale(housing, "СумИмущДок", h.HousingDocIncome, "РасхДок", h.HousingDocExpenses);
    }
    if (h.OtherDeductionTotal > Money()) {
        ExportElement other = sale.Add("ВычИноеИмущ");
        other.Kopecks("ДохИстИтог", h.OtherIncomeTotal).Kopecks("ВычИнИмущИтог", h.OtherDeductionTotal);
        AddSale(other, "СумИнИмущ", h.OtherSaleIncome, "НалВычет", h.OtherSaleDeduction);
        AddSale(other, "СумИнИмущДок", h.OtherDocIncome, "РасхДок", h.OtherDocExpenses);
    }
    if (h.RedemptionDeduction > Money())
        AddSale(sale.Add("ВычИзтИмущ"), "СумИзтИмущ", h.RedemptionIncome, "НалВычет", h.RedemptionDeduction);
}

void WriteStandard(const kTSvodSumPrilE1& e, ExportElement details) {
    static const char* const kCumulative[12] = {"ИтогЯнв",     "ИтогЯнвФевр", "ИтогЯнвМарт", "ИтогЯнвАпр",
                                                "ИтогЯнвМай",  "ИтогЯнвИюн",  "ИтогЯнвИюл",  "ИтогЯнвАвг",
                                                "ИтогЯнвСент", "ИтогЯнвОкт",  "ИтогЯнвНояб", "ИтогЯнвДек"};
    ExportElement standard = details.Add("ВычСтанд");
    standard.Whole("ИтогВычСтанд", e.StandardTotal);
    ExportElement months = standard.Add("ДохМес");
    for (size_t m = 0; m < 12; ++m)
        months.Kopecks(kCumulative[m], e.CumulativeIncome[m]);
    months.Set("КолМес40000", QString::number(e.Months40000))
        .Set("КолМес280000", QString::number(e.Months280000));
    // Written even when no deduction is due.
    standard.Add("РасчВычСтанд")
        .WholeIfPositive("ВычСтанд218.1.1", e.Deduction3000)
        .WholeIfPositive("ВычСтанд218.1.2", e.Deduction500)
        .WholeIfPositive("ВычСтанд218.1.3", e.Deduction400)
        .WholeIfPositive("ВычСтандРеб", e.ChildDeduction)
        .WholeIfPositive("ВычСтРебОпек", e.ChildDeductionDouble)
        .WholeIfPositive("ВычСтРебИнв", e.DisabledChildDeduction)
        .WholeIfPositive("ВычСтРебИнвОпек", e.DisabledChildDeductionDouble);
}

void WriteSocial(const kTSvodSumPrilE2& e, ExportElement details) {
    ExportElement social = details.Add("ВычСоциал");
    social.Kopecks("ИтогВычСоциал", e.SocialTotal);
    if (e.UnlimitedSubtotal > Money())
        social.Add("РасчВычСоцБез219.2")
            .KopecksIfPositive("СумБлагЦел", e.Charity)
            .KopecksIfPositive("СумОбуч", e.ChildEducationTotal)
            .KopecksIfPositive("СумЛечен", e.ExpensiveTreatment)
            .Kopecks("ИтогВычСоциал", e.UnlimitedSubtotal);
    // Pension contributions for relatives are reported even when the limit leaves nothing to deduct.
    if (e.LimitedSubtotal > Money() || e.PensionInsurance > Money() || e.PensionProvision > Money())
        social.Add("РасчВычСоц219.2")
            .KopecksIfPositive("СумОбуч", e.OwnEducation)
            .KopecksIfPositive("СумЛечен", e.Treatment)
            .KopecksIfPositive("СумЛичСтрах", e.Insurance)
            .KopecksIfPositive("СумПенсСтрахДр", e.PensionInsurance)
            .KopecksIfPositive("СумНгПенсСтрахДр", e.PensionProvision)
            .KopecksIfPositive("СумДопСтрахФЗ", e.ExtraPension)
            .Kopecks("ИтогВычСоциал", e.LimitedSubtotal);
}

struct PensionNames {
    const char* group;
    const char* total;
    const char* item;
    const char* date;
    const char* number;
    const char* contribution;
    const char* toDeduct;
    const char* agentDeducted;
};

void WritePensionContracts(ExportElement parent, const std::vector<kTSvodSumPensionItem>& items, Money total,
                           const PensionNames& n) {
    if (items.empty()) return;
    ExportElement group = parent.Add(n.group);
    group.Kopecks(n.total, total);
    for (const kTSvodSumPensionItem& item : items) {
        ExportElement line = group.Add(n.item);
        line.Set("ПрДогНПО", QString::number(item.ContractKind))
            .Date(n.date, item.ContractDate)
            .Set(n.number, item.ContractNumber)
            .Kopecks(n.contribution, item.Contribution)
            .Kopecks(n.toDeduct, item.ToDeduct)
            .Kopecks(n.agentDeducted, item.AgentDeducted);
        line.Add("СведИст").Set("Наим", item.FundName).Set("ИННЮЛ", item.FundINN).Set("КПП", item.FundKPP);
    }
}

void WritePensions(const kTSvodSumPrilE3& e, ExportElement details) {
    if (e.ProvisionItems.empty() && e.InsuranceItems.empty()) return;
    ExportElement pensions = details.Add("ВычДогНПО_ДПС");
    pensions.Kopecks("СумВычОбщ", e.AgentTotal);
    WritePensionContracts(pensions, e.ProvisionItems, e.ProvisionDeductTotal,
                          {"РасчВычДогНПО", "СумПВВычОбщ", "РасчСумПВВыч", "ДатаДогНПО", "НомДогНПО",
                           "СумПВОбщПер", "СумПВВыч", "СумВычПВПерНА"});
    WritePensionContracts(pensions, e.InsuranceItems, e.InsuranceDeductTotal,
                          {"РасчВычДогДПС", "СумСВВычОбщ", "РасчСумСВВыч", "ДатаДогДПС", "НомДогДПС",
                           "СумСВОбщПер", "СумСВВыч", "СумВычСВПерНА"});
}

} // namespace

void WriteSaleStandardSocialPensionDeductions(const ExportContext& context, ExportElement details) {
    const mTDeclaration& d = context.Declaration;
    const kTSvodSum& s = context.Sum;
    const bool resident = d.ReturnKind == ReturnKind3NDFL;
    WritePropertySale(s.PrilH1, details);
    // The grant flags are read from the declaration: a granted deduction is written even when it is zero.
    if (resident && d.StandardDeduction.GrantStandard) WriteStandard(s.PrilE1, details);
    if (resident && d.SocialDeduction.GrantSocial) WriteSocial(s.PrilE2, details);
    WritePensions(s.PrilE3, details);
}

} // namespace ExportGroups
