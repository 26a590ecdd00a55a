#pragma once

#include "screens/MyFrame.h"

#include <array>
#include <memory>

namespace Ui {
class TfrFrameStandartDeduct;
}
class QCheckBox;
class QScrollBar;
class TMaskedEdit;

// "Стандартные налоговые вычеты (коды 103-113)": whether standard deductions are granted, the personal
// code (or one per month), the children's deduction (or the single-parent status per month), the number
// of children and of disabled children (constant or per month) and, for entrepreneurs and private
// practice, the income and expenses of each month. The monthly combinations are written at once when
// their dialog is accepted; everything else on Store. The screen has no rules of its own.
class TfrFrameStandartDeduct : public TThinkingFrame {
    Q_OBJECT

public:
    TfrFrameStandartDeduct(QWidget* owner, ScreenHost& host);
    ~TfrFrameStandartDeduct() override;

    void Store() override;
    quint16 Check() override { return 0; }
    void ShowPosition(quint16) override {}

    // The income and expense grid is open only with business or private-practice income.
    bool GridAvailable() const { return gridAvailable_; }

private:
    // One of the two counts (children, disabled children): constant for the year or month by month.
    struct CountPart {
        QCheckBox* constant = nullptr;
        TMaskedEdit* count = nullptr;
        QScrollBar* stepper = nullptr;
        std::array<TMaskedEdit*, 12> months{};
    };

    void Fill();
    void FillCount(const CountPart& part, bool constant, qint32 count, const std::array<qint32, 12>& months);
    void StoreCount(const CountPart& part, quint8& constant, qint32& count,
                    std::array<qint32, 12>& months) const;
    // Enables the controls as the grant box, the constant boxes and the grid's availability say.
    void ApplyEnabled();
    void ConstantClicked(const CountPart& part);
    void CountChanged(const CountPart& part);
    void PersonalCombinationClicked();
    void ChildCombinationClicked();
    void GridValueTyped(int month);
    void MarkClicked(int month);

    std::unique_ptr<Ui::TfrFrameStandartDeduct> ui;
    CountPart children_;
    CountPart disabled_;
    std::array<QCheckBox*, 12> marks_{};
    std::array<TMaskedEdit*, 12> incomes_{};
    std::array<TMaskedEdit*, 12> expenses_{};
    bool gridAvailable_ = false;
    bool building_ = false;
};
