// Business and private-practice income: the totals, one line per activity, the farm household.
#include "computation/SvodSum.h"
#include "export/ExportGroups.h"
#include "export/ExportText.h"
#include "records/Declaration.h"

namespace ExportGroups {

namespace {

void WriteActivity(ExportElement income, const mTBusinessNew& b) {
    const bool business = b.ActivityKind == QLatin1String("1");
    ExportElement line = income.Add("РасчВидДеят");
    line.Set("КодВД", b.ActivityKind);
    if (business) line.Set("ОКВЭД", b.OKVED);
    line.Kopecks("Доход", b.Income);
    // A negative expense is still written, as 0.00.
    if (b.HasDocumentedExpenses) {
        line.KopecksIfNotZero("РасхФакт", b.ExpensesTotal)
            .KopecksIfNotZero("РасхФМат", b.ExpensesMaterial)
            .KopecksIfNotZero("РасхФАмНач", b.ExpensesDepreciation)
            .KopecksIfNotZero("РасхФОплТруд", b.ExpensesLabour)
            .KopecksIfNotZero("РасхФТрДог", b.ExpensesLabourContracts)
            .KopecksIfNotZero("РасхФПроч", b.ExpensesOther);
    } else {
        line.KopecksIfNotZero("РасхПредНорм", b.NormativeExpenses);
    }
}

} // namespace

void WriteBusinessIncome(const ExportContext& context, ExportElement details) {
    const mTDeclaration& d = context.Declaration;
    if (!(d.IncomeKinds & IncomeBusiness) || d.BusinessIncomes.Count() == 0) return;
    const kTSvodSumPrilV1& totals = context.Sum.PrilV1;
    ExportElement income = details.Add("ДоходПредпр");
    income.Kopecks("ДоходИт", totals.IncomeTotal)
        .Kopecks("ВычПрофИт", totals.ProfessionalDeduction)
        .Whole("НачислАванИт", totals.AdvanceAccrued)
        .WholeIfPositive("УплАванИт", totals.AdvancePaid);
    for (const auto& activity : d.BusinessIncomes)
        WriteActivity(income, *activity);
    if (d.IsFarm)
        income.Add("СведКФХ")
            .Set("ГодРегКФХ", ExportText::Year(d.FarmStartDate))
            .Kopecks("ДоходНеНал", d.FarmIncome);
}

} // namespace ExportGroups
