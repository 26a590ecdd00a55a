#pragma once

#include "explain/RecordRef.h"
#include "storage/Money.h"

#include <QString>

// A field of the computed results that a step reproduces: sheet and field as the computation names
// them ("List1", "TaxBase"); a row of one of the sheet's lists ("Rows", 0) and an element of an array
// field (a month) where the field has them.
struct ResultRef {
    const char* Sheet = nullptr;
    const char* Field = nullptr;
    const char* List = nullptr;
    qint32 Row = -1;
    qint32 Index = -1;

    bool IsSet() const { return Sheet != nullptr; }
};

// "List1.TaxBase", "PrilB13.Rows[0].Credit", "PrilE1.CumulativeIncome[11]".
QString ResultRefText(const ResultRef& ref);

// How a step's amount follows from its inputs.
enum class ExplainOp : quint8 {
    Group,         // a heading: no amount of its own
    Sum,           // the inputs added, those marked minus taken away
    Smaller,       // the first input, but not more than any other (the limits)
    Percent,       // Factor percent of the inputs' sum
    Times,         // the inputs' sum taken Factor times (a monthly amount times the months)
    Fraction,      // the inputs' sum times Factor / Divisor (a share), to a ten-thousandth
    WithinPercent, // the first input, but not more than Factor percent of the second, that share cut to
                   // kopecks
    AllOrNothing   // the first input when it is not more than any other input, else nothing
};

// Rounding of a step's result.
enum class ExplainRounding : quint8 {
    None,
    WholeRoubles, // a tax: half a rouble and more up, less down
    Kopecks,      // half a kopeck and more up
    CutRoubles    // the kopecks dropped
};

// One input of a step: the amount of another step, a value of the declaration, or a figure the law
// fixes (a limit or a rate), which has neither.
struct ExplainTerm {
    ExplainTerm() = default;
    ExplainTerm(const QString& label, Money amount, bool minus, qint32 step, const RecordRef& record)
        : Label(label), Amount(amount), Minus(minus), Step(step), Record(record) {}

    QString Label; // as the formula names it: "доход", "вычеты"
    Money Amount;
    bool Minus = false;
    qint32 Step = -1;
    RecordRef Record;
};

// One step of the explanation.
struct ExplainStep {
    ExplainStep() = default;
    ExplainStep(const QString& title, ExplainOp op) : Title(title), Op(op) {}

    QString Title;
    QString Note; // what else the taxpayer should know: the month a limit was passed, a source's codes
    QString Rule; // the law and its limit or rate: "ст. 220 п. 1 пп. 1 НК РФ: не более 250 000 руб."
    ResultRef Result;
    ResultRef
        AlsoResult; // a second field with the same value ("List1.TaxWithheld" is "PrilA13.TaxWithheldTotal")
    Money Amount;
    ExplainOp Op = ExplainOp::Group;
    ExplainRounding Rounding = ExplainRounding::None;
    bool NotBelowZero = false;
    qint64 Factor = 0;
    qint64 Divisor = 1;
    QString Unit; // Times: what Factor counts ("мес.")

    bool HasAmount() const { return Op != ExplainOp::Group; }

private:
    friend class Explanation;
    friend class ExplanationBuilder;
    qint32 parent_ = -1;
    qint32 row_ = 0;
    qint32 firstChild_ = 0;
    qint32 childCount_ = 0;
    qint32 firstTerm_ = 0;
    qint32 termCount_ = 0;
};
