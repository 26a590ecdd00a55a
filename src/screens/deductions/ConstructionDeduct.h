#pragma once

#include "screens/MyFrame.h"
#include "storage/Date.h"

#include <memory>
#include <optional>

class TDatePicker;

namespace Ui {
class TfrConstructionDeduct;
}

// The property deduction on buying or building housing: the object (kind, ownership, way of acquisition,
// address, dates, share, year of first use) on one page and the amounts on the other. It edits the
// declaration's property-deduction record and the root's pensioner flag.
class TfrConstructionDeduct : public TThinkingFrame {
    Q_OBJECT

public:
    // Positions are those of PropertyDeductionPosition.
    TfrConstructionDeduct(QWidget* owner, ScreenHost& host);
    ~TfrConstructionDeduct() override;

    void Store() override;
    quint16 Check() override;
    void ShowPosition(quint16 position) override;

    // The page shown: false the object, true the amounts.
    bool AmountsPageShown() const;

private:
    void Fill();
    QList<TDatePicker*> Dates() const;
    void PickRegion();
    void ShowAmountsPage(bool amounts);
    // Enabling follows the grant box, the way of acquisition, the object kind and the ownership.
    void UpdateEnabling();
    // The object list offers items 1-4 under investment and all seven under a purchase.
    void ApplyAcquisition();
    void ApplyPensionerLimits();
    void PensionerClicked();

    std::unique_ptr<Ui::TfrConstructionDeduct> ui;
    // The seven object kinds as the form lists them; investment shows the first four.
    QStringList objectKinds_;
    QString regionName_;
    // The stored first-use year while the user has not changed the year shown (a stored year outside the
    // stepper's range is kept as it was).
    std::optional<TDateTime> storedFirstUse_;
};
