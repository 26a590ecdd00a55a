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
    // Positions of the screen's check.
    enum Position : quint16 {
        PosInspection = 1,
        PosEstimatedIncome = 2,
        PosRepresentativeName = 3,
        PosRepresentativeDocument = 4,
        PosRepresentativeOrg = 5
    };

    TfrInitialData(QWidget* owner, DeclarationField* declarationRef);
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
    // "Вычеты" follows the ticked income boxes (and, for the first box, the non-resident return).
    void EnableDeductions(bool exceptNonResident);
    void EnableSection(int section, bool enabled);
    bool AnyIncomeBox() const;

    std::unique_ptr<Ui::TfrInitialData> ui;
};
