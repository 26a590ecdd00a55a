#include "explain/TaxExplainer.h"

#include "explain/TaxExplanation.h"

#include <exception>

void IncomeShareLogs::Attach(kTSvodSum& sum) {
    sum.PrilM.Shares = &PrilM;
    sum.PrilH1.Shares = &PrilH1;
    sum.PrilJ.Shares = &PrilJ;
    sum.PrilG.Shares = &PrilG;
    sum.PrilG_In.Shares = &PrilG_In;
}

void IncomeShareLogs::Detach(kTSvodSum& sum) {
    sum.PrilM.Shares = nullptr;
    sum.PrilH1.Shares = nullptr;
    sum.PrilJ.Shares = nullptr;
    sum.PrilG.Shares = nullptr;
    sum.PrilG_In.Shares = nullptr;
}

TaxExplainer::TaxExplainer(const mTDeclaration& declaration, const kTSvodSum& sum, Explanation& out,
                           IncomeShareLogs* logs)
    : d_(declaration), sum_(sum), logs_(logs ? *logs : ownLogs_), logged_(logs != nullptr), b_(out),
      nonResident_(declaration.ReturnKind == ReturnKind3NDFLNonResident) {
    out.NonResident = nonResident_;
}

void TaxExplainer::Build() {
    // Every source and record gives a step or two and a few inputs; every income line an input or two.
    size_t records =
        size_t(d_.IncomeSources35.Count() + d_.IncomeSources30.Count() + d_.CurrencyIncomes.Count() +
               d_.BusinessIncomes.Count() + d_.PracticeIncomes.Count() + d_.TaxPayments.Count());
    size_t lines = 0;
    for (const auto* list : {&d_.IncomeSources13, &d_.IncomeSources13NR})
        for (const auto& source : *list) {
            ++records;
            lines += size_t(source->LineCount());
        }
    b_.Reserve(3 * records + 256, 2 * lines + 6 * records + 512);
    stepOf_.reserve(qsizetype(2 * records + 256));
    b_.Open(QStringLiteral("Расчёт налога на доходы физических лиц за 2010 год"), ExplainOp::Group);
    switch (d_.ReturnKind) {
    case ReturnKind3NDFL:
        b_.Current().Note = QStringLiteral("Декларация 3-НДФЛ налогового резидента Российской Федерации.");
        break;
    case ReturnKind3NDFLNonResident:
        b_.Current().Note =
            QStringLiteral("Декларация 3-НДФЛ лица, не являющегося налоговым резидентом "
                           "Российской Федерации: доходы облагаются по ставкам 30, 15 и 13 %.");
        break;
    default:
        b_.Current().Note =
            QStringLiteral("Декларация 4-НДФЛ указывает предполагаемый доход следующего года: "
                           "налог по ней не рассчитывается.");
        b_.CloseGroup();
        b_.Finish();
        return;
    }
    Rate13();
    Rate30();
    Rate35();
    Rate9();
    Rate15();
    PaymentLines();
    b_.CloseGroup();
    b_.Finish();
}

TaxExplainer::StepId TaxExplainer::CloseAs(const Money& field, const ResultRef& result,
                                           const ResultRef& also) {
    ExplainStep& step = b_.Current();
    step.Result = result;
    step.AlsoResult = also;
    const StepId id = b_.Close(field);
    stepOf_.insert(&field, id);
    return id;
}

void TaxExplainer::AddIf(StepId step, bool minus, const QString& label) {
    if (step >= 0 && !b_.AmountOf(step).IsZero()) b_.AddStep(step, minus, label);
}

const mTRecordList<mTThirteenPercent>& TaxExplainer::Sources13() const {
    return nonResident_ ? d_.IncomeSources13NR : d_.IncomeSources13;
}

RecordSection TaxExplainer::Section13() const {
    return nonResident_ ? RecordSection::IncomeSources13NR : RecordSection::IncomeSources13;
}

bool IsBlank(QStringView text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.isSpace(); });
}

QString TaxExplainer::SourceTitle(const mTSourseIncomeInfo& source, int index) const {
    const QString& name = source.SourceName;
    if (IsBlank(name)) return QStringLiteral("Источник выплаты № ") + QString::number(index + 1);
    return name.front().isSpace() || name.back().isSpace() ? name.trimmed() : name;
}

const QString& TaxExplainer::CodeTitle(qint32 code) {
    // A declaration has a few income codes: a short list finds them fastest.
    for (const auto& [known, title] : codeTitles_)
        if (known == code) return title;
    return codeTitles_.emplace_back(code, QStringLiteral("Код дохода ") + QString::number(code)).second;
}

QString TaxExplainer::ManyLines(int count) {
    return QStringLiteral("по %1 строкам").arg(count);
}

Explanation ExplainResults(const mTDeclaration& declaration, const kTSvodSum& sum) {
    Explanation explanation;
    explanation.Computed = true;
    TaxExplainer(declaration, sum, explanation).Build();
    return explanation;
}

bool ComputeAsEntered(mTDeclaration& declaration, kTSvodSum& sum) {
    // The computation lowers child-education amounts above their limit in the record, so they are put
    // back afterwards.
    const std::vector<Money> childEducation = declaration.SocialDeduction.ChildEducation;
    bool computed = false;
    try {
        sum.Compute(declaration);
        computed = true;
    } catch (const std::exception&) {
    }
    declaration.SocialDeduction.ChildEducation = childEducation;
    return computed;
}

Explanation ExplainDeclaration(mTDeclaration& declaration) {
    // Explaining must not change what the taxpayer entered.
    kTSvodSum sum;
    // The computation logs which income lines make up each amount, so no sheet is run twice.
    IncomeShareLogs logs;
    logs.Attach(sum);
    const bool computed = ComputeAsEntered(declaration, sum);
    IncomeShareLogs::Detach(sum);
    Explanation explanation;
    TaxExplainer(declaration, sum, explanation, &logs).Build();
    explanation.Computed = computed;
    // A sheet that gives up without an error fails the computation as much as one that throws.
    if (!computed) explanation.Error = kTSvodSum::FailureMessage;
    return explanation;
}
