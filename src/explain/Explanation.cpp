#include "explain/Explanation.h"

#include "computation/WholeRoubles.h"
#include "explain/ExplainText.h"
#include "explain/ExplanationBuilder.h"
#include "storage/AmountText.h"

#include <QStringList>
#include <cstring>

namespace {

bool SameName(const char* a, const char* b) {
    return a == b || (a && b && std::strcmp(a, b) == 0);
}

bool SameResult(const ResultRef& a, const ResultRef& b) {
    return SameName(a.Sheet, b.Sheet) && SameName(a.Field, b.Field) && SameName(a.List, b.List) &&
           a.Row == b.Row && a.Index == b.Index;
}

Money SumOf(std::span<const ExplainTerm> terms) {
    Money sum;
    for (const ExplainTerm& term : terms)
        sum = term.Minus ? sum - term.Amount : sum + term.Amount;
    return sum;
}

Money Round(Money value, ExplainRounding rounding) {
    switch (rounding) {
    case ExplainRounding::None:
        return value;
    case ExplainRounding::WholeRoubles:
        return RoundToRoubles(value.ToLongDouble());
    case ExplainRounding::Kopecks:
        return KopeckRound(value.ToLongDouble());
    case ExplainRounding::CutRoubles:
        return Money::FromUnits(value.Raw() / Money::Scale);
    }
    return value;
}

// The value before rounding and the floor at zero; Percent rounds its exact product instead.
Money Combined(const ExplainStep& step, std::span<const ExplainTerm> terms) {
    switch (step.Op) {
    case ExplainOp::Group:
    case ExplainOp::Sum:
    case ExplainOp::Percent:
        return SumOf(terms);
    case ExplainOp::Smaller: {
        if (terms.empty()) return Money();
        Money value = terms[0].Amount;
        for (const ExplainTerm& term : terms.subspan(1))
            value = std::min(value, term.Amount);
        return value;
    }
    case ExplainOp::Times: {
        qint64 raw = 0;
        if (__builtin_mul_overflow(SumOf(terms).Raw(), step.Factor, &raw))
            raw = std::numeric_limits<qint64>::max();
        return Money::FromRaw(raw);
    }
    case ExplainOp::Fraction:
        return step.Divisor == 0 ? Money()
                                 : Money::FromLongDouble(SumOf(terms).ToLongDouble() *
                                                         (static_cast<long double>(step.Factor) /
                                                          static_cast<long double>(step.Divisor)));
    case ExplainOp::WithinPercent:
        if (terms.size() < 2) return terms.empty() ? Money() : terms[0].Amount;
        return ExceedsPercent(terms[0].Amount, terms[1].Amount, int(step.Factor))
                   ? PercentCutToKopecks(terms[1].Amount, int(step.Factor))
                   : terms[0].Amount;
    case ExplainOp::AllOrNothing: {
        if (terms.empty()) return Money();
        for (const ExplainTerm& term : terms.subspan(1))
            if (term.Amount < terms[0].Amount) return Money();
        return terms[0].Amount;
    }
    }
    return Money();
}

QString RoundingWords(ExplainRounding rounding) {
    switch (rounding) {
    case ExplainRounding::None:
        return {};
    case ExplainRounding::WholeRoubles:
        return QStringLiteral("в полных рублях");
    case ExplainRounding::Kopecks:
        return QStringLiteral("с округлением до копеек");
    case ExplainRounding::CutRoubles:
        return QStringLiteral("без копеек");
    }
    return {};
}

QString TermText(const Explanation& e, const ExplainTerm& term) {
    const QString amount = GroupedAmountText(term.Amount);
    const QString label = e.Label(term);
    return label.isEmpty() ? amount : label + QLatin1Char(' ') + amount;
}

// "a + b − c"; a leading minus when the first is taken away.
QString SumText(const Explanation& e, std::span<const ExplainTerm> terms) {
    QString text;
    for (size_t i = 0; i < terms.size(); ++i) {
        if (i == 0)
            text += terms[i].Minus ? QString(QChar(0x2212)) : QString();
        else
            text += terms[i].Minus ? QStringLiteral(" − ") : QStringLiteral(" + ");
        text += TermText(e, terms[i]);
    }
    return text;
}

QString Bracketed(const Explanation& e, std::span<const ExplainTerm> terms) {
    return terms.size() == 1 && !terms[0].Minus ? TermText(e, terms[0])
                                                : QLatin1Char('(') + SumText(e, terms) + QLatin1Char(')');
}

} // namespace

QString ResultRefText(const ResultRef& ref) {
    if (!ref.IsSet()) return {};
    QString text = QString::fromLatin1(ref.Sheet);
    if (ref.List)
        text += QLatin1Char('.') + QString::fromLatin1(ref.List) + QStringLiteral("[%1]").arg(ref.Row);
    if (ref.Field) text += QLatin1Char('.') + QString::fromLatin1(ref.Field);
    if (ref.Index >= 0) text += QStringLiteral("[%1]").arg(ref.Index);
    return text;
}

Explanation::StepId Explanation::Find(const ResultRef& result) const {
    for (size_t i = 0; i < steps_.size(); ++i)
        if (SameResult(steps_[i].Result, result) || SameResult(steps_[i].AlsoResult, result))
            return StepId(i);
    return -1;
}

std::optional<Money> Explanation::Evaluate(const ExplainStep& step, std::span<const ExplainTerm> terms) {
    if (step.Op == ExplainOp::Group) return std::nullopt;
    Money value;
    if (step.Op == ExplainOp::Percent) {
        // The product is rounded as it is, as the computation rounds a tax.
        const long double product = SumOf(terms).ToLongDouble() * step.Factor / 100.0L;
        value = step.Rounding == ExplainRounding::WholeRoubles ? RoundToRoubles(product)
                : step.Rounding == ExplainRounding::Kopecks
                    ? KopeckRound(product)
                    : Round(Money::FromLongDouble(product), step.Rounding);
    } else {
        value = Round(Combined(step, terms), step.Rounding);
    }
    if (step.NotBelowZero && value < Money()) value = Money();
    return value;
}

QString Explanation::Label(const ExplainTerm& term) const {
    if (!term.Label.isEmpty() || term.Step < 0) return term.Label;
    return LabelOf(Step(term.Step).Title);
}

QString Explanation::Formula(StepId id) const {
    const ExplainStep& step = Step(id);
    const std::span<const ExplainTerm> terms = Terms(id);
    if (step.Op == ExplainOp::Group || terms.empty()) return {};
    const QString result = GroupedAmountText(step.Amount);
    const Money combined = Combined(step, terms);
    QString text;
    switch (step.Op) {
    case ExplainOp::Group:
        return {};
    case ExplainOp::Sum:
        text = SumText(*this, terms);
        if (terms.size() == 1 && !terms[0].Minus && combined >= Money()) return text;
        text += QStringLiteral(" = ") + GroupedAmountText(combined);
        break;
    case ExplainOp::Smaller:
        if (terms.size() == 1) {
            text = TermText(*this, terms[0]);
            break;
        }
        text = terms.size() == 2 ? QStringLiteral("меньшее из: ") : QStringLiteral("наименьшее из: ");
        for (size_t i = 0; i < terms.size(); ++i)
            text += (i == 0                  ? QString()
                     : i + 1 == terms.size() ? QStringLiteral(" и ")
                                             : QStringLiteral(", ")) +
                    TermText(*this, terms[i]);
        text += QStringLiteral(" = ") + GroupedAmountText(combined);
        break;
    case ExplainOp::Percent:
        text = QStringLiteral("%1 % × ").arg(step.Factor) + Bracketed(*this, terms);
        break;
    case ExplainOp::Times:
        text = Bracketed(*this, terms) + QStringLiteral(" × %1").arg(step.Factor) +
               (step.Unit.isEmpty() ? QString() : QLatin1Char(' ') + step.Unit);
        break;
    case ExplainOp::Fraction:
        text = Bracketed(*this, terms) + QStringLiteral(" × %1/%2").arg(step.Factor).arg(step.Divisor);
        break;
    case ExplainOp::WithinPercent:
        text = TermText(*this, terms[0]);
        if (terms.size() > 1)
            text += QStringLiteral(", но не более %1 % от ").arg(step.Factor) + TermText(*this, terms[1]) +
                    QStringLiteral(" (") +
                    GroupedAmountText(PercentCutToKopecks(terms[1].Amount, int(step.Factor))) +
                    QLatin1Char(')');
        break;
    case ExplainOp::AllOrNothing: {
        text = TermText(*this, terms[0]);
        const ExplainTerm* over = nullptr;
        for (const ExplainTerm& term : terms.subspan(1))
            if (!over && term.Amount < terms[0].Amount) over = &term;
        if (over)
            return text + QStringLiteral(" больше, чем ") + TermText(*this, *over) +
                   QStringLiteral(": не освобождается");
        QStringList limits;
        for (const ExplainTerm& term : terms.subspan(1))
            limits << TermText(*this, term);
        if (!limits.isEmpty())
            text += QStringLiteral(" не больше, чем ") + limits.join(QStringLiteral(", и не больше, чем "));
        return text + QStringLiteral(": освобождается полностью");
    }
    }
    const bool rounded = step.Op == ExplainOp::Percent || step.Rounding != ExplainRounding::None;
    if (step.Op != ExplainOp::Sum && step.Op != ExplainOp::Smaller) {
        text += QStringLiteral(" = ") + result;
        if (rounded && step.Rounding != ExplainRounding::None)
            text += QStringLiteral(" (") + RoundingWords(step.Rounding) + QLatin1Char(')');
        return text;
    }
    Money shown = combined;
    if (step.Rounding != ExplainRounding::None) {
        shown = Round(combined, step.Rounding);
        if (shown != combined)
            text += QStringLiteral(", ") + RoundingWords(step.Rounding) + QLatin1Char(' ') +
                    GroupedAmountText(shown);
    }
    if (step.NotBelowZero && shown < Money()) text += QStringLiteral(", но не меньше нуля: 0,00");
    return text;
}
