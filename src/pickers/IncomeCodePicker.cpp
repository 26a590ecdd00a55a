#include "pickers/IncomeCodePicker.h"

TfmInputIncomeCode::TfmInputIncomeCode(QWidget* owner, bool nonResident, const QString& currentCode,
                                       const QString& rateFilter, const mTIncomeDictionary& dictionary)
    : TCodeListPicker(owner, QStringLiteral("Справочник видов доходов"), QStringLiteral("lvIncomeNames"),
                      {QStringLiteral("Код"), QStringLiteral("Наименование дохода")}),
      dictionary_(dictionary), rateFilter_(rateFilter) {
    resize(720, 480);
    SetRows(dictionary_.IncomeRows(rateFilter_, nonResident));
    const int row = RowOfCode(currentCode);
    SelectRow(row >= 0 ? row : 0);
}

void TfmInputIncomeCode::Chosen(int row) {
    choice_ = row < 0 ? IncomeChoice() : dictionary_.ChooseIncome({code_, name_}, rateFilter_);
}
