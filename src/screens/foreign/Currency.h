#pragma once

#include "screens/MyFrame.h"
#include "storage/Date.h"
#include "storage/Money.h"

#include <memory>
#include <optional>

class mTCurrencyIncome;
class mTCurrencyRates;
class TListEditor;
class TMaskedEdit;
struct CurrencyEntry;
struct CurrencyRate;
namespace Ui {
class TfrCurrency;
}

// "Доходы за пределами РФ": incomes received abroad in a foreign currency, each with its source and
// country, the dates of receipt and of the tax paid abroad, the central bank's rates on those dates
// (from the rates file beside the program, or typed), the income code with its deduction, and both
// amounts in the currency with their roubles.
class TfrCurrency : public TThinkingFrame {
    Q_OBJECT

public:
    // Positions are record numbers, counted from 1.
    TfrCurrency(QWidget* owner, ScreenHost& host);
    ~TfrCurrency() override;

    void Store() override;
    quint16 Check() override;
    void ShowPosition(quint16 position) override;
    void AfterSectionOpened() override;

private:
    // The two rate lines: on the day of the income and on the day the tax was paid.
    enum class Line { Income, Tax };

    mTCurrencyIncome& Record(int row) const;
    std::optional<int> AddRecord();
    bool EditRecord(int row);
    // After a deletion: the record before the deleted one is shown, or the fields close with the last.
    void ShowNeighbour(int row);
    void ShowRecord(int row);
    void StoreRecord(int row);
    void ClearFields();

    void EnableControls(bool on);
    void UpdateRateFields();
    const mTCurrencyRates* Rates() const;
    TDateTime DayOf(Line line) const;
    // The rate of the currency shown on the day of the line, when the rates file has one.
    std::optional<CurrencyRate> RateOn(Line line) const;
    void FillLine(Line line, const std::optional<CurrencyRate>& rate);
    // Puts the rate of the line from the file (when the box is ticked) or clears it, and opens the
    // box while the file knows a rate; without one the box is closed and unticked.
    void FollowRate(Line line);
    void UncheckAutoExchange();
    // Shows the currency's name: the file's (read-only) when the file knows the currency, else name.
    void ShowCurrencyName(const QString& name);

    void CurrencyCodeChanged();
    void AutoExchangeToggled(bool checked);
    void DateChanged(Line line);
    void IncomeLineChanged();
    void TaxLineChanged();
    void ProposeDeductionAgain();
    void DeductionTyped();
    void PickCurrency();
    void PickIncomeCode();
    void PickDeductionCode();
    void ClearDeduction();

    std::unique_ptr<Ui::TfrCurrency> ui;
    std::unique_ptr<TListEditor> editor_;
    // Set while the screen fills its fields from a record: their change events then only show.
    bool filling_ = false;
    bool controlsOn_ = false;
    // The record's wish for the automatic rate, kept while no rate is known for its currency and day
    // (the box is then unticked and disabled): it is ticked again as soon as a rate is found.
    bool autoRateWanted_ = false;
    // The income code shown: its rate, its name and whether deductions may be claimed against it.
    qint32 taxRate_ = 0;
    QString incomeName_;
    bool hasDeduction_ = false;
    // The deduction chosen: its percentage of the income, its limit and whether it equals the income.
    qint32 percent_ = 0;
    Money limit_;
    bool equivalent_ = false;
    // The currency of the code shown as the rates file has it; nullptr when the file lacks it.
    const CurrencyEntry* currency_ = nullptr;
};
