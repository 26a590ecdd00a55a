#pragma once

#include "reference/pickers/CodeListPicker.h"

#include <pugixml.hpp>

// The income-code picker over the embedded dictionary (root element IncomeDict). With a rate filter
// it lists only the incomes of that rate (and, with the non-resident filter, only those a
// non-resident may declare at 13 %).
class TfmInputIncomeCode : public TCodeListPicker {
    Q_OBJECT

public:
    TfmInputIncomeCode(QWidget* owner, bool nonResident, const QString& currentCode,
                       const QString& rateFilter, const pugi::xml_node& dictionary);

    // The chosen income's rate (0 when the rate text is empty) and whether it has deduction entries.
    qint16 Rate() const { return qint16(rate_.trimmed().toInt()); }
    bool HasDeductions() const { return hasDeductions_; }

protected:
    void Chosen(int row) override;

private:
    pugi::xml_node dictionary_;
    QString rateFilter_;
    QString rate_;
    bool hasDeductions_ = false;
};
