#include "computation/BudgetCodes.h"
#include "computation/IncomeCodes.h"
#include "explain/ExplainText.h"
#include "explain/TaxExplainer.h"

namespace {

// How a line is named within its source: by its month, else by its position.
QString LineLabel(const mTSourseIncome& line, int position) {
    const QString& month = MonthName(line.Month);
    return month.isEmpty() ? QStringLiteral("строка %1").arg(position + 1) : month;
}

QString SourceNote(const mTSourseIncomeInfo& source) {
    QString text;
    text.reserve(64);
    const auto part = [&](const QString& name, const QString& value) {
        if (IsBlank(value)) return;
        if (!text.isEmpty()) text += QLatin1String(", ");
        text += name;
        text += value;
    };
    part(QStringLiteral("ИНН "), source.SourceINN);
    part(QStringLiteral("КПП "), source.SourceKPP);
    part(QStringLiteral("ОКАТО "), source.SourceOKATO);
    return text;
}

QString ActivityName(const mTBusinessNew& activity) {
    const QString kind = activity.ActivityKind.trimmed();
    QString name = kind == QLatin1String("2")   ? QStringLiteral("нотариальная практика")
                   : kind == QLatin1String("3") ? QStringLiteral("адвокатская практика")
                   : kind == QLatin1String("4") ? QStringLiteral("иная частная практика")
                                                : QStringLiteral("предпринимательская деятельность");
    const QString okved = activity.OKVED.trimmed();
    if (kind == QLatin1String("1") && !okved.isEmpty() && okved != QLatin1String(".."))
        name += QStringLiteral(" (ОКВЭД ") + okved + QLatin1Char(')');
    return name;
}

QString ForeignName(const mTCurrencyIncome& income, int index) {
    const QString name = income.SourceName.trimmed();
    return name.isEmpty() ? QStringLiteral("доход за рубежом № %1").arg(index + 1) : name;
}

} // namespace

TaxExplainer::StepId TaxExplainer::LineSources(const QString& title, RecordSection section,
                                               const mTRecordList<mTThirteenPercent>& list,
                                               const Money& total, const ResultRef& result,
                                               const ResultRef& also) {
    if (total.IsZero() && list.Count() == 0) return -1;
    b_.Open(title);
    std::vector<qint32> codes;
    for (int s = 0; s < list.Count(); ++s) {
        const mTThirteenPercent& source = *list.At(s);
        const int lineCount = source.LineCount();
        if (lineCount == 0) continue;
        const QString sourceTitle = SourceTitle(source, s);
        b_.Open(sourceTitle);
        codes.clear();
        for (int l = 0; l < lineCount; ++l)
            if (std::find(codes.begin(), codes.end(), source.Line(l)->IncomeCode) == codes.end())
                codes.push_back(source.Line(l)->IncomeCode);
        QString note = SourceNote(source);
        // Income by kind: one step per income code, unless the source paid income of one kind only.
        const bool byCode = codes.size() > 1;
        for (qint32 code : codes) {
            const mTSourseIncome* first = nullptr;
            if (byCode) b_.Open(CodeTitle(code));
            for (int l = 0; l < lineCount; ++l) {
                const mTSourseIncome& line = *source.Line(l);
                if (line.IncomeCode != code) continue;
                if (!first) first = &line;
                b_.Add(LineLabel(line, l), Ref(section, s, l, "IncomeAmount"), line.IncomeAmount);
            }
            const QString& kind = first->IncomeCodeName;
            if (byCode) {
                if (!IsBlank(kind)) b_.Current().Note = kind.trimmed();
                b_.AddStep(b_.CloseEvaluated(), false, CodeTitle(code));
            } else {
                if (!note.isEmpty()) note += QStringLiteral(". ");
                note += CodeTitle(code);
                if (!IsBlank(kind)) note += QStringLiteral(" — ") + kind.trimmed();
            }
        }
        b_.Current().Note = note;
        b_.AddStep(b_.CloseEvaluated(), false, sourceTitle);
    }
    return CloseAs(total, result, also);
}

TaxExplainer::StepId TaxExplainer::Withheld(const QString& title, RecordSection section,
                                            const mTRecordList<mTThirteenPercent>& list, const Money& total,
                                            const ResultRef& result, const ResultRef& also) {
    if (total.IsZero()) return -1;
    b_.Open(title);
    b_.Current().Rule = QStringLiteral("ст. 226 НК РФ: налоговый агент удерживает налог при выплате дохода; "
                                       "удержанный налог засчитывается");
    for (int s = 0; s < list.Count(); ++s) {
        const mTThirteenPercent& source = *list.At(s);
        if (!source.TaxWithheld.IsZero())
            b_.Add(SourceTitle(source, s), Ref(section, s, -1, "TaxWithheld"), source.TaxWithheld);
    }
    return CloseAs(total, result, also);
}

TaxExplainer::StepId TaxExplainer::Income35() {
    const Money& total = sum_.PrilA35.IncomeTotal;
    if (total.IsZero()) return -1;
    b_.Open(QStringLiteral("Доходы от источников в РФ"));
    for (int s = 0; s < d_.IncomeSources35.Count(); ++s) {
        const mTThirtyFivePercent& source = *d_.IncomeSources35.At(s);
        // The exempt material benefit is no income here; only the tax withheld from it counts.
        if (source.IncomeCode == IncomeCode::ExemptMaterialBenefit || source.IncomeTotal.IsZero()) continue;
        b_.Add(SourceTitle(source, s), Ref(RecordSection::IncomeSources35, s, -1, "IncomeTotal"),
               source.IncomeTotal);
    }
    return CloseAs(total, Field("PrilA35", "IncomeTotal"));
}

TaxExplainer::StepId TaxExplainer::Withheld35() {
    const Money& total = sum_.PrilA35.TaxWithheldTotal;
    if (total.IsZero()) return -1;
    b_.Open(QStringLiteral("Налог, удержанный налоговыми агентами"));
    for (int s = 0; s < d_.IncomeSources35.Count(); ++s) {
        const mTThirtyFivePercent& source = *d_.IncomeSources35.At(s);
        if (source.IncomeCode == IncomeCode::ExemptMaterialBenefit || source.TaxWithheld.IsZero()) continue;
        b_.Add(SourceTitle(source, s), Ref(RecordSection::IncomeSources35, s, -1, "TaxWithheld"),
               source.TaxWithheld);
    }
    return CloseAs(total, Field("List3", "TaxWithheld"), Field("PrilA35", "TaxWithheldTotal"));
}

TaxExplainer::StepId TaxExplainer::Dividends(const QString& title, const char* sheet, const char* field,
                                             const Money& total, Money mTThirtyPercent::*value,
                                             const char* recordField, const ResultRef& also) {
    if (total.IsZero()) return -1;
    b_.Open(title);
    for (int s = 0; s < d_.IncomeSources30.Count(); ++s) {
        const mTThirtyPercent& source = *d_.IncomeSources30.At(s);
        if (!(source.*value).IsZero())
            b_.Add(SourceTitle(source, s), Ref(RecordSection::IncomeSources30, s, -1, recordField),
                   source.*value);
    }
    return CloseAs(total, Field(sheet, field), also);
}

TaxExplainer::StepId TaxExplainer::BusinessIncome() {
    const Money& total = sum_.PrilV1.IncomeTotal;
    if (total.IsZero()) return -1;
    b_.Open(QStringLiteral("Доходы от предпринимательской деятельности и частной практики"));
    for (int i = 0; i < d_.BusinessIncomes.Count(); ++i) {
        const mTBusinessNew& activity = *d_.BusinessIncomes.At(i);
        if (!activity.Income.IsZero())
            b_.Add(ActivityName(activity), Ref(RecordSection::BusinessIncomes, i, -1, "Income"),
                   activity.Income);
    }
    return CloseAs(total, Field("PrilV1", "IncomeTotal"));
}

TaxExplainer::StepId TaxExplainer::PracticeIncome() {
    const Money& total = sum_.PrilV2.IncomeTotal;
    if (total.IsZero()) return -1;
    b_.Open(QStringLiteral("Доходы от частной практики (записи прежних лет)"));
    for (int i = 0; i < d_.PracticeIncomes.Count(); ++i) {
        const mTRepetitNew& practice = *d_.PracticeIncomes.At(i);
        if (!practice.PracticeAmounts[0].IsZero())
            b_.Add(practice.PracticeName, Ref(RecordSection::PracticeIncomes, i, 0, "PracticeAmounts"),
                   practice.PracticeAmounts[0]);
    }
    return CloseAs(total, Field("PrilV2", "IncomeTotal"));
}

TaxExplainer::StepId TaxExplainer::ForeignIncome(const kTSvodSumPrilB& sheet, const char* name) {
    if (sheet.IncomeRoublesTotal.IsZero()) return -1;
    b_.Open(QStringLiteral("Доходы от источников за пределами РФ"));
    b_.Current().Rule =
        QStringLiteral("ст. 210 п. 5 НК РФ: доход в иностранной валюте пересчитывается в рубли по "
                       "курсу Центрального банка на дату получения");
    for (const kTSvodSumPrilBRow& row : sheet.Rows) {
        const mTCurrencyIncome& income = *d_.CurrencyIncomes.At(row.RecordIndex);
        if (!row.IncomeRoubles.IsZero())
            b_.Add(ForeignName(income, row.RecordIndex),
                   Ref(RecordSection::CurrencyIncomes, row.RecordIndex, -1, "IncomeRoubles"),
                   row.IncomeRoubles);
    }
    return CloseAs(sheet.IncomeRoublesTotal, Field(name, "IncomeRoublesTotal"));
}

TaxExplainer::StepId TaxExplainer::ForeignTax(const kTSvodSumPrilB& sheet, const char* name, size_t row) {
    const kTSvodSumPrilBRow& r = sheet.Rows[row];
    const mTCurrencyIncome& income = *d_.CurrencyIncomes.At(r.RecordIndex);
    const RecordRef incomeRef = Ref(RecordSection::CurrencyIncomes, r.RecordIndex, -1, "IncomeRoubles");
    b_.Open(QStringLiteral("Налог в РФ с дохода: ") + ForeignName(income, r.RecordIndex), ExplainOp::Percent);
    b_.Current().Factor = sheet.Rate;
    b_.Current().Rounding = ExplainRounding::WholeRoubles;
    if (r.DeductionAmount.IsZero()) {
        b_.Add(QStringLiteral("доход"), incomeRef, r.IncomeRoubles);
    } else {
        b_.Open(QStringLiteral("Доход за вычетом расходов"));
        b_.Current().NotBelowZero = true;
        b_.Add(QStringLiteral("доход"), incomeRef, r.IncomeRoubles);
        b_.Add(QStringLiteral("расходы"),
               Ref(RecordSection::CurrencyIncomes, r.RecordIndex, -1, "DeductionAmount"), r.DeductionAmount,
               true);
        b_.AddStep(b_.CloseEvaluated(), false, QStringLiteral("доход за вычетом расходов"));
    }
    return CloseAs(r.TaxComputedRF, RowField(name, "Rows", row, "TaxComputedRF"));
}

TaxExplainer::StepId TaxExplainer::ForeignTaxTotal(const kTSvodSumPrilB& sheet, const char* name,
                                                   std::vector<StepId>& rowTax) {
    rowTax.assign(sheet.Rows.size(), -1);
    if (sheet.TaxComputedTotal.IsZero()) return -1;
    b_.Open(QStringLiteral("Налог с доходов от источников за пределами РФ"));
    for (size_t i = 0; i < sheet.Rows.size(); ++i) {
        rowTax[i] = ForeignTax(sheet, name, i);
        AddIf(rowTax[i]);
    }
    return CloseAs(sheet.TaxComputedTotal, Field(name, "TaxComputedTotal"));
}

TaxExplainer::StepId TaxExplainer::ForeignCredit(const kTSvodSumPrilB& sheet, const char* name,
                                                 const std::vector<StepId>& rowTax, const ResultRef& also) {
    if (sheet.CreditTotal.IsZero()) return -1;
    b_.Open(QStringLiteral("Зачёт налога, уплаченного за рубежом"));
    b_.Current().Rule =
        QStringLiteral("ст. 232 п. 1 НК РФ: налог, уплаченный за рубежом, засчитывается, но не "
                       "больше налога, исчисленного в РФ с того же дохода");
    for (size_t i = 0; i < sheet.Rows.size(); ++i) {
        const kTSvodSumPrilBRow& r = sheet.Rows[i];
        if (r.Credit.IsZero()) continue;
        const mTCurrencyIncome& income = *d_.CurrencyIncomes.At(r.RecordIndex);
        b_.Open(ForeignName(income, r.RecordIndex), ExplainOp::Smaller);
        b_.Current().Rounding = ExplainRounding::WholeRoubles;
        if (!income.CountryCode.isEmpty())
            b_.Current().Note = QStringLiteral("Страна (ОКСМ) ") + income.CountryCode;
        const StepId tax = i < rowTax.size() && rowTax[i] >= 0 ? rowTax[i] : ForeignTax(sheet, name, i);
        b_.Add(QStringLiteral("уплачено за рубежом"),
               Ref(RecordSection::CurrencyIncomes, r.RecordIndex, -1, "TaxRoubles"), r.TaxRoubles);
        b_.AddStep(tax, false, QStringLiteral("налог в РФ"));
        b_.AddStep(CloseAs(r.Credit, RowField(name, "Rows", i, "Credit")), false,
                   ForeignName(income, r.RecordIndex));
    }
    return CloseAs(sheet.CreditTotal, Field(name, "CreditTotal"), also);
}

TaxExplainer::StepId TaxExplainer::NoticePayments(std::span<const QLatin1String> codes, const Money& total,
                                                  const ResultRef& result) {
    if (total.IsZero()) return -1;
    b_.Open(QStringLiteral("Уплачено по налоговым уведомлениям"));
    for (int i = 0; i < d_.TaxPayments.Count(); ++i) {
        const mTNalog& payment = *d_.TaxPayments.At(i);
        if (!PaidUnder(payment, codes)) continue;
        QString label = QStringLiteral("КБК ") + payment.PaymentKBK;
        if (!payment.PaymentNote.trimmed().isEmpty())
            label += QStringLiteral(" (") + payment.PaymentNote.trimmed() + QLatin1Char(')');
        b_.Add(label, Ref(RecordSection::TaxPayments, i, -1, "PaymentAmount"), payment.PaymentAmount);
    }
    return CloseAs(total, result);
}

QString TaxExplainer::ItemLabel(const IncomeItem& item, RecordSection lines) const {
    if (item.Foreign) return ForeignName(*d_.CurrencyIncomes.At(item.Record), item.Record);
    const auto& list = lines == RecordSection::IncomeSources13NR ? d_.IncomeSources13NR : d_.IncomeSources13;
    const mTThirteenPercent& source = *list.At(item.Record);
    return SourceTitle(source, item.Record) + QStringLiteral(", ") +
           LineLabel(*source.Line(item.Line), item.Line);
}

RecordRef TaxExplainer::ItemRef(const IncomeItem& item, RecordSection lines, bool deduction) const {
    if (item.Foreign)
        return Ref(RecordSection::CurrencyIncomes, item.Record, -1,
                   deduction ? "DeductionAmount" : "IncomeRoubles");
    return Ref(lines, item.Record, item.Line, deduction ? "DeductionAmount" : "IncomeAmount");
}

void TaxExplainer::AddShare(const IncomeItem& item, Money amount, RecordSection lines, bool deductionFirst,
                            std::optional<Money> limit) {
    const QString label = ItemLabel(item, lines);
    const auto add = [&](bool deduction) {
        b_.Add(deduction ? label + QStringLiteral(": вычет") : label, ItemRef(item, lines, deduction),
               deduction ? item.Deduction : item.Income);
    };
    if (deductionFirst && amount == item.Deduction) return add(true);
    if (amount == item.Income) return add(false);
    if (amount == item.Deduction) return add(true);
    // The sheet took less than the line holds: its expenses up to its income, or its income up to a limit.
    b_.Open(label, ExplainOp::Smaller);
    if (amount == std::min(item.Income, item.Deduction)) {
        b_.Add(QStringLiteral("расходы"), ItemRef(item, lines, true), item.Deduction);
        b_.Add(QStringLiteral("доход"), ItemRef(item, lines, false), item.Income);
    } else if (limit) {
        b_.Add(QStringLiteral("доход"), ItemRef(item, lines, false), item.Income);
        b_.Add(QStringLiteral("предел"), *limit);
    }
    b_.AddStep(b_.Close(amount), false, label);
}

TaxExplainer::StepId TaxExplainer::BusinessDeduction(const kTSvodSumPrilV& sheet, const char* name,
                                                     bool practice) {
    if (sheet.ProfessionalDeduction.IsZero()) return -1;
    b_.Open(practice ? QStringLiteral("Профессиональный вычет по частной практике (записи прежних лет)")
                     : QStringLiteral(
                           "Профессиональный вычет по предпринимательской деятельности и частной практике"),
            ExplainOp::Smaller);
    b_.Current().Rule =
        QStringLiteral("ст. 221 п. 1 НК РФ: документально подтверждённые расходы, а без документов — "
                       "20 % дохода; не больше дохода");
    b_.Open(QStringLiteral("Расходы"));
    if (practice) {
        for (int i = 0; i < d_.PracticeIncomes.Count(); ++i) {
            const mTRepetitNew& record = *d_.PracticeIncomes.At(i);
            if (!record.PracticeAmounts[1].IsZero())
                b_.Add(record.PracticeName, Ref(RecordSection::PracticeIncomes, i, 1, "PracticeAmounts"),
                       record.PracticeAmounts[1]);
        }
    } else {
        for (int i = 0; i < d_.BusinessIncomes.Count(); ++i) {
            const mTBusinessNew& activity = *d_.BusinessIncomes.At(i);
            const bool documented = kTSvodSumPrilV1::DeductsDocumentedExpenses(activity);
            const Money expenses = documented ? activity.ExpensesTotal : activity.NormativeExpenses;
            if (expenses.IsZero()) continue;
            b_.Add(ActivityName(activity) + (documented ? QStringLiteral(", расходы по документам")
                                                        : QStringLiteral(", расходы без документов")),
                   Ref(RecordSection::BusinessIncomes, i, -1,
                       documented ? "ExpensesTotal" : "NormativeExpenses"),
                   expenses);
        }
    }
    b_.AddStep(b_.CloseEvaluated(), false, QStringLiteral("расходы"));
    AddIf(Known(sheet.IncomeTotal), false, QStringLiteral("доход"));
    return CloseAs(sheet.ProfessionalDeduction, Field(name, "ProfessionalDeduction"));
}
