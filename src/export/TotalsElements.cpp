// The totals of the return by tax rate, the rule for the income and deduction details, and one
// payment line per budget classification code.
#include "computation/SvodSum.h"
#include "export/ExportGroups.h"
#include "records/Declaration.h"

#include <initializer_list>

namespace ExportGroups {

namespace {

enum class Form { Kopecks, Whole };

struct RateAttribute {
    const char* name;
    Money amount;
    Form form;
};

// Written when its amounts, less the one that does not count, add up to more than 0.
void WriteRateBlock(ExportElement totals, const char* element,
                    std::initializer_list<RateAttribute> attributes, Money notCounted = Money()) {
    Money presence = -notCounted;
    for (const RateAttribute& a : attributes)
        presence += a.amount;
    if (presence <= Money()) return;
    ExportElement block = totals.Add(element);
    for (const RateAttribute& a : attributes)
        if (a.form == Form::Kopecks)
            block.Kopecks(a.name, a.amount);
        else
            block.Whole(a.name, a.amount);
}

} // namespace

void WriteRateBlocks(const ExportContext& context, ExportElement totals) {
    const kTSvodSum& s = context.Sum;
    constexpr Form K = Form::Kopecks;
    constexpr Form W = Form::Whole;
    // A 13 % block that would show only an amount payable is left out.
    WriteRateBlock(totals, "НалБаза13",
                   {{"ДоходОбщ", s.List1.IncomeTotal, K},
                    {"ДоходОбщНеНал", s.List1.IncomeExempt, K},
                    {"ДоходОбщНал", s.List1.IncomeTaxable, K},
                    {"РасхВычОбщ", s.List1.ExpensesDeductions, K},
                    {"НалБаза", s.List1.TaxBase, K},
                    {"Исчисл", s.List1.TaxComputed, W},
                    {"УдержОбщ", s.List1.TaxWithheld, W},
                    {"УплФактАв", s.List1.AdvancePaid, W},
                    {"УплФиксирАв", s.List1.FixedAdvancePaid, W},
                    {"УплУвед", s.List1.PaidOnNotices, W},
                    {"УплИно", s.List1.ForeignTaxCredit, W},
                    {"ПодлВозв", s.List1.Refundable, W},
                    {"ПодлУпл", s.List1.Payable, W}},
                   s.List1.Payable);
    WriteRateBlock(totals, "НалБаза30",
                   {{"ДоходОбщ", s.List2.IncomeTotal, K},
                    {"ДоходОбщНеНал", s.List2.IncomeExempt, K},
                    {"ДоходОбщНал", s.List2.IncomeTaxable, K},
                    {"РасхОбщ", s.List2.ExpensesDeductions, K},
                    {"НалБаза", s.List2.TaxBase, K},
                    {"Исчисл", s.List2.TaxComputed, W},
                    {"УдержОбщ", s.List2.TaxWithheld, W},
                    {"УплУвед", s.List2.PaidOnNotices, W},
                    {"ПодлВозв", s.List2.Refundable, W},
                    {"ПодлУпл", s.List2.Payable, W}});
    WriteRateBlock(totals, "НалБаза35",
                   {{"ДоходОбщ", s.List3.IncomeTotal, K},
                    {"ДоходОбщНеНал", s.List3.IncomeExempt, K},
                    {"НалБаза", s.List3.TaxBase, K},
                    {"Исчисл", s.List3.TaxComputed, W},
                    {"УдержОбщ", s.List3.TaxWithheld, W},
                    {"УдержОбщЛиш", s.List3.TaxWithheldExempt, W},
                    {"УплУвед", s.List3.PaidOnNotices, W},
                    {"УплИно", s.List3.ForeignTaxCredit, W},
                    {"ПодлВозв", s.List3.Refundable, W},
                    {"ПодлУпл", s.List3.Payable, W}});
    WriteRateBlock(totals, "НалБаза9",
                   {{"ДоходОбщ", s.List4.IncomeTotal, K},
                    {"НалБаза", s.List4.TaxBase, K},
                    {"Исчисл", s.List4.TaxComputed, W},
                    {"УдержОбщ", s.List4.TaxWithheld, W},
                    {"УплУвед", s.List4.PaidOnNotices, W},
                    {"УплИно", s.List4.ForeignTaxCredit, W},
                    {"ПодлВозв", s.List4.Refundable, W},
                    {"ПодлУпл", s.List4.Payable, W}});
    WriteRateBlock(totals, "НалБаза15",
                   {{"ДоходОбщ", s.List5.IncomeTotal, K},
                    {"НалБаза", s.List5.TaxBase, K},
                    {"Исчисл", s.List5.TaxComputed, W},
                    {"УдержОбщ", s.List5.TaxWithheld, W},
                    {"УплУвед", s.List5.PaidOnNotices, W},
                    {"ПодлВозв", s.List5.Refundable, W},
                    {"ПодлУпл", s.List5.Payable, W}});
}

bool HasIncomeDeductionDetails(const ExportContext& context) {
    const mTDeclaration& d = context.Declaration;
    const kTSvodSum& s = context.Sum;
    const Money zero;
    return d.PropertyDeduction.GrantProperty || d.SocialDeduction.GrantSocial ||
           d.StandardDeduction.GrantStandard ||
           d.IncomeSources13.Count() + d.IncomeSources13NR.Count() + d.IncomeSources30.Count() +
                   d.IncomeSources35.Count() >
               0 ||
           (d.IncomeKinds & (IncomeForeign | IncomePractice | IncomeBusiness)) != 0 ||
           s.PrilM.ExemptTotal + s.PrilM2.ExemptTotal > zero || s.PrilM3.TaxWithheldTotal > zero ||
           s.PrilG_In.ExpensesTotal > zero || s.PrilG.ExpensesTotal > zero ||
           s.PrilH1.DeductionTotal > zero || s.PrilJ.ExpensesApplied > zero;
}

void WritePaymentLines(const ExportContext& context, ExportElement body) {
    const QString zero = QStringLiteral("0");
    for (const kTSvodSumList6Row& row : context.Sum.List6.Rows) {
        const bool payable = row.PaySign == QLatin1String("1");
        const bool refundable = row.PaySign == QLatin1String("2");
        ExportElement line = body.Add("ПодлУплВозв");
        line.Set("ПрУплВозв", row.PaySign).Set("КБК", row.KBK).Set("ОКАТО", row.Okato);
        if (payable)
            line.Whole("ПодлУпл", row.Amount);
        else
            line.Set("ПодлУпл", zero);
        if (refundable)
            line.Whole("ПодлВозв", row.Amount);
        else
            line.Set("ПодлВозв", zero);
    }
}

} // namespace ExportGroups
