#include "explain/ExplanationText.h"

#include "explain/ExplainText.h"
#include "records/RecordIO.h"

#include <QStringList>
#include <algorithm>

namespace {

// A line of the text: its indented words and, at the right, its amount (if it has one).
struct Line {
    QString text;
    QString amount;
};

// The formula only says something new when it names more than the lines shown below it.
bool FormulaWorthShowing(const Explanation& explanation, Explanation::StepId id) {
    const ExplainStep& step = explanation.Step(id);
    if (step.Op != ExplainOp::Sum || step.NotBelowZero) return true;
    for (const ExplainTerm& term : explanation.Terms(id)) {
        if (term.Minus) return true;
        if (term.Record.IsSet()) continue;
        if (term.Step < 0 || explanation.Parent(term.Step) != id) return true;
    }
    return false;
}

void Collect(const Explanation& explanation, Explanation::StepId id, int depth, QList<Line>& lines) {
    const ExplainStep& step = explanation.Step(id);
    const QString indent(depth * 2, QLatin1Char(' '));
    const QString detail((depth + 2) * 2, QLatin1Char(' '));
    if (depth == 0 && !lines.isEmpty()) lines.append(Line());
    lines.append({indent + step.Title, step.HasAmount() ? GroupedAmountText(step.Amount) : QString()});
    if (step.HasAmount() && FormulaWorthShowing(explanation, id)) {
        const QString formula = explanation.Formula(id);
        if (!formula.isEmpty()) lines.append({detail + QStringLiteral("= ") + formula, {}});
    }
    if (!step.Rule.isEmpty()) lines.append({detail + QStringLiteral("Правило: ") + step.Rule, {}});
    if (!step.Note.isEmpty()) lines.append({detail + step.Note, {}});
    for (const ExplainTerm& term : explanation.Terms(id)) {
        if (!term.Record.IsSet()) continue;
        const QString where = RecordRefText(term.Record, explanation.NonResident, true);
        lines.append(
            {detail + QStringLiteral("· ") + term.Label + QStringLiteral(" (") + where + QLatin1Char(')'),
             GroupedAmountText(term.Amount)});
    }
    for (qint32 row = 0; row < explanation.ChildCount(id); ++row)
        Collect(explanation, explanation.Child(id, row), depth + 1, lines);
}

} // namespace

QString ExplanationText(const Explanation& explanation) {
    QString text;
    if (explanation.IsEmpty()) return text;
    QList<Line> lines;
    const Explanation::StepId root = explanation.Root();
    lines.append({explanation.Step(root).Title, {}});
    if (!explanation.Step(root).Note.isEmpty()) lines.append({explanation.Step(root).Note, {}});
    for (qint32 row = 0; row < explanation.ChildCount(root); ++row)
        Collect(explanation, explanation.Child(root, row), 0, lines);

    // Amounts stand in one column, right-aligned; a long line pushes only its own amount.
    qsizetype amountWidth = 0;
    qsizetype textWidth = 0;
    for (const Line& line : lines)
        if (!line.amount.isEmpty()) {
            amountWidth = std::max(amountWidth, line.amount.size());
            textWidth = std::max(textWidth, line.text.size());
        }
    textWidth = std::min<qsizetype>(textWidth, 76);
    for (const Line& line : lines) {
        if (line.amount.isEmpty()) {
            text += line.text + QLatin1Char('\n');
            continue;
        }
        QString row = line.text + QLatin1Char(' ');
        while (row.size() < textWidth + 2)
            row += QLatin1Char('.');
        text += row + QLatin1Char(' ') + line.amount.rightJustified(amountWidth) + QLatin1Char('\n');
    }
    return text;
}

namespace {

const char* OperationKey(ExplainOp op) {
    switch (op) {
    case ExplainOp::Group:
        return "group";
    case ExplainOp::Sum:
        return "sum";
    case ExplainOp::Smaller:
        return "smaller";
    case ExplainOp::Percent:
        return "percent";
    case ExplainOp::Times:
        return "times";
    case ExplainOp::Fraction:
        return "fraction";
    case ExplainOp::WithinPercent:
        return "withinPercent";
    case ExplainOp::AllOrNothing:
        return "allOrNothing";
    }
    return "";
}

const char* RoundingKey(ExplainRounding rounding) {
    switch (rounding) {
    case ExplainRounding::None:
        return "none";
    case ExplainRounding::WholeRoubles:
        return "wholeRoubles";
    case ExplainRounding::Kopecks:
        return "kopecks";
    case ExplainRounding::CutRoubles:
        return "cutRoubles";
    }
    return "";
}

void DumpStep(const Explanation& explanation, Explanation::StepId id, JsonDumper& json,
              const char* key = nullptr) {
    const ExplainStep& step = explanation.Step(id);
    json.BeginObject(key);
    json.Int("id", id);
    json.Str("title", step.Title);
    if (step.HasAmount())
        json.Amount("amount", step.Amount);
    else
        json.Null("amount");
    json.BeginList("results");
    for (const ResultRef* ref : {&step.Result, &step.AlsoResult})
        if (ref->IsSet()) json.Str(nullptr, ResultRefText(*ref));
    json.EndList();
    json.Str("operation", QString::fromLatin1(OperationKey(step.Op)));
    if (step.Op == ExplainOp::Percent || step.Op == ExplainOp::Times || step.Op == ExplainOp::WithinPercent ||
        step.Op == ExplainOp::Fraction)
        json.Derived("factor", qint32(step.Factor));
    if (step.Op == ExplainOp::Fraction) json.Derived("divisor", qint32(step.Divisor));
    json.Str("rounding", QString::fromLatin1(RoundingKey(step.Rounding)));
    json.Bool("notBelowZero", step.NotBelowZero);
    json.Str("formula", explanation.Formula(id));
    json.Str("rule", step.Rule);
    json.Str("note", step.Note);
    json.BeginList("inputs");
    for (const ExplainTerm& term : explanation.Terms(id)) {
        json.BeginItem();
        json.Str("label", explanation.Label(term));
        json.Amount("amount", term.Amount);
        json.Bool("minus", term.Minus);
        if (term.Step >= 0) json.Int("step", term.Step);
        if (term.Record.IsSet()) {
            json.BeginObject("record");
            json.Str("section", RecordSectionKey(term.Record.Section));
            json.Int("record", term.Record.Record);
            json.Int("line", term.Record.Line);
            json.Str("field", QString::fromLatin1(term.Record.Field));
            json.EndObject();
        }
        json.EndItem();
    }
    json.EndList();
    json.BeginList("steps");
    for (qint32 row = 0; row < explanation.ChildCount(id); ++row)
        DumpStep(explanation, explanation.Child(id, row), json);
    json.EndList();
    json.EndObject();
}

} // namespace

QByteArray ExplanationJson(const Explanation& explanation) {
    JsonDumper json;
    json.BeginObject();
    json.Bool("computed", explanation.Computed);
    json.Str("error", explanation.Error);
    json.Bool("nonResident", explanation.NonResident);
    if (explanation.IsEmpty())
        json.Null("root");
    else
        DumpStep(explanation, explanation.Root(), json, "root");
    json.EndObject();
    return json.Result();
}
