#pragma once

#include "screens/MyFrame.h"

#include <memory>

namespace Ui {
class TfrPersonAddress;
}

// The taxpayer's address page: address in the Russian Federation with its OKATO code, the phone and
// the address abroad.
class TfrPersonAddress : public TThinkingFrame {
    Q_OBJECT

public:
    // Positions are those of AddressPosition.
    TfrPersonAddress(QWidget* owner, ScreenHost& host);
    ~TfrPersonAddress() override;

    void Store() override;
    quint16 Check() override;
    void ShowPosition(quint16 position) override;

    int RegionCode() const { return regionCode_; }

private:
    void Fill();
    void PickRegion();

    std::unique_ptr<Ui::TfrPersonAddress> ui;
    int regionCode_ = 0;
};
