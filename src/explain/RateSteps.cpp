#include "computation/BudgetCodes.h"
#include "explain/TaxExplainer.h"

namespace {

template <class Sheet> bool AllZero(Sheet& sheet) {
    struct Probe {
        bool zero = true;
        void Amount(const char*, const Money& v) { zero = zero && v.IsZero(); }
    } probe;
    sheet.Fields(probe);
    return probe.zero;
}

} // namespace

void TaxExplainer::Rate13() {
    const kTSvodSumList1& l = sum_.List1;
    if (AllZero(const_cast<kTSvodSumList1&>(l))) return;
    b_.Open(QStringLiteral("Налог по ставке 13 %"), ExplainOp::Group);
    b_.Current().Rule = nonResident_
                            ? QStringLiteral("ст. 224 п. 3 НК РФ: 13 % — доходы нерезидента от работы "
                                             "высококвалифицированным специалистом")
                            : QStringLiteral("ст. 224 п. 1 НК РФ: 13 %");

    StepId income = -1;
    if (!l.IncomeTotal.IsZero()) {
        b_.Open(QStringLiteral("Общая сумма дохода"));
        b_.Current().Rule =
            QStringLiteral("ст. 210 п. 1 НК РФ: учитываются все доходы, полученные в денежной и "
                           "натуральной форме");
        AddIf(LineSources(QStringLiteral("Доходы от источников в РФ"), Section13(), Sources13(),
                          sum_.PrilA13.IncomeTotal, Field("PrilA13", "IncomeTotal"), {}));
        if (!nonResident_) {
            AddIf(BusinessIncome());
            AddIf(PracticeIncome());
            AddIf(ForeignIncome(sum_.PrilB13, "PrilB13"));
        }
        income = CloseAs(l.IncomeTotal, Field("List1", "IncomeTotal"),
                         l.IncomeExempt.IsZero() ? Field("List1", "IncomeTaxable") : ResultRef());
    }

    StepId taxable = income;
    if (!l.IncomeExempt.IsZero()) {
        const StepId exempt = ExemptIncome(Field("List1", "IncomeExempt"));
        b_.Open(QStringLiteral("Доходы, подлежащие налогообложению"));
        AddIf(income, false, QStringLiteral("доход"));
        AddIf(exempt, true, QStringLiteral("не облагаемые доходы"));
        taxable = CloseAs(l.IncomeTaxable, Field("List1", "IncomeTaxable"));
    }

    const StepId deductions = Deductions13(Field("List1", "ExpensesDeductions"));

    b_.Open(QStringLiteral("Налоговая база"));
    b_.Current().NotBelowZero = true;
    b_.Current().Rule =
        QStringLiteral("ст. 210 п. 3 НК РФ: доходы, уменьшенные на налоговые вычеты; если вычеты "
                       "больше доходов, база равна нулю");
    AddIf(taxable, false, QStringLiteral("доход"));
    AddIf(deductions, true, QStringLiteral("вычеты"));
    const StepId base = CloseAs(l.TaxBase, Field("List1", "TaxBase"));

    b_.Open(QStringLiteral("Сумма налога"), ExplainOp::Percent);
    b_.Current().Factor = 13;
    b_.Current().Rounding = ExplainRounding::WholeRoubles;
    b_.Current().Rule =
        QStringLiteral("ст. 225 НК РФ: налоговая база, умноженная на ставку; п. 6: в полных рублях "
                       "(50 копеек и более — до рубля, меньше — отбрасываются)");
    b_.AddStep(base, false, QStringLiteral("налоговая база"));
    const StepId tax = CloseAs(l.TaxComputed, Field("List1", "TaxComputed"));

    const StepId withheld =
        Withheld(QStringLiteral("Налог, удержанный налоговыми агентами"), Section13(), Sources13(),
                 l.TaxWithheld, Field("List1", "TaxWithheld"), Field("PrilA13", "TaxWithheldTotal"));
    StepId advances = -1;
    if (!l.AdvancePaid.IsZero()) {
        b_.Open(QStringLiteral(
            "Авансовые платежи по доходам от предпринимательской деятельности и частной практики"));
        b_.Current().Rule =
            QStringLiteral("ст. 227 НК РФ: уплаченные авансовые платежи засчитываются в счёт налога");
        if (!sum_.PrilV1.AdvancePaid.IsZero())
            b_.Add(QStringLiteral("авансовые платежи"),
                   Ref(RecordSection::Declaration, -1, -1, "AdvancePaid"), sum_.PrilV1.AdvancePaid);
        if (!sum_.PrilV2.AdvancePaid.IsZero())
            b_.Add(QStringLiteral("авансовые платежи по частной практике"),
                   Ref(RecordSection::Declaration, -1, -1, "PracticeSum1"), sum_.PrilV2.AdvancePaid);
        advances = CloseAs(l.AdvancePaid, Field("List1", "AdvancePaid"));
    }
    StepId fixedAdvances = -1;
    if (!l.FixedAdvancePaid.IsZero()) {
        b_.Open(QStringLiteral("Фиксированные авансовые платежи"));
        b_.Current().Rule =
            QStringLiteral("ст. 227.1 НК РФ: фиксированные авансовые платежи иностранного работника "
                           "засчитываются в счёт налога");
        b_.Add(QStringLiteral("фиксированные авансовые платежи"),
               Ref(RecordSection::Declaration, -1, -1, "FixedAdvancePayments"), l.FixedAdvancePaid);
        fixedAdvances = CloseAs(l.FixedAdvancePaid, Field("List1", "FixedAdvancePaid"),
                                Field("PrilA13", "FixedAdvancePaid"));
    }
    const StepId notices =
        NoticePayments(BudgetCode::Notices13, l.PaidOnNotices, Field("List1", "PaidOnNotices"));
    const StepId credit =
        nonResident_ ? -1 : ForeignCredit(sum_.PrilB13, "PrilB13", {}, Field("List1", "ForeignTaxCredit"));
    Settle("List1", tax, {withheld, advances, fixedAdvances, notices}, credit, l.Refundable, l.Payable);
    b_.CloseGroup();
}

void TaxExplainer::Rate30() {
    const kTSvodSumList2& l = sum_.List2;
    if (AllZero(const_cast<kTSvodSumList2&>(l))) return;
    b_.Open(QStringLiteral("Налог по ставке 30 %"), ExplainOp::Group);
    b_.Current().Rule =
        QStringLiteral("ст. 224 п. 3 НК РФ: 30 % — доходы лиц, не являющихся налоговыми резидентами РФ");
    if (!nonResident_)
        b_.Current().Note =
            QStringLiteral("Налоговый резидент не платит налог по ставке 30 %: всё уплаченное по этой "
                           "ставке возвращается.");
    StepId tax = -1;
    StepId withheld = -1;
    if (nonResident_) {
        StepId income = -1;
        if (!l.IncomeTotal.IsZero()) {
            b_.Open(QStringLiteral("Общая сумма дохода"));
            AddIf(LineSources(QStringLiteral("Доходы от источников в РФ"), RecordSection::IncomeSources13,
                              d_.IncomeSources13, sum_.PrilA30.IncomeTotal, Field("PrilA30", "IncomeTotal"),
                              {}));
            income = CloseAs(l.IncomeTotal, Field("List2", "IncomeTotal"),
                             l.IncomeExempt.IsZero() ? Field("List2", "IncomeTaxable") : ResultRef());
        }
        StepId taxable = income;
        if (!l.IncomeExempt.IsZero()) {
            b_.Open(QStringLiteral("Доходы, не подлежащие налогообложению"));
            AddIf(ExemptIncome({}));
            AddIf(PrizeExemptions({}));
            const StepId exempt = CloseAs(l.IncomeExempt, Field("List2", "IncomeExempt"));
            b_.Open(QStringLiteral("Доходы, подлежащие налогообложению"));
            AddIf(income, false, QStringLiteral("доход"));
            AddIf(exempt, true, QStringLiteral("не облагаемые доходы"));
            taxable = CloseAs(l.IncomeTaxable, Field("List2", "IncomeTaxable"));
        }
        const StepId deductions = Securities(Field("List2", "ExpensesDeductions"));
        b_.Open(QStringLiteral("Налоговая база"));
        b_.Current().NotBelowZero = true;
        b_.Current().Rule =
            QStringLiteral("ст. 210 п. 4 НК РФ: налоговые вычеты не применяются; доход уменьшается только "
                           "на расходы по операциям с ценными бумагами (ст. 214.1)");
        AddIf(taxable, false, QStringLiteral("доход"));
        AddIf(deductions, true, QStringLiteral("расходы"));
        const StepId base = CloseAs(l.TaxBase, Field("List2", "TaxBase"));

        b_.Open(QStringLiteral("Сумма налога"), ExplainOp::Percent);
        b_.Current().Factor = 30;
        b_.Current().Rounding = ExplainRounding::WholeRoubles;
        b_.Current().Rule = QStringLiteral("ст. 225 п. 6 НК РФ: в полных рублях");
        b_.AddStep(base, false, QStringLiteral("налоговая база"));
        tax = CloseAs(l.TaxComputed, Field("List2", "TaxComputed"));
        withheld = Withheld(QStringLiteral("Налог, удержанный налоговыми агентами"),
                            RecordSection::IncomeSources13, d_.IncomeSources13, l.TaxWithheld,
                            Field("List2", "TaxWithheld"), Field("PrilA30", "TaxWithheldTotal"));
    }
    const StepId notices =
        NoticePayments(BudgetCode::Notices30, l.PaidOnNotices, Field("List2", "PaidOnNotices"));
    Settle("List2", tax, {withheld, notices}, -1, l.Refundable, l.Payable);
    b_.CloseGroup();
}

void TaxExplainer::Rate35() {
    const kTSvodSumList3& l = sum_.List3;
    if (AllZero(const_cast<kTSvodSumList3&>(l))) return;
    b_.Open(QStringLiteral("Налог по ставке 35 %"), ExplainOp::Group);
    b_.Current().Rule =
        QStringLiteral("ст. 224 п. 2 НК РФ: 35 % — выигрыши и призы в рекламных конкурсах и играх "
                       "свыше 4 000 руб., проценты по вкладам сверх установленных пределов, "
                       "материальная выгода");
    StepId income = -1;
    if (!l.IncomeTotal.IsZero()) {
        b_.Open(QStringLiteral("Общая сумма дохода"));
        AddIf(Income35());
        AddIf(ForeignIncome(sum_.PrilB35, "PrilB35"));
        income = CloseAs(l.IncomeTotal, Field("List3", "IncomeTotal"));
    }
    const StepId exempt = l.IncomeExempt.IsZero() ? -1 : PrizeExemptions(Field("List3", "IncomeExempt"));

    b_.Open(QStringLiteral("Налоговая база"));
    b_.Current().NotBelowZero = true;
    b_.Current().Rule = QStringLiteral("ст. 210 п. 4 НК РФ: по ставке 35 % налоговые вычеты не применяются");
    AddIf(income, false, QStringLiteral("доход"));
    AddIf(exempt, true, QStringLiteral("не облагаемая часть призов"));
    const StepId base = CloseAs(l.TaxBase, Field("List3", "TaxBase"));

    b_.Open(QStringLiteral("Сумма налога"), ExplainOp::Percent);
    b_.Current().Factor = 35;
    b_.Current().Rounding = ExplainRounding::WholeRoubles;
    b_.Current().Rule = QStringLiteral("ст. 225 п. 6 НК РФ: в полных рублях");
    b_.AddStep(base, false, QStringLiteral("налоговая база"));
    const StepId tax = CloseAs(l.TaxComputed, Field("List3", "TaxComputed"));

    const StepId withheld = Withheld35();
    const StepId withheldExempt = MaterialBenefitTax();
    const StepId notices =
        NoticePayments(BudgetCode::Notices35, l.PaidOnNotices, Field("List3", "PaidOnNotices"));
    const StepId credit = ForeignCredit(sum_.PrilB35, "PrilB35", {}, Field("List3", "ForeignTaxCredit"));
    Settle("List3", tax, {withheld, withheldExempt, notices}, credit, l.Refundable, l.Payable);
    b_.CloseGroup();
}

void TaxExplainer::Rate9() {
    const kTSvodSumList4& l = sum_.List4;
    if (AllZero(const_cast<kTSvodSumList4&>(l))) return;
    b_.Open(QStringLiteral("Налог по ставке 9 %"), ExplainOp::Group);
    b_.Current().Rule = QStringLiteral("ст. 224 п. 4 НК РФ: 9 % — дивиденды");
    StepId income = -1;
    if (!l.IncomeTotal.IsZero()) {
        b_.Open(QStringLiteral("Общая сумма дохода"));
        AddIf(Dividends(QStringLiteral("Дивиденды от российских организаций"), "PrilA6", "IncomeTotal",
                        sum_.PrilA6.IncomeTotal, &mTThirtyPercent::IncomeTotal, "IncomeTotal", {}));
        AddIf(ForeignIncome(sum_.PrilB9, "PrilB9"));
        income = CloseAs(l.IncomeTotal, Field("List4", "IncomeTotal"));
    }
    (void)income;

    b_.Open(QStringLiteral("Налоговая база"));
    b_.Current().Rule =
        QStringLiteral("ст. 214 п. 2, ст. 275 НК РФ: налог с дивидендов российской организации "
                       "исчисляет сама организация; доход из-за рубежа облагается целиком");
    AddIf(Dividends(QStringLiteral("Облагаемые дивиденды от российских организаций"), "PrilA6",
                    "TaxableTotal", sum_.PrilA6.TaxableTotal, &mTThirtyPercent::TaxableIncome,
                    "TaxableIncome", {}));
    AddIf(Known(sum_.PrilB9.IncomeRoublesTotal), false,
          QStringLiteral("доходы от источников за пределами РФ"));
    CloseAs(l.TaxBase, Field("List4", "TaxBase"));

    std::vector<StepId> rowTax;
    b_.Open(QStringLiteral("Сумма налога"));
    b_.Current().Rule =
        QStringLiteral("Налог с дивидендов российских организаций — исчисленный ими; с дивидендов из-за "
                       "рубежа — 9 % по каждому доходу, в полных рублях");
    AddIf(Dividends(QStringLiteral("Налог, исчисленный российскими организациями"), "PrilA6",
                    "TaxComputedTotal", sum_.PrilA6.TaxComputedTotal, &mTThirtyPercent::TaxComputed,
                    "TaxComputed", {}));
    AddIf(ForeignTaxTotal(sum_.PrilB9, "PrilB9", rowTax));
    const StepId tax = CloseAs(l.TaxComputed, Field("List4", "TaxComputed"));

    const StepId withheld =
        Dividends(QStringLiteral("Налог, удержанный российскими организациями"), "PrilA6", "TaxWithheldTotal",
                  sum_.PrilA6.TaxWithheldTotal, &mTThirtyPercent::TaxWithheld, "TaxWithheld",
                  Field("List4", "TaxWithheld"));
    const StepId notices =
        NoticePayments(BudgetCode::Notices9, l.PaidOnNotices, Field("List4", "PaidOnNotices"));
    const StepId credit = ForeignCredit(sum_.PrilB9, "PrilB9", rowTax, Field("List4", "ForeignTaxCredit"));
    Settle("List4", tax, {withheld, notices}, credit, l.Refundable, l.Payable);
    b_.CloseGroup();
}

void TaxExplainer::Rate15() {
    const kTSvodSumList5& l = sum_.List5;
    if (AllZero(const_cast<kTSvodSumList5&>(l))) return;
    b_.Open(QStringLiteral("Налог по ставке 15 %"), ExplainOp::Group);
    b_.Current().Rule =
        QStringLiteral("ст. 224 п. 3 НК РФ: 15 % — дивиденды от российских организаций, полученные "
                       "нерезидентами");
    Dividends(QStringLiteral("Общая сумма дохода"), "PrilA15", "IncomeTotal", sum_.PrilA15.IncomeTotal,
              &mTThirtyPercent::IncomeTotal, "IncomeTotal", Field("List5", "IncomeTotal"));
    StepId base =
        Dividends(QStringLiteral("Налоговая база"), "PrilA15", "TaxableTotal", sum_.PrilA15.TaxableTotal,
                  &mTThirtyPercent::TaxableIncome, "TaxableIncome", Field("List5", "TaxBase"));

    b_.Open(QStringLiteral("Сумма налога"), ExplainOp::Percent);
    b_.Current().Factor = 15;
    b_.Current().Rounding = ExplainRounding::WholeRoubles;
    b_.Current().Rule = QStringLiteral("ст. 225 п. 6 НК РФ: в полных рублях");
    b_.Current().Note =
        QStringLiteral("Налог исчисляется с общей суммы, поэтому может на рубль отличаться от суммы "
                       "налогов, исчисленных по каждому источнику.");
    if (base >= 0) b_.AddStep(base, false, QStringLiteral("налоговая база"));
    const StepId tax = CloseAs(l.TaxComputed, Field("List5", "TaxComputed"));

    const StepId withheld =
        Dividends(QStringLiteral("Налог, удержанный налоговыми агентами"), "PrilA15", "TaxWithheldTotal",
                  sum_.PrilA15.TaxWithheldTotal, &mTThirtyPercent::TaxWithheld, "TaxWithheld",
                  Field("List5", "TaxWithheld"));
    const StepId notices =
        NoticePayments(BudgetCode::Notices15, l.PaidOnNotices, Field("List5", "PaidOnNotices"));
    Settle("List5", tax, {withheld, notices}, -1, l.Refundable, l.Payable);
    b_.CloseGroup();
}

void TaxExplainer::Settle(const char* sheet, StepId tax, std::initializer_list<StepId> paidSteps,
                          StepId credit, const Money& refundable, const Money& payable) {
    std::vector<StepId> paid;
    for (StepId step : paidSteps)
        if (step >= 0) paid.push_back(step);
    StepId paidTotal = paid.size() == 1 ? paid[0] : -1;
    if (paid.size() > 1) {
        b_.Open(QStringLiteral("Уплачено всего"));
        for (StepId step : paid)
            b_.AddStep(step);
        paidTotal = b_.CloseEvaluated();
    }

    if (!refundable.IsZero()) {
        b_.Open(QStringLiteral("К возврату из бюджета"));
        b_.Current().NotBelowZero = true;
        b_.Current().Rule = QStringLiteral("ст. 78 НК РФ: излишне уплаченный налог возвращается по заявлению "
                                           "налогоплательщика");
        AddIf(paidTotal, false, QStringLiteral("уплачено"));
        if (tax >= 0) b_.AddStep(tax, true, QStringLiteral("налог"));
        CloseAs(refundable, Field(sheet, "Refundable"));
    }
    if (!payable.IsZero() || refundable.IsZero()) {
        b_.Open(QStringLiteral("К уплате в бюджет"));
        b_.Current().NotBelowZero = true;
        b_.Current().Rule = QStringLiteral("ст. 228 п. 4 НК РФ: уплатить не позднее 15 июля 2011 года");
        if (tax >= 0) b_.AddStep(tax, false, QStringLiteral("налог"));
        AddIf(paidTotal, true, QStringLiteral("уплачено"));
        AddIf(credit, true, QStringLiteral("зачёт налога, уплаченного за рубежом"));
        if (payable.IsZero())
            b_.Current().Note =
                QStringLiteral("Налог уплачен полностью: ничего не нужно ни доплачивать, ни возвращать.");
        CloseAs(payable, Field(sheet, "Payable"));
    }
}
