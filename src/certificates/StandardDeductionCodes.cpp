#include "certificates/StandardDeductionCodes.h"

#include "computation/StandardDeduction.h"
#include "records/StandartDeduct.h"

#include <array>

namespace StandardDeductionCodes {

namespace {

// The standard-deduction codes of the 2010 certificates (pp. 1–4 p. 1 art. 218 of the Tax Code).
constexpr std::array<Code, 9> Codes = {{
    {103, Deduction::Personal, false, 400},
    {104, Deduction::Personal, false, 500},
    {105, Deduction::Personal, false, 3000},
    {108, Deduction::Children, false, 1000},
    {109, Deduction::DisabledChildren, false, 2000},
    {110, Deduction::Children, true, 2000},
    {111, Deduction::Children, true, 2000},
    {112, Deduction::DisabledChildren, true, 4000},
    {113, Deduction::DisabledChildren, true, 4000},
}};

constexpr qint32 ChildOrdinary = 101;
constexpr qint32 ChildSingleParent = 102;

// The months (by the block's lines) in which an agent may grant the children's deductions: those with
// income before the income since January exceeds the limit, counted as the computation counts them.
int ChildMonths(const CertificateRateBlock& block) {
    std::array<Money, 12> income{};
    std::array<bool, 12> present{};
    for (const CertificateIncomeLine& line : block.Lines) {
        income[line.Month - 1] += line.Income - line.Deduction;
        present[line.Month - 1] = true;
    }
    std::array<Money, 12> cumulative{};
    Money running;
    for (size_t m = 0; m < 12; ++m)
        cumulative[m] = running += income[m];
    const size_t stop = kTSvodSumPrilE1::StopMonth(cumulative, kTSvodSumPrilE1::ChildIncomeLimit);
    int months = 0;
    for (size_t m = 0; m < stop; ++m)
        months += present[m] ? 1 : 0;
    return months;
}

// The number of children a deduction was granted for; none when it is no whole number.
std::optional<qint32> Children(Money amount, qint64 perMonth, int months) {
    const qint64 perYear = perMonth * months * Money::Scale;
    if (months == 0 || amount.Raw() % perYear != 0) return std::nullopt;
    return qint32(amount.Raw() / perYear);
}

void TakeLarger(std::optional<qint32>& kept, std::optional<qint32> value) {
    if (value && (!kept || *value > *kept)) kept = value;
}

} // namespace

const Code* Find(qint32 code) {
    for (const Code& c : Codes)
        if (c.Code == code) return &c;
    return nullptr;
}

bool GrantsStandard(const CertificateRateBlock& block) {
    for (const CertificateDeduction& d : block.Deductions)
        if (Find(d.Code)) return true;
    return false;
}

void Propose(const CertificateRateBlock& block, Proposal& proposal) {
    const int months = ChildMonths(block);
    for (const CertificateDeduction& d : block.Deductions) {
        const Code* code = Find(d.Code);
        if (!code) continue;
        if (code->Kind == Deduction::Personal) {
            TakeLarger(proposal.PersonalCode, code->Code);
            continue;
        }
        const qint32 kind = code->Double ? ChildSingleParent : ChildOrdinary;
        if (proposal.ChildKind.value_or(kind) != kind) {
            // Ordinary and doubled codes both: the months of each are the user's to set.
            proposal.ChildKind = 0;
        } else {
            proposal.ChildKind = kind;
        }
        std::optional<qint32>& count =
            code->Kind == Deduction::Children ? proposal.ChildrenCount : proposal.DisabledCount;
        TakeLarger(count, Children(d.Amount, code->PerMonth, months));
    }
}

QStringList Proposal::Texts() const {
    QStringList texts;
    if (PersonalCode) {
        const Code* code = Find(*PersonalCode);
        texts << QStringLiteral("Код %1 - %2 в месяц").arg(*PersonalCode).arg(code ? code->PerMonth : 0);
    }
    if (ChildKind == ChildOrdinary)
        texts << QStringLiteral("Вычет на ребенка (детей)");
    else if (ChildKind == ChildSingleParent)
        texts << QStringLiteral("Вычет на ребенка (детей) одинокому родителю");
    else if (ChildKind)
        texts << QStringLiteral("Вычет на детей: в справках и обычный, и двойной вычет; выберите его на "
                                "экране стандартных вычетов");
    if (ChildrenCount) texts << QStringLiteral("Число детей: %1").arg(*ChildrenCount);
    if (DisabledCount) texts << QStringLiteral("Число детей-инвалидов I и II групп: %1").arg(*DisabledCount);
    return texts;
}

void Proposal::ApplyTo(mTStandartDeduct& record) const {
    record.GrantStandard = 1;
    if (PersonalCode) {
        record.PersonalCode = *PersonalCode;
        record.PersonalCombination = 0;
    }
    if (ChildKind == ChildOrdinary || ChildKind == ChildSingleParent) {
        record.ChildKind = *ChildKind;
        record.ChildCombination = 0;
    }
    if (ChildrenCount) {
        record.ChildrenConstant = 1;
        record.ChildrenCount = *ChildrenCount;
        record.ChildrenByMonth.fill(*ChildrenCount);
    }
    if (DisabledCount) {
        record.DisabledConstant = 1;
        record.DisabledCount = *DisabledCount;
        record.DisabledByMonth.fill(*DisabledCount);
    }
}

} // namespace StandardDeductionCodes
