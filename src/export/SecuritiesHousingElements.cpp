// Operations with securities and futures instruments, and the housing (new property) deduction.
#include "computation/SvodSum.h"
#include "export/ExportGroups.h"
#include "export/ExportText.h"
#include "records/Declaration.h"

#include <initializer_list>

namespace ExportGroups {

namespace {

struct NamedAmount {
    const char* name;
    Money amount;
};

// Written when its two presence amounts add up to more than 0; a loss may cancel an income.
void AddOperations(ExportElement parent, const char* element, Money first, Money second,
                   std::initializer_list<NamedAmount> attributes) {
    if (first + second <= Money()) return;
    ExportElement operations = parent.Add(element);
    for (const NamedAmount& a : attributes)
        operations.Kopecks(a.name, a.amount);
}

void WriteSecurities(const kTSvodSumPrilJ& j, ExportElement details) {
    if (j.IncomeTotal + j.PriorSecLoss + j.PriorFutLoss <= Money()) return;
    ExportElement group = details.Add("ДохОперЦБ");
    AddOperations(group, "ДохОперЦБОрг", j.SecOrgIncome, j.SecOrgExpenses,
                  {{"ДохСовОпер", j.SecOrgIncome},
                   {"РасхСовОпер", j.SecOrgExpenses},
                   {"УбытРезСовОпер", j.SecOrgLoss},
                   {"УбытУчРасчДох", j.SecOrgLossUsed},
                   {"УбытСовОперВыч", j.FormerOrgLossApplied},
                   {"УбытОперЦБВыч", j.PriorSecLossApplied},
                   {"НалДохРезОпер", j.SecOrgBase}});
    AddOperations(group, "ДохОперЦБОргНеОрг", j.SecFormerOrgIncome, j.SecFormerOrgExpenses,
                  {{"ДохСовОпер", j.SecFormerOrgIncome},
                   {"РасхСовОпер", j.SecFormerOrgExpenses},
                   {"УбытУчРасчДох", j.SecFormerOrgLoss},
                   {"НалДохРезОпер", j.SecFormerOrgBase}});
    AddOperations(group, "ДохОперЦБНеОрг", j.SecUnorgIncome, j.SecUnorgExpenses,
                  {{"ДохСовОпер", j.SecUnorgIncome},
                   {"РасхСовОпер", j.SecUnorgExpenses},
                   {"НалДохРезОпер", j.SecUnorgBase}});
    AddOperations(group, "ДохФИССОргЦБ", j.FutOrgSecIncome, j.FutOrgSecExpenses,
                  {{"ДохСовОпер", j.FutOrgSecIncome},
                   {"РасхСовОпер", j.FutOrgSecExpenses},
                   {"УбытРезСовОпер", j.FutOrgSecLoss},
                   {"УбытУчРасчДох", j.FutOrgSecLossUsed},
                   {"УбытПрмВыч", j.FutOrgSecPriorApplied},
                   {"НалДохРезОпер", j.FutOrgSecBase}});
    AddOperations(group, "ДохФИССОргНеЦБ", j.FutOrgOtherIncome, j.FutOrgOtherExpenses,
                  {{"ДохСовОпер", j.FutOrgOtherIncome},
                   {"РасхСовОпер", j.FutOrgOtherExpenses},
                   {"УбытРезСовОпер", j.FutOrgOtherLoss},
                   {"УбытУчРасчДох", j.FutOrgOtherLossUsed},
                   {"УбытПрмВыч", j.FutOrgOtherPriorApplied},
                   {"НалДохРезОпер", j.FutOrgOtherBase}});
    AddOperations(group, "ДохФИССНеОрг", j.FutUnorgIncome, j.FutUnorgExpenses,
                  {{"ДохСовОпер", j.FutUnorgIncome},
                   {"РасхСовОпер", j.FutUnorgExpenses},
                   {"НалДохРезОпер", j.FutUnorgBase}});
    AddOperations(group, "УбытПредПер", j.PriorSecLoss, j.PriorFutLoss,
                  {{"УбытОперЦБ", j.PriorSecLoss}, {"УбытФинИнсСС", j.PriorFutLoss}});
    AddOperations(group, "УбытПрхПер", j.CarriedSecLoss, j.CarriedFutLoss,
                  {{"УбытОперЦБ", j.CarriedSecLoss}, {"УбытФинИнсСС", j.CarriedFutLoss}});
    AddOperations(
        group, "ИтогСовОпер", j.IncomeTotal, Money(),
        {{"ОбщПолучДох", j.IncomeTotal}, {"ОбщНалогДох", j.TaxableTotal}, {"РасхПрмВыч", j.ExpensesApplied}});
}

QString ObjectRegionCode(const QString& code) {
    return code.rightJustified(2, QLatin1Char('0'));
}

void WriteObject(const mTConstructionDeduct& p, const kTSvodSumPrilZ& z, ExportElement housing) {
    ExportElement object = housing.Add("СвОбъектРасх");
    // Kind 7 is a kind of the screen that the document knows as 4.
    object.Set("КодНаимОб", p.ObjectKind == 7 ? QStringLiteral("4") : QString::number(p.ObjectKind))
        .Set("ВидСобствОб", QString::number(p.OwnershipKind))
        .Set("ПризнакНП", QString::number(p.TaxpayerSign));
    if (p.ByInvestment) {
        object.Date("ДатаАкт", p.ActDate);
    } else {
        object.Date("ДатаРегЖил", p.DwellingRegDate);
        if (quint32(p.ObjectKind) > 4) object.Date("ДатаРегЗем", p.LandRegDate);
    }
    if (p.OwnershipKind == 3 || (p.OwnershipKind == 1 && p.TaxpayerSign == 2))
        object.Date("ДатаЗаявВыч", p.ApplicationDate);
    object
        .Set("ДолСобств", QString::number(quint32(p.ShareNumerator)) + QLatin1Char('/') +
                              QString::number(quint32(p.ShareDenominator)))
        .Set("ГодНачИспВыч", ExportText::Year(p.FirstUseYear))
        .KopecksIfPositive("СумРасхФакт", z.CostActual)
        .KopecksIfPositive("СумФактУплПроц", z.InterestActual);
    object.Add("АдрОбъект")
        .SetIfNotBlank("Индекс", p.ObjPostIndex)
        .Set("КодРегион", ObjectRegionCode(p.ObjRegionCode))
        .SetIfNotBlank("Район", p.ObjDistrict)
        .SetIfNotBlank("Город", p.ObjCity)
        .SetIfNotBlank("НаселПункт", p.ObjLocality)
        .SetIfNotBlank("Улица", p.ObjStreet)
        .SetIfNotBlank("Дом", p.ObjHouse)
        .SetIfNotBlank("Корпус", p.ObjBuilding)
        .SetIfNotBlank("Кварт", p.ObjFlat);
}

void WriteHousingComputation(const kTSvodSumPrilZ& z, ExportElement housing) {
    housing.Add("РасчИмущВыч")
        .Kopecks("ВычНовЗачПред", z.PriorCostTotal)
        .Kopecks("ВычНовЗачПредНД", z.PriorCostDecl)
        .Kopecks("ВычНовЗачПредУп", z.PriorCostAgent)
        .Kopecks("ВычПроцЗачПред", z.PriorInterestTotal)
        .Kopecks("ВычПроцЗачПредНД", z.PriorInterestDecl)
        .Kopecks("ВычПроцЗачПредУп", z.PriorInterestAgent)
        .Kopecks("ОстВычПршПред", z.CarryInCost)
        .Kopecks("ПроцПршПред", z.CarryInInterest)
        .Kopecks("ВычНАУвед", z.AgentCostDeduction)
        .Kopecks("ПроцНАУвед", z.AgentInterestDeduction)
        .Kopecks("НалБаз13БезВыч", z.TaxBaseBeforeProperty)
        .Kopecks("РасхНовВычНД", z.DeclCostDeduction)
        .Kopecks("ПроцВычНД", z.DeclInterestDeduction)
        .Kopecks("ОстВычПрхСлед", z.CarryOutCost)
        .Kopecks("ПроцПрхСлед", z.CarryOutInterest);
}

} // namespace

void WriteSecuritiesAndHousingDeduction(const ExportContext& context, ExportElement details) {
    const mTDeclaration& d = context.Declaration;
    WriteSecurities(context.Sum.PrilJ, details);
    if (d.ReturnKind != ReturnKind3NDFL || !d.PropertyDeduction.GrantProperty) return;
    ExportElement housing = details.Add("ВычИмущНов");
    WriteObject(d.PropertyDeduction, context.Sum.PrilZ, housing);
    WriteHousingComputation(context.Sum.PrilZ, housing);
}

} // namespace ExportGroups
