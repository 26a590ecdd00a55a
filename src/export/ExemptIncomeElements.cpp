// Income partly exempt from tax, prizes, material benefit and the professional deductions.
#include "computation/SvodSum.h"
#include "export/ExportGroups.h"
#include "export/ExportText.h"

namespace ExportGroups {

namespace {

void AddExemptKind(ExportElement parent, const char* element, Money income, Money exempt) {
    if (exempt > Money()) parent.Add(element).Kopecks("ДоходВсИст", income).Kopecks("ДоходНеНал", exempt);
}

// Pay in kind from an agricultural producer, month by month, then the payer.
void WriteFarmEmployer(ExportElement exempt, const kTSvodSumPrilMFarmRow& row) {
    ExportElement employer = exempt.Add("ДохОплСХ");
    employer.Kopecks("ДоходНеНал", row.RowExempt);
    for (size_t m = 0; m < 12; ++m) {
        ExportElement month = employer.Add("СумДохМес");
        month.Set("Месяц", ExportText::TwoDigits(quint32(m + 1)))
            .Kopecks("ОплТрудОбщ", row.PayTotal[m])
            .Kopecks("ОплТрудНатур", row.PayInKind[m]);
        if (m > 0) month.Kopecks("ДохНеНалПред", row.CarriedIn[m]);
        month.Kopecks("ДоходНеНалМ", row.MonthExempt[m]);
        if (m < 11) month.Kopecks("ДохНеНалПослед", row.CarriedOut[m]);
    }
    if (row.SourceINN.size() != 10 && ExportText::IsBlank(row.SourceKPP))
        employer.Add("СвФЛ").Set("ИННФЛ", row.SourceINN);
    else
        employer.Add("СвОрг").Set("ИННЮЛ", row.SourceINN).Set("КПП", row.SourceKPP);
}

void WriteExemptIncome(const kTSvodSumPrilM& m, ExportElement details) {
    if (m.ExemptTotal <= Money()) return;
    ExportElement exempt = details.Add("ДоходОсвПрев");
    exempt.Kopecks("ДохНеНалОбщ", m.ExemptTotal).Kopecks("ДохНеНалОплСХ", m.FarmPayExempt);
    AddExemptKind(exempt, "МатПомРожд", m.BirthAidIncome, m.BirthAidExempt);
    AddExemptKind(exempt, "МатПомРаб", m.EmployerAidIncome, m.EmployerAidExempt);
    AddExemptKind(exempt, "МатПомИнв", m.DisabledAidIncome, m.DisabledAidExempt);
    AddExemptKind(exempt, "ПодарНП", m.GiftIncome, m.GiftExempt);
    AddExemptKind(exempt, "ПризНП", m.PrizeIncome, m.PrizeExempt);
    AddExemptKind(exempt, "ВозмМед", m.MedicineIncome, m.MedicineExempt);
    AddExemptKind(exempt, "ПомПодар", m.SpecialAidIncome, m.SpecialAidExempt);
    if (m.FarmPayExempt > Money())
        for (const kTSvodSumPrilMFarmRow& row : m.FarmEmployers)
            WriteFarmEmployer(exempt, row);
}

void WritePrizes(const kTSvodSumPrilM2& prizes, ExportElement details) {
    if (prizes.ExemptTotal <= Money()) return;
    ExportElement group = details.Add("ДоходИгрПриз");
    group.Kopecks("ДоходНеНалОбщ", prizes.ExemptTotal);
    for (const kTSvodSumPrilM2Row& row : prizes.Rows) {
        ExportElement prize = group.Add("СвДоход");
        prize.Kopecks("Доход", row.Income).Kopecks("ДоходНеНал", row.Exempt);
        AddSourceName(prize, row.SourceINN, row.SourceKPP, row.SourceName);
    }
}

void WriteMaterialBenefit(const kTSvodSumPrilM3& benefit, ExportElement details) {
    if (benefit.TaxWithheldTotal <= Money()) return;
    ExportElement group = details.Add("ДоходМатВыг");
    group.Whole("НалогУдЛОбщ", benefit.TaxWithheldTotal);
    for (const kTSvodSumPrilM3Row& row : benefit.Rows) {
        ExportElement line = group.Add("РасчНалогУдЛ");
        line.Kopecks("Доход", row.Income).Whole("НалогУдЛ", row.TaxWithheld);
        if (row.SourceOKATO.size() == 11) line.Set("ОКАТО", row.SourceOKATO);
        AddSourceName(line, row.SourceINN, row.SourceKPP, row.SourceName);
    }
}

void AddExpenseGroup(ExportElement parent, const char* element, const char* incomeName, Money income,
                     Money expenses) {
    if (expenses > Money()) parent.Add(element).Kopecks(incomeName, income).Kopecks("СумРасхВыч", expenses);
}

void WriteProfessionalDeductions(const kTSvodSumPrilGGroups& g, const char* sourceSign,
                                 ExportElement details) {
    if (g.ExpensesTotal <= Money()) return;
    ExportElement group = details.Add("ВычПрофВозн");
    group.Set("ПрИст", QString::fromLatin1(sourceSign)).Kopecks("РасходОбщИт", g.ExpensesTotal);
    AddExpenseGroup(group, "РасхФактДогГПХ", "СумДохДогГПХ", g.ContractIncome, g.ContractExpenses);
    AddExpenseGroup(group, "РасхФактАвтВозн", "СумАвторВозн", g.RoyaltyIncomeActual, g.RoyaltyExpensesActual);
    AddExpenseGroup(group, "РасхНормАвтВозн", "СумАвторВозн", g.RoyaltyIncomeNormative,
                    g.RoyaltyExpensesNormative);
    AddExpenseGroup(group, "РасхФактУстКап", "СумДохУстКап", g.ShareSaleIncome, g.ShareSaleExpenses);
    AddExpenseGroup(group, "РасхФактДолСтр", "СумДохДолСтр", g.ConstructionRightsIncome,
                    g.ConstructionRightsExpenses);
}

} // namespace

void WriteExemptIncomeAndProfessionalDeductions(const ExportContext& context, ExportElement details) {
    const kTSvodSum& s = context.Sum;
    WriteExemptIncome(s.PrilM, details);
    WritePrizes(s.PrilM2, details);
    WriteMaterialBenefit(s.PrilM3, details);
    WriteProfessionalDeductions(s.PrilG, "1", details);
    WriteProfessionalDeductions(s.PrilG_In, "2", details);
}

} // namespace ExportGroups
