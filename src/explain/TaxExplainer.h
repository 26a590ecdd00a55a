#pragma once

#include "computation/SvodSum.h"
#include "explain/ExplanationBuilder.h"
#include "records/Declaration.h"

#include <QHash>
#include <algorithm>
#include <initializer_list>
#include <optional>
#include <vector>

// Builds the explanation of one computed declaration. The steps read the computed result objects;
// where the computation keeps no intermediate value, a step's amount is what its formula gives.
// Each sheet family has its own source file.
class TaxExplainer {
public:
    TaxExplainer(const mTDeclaration& declaration, const kTSvodSum& sum, Explanation& out);
    void Build();

private:
    using StepId = Explanation::StepId;

    // Sections of the tree.
    void Rate13();
    void Rate30();
    void Rate35();
    void Rate9();
    void Rate15();
    void PaymentLines();

    // Income (IncomeSteps.cpp).
    StepId LineSources(const QString& title, RecordSection section,
                       const mTRecordList<mTThirteenPercent>& list, const Money& total,
                       const ResultRef& result, const ResultRef& also);
    StepId Withheld(const QString& title, RecordSection section, const mTRecordList<mTThirteenPercent>& list,
                    const Money& total, const ResultRef& result, const ResultRef& also);
    StepId Income35();
    StepId Withheld35();
    StepId Dividends(const QString& title, const char* sheet, const char* field, const Money& total,
                     Money mTThirtyPercent::*value, const char* recordField, const ResultRef& also);
    StepId BusinessIncome();
    StepId PracticeIncome();
    StepId ForeignIncome(const kTSvodSumPrilB& sheet, const char* name);
    // The Russian tax on one foreign income of the sheet.
    StepId ForeignTax(const kTSvodSumPrilB& sheet, const char* name, size_t row);
    // The Russian tax on every foreign income of the sheet; rowTax gets the step of each row.
    StepId ForeignTaxTotal(const kTSvodSumPrilB& sheet, const char* name, std::vector<StepId>& rowTax);
    // The credit of the tax paid abroad, row by row; rowTax holds the rows' tax steps built before, if any.
    StepId ForeignCredit(const kTSvodSumPrilB& sheet, const char* name, const std::vector<StepId>& rowTax,
                         const ResultRef& also);
    StepId NoticePayments(std::span<const QLatin1String> codes, const Money& total, const ResultRef& result);

    // Exempt income (ExemptSteps.cpp).
    StepId ExemptIncome(const ResultRef& also);
    StepId PrizeExemptions(const ResultRef& also);
    StepId MaterialBenefitTax();
    StepId FarmPay();

    // Deductions (DeductionSteps.cpp, PropertySteps.cpp, InvestmentSteps.cpp).
    StepId Deductions13(const ResultRef& result);
    StepId StandardDeductions();
    StepId SocialDeductions();
    // The pension contracts of one kind; agentSteps gets the steps of what employers deducted.
    StepId PensionContracts(const std::vector<kTSvodSumPensionItem>& items, bool provision,
                            const Money& total, std::vector<StepId>& agentSteps);
    StepId PropertySale();
    StepId Housing();
    StepId Securities(const ResultRef& also);
    StepId Professional(const kTSvodSumPrilGGroups& sheet, const char* name, bool foreign);
    StepId BusinessDeduction(const kTSvodSumPrilV& sheet, const char* name, bool practice);

    // The tax computed against what was paid: the refund and the payment of a rate.
    void Settle(const char* sheet, StepId tax, std::initializer_list<StepId> paid, StepId credit,
                const Money& refundable, const Money& payable);

    // The sheet run again on its own with a log of what each income line added to which field. The
    // sheets replayed read nothing of the other results, so the replay gives the same amounts.
    template <class Sheet, class Logged = Sheet> std::vector<IncomeShare<Logged>> Replay() const {
        std::vector<IncomeShare<Logged>> shares;
        Sheet replay;
        replay.Shares = &shares;
        replay.Compute(d_, const_cast<kTSvodSum&>(sum_));
        return shares;
    }
    // Inputs from the incomes a sheet's replay logged for one of its fields (IncomeShareLog): each
    // income as the value of the declaration it is, or as a step where the sheet took less of it.
    // Beyond this many, lines are one input "по N строкам": a formula of hundreds of lines tells nothing.
    static constexpr int MostListed = 12;
    template <class Sheet>
    void AddShares(const std::vector<IncomeShare<Sheet>>& shares, Money Sheet::*field, RecordSection lines,
                   bool deductionFirst, std::optional<Money> limit = {}) {
        const int count = ShareCount(shares, field);
        if (count > MostListed) {
            Money total;
            for (const IncomeShare<Sheet>& share : shares)
                if (share.Field == field) total += share.Amount;
            b_.Add(ManyLines(count), total);
            return;
        }
        for (const IncomeShare<Sheet>& share : shares)
            if (share.Field == field) AddShare(share.Item, share.Amount, lines, deductionFirst, limit);
    }
    static QString ManyLines(int count);
    template <class Sheet>
    static int ShareCount(const std::vector<IncomeShare<Sheet>>& shares, Money Sheet::*field) {
        return int(std::count_if(shares.begin(), shares.end(),
                                 [&](const auto& share) { return share.Field == field; }));
    }
    // The shares of one field as one input: the single income, or a step adding them up.
    template <class Sheet>
    void AddSharesAsOne(const QString& title, const std::vector<IncomeShare<Sheet>>& shares,
                        Money Sheet::*field, RecordSection lines, bool deductionFirst) {
        if (ShareCount(shares, field) == 1) return AddShares(shares, field, lines, deductionFirst);
        b_.Open(title);
        AddShares(shares, field, lines, deductionFirst);
        b_.AddStep(b_.CloseEvaluated());
    }
    void AddShare(const IncomeItem& item, Money amount, RecordSection lines, bool deductionFirst,
                  std::optional<Money> limit);
    QString ItemLabel(const IncomeItem& item, RecordSection lines) const;
    RecordRef ItemRef(const IncomeItem& item, RecordSection lines, bool deduction) const;

    // The step of a result field explained before; -1 when there is none.
    StepId Known(const Money& field) const { return stepOf_.value(&field, -1); }
    // Closes the open step with the field's amount as the step reproducing the field.
    StepId CloseAs(const Money& field, const ResultRef& result, const ResultRef& also = {});
    // A step's amount as an input, when there is a step and an amount.
    void AddIf(StepId step, bool minus = false, const QString& label = {});
    // The 13 % sources (of a non-resident: its 13 % list) and their section.
    const mTRecordList<mTThirteenPercent>& Sources13() const;
    RecordSection Section13() const;
    QString SourceTitle(const mTSourseIncomeInfo& source, int index) const;
    // "Код дохода 2000", made once per code.
    const QString& CodeTitle(qint32 code);

    const mTDeclaration& d_;
    const kTSvodSum& sum_;
    std::vector<std::pair<qint32, QString>> codeTitles_;
    ExplanationBuilder b_;
    const bool nonResident_;
    QHash<const Money*, StepId> stepOf_;
};

// Nothing but spaces, or nothing at all.
bool IsBlank(QStringView text);

// Result and record references, short.
inline ResultRef Field(const char* sheet, const char* field) {
    return {sheet, field, nullptr, -1, -1};
}
inline ResultRef RowField(const char* sheet, const char* list, size_t row, const char* field) {
    return {sheet, field, list, qint32(row), -1};
}
inline ResultRef Element(const char* sheet, const char* field, size_t index) {
    return {sheet, field, nullptr, -1, qint32(index)};
}
inline ResultRef RowElement(const char* sheet, const char* list, size_t row, const char* field,
                            size_t index) {
    return {sheet, field, list, qint32(row), qint32(index)};
}
// index and line are positions from 0; -1 for a record of its own or a field of the record itself.
inline RecordRef Ref(RecordSection section, int index, int line, const char* field) {
    return {section, index + 1, line + 1, field};
}
