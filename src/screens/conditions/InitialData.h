#pragma once

#include "screens/MyFrame.h"

#include <memory>

namespace Ui {
class TfrInitialData;
}

// "Задание условий": the kind of return, the tax office, the correction number, the taxpayer's
// category, the kinds of income (which open the income sections at once) and the signer.
class TfrInitialData : public TThinkingFrame {
    Q_OBJECT

public:
    // Positions are those of ConditionsPosition.
    TfrInitialData(QWidget* owner, ScreenHost& host);
    ~TfrInitialData() override;

    void Store() override;
    quint16 Check() override;
    void ShowPosition(quint16 position) override;

private:
    void Fill();
    // Click reactions of the choices.
    void IncomeBoxClicked(int box);
    void ReturnKindChosen();
    void SignerChosen();
    void AutoSheetCountClicked();
    void PickInspection();
    // The kind of return and the kinds of income as the controls hold them now.
    quint8 ChosenReturnKind() const;
    quint8 ChosenIncomeKinds() const;
    // The section buttons follow the choices at once.
    void ShowOpenSections();

    std::unique_ptr<Ui::TfrInitialData> ui;
};
