#include "explain/ExplanationBuilder.h"

void ExplanationBuilder::Reserve(size_t steps, size_t terms) {
    out_.steps_.reserve(steps);
    out_.terms_.reserve(terms);
    pending_.reserve(64);
}

ExplanationBuilder::StepId ExplanationBuilder::Open(const QString& title, ExplainOp op) {
    const StepId id = StepId(out_.steps_.size());
    ExplainStep& step = out_.steps_.emplace_back(title, op);
    step.parent_ = open_.empty() ? -1 : open_.back().step;
    if (!open_.empty()) {
        OpenStep& parent = open_.back();
        ++parent.children;
        if (parent.direct && parent.directCount > 0) {
            // Nothing was committed since the parent's first input: its inputs are the last ones.
            const auto first = out_.terms_.begin() + qsizetype(parent.firstDirect);
            pending_.insert(pending_.end(), std::make_move_iterator(first),
                            std::make_move_iterator(out_.terms_.end()));
            out_.terms_.erase(first, out_.terms_.end());
            parent.direct = false;
        }
    }
    open_.push_back({id, qint32(pending_.size()), out_.terms_.size()});
    return id;
}

void ExplanationBuilder::AddTerm(const QString& label, Money amount, bool minus, qint32 step,
                                 const RecordRef& record) {
    // Built in place: the explanation holds thousands of inputs, and each is written once.
    OpenStep& open = open_.back();
    if (!open.direct) {
        pending_.emplace_back(label, amount, minus, step, record);
        return;
    }
    if (open.directCount++ == 0) open.firstDirect = out_.terms_.size();
    out_.terms_.emplace_back(label, amount, minus, step, record);
}

std::span<const ExplainTerm> ExplanationBuilder::OpenTerms() const {
    const OpenStep& open = open_.back();
    if (open.direct) return std::span(out_.terms_).subspan(open.firstDirect, size_t(open.directCount));
    return std::span(pending_).subspan(size_t(open.firstPending));
}

void ExplanationBuilder::Add(const QString& label, Money amount, bool minus) {
    AddTerm(label, amount, minus, -1, {});
}

void ExplanationBuilder::Add(const QString& label, const RecordRef& record, Money amount, bool minus) {
    AddTerm(label, amount, minus, -1, record);
}

void ExplanationBuilder::Name(const RecordRef& record) {
    out_.named_.emplace_back(open_.back().step, record);
}

void ExplanationBuilder::AddStep(StepId step, bool minus, const QString& label) {
    // An empty label: the step's title names it (see Explanation::LabelOf).
    AddTerm(label, out_.steps_[size_t(step)].Amount, minus, step, {});
}

ExplanationBuilder::StepId ExplanationBuilder::Commit() {
    const OpenStep open = open_.back();
    open_.pop_back();
    ExplainStep& step = out_.steps_[size_t(open.step)];
    if (open.direct) {
        step.firstTerm_ = qint32(open.directCount > 0 ? open.firstDirect : out_.terms_.size());
        step.termCount_ = open.directCount;
        return open.step;
    }
    step.firstTerm_ = qint32(out_.terms_.size());
    step.termCount_ = qint32(pending_.size()) - open.firstPending;
    out_.terms_.insert(out_.terms_.end(), std::make_move_iterator(pending_.begin() + open.firstPending),
                       std::make_move_iterator(pending_.end()));
    pending_.resize(size_t(open.firstPending));
    return open.step;
}

ExplanationBuilder::StepId ExplanationBuilder::Close(Money amount) {
    Current().Amount = amount;
    return Commit();
}

ExplanationBuilder::StepId ExplanationBuilder::CloseEvaluated() {
    ExplainStep& step = Current();
    step.Amount = Explanation::Evaluate(step, OpenTerms()).value_or(Money());
    return Commit();
}

ExplanationBuilder::StepId ExplanationBuilder::CloseGroup() {
    Current().Op = ExplainOp::Group;
    return Commit();
}

void ExplanationBuilder::Drop() {
    const OpenStep open = open_.back();
    open_.pop_back();
    out_.steps_.resize(size_t(open.step));
    std::erase_if(out_.named_, [&](const auto& named) { return named.first >= open.step; });
    out_.terms_.resize(open.termsBefore);
    pending_.resize(size_t(open.firstPending));
    if (!open_.empty()) --open_.back().children;
}

void ExplanationBuilder::Finish() {
    while (!open_.empty())
        Commit();
    std::vector<ExplainStep>& steps = out_.steps_;
    for (ExplainStep& step : steps)
        step.childCount_ = 0;
    for (const ExplainStep& step : steps)
        if (step.parent_ >= 0) ++steps[size_t(step.parent_)].childCount_;
    qint32 next = 0;
    for (ExplainStep& step : steps) {
        step.firstChild_ = next;
        next += step.childCount_;
        step.childCount_ = 0;
    }
    out_.children_.assign(size_t(next), -1);
    for (size_t i = 0; i < steps.size(); ++i) {
        const qint32 parent = steps[i].parent_;
        if (parent < 0) continue;
        ExplainStep& p = steps[size_t(parent)];
        steps[i].row_ = p.childCount_;
        out_.children_[size_t(p.firstChild_ + p.childCount_++)] = StepId(i);
    }
}

QString LabelOf(const QString& title) {
    if (title.isEmpty() || !title[0].isUpper()) return title;
    // An abbreviation keeps its capitals ("ОКАТО", "ЦБ").
    if (title.size() > 1 && title[1].isUpper()) return title;
    return title[0].toLower() + title.mid(1);
}
