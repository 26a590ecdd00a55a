#include "explain/ExplainText.h"
#include "explain/TaxExplainer.h"

namespace {

// A category of transactions with securities or futures instruments: its fields and its name.
struct Category {
    Money kTSvodSumPrilJ::*income;
    Money kTSvodSumPrilJ::*expenses;
    Money kTSvodSumPrilJ::*base;
    const char* incomeField;
    const char* expensesField;
    const char* baseField;
    const char16_t* title;
};

const Category kCategories[] = {
    {&kTSvodSumPrilJ::SecOrgIncome, &kTSvodSumPrilJ::SecOrgExpenses, &kTSvodSumPrilJ::SecOrgBase,
     "SecOrgIncome", "SecOrgExpenses", "SecOrgBase",
     u"Ценные бумаги, обращающиеся на организованном рынке (код 1530)"},
    {&kTSvodSumPrilJ::SecFormerOrgIncome, &kTSvodSumPrilJ::SecFormerOrgExpenses,
     &kTSvodSumPrilJ::SecFormerOrgBase, "SecFormerOrgIncome", "SecFormerOrgExpenses", "SecFormerOrgBase",
     u"Ценные бумаги, обращавшиеся на организованном рынке при покупке (код 1536)"},
    {&kTSvodSumPrilJ::SecUnorgIncome, &kTSvodSumPrilJ::SecUnorgExpenses, &kTSvodSumPrilJ::SecUnorgBase,
     "SecUnorgIncome", "SecUnorgExpenses", "SecUnorgBase",
     u"Ценные бумаги, не обращающиеся на организованном рынке (код 1531)"},
    {&kTSvodSumPrilJ::FutOrgSecIncome, &kTSvodSumPrilJ::FutOrgSecExpenses, &kTSvodSumPrilJ::FutOrgSecBase,
     "FutOrgSecIncome", "FutOrgSecExpenses", "FutOrgSecBase",
     u"Срочные сделки на организованном рынке с ценными бумагами в основе (код 1532)"},
    {&kTSvodSumPrilJ::FutOrgOtherIncome, &kTSvodSumPrilJ::FutOrgOtherExpenses,
     &kTSvodSumPrilJ::FutOrgOtherBase, "FutOrgOtherIncome", "FutOrgOtherExpenses", "FutOrgOtherBase",
     u"Срочные сделки на организованном рынке с иным базисным активом (код 1535)"},
    {&kTSvodSumPrilJ::FutUnorgIncome, &kTSvodSumPrilJ::FutUnorgExpenses, &kTSvodSumPrilJ::FutUnorgBase,
     "FutUnorgIncome", "FutUnorgExpenses", "FutUnorgBase",
     u"Срочные сделки, не обращающиеся на организованном рынке (код 1533)"},
};

// A group of professional deductions: its fields and its name.
struct ProfessionalGroup {
    Money kTSvodSumPrilGGroups::*income;
    Money kTSvodSumPrilGGroups::*deduction;
    const char* incomeField;
    const char* deductionField;
    const char16_t* title;
    const char16_t* rule;
};

const ProfessionalGroup kProfessionalGroups[] = {
    {&kTSvodSumPrilGGroups::ContractIncome, &kTSvodSumPrilGGroups::ContractExpenses, "ContractIncome",
     "ContractExpenses", u"Договоры гражданско-правового характера",
     u"ст. 221 п. 2 НК РФ: документально подтверждённые расходы, не больше дохода по договорам"},
    {&kTSvodSumPrilGGroups::RoyaltyIncomeActual, &kTSvodSumPrilGGroups::RoyaltyExpensesActual,
     "RoyaltyIncomeActual", "RoyaltyExpensesActual", u"Авторские вознаграждения, расходы по документам",
     u"ст. 221 п. 3 НК РФ: документально подтверждённые расходы, не больше дохода"},
    {&kTSvodSumPrilGGroups::RoyaltyIncomeNormative, &kTSvodSumPrilGGroups::RoyaltyExpensesNormative,
     "RoyaltyIncomeNormative", "RoyaltyExpensesNormative", u"Авторские вознаграждения, расходы по нормативу",
     u"ст. 221 п. 3 НК РФ: расходы по нормативу в процентах от дохода, не больше дохода"},
    {&kTSvodSumPrilGGroups::ShareSaleIncome, &kTSvodSumPrilGGroups::ShareSaleExpenses, "ShareSaleIncome",
     "ShareSaleExpenses", u"Продажа доли в уставном капитале",
     u"ст. 220 п. 1 пп. 1 НК РФ: документально подтверждённые расходы, не больше дохода"},
    {&kTSvodSumPrilGGroups::ConstructionRightsIncome, &kTSvodSumPrilGGroups::ConstructionRightsExpenses,
     "ConstructionRightsIncome", "ConstructionRightsExpenses",
     u"Уступка прав по договору долевого строительства",
     u"ст. 220 п. 1 пп. 1 НК РФ: документально подтверждённые расходы, не больше дохода"},
};

} // namespace

TaxExplainer::StepId TaxExplainer::Securities(const ResultRef& also) {
    const kTSvodSumPrilJ& j = sum_.PrilJ;
    if (j.IncomeTotal.IsZero() && j.ExpensesApplied.IsZero()) return -1;
    const auto shares = Replay<kTSvodSumPrilJ>();
    const RecordSection lines = RecordSection::IncomeSources13;

    b_.Open(QStringLiteral("Расходы по операциям с ценными бумагами и срочными сделками"));
    b_.Current().Rule =
        QStringLiteral("ст. 214.1 НК РФ: доход по каждой категории операций уменьшается на её расходы; "
                       "убыток одной категории уменьшает доход другой только там, где это разрешено; "
                       "база по категории не бывает меньше нуля");
    const mTCBDeduct& prior = d_.SecuritiesDeduction;
    if (!prior.PriorLossSecurities.IsZero() || !prior.PriorLossFutures.IsZero())
        b_.Current().Note =
            QStringLiteral("Убытки прошлых лет, указанные в декларации (ценные бумаги %1, срочные сделки "
                           "%2), в этом расчёте не учитываются.")
                .arg(GroupedAmountText(prior.PriorLossSecurities), GroupedAmountText(prior.PriorLossFutures));

    const auto step = [&](const Money& field, const char* name, const QString& title, bool notBelowZero,
                          std::initializer_list<std::pair<StepId, bool>> terms) -> StepId {
        if (field.IsZero()) return -1;
        b_.Open(title);
        b_.Current().NotBelowZero = notBelowZero;
        for (const auto& [id, minus] : terms)
            AddIf(id, minus);
        return CloseAs(field, Field("PrilJ", name));
    };

    StepId income[6] = {-1, -1, -1, -1, -1, -1};
    StepId expenses[6] = {-1, -1, -1, -1, -1, -1};
    for (size_t c = 0; c < 6; ++c) {
        const Category& category = kCategories[c];
        if ((j.*category.income).IsZero() && (j.*category.expenses).IsZero()) continue;
        b_.Open(Literal(category.title), ExplainOp::Group);
        b_.Open(QStringLiteral("Доходы"));
        AddShares(shares, category.income, lines, false);
        income[c] = CloseAs(j.*category.income, Field("PrilJ", category.incomeField));
        b_.Open(QStringLiteral("Расходы"));
        AddShares(shares, category.expenses, lines, true);
        expenses[c] = CloseAs(j.*category.expenses, Field("PrilJ", category.expensesField));
        b_.CloseGroup();
    }
    enum { SecOrg, SecFormerOrg, SecUnorg, FutOrgSec, FutOrgOther, FutUnorg };

    b_.Open(QStringLiteral("Убытки и их зачёт между категориями"), ExplainOp::Group);
    const StepId secOrgLoss =
        step(j.SecOrgLoss, "SecOrgLoss", QStringLiteral("Убыток по ценным бумагам (код 1530)"), true,
             {{expenses[SecOrg], false}, {income[SecOrg], true}});
    const StepId formerLoss =
        step(j.SecFormerOrgLoss, "SecFormerOrgLoss", QStringLiteral("Убыток по ценным бумагам (код 1536)"),
             true, {{expenses[SecFormerOrg], false}, {income[SecFormerOrg], true}});
    const StepId futSecLoss =
        step(j.FutOrgSecLoss, "FutOrgSecLoss", QStringLiteral("Убыток по срочным сделкам (код 1532)"), true,
             {{expenses[FutOrgSec], false}, {income[FutOrgSec], true}});
    const StepId futOtherLoss =
        step(j.FutOrgOtherLoss, "FutOrgOtherLoss", QStringLiteral("Убыток по срочным сделкам (код 1535)"),
             true, {{expenses[FutOrgOther], false}, {income[FutOrgOther], true}});
    // What one category's result leaves for a loss of another to offset.
    const auto result = [&](const QString& title, std::initializer_list<std::pair<StepId, bool>> terms) {
        b_.Open(title);
        for (const auto& [id, minus] : terms)
            AddIf(id, minus);
        return b_.CloseEvaluated();
    };
    const auto offset = [&](const Money& field, const char* name, const QString& title, StepId loss,
                            const QString& resultTitle,
                            std::initializer_list<std::pair<StepId, bool>> resultTerms) {
        if (field.IsZero()) return StepId(-1);
        b_.Open(title, ExplainOp::Smaller);
        b_.Current().NotBelowZero = true;
        b_.AddStep(loss, false, QStringLiteral("убыток"));
        b_.AddStep(result(resultTitle, resultTerms), false, QStringLiteral("доход другой категории"));
        return CloseAs(field, Field("PrilJ", name));
    };
    const StepId formerApplied =
        offset(j.FormerOrgLossApplied, "FormerOrgLossApplied",
               QStringLiteral("Убыток по бумагам с кодом 1536, зачтённый в доход по бумагам с кодом 1530"),
               formerLoss, QStringLiteral("Результат по бумагам с кодом 1530"),
               {{income[SecOrg], false}, {expenses[SecOrg], true}});
    const StepId secOrgUsed = offset(
        j.SecOrgLossUsed, "SecOrgLossUsed",
        QStringLiteral("Убыток по бумагам с кодом 1530, зачтённый в доход по срочным сделкам с кодом 1532"),
        secOrgLoss, QStringLiteral("Результат по срочным сделкам с кодом 1532"),
        {{income[FutOrgSec], false}, {expenses[FutOrgSec], true}});
    const StepId futSecUsed = offset(
        j.FutOrgSecLossUsed, "FutOrgSecLossUsed",
        QStringLiteral("Убыток по срочным сделкам с кодом 1532, зачтённый в доход по бумагам с кодом 1530"),
        futSecLoss, QStringLiteral("Результат по бумагам с кодом 1530"),
        {{income[SecOrg], false}, {expenses[SecOrg], true}, {formerApplied, true}});
    const StepId futOtherUsed = offset(
        j.FutOrgOtherLossUsed, "FutOrgOtherLossUsed",
        QStringLiteral(
            "Убыток по срочным сделкам с кодом 1535, зачтённый в доход по срочным сделкам с кодом 1532"),
        futOtherLoss, QStringLiteral("Результат по срочным сделкам с кодом 1532"),
        {{income[FutOrgSec], false}, {expenses[FutOrgSec], true}, {secOrgUsed, true}});
    step(j.CarriedSecLoss, "CarriedSecLoss",
         QStringLiteral("Убыток по ценным бумагам, переходящий на следующие годы"), false,
         {{secOrgLoss, false}, {secOrgUsed, true}});
    step(j.CarriedFutLoss, "CarriedFutLoss",
         QStringLiteral("Убыток по срочным сделкам, переходящий на следующие годы"), false,
         {{futSecLoss, false}, {futOtherLoss, false}, {futSecUsed, true}, {futOtherUsed, true}});
    if (b_.ChildCountOfOpen() == 0)
        b_.Drop();
    else
        b_.CloseGroup();

    b_.Open(QStringLiteral("Налоговая база по категориям"), ExplainOp::Group);
    StepId base[6] = {-1, -1, -1, -1, -1, -1};
    for (size_t c = 0; c < 6; ++c) {
        if (income[c] < 0 && expenses[c] < 0) continue;
        const Category& category = kCategories[c];
        b_.Open(Literal(category.title));
        b_.Current().NotBelowZero = true;
        AddIf(income[c], false, QStringLiteral("доходы"));
        AddIf(expenses[c], true, QStringLiteral("расходы"));
        if (c == SecOrg) {
            AddIf(formerApplied, true, QStringLiteral("зачтённый убыток (1536)"));
            AddIf(futSecUsed, true, QStringLiteral("зачтённый убыток (1532)"));
        } else if (c == FutOrgSec) {
            AddIf(secOrgUsed, true, QStringLiteral("зачтённый убыток (1530)"));
            AddIf(futOtherUsed, true, QStringLiteral("зачтённый убыток (1535)"));
        }
        base[c] = CloseAs(j.*category.base, Field("PrilJ", category.baseField));
    }
    b_.CloseGroup();

    b_.Open(QStringLiteral("Доходы по всем категориям"));
    for (StepId id : income)
        AddIf(id);
    const StepId incomeTotal = CloseAs(j.IncomeTotal, Field("PrilJ", "IncomeTotal"));
    b_.Open(QStringLiteral("Налоговая база по всем категориям"));
    for (StepId id : base)
        AddIf(id);
    const StepId taxableTotal = CloseAs(j.TaxableTotal, Field("PrilJ", "TaxableTotal"));
    AddIf(incomeTotal, false, QStringLiteral("доходы"));
    AddIf(taxableTotal, true, QStringLiteral("налоговая база"));
    return CloseAs(j.ExpensesApplied, Field("PrilJ", "ExpensesApplied"), also);
}

TaxExplainer::StepId TaxExplainer::Professional(const kTSvodSumPrilGGroups& sheet, const char* name,
                                                bool foreign) {
    if (sheet.ExpensesTotal.IsZero()) return -1;
    const auto shares = foreign ? Replay<kTSvodSumPrilG_In, kTSvodSumPrilGGroups>()
                                : Replay<kTSvodSumPrilG, kTSvodSumPrilGGroups>();
    const RecordSection lines = Section13();

    b_.Open(foreign ? QStringLiteral("Профессиональные налоговые вычеты по доходам из-за рубежа")
                    : QStringLiteral("Профессиональные налоговые вычеты"));
    b_.Current().Rule = QStringLiteral("ст. 221 НК РФ");
    for (const ProfessionalGroup& group : kProfessionalGroups) {
        if ((sheet.*group.deduction).IsZero()) continue;
        b_.Open(Literal(group.title), ExplainOp::Smaller);
        b_.Current().Rule = Literal(group.rule);
        AddSharesAsOne(QStringLiteral("Заявленные расходы"), shares, group.deduction, lines, true);
        b_.Open(QStringLiteral("Доход"));
        AddShares(shares, group.income, lines, false);
        b_.AddStep(CloseAs(sheet.*group.income, Field(name, group.incomeField)), false,
                   QStringLiteral("доход"));
        b_.AddStep(CloseAs(sheet.*group.deduction, Field(name, group.deductionField)), false,
                   LabelOf(Literal(group.title)));
    }
    return CloseAs(sheet.ExpensesTotal, Field(name, "ExpensesTotal"));
}
