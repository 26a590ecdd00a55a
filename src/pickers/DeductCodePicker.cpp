#include "pickers/DeductCodePicker.h"

#include "reference/DeductionProposal.h"

TfmInputDeductCode::TfmInputDeductCode(QWidget* owner, bool allDeductions, const QString& currentCode,
                                       const QString& incomeCode, const mTIncomeDictionary& dictionary)
    : TCodeListPicker(owner, QStringLiteral("Справочник видов вычетов"), QStringLiteral("lvDeductNames"),
                      {QStringLiteral("Код"), QStringLiteral("Виды вычетов")}),
      dictionary_(dictionary), incomeCode_(incomeCode) {
    resize(720, 360);
    SetRows(dictionary_.DeductionRows(incomeCode_, allDeductions));
    const IncomeEntry* income = dictionary_.FindIncome(incomeCode_);
    if (income && !income->Deductions.isEmpty()) {
        const int row = RowOfCode(currentCode);
        SelectRow(row >= 0 ? row : 0);
    }
}

void TfmInputDeductCode::Chosen(int row) {
    const DeductionEntry* entry = row < 0 ? nullptr : dictionary_.FindDeduction(incomeCode_, code_);
    chosen_ = entry != nullptr;
    entry_ = entry ? *entry : DeductionEntry();
    if (entry) name_ = entry->Name;
}

std::optional<Money> TfmInputDeductCode::Proposal(std::optional<Money> base) const {
    if (!chosen_) return std::nullopt;
    return ProposeDeduction(entry_, base);
}
