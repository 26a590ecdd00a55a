#pragma once

#include "reference/pickers/CodeListPicker.h"
#include "storage/Money.h"

#include <pugixml.hpp>

// The deduction-code picker for one income code of the embedded dictionary. Without the
// all-deductions flag it lists only the entries whose codes begin with "20" or "5", and "0".
class TfmInputDeductCode : public TCodeListPicker {
    Q_OBJECT

public:
    TfmInputDeductCode(QWidget* owner, bool allDeductions, const QString& currentCode,
                       const QString& incomeCode, const pugi::xml_node& dictionary);

    // The chosen entry's rule: the limit (0 = none), whether the amount is typed, equals the income,
    // is shown, and the percent of the income it is (0 = not a percentage).
    Money Limit() const { return limit_; }
    bool Editable() const { return editable_; }
    bool Equivalent() const { return equivalent_; }
    bool Visible() const { return visible_; }
    qint32 Percent() const { return percent_; }

protected:
    void Chosen(int row) override;

private:
    pugi::xml_node income_;
    Money limit_;
    bool editable_ = false;
    bool equivalent_ = false;
    bool visible_ = false;
    qint32 percent_ = 0;
};
