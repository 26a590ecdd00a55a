#include "computation/BudgetCodes.h"
#include "explain/TaxExplainer.h"

namespace {

QString CodeMeaning(const QString& kbk) {
    if (kbk == BudgetCode::TaxAgents)
        return QStringLiteral("налог с доходов, источником которых является налоговый агент");
    if (kbk == BudgetCode::Entrepreneurs)
        return QStringLiteral(
            "налог с доходов предпринимателей, нотариусов, адвокатов и других лиц, занимающихся "
            "частной практикой");
    if (kbk == BudgetCode::OtherPersons)
        return QStringLiteral("налог с доходов, полученных физическими лицами по ст. 228 НК РФ");
    return {};
}

QString RowTitle(const kTSvodSumList6Row& row) {
    const QString what = row.PaySign == QLatin1String("1")   ? QStringLiteral("К уплате")
                         : row.PaySign == QLatin1String("2") ? QStringLiteral("К возврату")
                                                             : QStringLiteral("Ни к уплате, ни к возврату");
    return what + QStringLiteral(": КБК ") + row.KBK + QStringLiteral(", ОКАТО ") + row.Okato;
}

} // namespace

void TaxExplainer::PaymentLines() {
    using Part = kTSvodSumList6Part;
    const kTSvodSumList6& sheet = sum_.List6;
    if (sheet.Rows.empty()) return;
    b_.Open(QStringLiteral("Суммы к уплате и к возврату по КБК и ОКАТО"), ExplainOp::Group);
    b_.Current().Rule = QStringLiteral("Каждая сумма уплачивается или возвращается по своему коду бюджетной "
                                       "классификации (КБК) и коду ОКАТО");
    if (!sum_.List1.Refundable.IsZero())
        b_.Current().Note =
            QStringLiteral("Возврат налога по ставке 13 % распределяется по порядку: сначала авансовые "
                           "платежи предпринимателя, затем "
                           "налог, удержанный налоговыми агентами, — в порядке источников, по ОКАТО агента; "
                           "затем платежи по "
                           "уведомлениям; остаток — по КБК налоговых агентов и ОКАТО налогоплательщика.");

    std::vector<std::vector<size_t>> partsOfRow(sheet.Rows.size());
    for (size_t i = 0; i < sheet.Parts().size(); ++i)
        partsOfRow.at(sheet.Parts()[i].Row).push_back(i);

    // What is left to place after each part: the refund and the payment at 13 % go out part by part.
    StepId refundLeft = Known(sum_.List1.Refundable);
    StepId paymentLeft = Known(sum_.List1.Payable);
    StepId lastRefundPart = -1;
    StepId lastPaymentPart = -1;
    const auto left = [&](StepId& rest, StepId lastPart) {
        if (lastPart < 0) return;
        b_.Open(QStringLiteral("Осталось распределить"));
        b_.AddStep(rest, false, QStringLiteral("осталось"));
        b_.AddStep(lastPart, true, QStringLiteral("распределено"));
        rest = b_.CloseEvaluated();
    };
    // One part, not more than what is left.
    const auto placed = [&](const QString& title, const Part& part, StepId& rest, StepId& lastPart,
                            auto&& addOffered) {
        b_.Open(title, ExplainOp::Smaller);
        left(rest, lastPart);
        addOffered();
        b_.AddStep(rest, false, QStringLiteral("осталось распределить"));
        lastPart = b_.Close(part.Amount);
        b_.AddStep(lastPart);
    };

    // What none of the parts before took; the whole amount when nothing was placed before.
    const auto rest = [&](const QString& title, const QString& whole, const Part& part, StepId& remaining,
                          StepId& lastPart) {
        if (lastPart < 0) {
            b_.AddStep(remaining, false, whole);
            lastPart = remaining;
            return;
        }
        b_.Open(title);
        left(remaining, lastPart);
        b_.AddStep(remaining, false, QStringLiteral("осталось"));
        lastPart = b_.Close(part.Amount);
        b_.AddStep(lastPart, false, LabelOf(title));
    };

    for (size_t r = 0; r < sheet.Rows.size(); ++r) {
        const kTSvodSumList6Row& row = sheet.Rows[r];
        b_.Open(RowTitle(row));
        QStringList notes;
        const QString meaning = CodeMeaning(row.KBK);
        if (!meaning.isEmpty()) notes << QStringLiteral("КБК: ") + meaning + QLatin1Char('.');
        if (row.Okato == d_.Person.OKATO)
            notes << QStringLiteral("ОКАТО по месту жительства налогоплательщика.");
        for (size_t index : partsOfRow[r]) {
            const Part& part = sheet.Parts()[index];
            switch (part.From) {
            case Part::Advances:
                placed(QStringLiteral("Возврат авансовых платежей"), part, refundLeft, lastRefundPart,
                       [&] { b_.Add(QStringLiteral("авансовые платежи"), part.Offered); });
                break;
            case Part::TaxAgent: {
                const mTThirteenPercent& source = *Sources13().At(part.Source);
                const QString name = SourceTitle(source, part.Source);
                placed(QStringLiteral("Налог, удержанный агентом: ") + name, part, refundLeft, lastRefundPart,
                       [&] {
                           b_.Add(QStringLiteral("удержано"),
                                  Ref(Section13(), part.Source, -1, "TaxWithheld"), part.Offered);
                       });
                break;
            }
            case Part::AgentNotices:
            case Part::EntrepreneurNotices:
                placed(QStringLiteral("Уплачено по уведомлениям с КБК %1")
                           .arg(part.From == Part::AgentNotices ? BudgetCode::Individuals13
                                                                : BudgetCode::Entrepreneurs13),
                       part, refundLeft, lastRefundPart,
                       [&] { b_.Add(QStringLiteral("уплачено по уведомлениям"), part.Offered); });
                break;
            case Part::RefundRest:
                rest(QStringLiteral("Остаток возврата"), QStringLiteral("к возврату по ставке 13 %"), part,
                     refundLeft, lastRefundPart);
                break;
            case Part::BusinessTax:
                placed(QStringLiteral("Налог с доходов от предпринимательской деятельности"), part,
                       paymentLeft, lastPaymentPart, [&] {
                           b_.Open(QStringLiteral(
                               "Налог с предпринимательских доходов за вычетом авансовых платежей"));
                           b_.Open(QStringLiteral("13 % дохода от предпринимательской деятельности"),
                                   ExplainOp::Percent);
                           b_.Current().Factor = 13;
                           b_.Current().Rounding = ExplainRounding::WholeRoubles;
                           AddIf(Known(sum_.PrilV1.IncomeTotal), false, QStringLiteral("доход"));
                           AddIf(Known(sum_.PrilV2.IncomeTotal), false,
                                 QStringLiteral("доход по частной практике"));
                           AddIf(Known(sum_.PrilV1.ProfessionalDeduction), true,
                                 QStringLiteral("профессиональный вычет"));
                           AddIf(Known(sum_.PrilV2.ProfessionalDeduction), true,
                                 QStringLiteral("профессиональный вычет по частной практике"));
                           b_.AddStep(b_.CloseEvaluated(), false, QStringLiteral("налог"));
                           if (!sum_.PrilV1.AdvancePaid.IsZero())
                               b_.Add(QStringLiteral("авансовые платежи"),
                                      Ref(RecordSection::Declaration, -1, -1, "AdvancePaid"),
                                      sum_.PrilV1.AdvancePaid, true);
                           if (!sum_.PrilV2.AdvancePaid.IsZero())
                               b_.Add(QStringLiteral("авансовые платежи по частной практике"),
                                      Ref(RecordSection::Declaration, -1, -1, "PracticeSum1"),
                                      sum_.PrilV2.AdvancePaid, true);
                           b_.AddStep(b_.Close(part.Offered), false,
                                      QStringLiteral("налог с предпринимательских доходов"));
                       });
                break;
            case Part::PaymentRest:
                rest(QStringLiteral("Остаток к уплате"), QStringLiteral("к уплате по ставке 13 %"), part,
                     paymentLeft, lastPaymentPart);
                break;
            case Part::Refund:
            case Part::Payment: {
                const bool refund = part.From == Part::Refund;
                const Money& field = part.Rate == 35   ? (refund ? sum_.List3.Refundable : sum_.List3.Payable)
                                     : part.Rate == 30 ? (refund ? sum_.List2.Refundable : sum_.List2.Payable)
                                     : part.Rate == 9  ? (refund ? sum_.List4.Refundable : sum_.List4.Payable)
                                                      : (refund ? sum_.List5.Refundable : sum_.List5.Payable);
                b_.AddStep(Known(field), false,
                           (refund ? QStringLiteral("к возврату по ставке %1 %")
                                   : QStringLiteral("к уплате по ставке %1 %"))
                               .arg(part.Rate));
                break;
            }
            case Part::NothingDue:
                if (sheet.Rows.size() == 1 && sum_.List1.IncomeTotal.IsZero())
                    notes << QStringLiteral(
                        "Налога к уплате и к возврату нет; строка называет КБК, по которому "
                        "подаётся декларация.");
                else
                    notes << QStringLiteral(
                                 "По ставке %1 % налог уплачен полностью: ничего не нужно ни доплачивать, "
                                 "ни возвращать.")
                                 .arg(part.Rate);
                break;
            }
        }
        b_.Current().Note = notes.join(QLatin1Char(' '));
        CloseAs(row.Amount, RowField("List6", "Rows", r, "Amount"));
    }
    b_.CloseGroup();
}
