#include "explain/ExplainText.h"
#include "explain/TaxExplainer.h"

TaxExplainer::StepId TaxExplainer::PropertySale() {
    const kTSvodSumPrilH1& h = sum_.PrilH1;
    if (h.DeductionTotal.IsZero()) return -1;
    const auto shares = Replay<kTSvodSumPrilH1>();
    const RecordSection lines = RecordSection::IncomeSources13;

    b_.Open(QStringLiteral("Имущественный вычет при продаже имущества"));
    b_.Current().Rule = QStringLiteral("ст. 220 п. 1 пп. 1 НК РФ");
    if (!h.HousingDeductionTotal.IsZero()) {
        b_.Open(QStringLiteral("Жилые дома, квартиры, комнаты, дачи, земельные участки и доли в них"));
        if (!h.HousingDocExpenses.IsZero()) {
            b_.Open(QStringLiteral("Расходы на приобретение по документам"), ExplainOp::Smaller);
            b_.Current().Rule =
                QStringLiteral("ст. 220 п. 1 пп. 1 НК РФ: вместо фиксированного вычета — "
                               "подтверждённые расходы на приобретение, не больше дохода от продажи");
            AddSharesAsOne(QStringLiteral("Расходы"), shares, &kTSvodSumPrilH1::HousingDocExpenses, lines,
                           true);
            b_.Open(QStringLiteral("Доход от продажи"));
            AddShares(shares, &kTSvodSumPrilH1::HousingDocIncome, lines, false);
            b_.AddStep(CloseAs(h.HousingDocIncome, Field("PrilH1", "HousingDocIncome")), false,
                       QStringLiteral("доход от продажи"));
            b_.AddStep(CloseAs(h.HousingDocExpenses, Field("PrilH1", "HousingDocExpenses")), false,
                       QStringLiteral("расходы по документам"));
        }
        if (!h.HousingLimitedDeduction.IsZero()) {
            b_.Open(QStringLiteral("Фиксированный вычет"), ExplainOp::Smaller);
            b_.Current().Rule =
                QStringLiteral("ст. 220 п. 1 пп. 1 НК РФ: жильё и земля в собственности менее 3 лет — "
                               "не более 1 000 000 руб. за год по всем объектам вместе");
            b_.Open(QStringLiteral("Вычеты по объектам"));
            if (!h.HousingSaleDeduction.IsZero()) {
                b_.Open(QStringLiteral("Объекты, проданные целиком"), ExplainOp::Smaller);
                b_.Current().Rule =
                    QStringLiteral("Вычет равен доходу от продажи, но не более 1 000 000 руб.");
                b_.Open(QStringLiteral("Доход от продажи"));
                AddShares(shares, &kTSvodSumPrilH1::HousingSaleIncome, lines, false);
                b_.AddStep(CloseAs(h.HousingSaleIncome, Field("PrilH1", "HousingSaleIncome")), false,
                           QStringLiteral("доход от продажи"));
                b_.Add(QStringLiteral("предел"), kTSvodSumPrilH1::RealEstateLimit);
                b_.AddStep(CloseAs(h.HousingSaleDeduction, Field("PrilH1", "HousingSaleDeduction")));
            }
            if (!h.HousingShareDeduction.IsZero()) {
                b_.Open(QStringLiteral("Проданные доли"), ExplainOp::Smaller);
                AddSharesAsOne(QStringLiteral("Вычет по долям"), shares,
                               &kTSvodSumPrilH1::HousingShareDeduction, lines, true);
                b_.Add(QStringLiteral("предел"), kTSvodSumPrilH1::RealEstateLimit);
                b_.AddStep(CloseAs(h.HousingShareDeduction, Field("PrilH1", "HousingShareDeduction")));
            }
            b_.AddStep(b_.CloseEvaluated(), false, QStringLiteral("вычеты по объектам"));
            b_.Add(QStringLiteral("предел"), kTSvodSumPrilH1::RealEstateLimit);
            b_.AddStep(CloseAs(h.HousingLimitedDeduction, Field("PrilH1", "HousingLimitedDeduction")), false,
                       QStringLiteral("фиксированный вычет"));
        }
        b_.AddStep(CloseAs(h.HousingDeductionTotal, Field("PrilH1", "HousingDeductionTotal")), false,
                   QStringLiteral("жильё и земля"));
    }
    if (!h.OtherDeductionTotal.IsZero()) {
        b_.Open(QStringLiteral("Иное имущество (автомобили, гаражи и другое)"));
        if (!h.OtherSaleDeduction.IsZero()) {
            b_.Open(QStringLiteral("Фиксированный вычет"), ExplainOp::Smaller);
            b_.Current().Rule =
                QStringLiteral("ст. 220 п. 1 пп. 1 НК РФ: иное имущество в собственности менее 3 лет — "
                               "не более 250 000 руб. за год");
            b_.Current().Note = QStringLiteral("Доход от продажи: ") + GroupedAmountText(h.OtherSaleIncome);
            AddSharesAsOne(QStringLiteral("Заявленный вычет"), shares, &kTSvodSumPrilH1::OtherSaleDeduction,
                           lines, true);
            b_.Add(QStringLiteral("предел"), kTSvodSumPrilH1::OtherPropertyLimit);
            b_.AddStep(CloseAs(h.OtherSaleDeduction, Field("PrilH1", "OtherSaleDeduction")), false,
                       QStringLiteral("фиксированный вычет"));
        }
        if (!h.OtherDocExpenses.IsZero()) {
            b_.Open(QStringLiteral("Расходы на приобретение по документам"));
            b_.Current().Note = QStringLiteral("Доход от продажи: ") + GroupedAmountText(h.OtherDocIncome);
            AddShares(shares, &kTSvodSumPrilH1::OtherDocExpenses, lines, true);
            b_.AddStep(CloseAs(h.OtherDocExpenses, Field("PrilH1", "OtherDocExpenses")), false,
                       QStringLiteral("расходы по документам"));
        }
        b_.AddStep(CloseAs(h.OtherDeductionTotal, Field("PrilH1", "OtherDeductionTotal")), false,
                   QStringLiteral("иное имущество"));
    }
    if (!h.RedemptionDeduction.IsZero()) {
        b_.Open(QStringLiteral("Выкупная стоимость изъятого имущества"));
        b_.Current().Rule = QStringLiteral("ст. 220 п. 1 пп. 1 НК РФ: при изъятии земли или недвижимости для "
                                           "государственных нужд — в размере выкупной стоимости");
        AddShares(shares, &kTSvodSumPrilH1::RedemptionDeduction, lines, true);
        b_.AddStep(CloseAs(h.RedemptionDeduction, Field("PrilH1", "RedemptionDeduction")), false,
                   QStringLiteral("выкупная стоимость"));
    }
    return CloseAs(h.DeductionTotal, Field("PrilH1", "DeductionTotal"));
}

TaxExplainer::StepId TaxExplainer::Housing() {
    const kTSvodSumPrilZ& z = sum_.PrilZ;
    const mTConstructionDeduct& r = d_.PropertyDeduction;
    if (r.GrantProperty != 1 || nonResident_) return -1;
    const auto recordTerm = [&](const QString& label, const char* field, Money value, bool minus = false) {
        if (!value.IsZero())
            b_.Add(label, Ref(RecordSection::PropertyDeduction, -1, -1, field), value, minus);
    };
    const auto recordStep = [&](const QString& title, const QString& label, const char* field, Money value,
                                const Money& result, const char* resultField,
                                const QString& rule = {}) -> StepId {
        if (result.IsZero()) return -1;
        b_.Open(title);
        b_.Current().Rule = rule;
        recordTerm(label, field, value);
        return CloseAs(result, Field("PrilZ", resultField));
    };

    b_.Open(QStringLiteral("Имущественный вычет на приобретение жилья"));
    b_.Current().Rule = QStringLiteral("ст. 220 п. 1 пп. 2 НК РФ");

    b_.Open(QStringLiteral("Расходы на приобретение, принимаемые к вычету"), ExplainOp::Smaller);
    b_.Current().Rounding = ExplainRounding::Kopecks;
    b_.Current().Rule =
        QStringLiteral("ст. 220 п. 1 пп. 2 НК РФ: не более 2 000 000 руб. (по жилью, приобретённому "
                       "до 2008 года, — 1 000 000 руб.); при долевой собственности — по доле");
    b_.Current().Note = (r.ByInvestment == 1 ? QStringLiteral("Дата акта о передаче жилья: ")
                                             : QStringLiteral("Дата регистрации права собственности: ")) +
                        DateValue::Text(kTSvodSumPrilZ::AcquisitionDate(r)) + QLatin1Char('.');
    b_.Add(QStringLiteral("стоимость"), Ref(RecordSection::PropertyDeduction, -1, -1, "ObjectCost"),
           r.ObjectCost);
    const Money whole = kTSvodSumPrilZ::WholeCeiling(r);
    const auto numerator = static_cast<quint32>(r.ShareNumerator);
    const auto denominator = static_cast<quint32>(r.ShareDenominator);
    if (numerator == denominator) {
        b_.Add(QStringLiteral("предел"), whole);
    } else {
        b_.Open(QStringLiteral("Предел по доле"), ExplainOp::Fraction);
        b_.Current().Factor = numerator;
        b_.Current().Divisor = denominator;
        b_.Add(QStringLiteral("предел"), whole);
        b_.AddStep(b_.CloseEvaluated(), false, QStringLiteral("предел по доле"));
    }
    const StepId cost = CloseAs(z.CostActual, Field("PrilZ", "CostActual"));

    StepId prior = -1;
    if (!z.PriorCostTotal.IsZero()) {
        b_.Open(QStringLiteral("Вычет расходов, полученный в прошлые годы"));
        recordTerm(QStringLiteral("по декларациям"), "PriorDeclCost", r.PriorDeclCost);
        recordTerm(QStringLiteral("у работодателя"), "PriorAgentCost", r.PriorAgentCost);
        prior = CloseAs(z.PriorCostTotal, Field("PrilZ", "PriorCostTotal"));
    }
    const QString agentRule =
        QStringLiteral("ст. 220 п. 3 НК РФ: вычет, полученный у работодателя по уведомлению "
                       "налогового органа");
    const StepId agentCost =
        recordStep(QStringLiteral("Вычет расходов у работодателя в 2010 году"), QStringLiteral("вычтено"),
                   "AgentCost", r.AgentCost, z.AgentCostDeduction, "AgentCostDeduction", agentRule);
    if (!z.CarryInCost.IsZero()) {
        b_.Open(QStringLiteral("Остаток вычета расходов с прошлого года (справочно)"));
        b_.Current().Note =
            QStringLiteral("В расчёте не участвует: к вычету принимаются расходы за вычетом вычетов "
                           "прошлых лет.");
        recordTerm(QStringLiteral("остаток"), "CarryOverCost", r.CarryOverCost);
        CloseAs(z.CarryInCost, Field("PrilZ", "CarryInCost"));
    }
    const StepId interest =
        recordStep(QStringLiteral("Проценты по кредиту, уплаченные в 2010 году"), QStringLiteral("уплачено"),
                   "CreditInterest", r.CreditInterest, z.InterestActual, "InterestActual",
                   QStringLiteral("ст. 220 п. 1 пп. 2 НК РФ: проценты по целевым кредитам на жильё "
                                  "— в сумме фактических расходов"));
    const StepId agentInterest = recordStep(QStringLiteral("Вычет процентов у работодателя в 2010 году"),
                                            QStringLiteral("вычтено"), "AgentInterest", r.AgentInterest,
                                            z.AgentInterestDeduction, "AgentInterestDeduction", agentRule);
    if (!z.PriorInterestTotal.IsZero()) {
        b_.Open(QStringLiteral("Вычет процентов, полученный в прошлые годы (справочно)"));
        b_.Current().Note =
            QStringLiteral("В расчёте не участвует: к вычету принимаются проценты этого года и остаток, "
                           "перешедший с прошлого года.");
        recordTerm(QStringLiteral("по декларациям"), "PriorDeclInterest", r.PriorDeclInterest);
        recordTerm(QStringLiteral("у работодателя"), "PriorAgentInterest", r.PriorAgentInterest);
        CloseAs(z.PriorInterestTotal, Field("PrilZ", "PriorInterestTotal"));
    }

    b_.Open(QStringLiteral("Налоговая база до имущественного вычета"));
    b_.Current().NotBelowZero = true;
    b_.Current().Rule =
        QStringLiteral("ст. 220 п. 1 пп. 2 НК РФ: вычет предоставляется в пределах дохода, "
                       "оставшегося после остальных вычетов; остаток переносится на следующие годы");
    AddIf(Known(sum_.PrilA13.IncomeTotal), false, QStringLiteral("доходы от источников в РФ"));
    AddIf(Known(sum_.PrilB13.IncomeRoublesTotal), false, QStringLiteral("доходы из-за рубежа"));
    AddIf(Known(sum_.PrilV1.IncomeTotal), false, QStringLiteral("предпринимательство"));
    AddIf(Known(sum_.PrilV2.IncomeTotal), false, QStringLiteral("частная практика"));
    AddIf(Known(sum_.PrilV1.ProfessionalDeduction), true,
          QStringLiteral("профессиональный вычет предпринимателя"));
    AddIf(Known(sum_.PrilV2.ProfessionalDeduction), true,
          QStringLiteral("профессиональный вычет по частной практике"));
    AddIf(Known(sum_.PrilH1.DeductionTotal), true, QStringLiteral("вычет при продаже имущества"));
    AddIf(Known(sum_.PrilM.ExemptTotal), true, QStringLiteral("не облагаемые доходы"));
    AddIf(Known(sum_.PrilG.ExpensesTotal), true, QStringLiteral("профессиональные вычеты"));
    AddIf(Known(sum_.PrilG_In.ExpensesTotal), true,
          QStringLiteral("профессиональные вычеты по доходам из-за рубежа"));
    AddIf(Known(sum_.PrilE2.SocialTotal), true, QStringLiteral("социальные вычеты"));
    AddIf(Known(sum_.PrilE1.StandardTotal), true, QStringLiteral("стандартные вычеты"));
    AddIf(Known(sum_.PrilJ.ExpensesApplied), true, QStringLiteral("расходы по ценным бумагам"));
    AddIf(agentCost, true, QStringLiteral("вычет расходов у работодателя"));
    AddIf(agentInterest, true, QStringLiteral("вычет процентов у работодателя"));
    const StepId base = CloseAs(z.TaxBaseBeforeProperty, Field("PrilZ", "TaxBaseBeforeProperty"));

    b_.Open(QStringLiteral("Остаток расходов к вычету"));
    b_.Current().NotBelowZero = true;
    b_.AddStep(cost, false, QStringLiteral("расходы"));
    AddIf(prior, true, QStringLiteral("вычтено в прошлые годы"));
    AddIf(agentCost, true, QStringLiteral("вычтено у работодателя"));
    const StepId openCost = b_.CloseEvaluated();

    b_.Open(QStringLiteral("Вычет расходов в этой декларации"), ExplainOp::Smaller);
    b_.AddStep(openCost, false, QStringLiteral("остаток расходов"));
    b_.AddStep(base, false, QStringLiteral("налоговая база"));
    const StepId declCost = CloseAs(z.DeclCostDeduction, Field("PrilZ", "DeclCostDeduction"));

    StepId declInterest = -1;
    const bool anyInterest =
        !(z.InterestActual.IsZero() && z.CarryInInterest.IsZero() && z.AgentInterestDeduction.IsZero());
    if (anyInterest) {
        b_.Open(QStringLiteral("Остаток процентов к вычету"));
        b_.Current().NotBelowZero = true;
        AddIf(interest, false, QStringLiteral("проценты 2010 года"));
        recordTerm(QStringLiteral("остаток с прошлого года"), "CarryOverInterest", r.CarryOverInterest);
        AddIf(agentInterest, true, QStringLiteral("вычтено у работодателя"));
        const StepId openInterest = b_.CloseEvaluated();

        b_.Open(QStringLiteral("Вычет процентов в этой декларации"), ExplainOp::Smaller);
        b_.Current().Rule = QStringLiteral("Сначала вычитаются расходы на приобретение, затем проценты.");
        b_.AddStep(openInterest, false, QStringLiteral("остаток процентов"));
        b_.Open(QStringLiteral("Налоговая база после вычета расходов"));
        b_.AddStep(base, false, QStringLiteral("налоговая база"));
        AddIf(declCost, true, QStringLiteral("вычет расходов"));
        b_.AddStep(b_.CloseEvaluated(), false, QStringLiteral("оставшаяся база"));
        declInterest = CloseAs(z.DeclInterestDeduction, Field("PrilZ", "DeclInterestDeduction"));
    }

    b_.Open(QStringLiteral("Переходит на следующие годы: расходы"));
    b_.Current().NotBelowZero = true;
    b_.AddStep(cost, false, QStringLiteral("расходы"));
    AddIf(prior, true, QStringLiteral("вычтено в прошлые годы"));
    AddIf(agentCost, true, QStringLiteral("вычтено у работодателя"));
    AddIf(declCost, true, QStringLiteral("вычтено в этой декларации"));
    CloseAs(z.CarryOutCost, Field("PrilZ", "CarryOutCost"));
    if (anyInterest) {
        b_.Open(QStringLiteral("Переходит на следующие годы: проценты"));
        b_.Current().NotBelowZero = true;
        AddIf(interest, false, QStringLiteral("проценты 2010 года"));
        recordTerm(QStringLiteral("остаток с прошлого года"), "CarryOverInterest", r.CarryOverInterest);
        AddIf(agentInterest, true, QStringLiteral("вычтено у работодателя"));
        AddIf(declInterest, true, QStringLiteral("вычтено в этой декларации"));
        CloseAs(z.CarryOutInterest, Field("PrilZ", "CarryOutInterest"));
    }

    AddIf(declCost, false, QStringLiteral("вычет расходов"));
    AddIf(declInterest, false, QStringLiteral("вычет процентов"));
    AddIf(agentCost, false, QStringLiteral("вычет расходов у работодателя"));
    AddIf(agentInterest, false, QStringLiteral("вычет процентов у работодателя"));
    return b_.CloseEvaluated();
}
