#pragma once

#include "explain/Explanation.h"

#include <string>

// Builds an explanation step by step. A step is opened under the step open at the time (the root
// first), gets its inputs and its own steps, and is closed with its amount: the one the computation
// kept, or the one its formula gives where the computation keeps none.
class ExplanationBuilder {
public:
    using StepId = Explanation::StepId;

    explicit ExplanationBuilder(Explanation& out) : out_(out) {}
    // Room for about this many steps and inputs, so that the lists grow once.
    void Reserve(size_t steps, size_t terms);

    StepId Open(const QString& title, ExplainOp op = ExplainOp::Sum);
    ExplainStep& Current() { return out_.steps_[size_t(open_.back().step)]; }

    // A figure fixed by law (a limit, a rate) or one without a record of its own.
    void Add(const QString& label, Money amount, bool minus = false);
    // A value of the declaration.
    void Add(const QString& label, const RecordRef& record, Money amount, bool minus = false);
    // A value of the declaration the open step names without counting it.
    void Name(const RecordRef& record);
    // The amount of a closed step; without a label the formula names it by the step's title.
    void AddStep(StepId step, bool minus = false, const QString& label = {});
    qint32 ChildCountOfOpen() const { return open_.back().children; }

    StepId Close(Money amount);
    StepId CloseEvaluated();
    StepId CloseGroup();
    // Forgets the open step and everything built under it.
    void Drop();

    Money AmountOf(StepId step) const { return out_.steps_[size_t(step)].Amount; }
    // Links every step to its children; the explanation is complete afterwards.
    void Finish();

private:
    StepId Commit();
    void AddTerm(const QString& label, Money amount, bool minus, qint32 step, const RecordRef& record);
    std::span<const ExplainTerm> OpenTerms() const;

    // A step's inputs go straight to the explanation while no step of its own is opened among them;
    // once one is, they wait aside until the step closes, so that each step's inputs stay together.
    struct OpenStep {
        StepId step;
        qint32 firstPending;
        size_t termsBefore;
        qint32 children = 0;
        bool direct = true;
        size_t firstDirect = 0;
        qint32 directCount = 0;
    };
    Explanation& out_;
    std::vector<OpenStep> open_;
    std::vector<ExplainTerm> pending_;
};

// A label for a step named by its title: the title with a small first letter.
QString LabelOf(const QString& title);

// A text the program carries, without copying it.
inline QString Literal(const char16_t* text) {
    return QString::fromRawData(reinterpret_cast<const QChar*>(text),
                                qsizetype(std::char_traits<char16_t>::length(text)));
}
