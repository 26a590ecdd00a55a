#pragma once

#include "explain/ExplainStep.h"

#include <optional>
#include <span>
#include <vector>

// The explanation of a computed return: a tree of steps under one root, each with its amount, the
// formula that gives it from its inputs, the rule that shaped it and the inputs themselves. Steps are
// numbered in the order they were built; a step's inputs may name any step built before it.
class Explanation {
public:
    using StepId = qint32;

    StepId Root() const { return 0; }
    bool IsEmpty() const { return steps_.empty(); }
    qint32 StepCount() const { return qint32(steps_.size()); }
    const ExplainStep& Step(StepId id) const { return steps_.at(size_t(id)); }

    StepId Parent(StepId id) const { return Step(id).parent_; }
    // The position of the step among its parent's children.
    qint32 Row(StepId id) const { return Step(id).row_; }
    qint32 ChildCount(StepId id) const { return Step(id).childCount_; }
    StepId Child(StepId id, qint32 row) const { return children_.at(size_t(Step(id).firstChild_ + row)); }
    std::span<const ExplainTerm> Terms(StepId id) const {
        const ExplainStep& s = Step(id);
        return std::span(terms_).subspan(size_t(s.firstTerm_), size_t(s.termCount_));
    }
    // The step that reproduces the result field, -1 when there is none.
    StepId Find(const ResultRef& result) const;

    // What the step's formula gives from its inputs; none for a heading.
    static std::optional<Money> Evaluate(const ExplainStep& step, std::span<const ExplainTerm> terms);
    std::optional<Money> Evaluate(StepId id) const { return Evaluate(Step(id), Terms(id)); }
    // The formula in words, with the amounts: "доход 600 000,00 − вычеты 600 000,00 = 0,00".
    QString Formula(StepId id) const;
    // How the formula names an input: its label, or the title of its step.
    QString Label(const ExplainTerm& term) const;

    // The computation ran to its end (an error stops it: Error says why, the steps show what was done).
    bool Computed = false;
    QString Error;
    // The return is a non-resident's: the lists of the Russian income then hold other rates.
    bool NonResident = false;

private:
    friend class ExplanationBuilder;
    std::vector<ExplainStep> steps_;
    std::vector<ExplainTerm> terms_;
    std::vector<StepId> children_;
};
