#include "explain/ExplainText.h"
#include "explain/TaxExplainer.h"

namespace {

// What a standard deduction is given for: each month, each child, each disabled child.
enum class Per { Month, Child, DisabledChild };

// One kind of standard deduction: its monthly part, its total and how the explanation names it.
struct StandardKind {
    Money kTSvodSumPrilE1Month::*month;
    const Money kTSvodSumPrilE1::*total;
    const char* field;
    qint64 rate;
    Per per;
    const char16_t* title;
    const char16_t* rule;
};

const StandardKind kStandardKinds[] = {
    {&kTSvodSumPrilE1Month::Deduction3000, &kTSvodSumPrilE1::Deduction3000, "Deduction3000", 3000, Per::Month,
     u"Вычет 3 000 руб. в месяц", u"ст. 218 п. 1 пп. 1 НК РФ: 3 000 руб. за каждый месяц года"},
    {&kTSvodSumPrilE1Month::Deduction500, &kTSvodSumPrilE1::Deduction500, "Deduction500", 500, Per::Month,
     u"Вычет 500 руб. в месяц", u"ст. 218 п. 1 пп. 2 НК РФ: 500 руб. за каждый месяц года"},
    {&kTSvodSumPrilE1Month::Deduction400, &kTSvodSumPrilE1::Deduction400, "Deduction400", 400, Per::Month,
     u"Вычет 400 руб. в месяц",
     u"ст. 218 п. 1 пп. 3 НК РФ: 400 руб. за каждый месяц, пока доход с начала года не превысит 40 000 руб."},
    {&kTSvodSumPrilE1Month::ChildDeduction, &kTSvodSumPrilE1::ChildDeduction, "ChildDeduction", 1000,
     Per::Child, u"Вычет на детей: 1 000 руб. в месяц на каждого ребёнка",
     u"ст. 218 п. 1 пп. 4 НК РФ: 1 000 руб. на каждого ребёнка за каждый месяц, пока доход с начала года не "
     "превысит 280 000 руб."},
    {&kTSvodSumPrilE1Month::ChildDeductionDouble, &kTSvodSumPrilE1::ChildDeductionDouble,
     "ChildDeductionDouble", 2000, Per::Child,
     u"Вычет на детей единственному родителю: 2 000 руб. в месяц на каждого ребёнка",
     u"ст. 218 п. 1 пп. 4 НК РФ: единственному родителю вычет предоставляется в двойном размере, пока доход "
     u"с "
     "начала года не превысит 280 000 руб."},
    {&kTSvodSumPrilE1Month::DisabledChildDeduction, &kTSvodSumPrilE1::DisabledChildDeduction,
     "DisabledChildDeduction", 2000, Per::DisabledChild, u"Вычет на ребёнка-инвалида: 2 000 руб. в месяц",
     u"ст. 218 п. 1 пп. 4 НК РФ: 2 000 руб. на ребёнка-инвалида за каждый месяц, пока доход с начала года не "
     "превысит 280 000 руб."},
    {&kTSvodSumPrilE1Month::DisabledChildDeductionDouble, &kTSvodSumPrilE1::DisabledChildDeductionDouble,
     "DisabledChildDeductionDouble", 4000, Per::DisabledChild,
     u"Вычет на ребёнка-инвалида единственному родителю: 4 000 руб. в месяц",
     u"ст. 218 п. 1 пп. 4 НК РФ: единственному родителю вычет предоставляется в двойном размере, пока доход "
     u"с "
     "начала года не превысит 280 000 руб."},
};

} // namespace

TaxExplainer::StepId TaxExplainer::Deductions13(const ResultRef& result) {
    const kTSvodSumList1& l = sum_.List1;
    const bool claimed =
        !nonResident_ && (d_.StandardDeduction.GrantStandard == 1 || d_.SocialDeduction.GrantSocial == 1 ||
                          d_.PropertyDeduction.GrantProperty == 1);
    if (l.ExpensesDeductions.IsZero() && !claimed) return -1;
    b_.Open(QStringLiteral("Налоговые вычеты и расходы"));
    b_.Current().Rule = QStringLiteral("ст. 210 п. 3 НК РФ: доход по ставке 13 % уменьшается на стандартные, "
                                       "социальные, имущественные и профессиональные налоговые вычеты");
    if (!nonResident_) {
        AddIf(StandardDeductions());
        AddIf(SocialDeductions());
    }
    AddIf(PropertySale());
    if (!nonResident_) {
        AddIf(Securities({}));
        AddIf(BusinessDeduction(sum_.PrilV1, "PrilV1", false));
        AddIf(BusinessDeduction(sum_.PrilV2, "PrilV2", true));
    }
    AddIf(Professional(sum_.PrilG, "PrilG", false));
    AddIf(Professional(sum_.PrilG_In, "PrilG_In", true));
    if (!nonResident_) AddIf(Housing());
    return CloseAs(l.ExpensesDeductions, result);
}

TaxExplainer::StepId TaxExplainer::StandardDeductions() {
    const kTSvodSumPrilE1& e1 = sum_.PrilE1;
    const mTStandartDeduct& record = d_.StandardDeduction;
    if (record.GrantStandard != 1 || nonResident_) return -1;
    const bool business = record.MonthlyBusiness == 1;
    const std::array<bool, 12>& deductionMonths = e1.DeductionMonths();
    const bool anyMonth =
        business || std::find(deductionMonths.begin(), deductionMonths.end(), true) != deductionMonths.end();

    b_.Open(QStringLiteral("Стандартные налоговые вычеты"), ExplainOp::Smaller);
    b_.Current().Rounding = ExplainRounding::CutRoubles;
    b_.Current().NotBelowZero = true;
    b_.Current().Rule =
        QStringLiteral("ст. 218 НК РФ: стандартные вычеты за месяцы года; всего не больше дохода "
                       "за год (в целых рублях)");
    if (!anyMonth) {
        b_.Current().Note =
            QStringLiteral("Ни один источник дохода по ставке 13 % не отмечен для расчёта "
                           "стандартных вычетов, или в его доходах не указаны месяцы: вычеты не "
                           "рассчитаны.");
        return CloseAs(e1.StandardTotal, Field("PrilE1", "StandardTotal"));
    }

    const size_t personalStop =
        kTSvodSumPrilE1::StopMonth(e1.CumulativeIncome, kTSvodSumPrilE1::PersonalIncomeLimit);
    const size_t childStop =
        kTSvodSumPrilE1::StopMonth(e1.CumulativeIncome, kTSvodSumPrilE1::ChildIncomeLimit);
    const bool claims400 = record.PersonalCode == 103 || record.PersonalCode == 110;
    const bool claimsChildren = record.ChildKind != 0;

    // The income since January, month by month: the limits are passed on it.
    std::array<int, 12> monthLineCount{};
    std::array<Money, 12> monthIncome{};
    if (!business)
        kTSvodSumPrilE1::ForEachMonthLine(d_, [&](int, int, const mTSourseIncome& line) {
            ++monthLineCount[size_t(line.Month - 1)];
            monthIncome[size_t(line.Month - 1)] += line.IncomeAmount - line.DeductionAmount;
        });
    b_.Open(QStringLiteral("Доход с начала года по месяцам"), ExplainOp::Group);
    b_.Current().Note =
        business ? QStringLiteral("По доходам и расходам предпринимательской деятельности, указанным "
                                  "по месяцам; убыток месяца уменьшает доход следующих месяцев.")
                 : QStringLiteral("По доходам источников, отмеченных для расчёта стандартных вычетов, "
                                  "за вычетом указанных к ним вычетов.");
    std::array<StepId, 12> cumulative{};
    StepId previous = -1;
    for (size_t m = 0; m < 12; ++m) {
        b_.Open(MonthTitle(int(m) + 1));
        if (business) {
            b_.Current().NotBelowZero = true;
            const Money income = record.BusinessIncomeByMonth[m];
            const Money expense = record.BusinessExpenseByMonth[m];
            if (!income.IsZero())
                b_.Add(QStringLiteral("доход"),
                       Ref(RecordSection::StandardDeduction, -1, int(m), "BusinessIncomeByMonth"), income);
            if (!expense.IsZero())
                b_.Add(QStringLiteral("расходы"),
                       Ref(RecordSection::StandardDeduction, -1, int(m), "BusinessExpenseByMonth"), expense,
                       true);
            AddIf(previous, false, QStringLiteral("доход с начала года"));
            const Money loss = m > 0 ? e1.MonthDeductions()[m - 1].BusinessLoss : Money();
            if (!loss.IsZero()) b_.Add(QStringLiteral("убыток прошлых месяцев"), loss, true);
        } else {
            AddIf(previous, false, QStringLiteral("доход с начала года"));
            if (monthLineCount[m] > MostListed) {
                b_.Add(QStringLiteral("доход за месяц ") + ManyLines(monthLineCount[m]), monthIncome[m]);
            } else if (monthLineCount[m] > 0) {
                kTSvodSumPrilE1::ForEachMonthLine(d_, [&](int s, int l, const mTSourseIncome& line) {
                    if (line.Month != m + 1) return;
                    b_.Add(SourceTitle(*d_.IncomeSources13.At(s), s),
                           Ref(RecordSection::IncomeSources13, s, l, "IncomeAmount"), line.IncomeAmount);
                    if (!line.DeductionAmount.IsZero())
                        b_.Add(QStringLiteral("вычет"),
                               Ref(RecordSection::IncomeSources13, s, l, "DeductionAmount"),
                               line.DeductionAmount, true);
                });
            }
        }
        QStringList notes;
        if (!deductionMonths[m])
            notes << (business
                          ? QStringLiteral("Месяц не отмечен: вычеты за него не предоставляются.")
                          : QStringLiteral("Дохода в этом месяце нет: вычеты за него не предоставляются."));
        if (claims400 && m == personalStop)
            notes << QStringLiteral(
                "Доход с начала года превысил 40 000 руб.: с этого месяца вычет 400 руб. не "
                "предоставляется.");
        if (claimsChildren && m == childStop)
            notes << QStringLiteral(
                "Доход с начала года превысил 280 000 руб.: с этого месяца вычеты на детей не "
                "предоставляются.");
        b_.Current().Note = notes.join(QLatin1Char(' '));
        cumulative[m] = CloseAs(e1.CumulativeIncome[m], Element("PrilE1", "CumulativeIncome", m));
        previous = cumulative[m];
    }
    b_.CloseGroup();

    b_.Open(QStringLiteral("Сумма вычетов за год"));
    for (const StandardKind& kind : kStandardKinds) {
        const Money total = e1.*kind.total;
        const bool perMonth = kind.per == Per::Month;
        const bool chosen = perMonth && ((kind.rate == 400 && claims400) ||
                                         (kind.rate == 500 && record.PersonalCode == 104) ||
                                         (kind.rate == 3000 && record.PersonalCode == 105));
        if (total.IsZero() && !chosen) continue;
        bool months[12] = {};
        qint64 count = 0;
        for (size_t m = 0; m < 12; ++m) {
            months[m] = !(e1.MonthDeductions()[m].*kind.month).IsZero();
            count += months[m];
        }
        const QString title = Literal(kind.title);
        QString note;
        if (count > 0) note = QStringLiteral("Месяцы: ") + MonthList(months) + QLatin1Char('.');
        if (perMonth && kind.rate == 400 && personalStop < 12)
            note += (note.isEmpty() ? QString() : QStringLiteral(" ")) +
                    QStringLiteral("В %1 доход с начала года (%2) превысил 40 000 руб.")
                        .arg(MonthNameIn(int(personalStop) + 1),
                             GroupedAmountText(e1.CumulativeIncome[personalStop]));
        if (!perMonth && childStop < 12)
            note +=
                (note.isEmpty() ? QString() : QStringLiteral(" ")) +
                QStringLiteral("В %1 доход с начала года (%2) превысил 280 000 руб.")
                    .arg(MonthNameIn(int(childStop) + 1), GroupedAmountText(e1.CumulativeIncome[childStop]));
        if (!perMonth) {
            b_.Open(title);
            for (size_t m = 0; m < 12; ++m) {
                if (!months[m]) continue;
                const kTSvodSumPrilE1Month& month = e1.MonthDeductions()[m];
                b_.Open(MonthTitle(int(m) + 1), ExplainOp::Times);
                b_.Current().Factor = kind.per == Per::DisabledChild ? month.Disabled : month.Children;
                b_.Current().Unit = QStringLiteral("реб.");
                b_.Add(QStringLiteral("вычет"), Money::FromUnits(kind.rate));
                b_.AddStep(b_.CloseEvaluated(), false, MonthName(int(m) + 1));
            }
        } else {
            b_.Open(title, ExplainOp::Times);
            b_.Current().Factor = count;
            b_.Current().Unit = QStringLiteral("мес.");
            b_.Add(QStringLiteral("вычет"), Money::FromUnits(kind.rate));
        }
        b_.Current().Rule = Literal(kind.rule);
        b_.Current().Note = note;
        b_.AddStep(CloseAs(total, Field("PrilE1", kind.field)));
    }
    const StepId deductions = b_.CloseEvaluated();
    b_.AddStep(deductions, false, QStringLiteral("вычеты"));
    b_.AddStep(cumulative[11], false, QStringLiteral("доход за год"));
    return CloseAs(e1.StandardTotal, Field("PrilE1", "StandardTotal"));
}

TaxExplainer::StepId TaxExplainer::SocialDeductions() {
    const kTSvodSumPrilE2& e2 = sum_.PrilE2;
    const kTSvodSumPrilE3& e3 = sum_.PrilE3;
    const mTSocialDeduct& record = d_.SocialDeduction;
    if (record.GrantSocial != 1 || nonResident_) return -1;
    b_.Open(QStringLiteral("Социальные налоговые вычеты"));
    b_.Current().Rule = QStringLiteral("ст. 219 НК РФ");
    const auto recordTerm = [&](const QString& label, const char* field, Money value) {
        if (!value.IsZero()) b_.Add(label, Ref(RecordSection::SocialDeduction, -1, -1, field), value);
    };

    StepId unlimited = -1;
    if (!e2.UnlimitedSubtotal.IsZero()) {
        b_.Open(QStringLiteral("Вычеты без общего ограничения"));
        if (!e2.Charity.IsZero()) {
            b_.Open(QStringLiteral("Благотворительность"), ExplainOp::WithinPercent);
            b_.Current().Factor = kTSvodSumPrilE2::CharityPercent;
            b_.Current().Rule = QStringLiteral("ст. 219 п. 1 пп. 1 НК РФ: не более 25 % дохода за год");
            b_.Add(QStringLiteral("пожертвования"), Ref(RecordSection::SocialDeduction, -1, -1, "Charity"),
                   record.Charity);
            b_.Open(QStringLiteral("Доход за год"));
            AddIf(Known(sum_.PrilA13.IncomeTotal), false, QStringLiteral("доходы от источников в РФ"));
            AddIf(Known(sum_.PrilB13.IncomeRoublesTotal), false, QStringLiteral("доходы из-за рубежа"));
            AddIf(Known(sum_.PrilV1.IncomeTotal), false, QStringLiteral("предпринимательство"));
            AddIf(Known(sum_.PrilV2.IncomeTotal), false, QStringLiteral("частная практика"));
            b_.AddStep(b_.CloseEvaluated(), false, QStringLiteral("дохода"));
            b_.AddStep(CloseAs(e2.Charity, Field("PrilE2", "Charity")));
        }
        if (!e2.ChildEducationTotal.IsZero()) {
            b_.Open(QStringLiteral("Обучение детей"));
            b_.Current().Rule =
                QStringLiteral("ст. 219 п. 1 пп. 2 НК РФ: не более 50 000 руб. на каждого ребёнка");
            for (size_t i = 0; i < record.ChildEducation.size(); ++i) {
                const Money paid = record.ChildEducation[i];
                const RecordRef ref = Ref(RecordSection::SocialDeduction, -1, int(i), "ChildEducation");
                const QString label = QStringLiteral("ребёнок %1").arg(i + 1);
                if (paid > kTSvodSumPrilE2::ChildEducationLimit) {
                    b_.Open(QStringLiteral("Обучение ребёнка %1").arg(i + 1), ExplainOp::Smaller);
                    b_.Add(QStringLiteral("оплачено"), ref, paid);
                    b_.Add(QStringLiteral("предел"), kTSvodSumPrilE2::ChildEducationLimit);
                    b_.AddStep(b_.CloseEvaluated(), false, label);
                } else if (!paid.IsZero()) {
                    b_.Add(label, ref, paid);
                }
            }
            b_.AddStep(CloseAs(e2.ChildEducationTotal, Field("PrilE2", "ChildEducationTotal")));
        }
        if (!e2.ExpensiveTreatment.IsZero()) {
            b_.Open(QStringLiteral("Дорогостоящее лечение"));
            b_.Current().Rule = QStringLiteral(
                "ст. 219 п. 1 пп. 3 НК РФ: дорогостоящее лечение — в сумме фактических расходов");
            recordTerm(QStringLiteral("оплачено"), "ExpensiveTreatment", record.ExpensiveTreatment);
            b_.AddStep(CloseAs(e2.ExpensiveTreatment, Field("PrilE2", "ExpensiveTreatment")));
        }
        unlimited = CloseAs(e2.UnlimitedSubtotal, Field("PrilE2", "UnlimitedSubtotal"));
    }

    StepId agents = -1;
    const bool anyLimited =
        !(e2.OwnEducation.IsZero() && e2.Treatment.IsZero() && e2.Insurance.IsZero() &&
          e2.ExtraPension.IsZero() && e3.ProvisionItems.empty() && e3.InsuranceItems.empty());
    StepId limited = -1;
    if (anyLimited) {
        b_.Open(QStringLiteral("Вычеты с общим ограничением 120 000 руб."), ExplainOp::Smaller);
        b_.Current().Rule =
            QStringLiteral("ст. 219 п. 2 НК РФ: обучение, лечение, страхование и пенсионные взносы — "
                           "не более 120 000 руб. за год вместе, включая вычеты по пенсионным "
                           "договорам у работодателя");
        b_.Open(QStringLiteral("Расходы"));
        recordTerm(QStringLiteral("своё обучение"), "OwnEducation", record.OwnEducation);
        recordTerm(QStringLiteral("лечение"), "Treatment", record.Treatment);
        recordTerm(QStringLiteral("добровольное страхование"), "VoluntaryInsurance",
                   record.VoluntaryInsurance);
        std::vector<StepId> agentSteps;
        AddIf(PensionContracts(e3.ProvisionItems, true, e3.ProvisionDeductTotal, agentSteps));
        AddIf(PensionContracts(e3.InsuranceItems, false, e3.InsuranceDeductTotal, agentSteps));
        recordTerm(QStringLiteral("дополнительные пенсионные взносы"), "ExtraPensionContributions",
                   record.ExtraPensionContributions);
        const StepId expenses = b_.CloseEvaluated();
        if (!e3.AgentTotal.IsZero()) {
            b_.Open(QStringLiteral("Вычеты по пенсионным договорам, предоставленные работодателем"));
            for (StepId step : agentSteps)
                AddIf(step);
            agents = CloseAs(e3.AgentTotal, Field("PrilE3", "AgentTotal"));
        }
        b_.AddStep(expenses, false, QStringLiteral("расходы"));
        if (agents < 0) {
            b_.Add(QStringLiteral("предел"), kTSvodSumPrilE2::LimitedGroupLimit);
        } else {
            b_.Open(QStringLiteral("Предел с учётом вычетов у работодателя"));
            b_.Current().NotBelowZero = true;
            b_.Add(QStringLiteral("предел"), kTSvodSumPrilE2::LimitedGroupLimit);
            b_.AddStep(agents, true, QStringLiteral("вычеты у работодателя"));
            b_.AddStep(b_.CloseEvaluated(), false, QStringLiteral("предел"));
        }
        limited = CloseAs(e2.LimitedSubtotal, Field("PrilE2", "LimitedSubtotal"));
    }
    AddIf(unlimited, false, QStringLiteral("без ограничения"));
    AddIf(limited, false, QStringLiteral("с ограничением"));
    AddIf(agents, false, QStringLiteral("вычеты у работодателя"));
    return CloseAs(e2.SocialTotal, Field("PrilE2", "SocialTotal"));
}

TaxExplainer::StepId TaxExplainer::PensionContracts(const std::vector<kTSvodSumPensionItem>& items,
                                                    bool provision, const Money& total,
                                                    std::vector<StepId>& agentSteps) {
    if (items.empty()) return -1;
    const char* list = provision ? "ProvisionItems" : "InsuranceItems";
    b_.Open(provision ? QStringLiteral("Взносы по договорам негосударственного пенсионного обеспечения")
                      : QStringLiteral("Взносы по договорам добровольного пенсионного страхования"));
    b_.Current().Rule = QStringLiteral("ст. 219 п. 1 пп. 4 НК РФ: взносы в свою пользу или в пользу близких "
                                       "родственников; вычтенное работодателем повторно не вычитается");
    for (size_t i = 0; i < items.size(); ++i) {
        const kTSvodSumPensionItem& item = items[i];
        const mTPens& contract = *d_.SocialDeduction.PensionContracts.at(size_t(item.ContractIndex));
        const RecordRef contribution =
            Ref(RecordSection::PensionContracts, item.ContractIndex, -1, "Contribution");
        QString title = item.FundName.trimmed().isEmpty()
                            ? QStringLiteral("Договор № %1").arg(item.ContractIndex + 1)
                            : item.FundName;
        if (!item.ContractNumber.trimmed().isEmpty())
            title += QStringLiteral(", договор ") + item.ContractNumber;
        b_.Open(title);
        StepId agent = -1;
        if (!item.AgentDeducted.IsZero()) {
            b_.Open(QStringLiteral("Вычтено работодателем"), ExplainOp::Smaller);
            b_.Add(QStringLiteral("вычтено"),
                   Ref(RecordSection::PensionContracts, item.ContractIndex, -1, "AgentDeduction"),
                   contract.AgentDeduction);
            b_.Add(QStringLiteral("взнос"), contribution, contract.Contribution);
            agent = CloseAs(item.AgentDeducted, RowField("PrilE3", list, i, "AgentDeducted"));
            agentSteps.push_back(agent);
        }
        b_.Add(QStringLiteral("взнос"), contribution, item.Contribution);
        AddIf(agent, true, QStringLiteral("вычтено работодателем"));
        b_.AddStep(CloseAs(item.ToDeduct, RowField("PrilE3", list, i, "ToDeduct")), false, title);
    }
    return CloseAs(total, Field("PrilE3", provision ? "ProvisionDeductTotal" : "InsuranceDeductTotal"),
                   Field("PrilE2", provision ? "PensionProvision" : "PensionInsurance"));
}
