#include "explain/ExplainText.h"
#include "explain/TaxExplainer.h"

namespace {

// How the explanation names each exempt kind of income and the law behind its limit.
struct KindText {
    qint32 incomeCode;
    const char* field;
    const char16_t* title;
    const char16_t* rule;
};

constexpr KindText kKindTexts[] = {
    {2762, "BirthAidExempt", u"Материальная помощь работодателя при рождении ребёнка",
     u"ст. 217 п. 8 НК РФ: не облагается в сумме, указанной как вычет (не более 50 000 руб. на каждого "
     u"ребёнка)"},
    {2760, "EmployerAidExempt", u"Материальная помощь работодателя",
     u"ст. 217 п. 28 НК РФ: не облагается 4 000 руб. за год по всем источникам вместе"},
    {2761, "DisabledAidExempt", u"Материальная помощь инвалидам от их общественных организаций",
     u"ст. 217 п. 28 НК РФ: не облагается 4 000 руб. за год по всем источникам вместе"},
    {2720, "GiftExempt", u"Подарки от организаций и предпринимателей",
     u"ст. 217 п. 28 НК РФ: не облагается 4 000 руб. за год по всем источникам вместе"},
    {2730, "PrizeExempt", u"Призы в конкурсах и соревнованиях",
     u"ст. 217 п. 28 НК РФ: не облагается 4 000 руб. за год по всем источникам вместе"},
    {2770, "MedicineExempt", u"Возмещение стоимости медикаментов",
     u"ст. 217 п. 28 НК РФ: не облагается 4 000 руб. за год по всем источникам вместе"},
    {2790, "SpecialAidExempt", u"Помощь и подарки ветеранам и инвалидам Великой Отечественной войны",
     u"ст. 217 п. 33 НК РФ: не облагается 10 000 руб. за год"},
};

const KindText* TextOf(qint32 incomeCode) {
    for (const KindText& text : kKindTexts)
        if (text.incomeCode == incomeCode) return &text;
    return nullptr;
}

} // namespace

TaxExplainer::StepId TaxExplainer::ExemptIncome(const ResultRef& also) {
    const kTSvodSumPrilM& m = sum_.PrilM;
    if (m.ExemptTotal.IsZero()) return -1;
    const auto shares = Replay<kTSvodSumPrilM>();

    b_.Open(QStringLiteral("Доходы, не подлежащие налогообложению"));
    b_.Current().Rule = QStringLiteral("ст. 217 НК РФ: доходы, не подлежащие налогообложению");
    for (const kTSvodSumPrilMKind& kind : kTSvodSumPrilM::Kinds()) {
        const Money exempt = m.*kind.Exempt;
        const KindText* text = TextOf(kind.IncomeCode);
        if (exempt.IsZero() || !text) continue;
        const bool limited = !kind.Limit.IsZero();
        b_.Open(Literal(text->title) + QStringLiteral(" (код %1)").arg(kind.IncomeCode),
                limited ? ExplainOp::Smaller : ExplainOp::Sum);
        b_.Current().Rule = Literal(text->rule);
        b_.Current().Note =
            QStringLiteral("Получено всего: ") + GroupedAmountText(m.*kind.Income) +
            QStringLiteral("; не облагается доход, к которому указан код вычета %1.").arg(kind.DeductionCode);
        if (limited && ShareCount(shares, kind.Exempt) > 1) {
            b_.Open(QStringLiteral("Не облагаемые суммы по источникам"));
            AddShares(shares, kind.Exempt, RecordSection::IncomeSources13, false, kind.Limit);
            b_.AddStep(b_.CloseEvaluated(), false, QStringLiteral("по источникам"));
        } else {
            AddShares(shares, kind.Exempt, RecordSection::IncomeSources13, !limited, kind.Limit);
        }
        if (limited) b_.Add(QStringLiteral("предел"), kind.Limit);
        const QString label = LabelOf(Literal(text->title));
        b_.AddStep(CloseAs(exempt, Field("PrilM", text->field)), false, label);
    }
    AddIf(FarmPay());
    return CloseAs(m.ExemptTotal, Field("PrilM", "ExemptTotal"), also);
}

TaxExplainer::StepId TaxExplainer::FarmPay() {
    const kTSvodSumPrilM& m = sum_.PrilM;
    if (m.FarmPayExempt.IsZero()) return -1;
    b_.Open(QStringLiteral("Оплата труда сельскохозяйственной продукцией"));
    b_.Current().Rule =
        QStringLiteral("ст. 217 п. 43 НК РФ: оплата труда в натуральной форме от "
                       "сельскохозяйственных производителей не облагается в пределах 4 300 руб. в "
                       "месяц (неиспользованный остаток переходит на следующие месяцы) и если она "
                       "не больше 20 % оплаты труда за месяц");
    const auto& sources = nonResident_ ? d_.IncomeSources13NR : d_.IncomeSources13;
    for (size_t r = 0; r < m.FarmEmployers.size(); ++r) {
        const kTSvodSumPrilMFarmRow& row = m.FarmEmployers[r];
        if (row.RowExempt.IsZero()) continue;
        const mTThirteenPercent& source = *sources.At(row.SourceIndex);
        const QString title = SourceTitle(source, row.SourceIndex);
        b_.Open(title);
        StepId carried = -1;
        for (size_t month = 0; month < 12; ++month) {
            if (row.PayInKind[month].IsZero()) continue;
            const auto lines = [&](bool inKindOnly) {
                for (int l = 0; l < source.LineCount(); ++l) {
                    const mTSourseIncome& line = *source.Line(l);
                    if (line.Month == month + 1 &&
                        (!inKindOnly || line.IncomeCode == kTSvodSumPrilM::FarmPayInKindCode))
                        b_.Add(QStringLiteral("код %1").arg(line.IncomeCode),
                               Ref(Section13(), row.SourceIndex, l, "IncomeAmount"), line.IncomeAmount);
                }
            };
            const QString monthTitle = MonthTitle(int(month) + 1);
            b_.Open(monthTitle, ExplainOp::AllOrNothing);
            b_.Open(QStringLiteral("Оплата труда в натуральной форме"));
            lines(true);
            b_.AddStep(
                CloseAs(row.PayInKind[month], RowElement("PrilM", "FarmEmployers", r, "PayInKind", month)),
                false, QStringLiteral("оплата в натуральной форме"));
            b_.Open(QStringLiteral("20 % оплаты труда за месяц"), ExplainOp::Percent);
            b_.Current().Factor = kTSvodSumPrilM::FarmPayInKindPercent;
            b_.Current().Rounding = ExplainRounding::Kopecks;
            b_.Open(QStringLiteral("Оплата труда за месяц"));
            lines(false);
            b_.AddStep(
                CloseAs(row.PayTotal[month], RowElement("PrilM", "FarmEmployers", r, "PayTotal", month)),
                false, QStringLiteral("оплата труда"));
            b_.AddStep(b_.CloseEvaluated(), false, QStringLiteral("20 % оплаты труда"));
            b_.Open(QStringLiteral("Предел месяца"));
            if (carried >= 0) b_.AddStep(carried, false, QStringLiteral("остаток прошлых месяцев"));
            b_.Add(QStringLiteral("предел месяца"), kTSvodSumPrilM::FarmMonthLimit);
            b_.AddStep(b_.CloseEvaluated(), false, QStringLiteral("предел"));
            const StepId exempt = CloseAs(row.MonthExempt[month],
                                          RowElement("PrilM", "FarmEmployers", r, "MonthExempt", month));
            b_.AddStep(exempt, false, MonthName(int(month) + 1));

            b_.Open(QStringLiteral("Остаток предела, переходящий на следующий месяц"));
            b_.Current().NotBelowZero = true;
            if (carried >= 0) b_.AddStep(carried, false, QStringLiteral("остаток прошлых месяцев"));
            if (!row.MonthExempt[month].IsZero()) {
                b_.Add(QStringLiteral("предел месяца"), kTSvodSumPrilM::FarmMonthLimit);
                b_.AddStep(exempt, true, QStringLiteral("не облагается"));
            }
            carried =
                CloseAs(row.CarriedOut[month], RowElement("PrilM", "FarmEmployers", r, "CarriedOut", month));
        }
        b_.AddStep(CloseAs(row.RowExempt, RowField("PrilM", "FarmEmployers", r, "RowExempt")), false, title);
    }
    return CloseAs(m.FarmPayExempt, Field("PrilM", "FarmPayExempt"));
}

TaxExplainer::StepId TaxExplainer::PrizeExemptions(const ResultRef& also) {
    const kTSvodSumPrilM2& m2 = sum_.PrilM2;
    if (m2.ExemptTotal.IsZero()) return -1;
    b_.Open(QStringLiteral("Не облагаемая часть призов в рекламных конкурсах и играх"));
    b_.Current().Rule =
        QStringLiteral("ст. 217 п. 28 НК РФ: выигрыши и призы в рекламных конкурсах и играх не "
                       "облагаются в пределах 4 000 руб. за год по всем призам вместе");
    StepId left = -1;
    StepId previous = -1;
    for (size_t i = 0; i < m2.Rows.size(); ++i) {
        const kTSvodSumPrilM2Row& row = m2.Rows[i];
        if (previous >= 0) {
            b_.Open(QStringLiteral("Остаток предела 4 000 руб."));
            if (left >= 0)
                b_.AddStep(left, false, QStringLiteral("остаток"));
            else
                b_.Add(QStringLiteral("предел"), kTSvodSumPrilM2::PrizeLimit);
            b_.AddStep(previous, true, QStringLiteral("учтено"));
            left = b_.CloseEvaluated();
        }
        const bool fromLines = row.LineIndex >= 0;
        const RecordRef deduction =
            fromLines ? Ref(RecordSection::IncomeSources13, row.SourceIndex, row.LineIndex, "DeductionAmount")
                      : Ref(RecordSection::IncomeSources35, row.SourceIndex, -1, "DeductionAmount");
        const Money claimed =
            fromLines ? d_.IncomeSources13.At(row.SourceIndex)->Line(row.LineIndex)->DeductionAmount
                      : d_.IncomeSources35.At(row.SourceIndex)->DeductionAmount;
        const QString name =
            row.SourceName.trimmed().isEmpty() ? QStringLiteral("Приз № %1").arg(i + 1) : row.SourceName;
        b_.Open(name, ExplainOp::Smaller);
        b_.Current().Note = QStringLiteral("Приз: ") + GroupedAmountText(row.Income);
        b_.Add(QStringLiteral("не облагаемая часть по заявлению"), deduction, claimed);
        if (left >= 0)
            b_.AddStep(left, false, QStringLiteral("остаток предела"));
        else
            b_.Add(QStringLiteral("предел"), kTSvodSumPrilM2::PrizeLimit);
        previous = CloseAs(row.Exempt, RowField("PrilM2", "Rows", i, "Exempt"));
        b_.AddStep(previous, false, name);
    }
    return CloseAs(m2.ExemptTotal, Field("PrilM2", "ExemptTotal"), also);
}

TaxExplainer::StepId TaxExplainer::MaterialBenefitTax() {
    const kTSvodSumPrilM3& m3 = sum_.PrilM3;
    if (m3.TaxWithheldTotal.IsZero()) return -1;
    b_.Open(QStringLiteral("Налог, удержанный с не облагаемой материальной выгоды"));
    b_.Current().Rule =
        QStringLiteral("ст. 212 п. 1 пп. 1 НК РФ: материальная выгода от экономии на процентах по "
                       "кредитам на новое строительство или покупку жилья не облагается; удержанный "
                       "с неё налог засчитывается как уплаченный");
    for (const kTSvodSumPrilM3Row& row : m3.Rows)
        if (!row.TaxWithheld.IsZero())
            b_.Add(SourceTitle(*d_.IncomeSources35.At(row.SourceIndex), row.SourceIndex),
                   Ref(RecordSection::IncomeSources35, row.SourceIndex, -1, "TaxWithheld"), row.TaxWithheld);
    return CloseAs(m3.TaxWithheldTotal, Field("List3", "TaxWithheldExempt"),
                   Field("PrilM3", "TaxWithheldTotal"));
}
