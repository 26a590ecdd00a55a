#pragma once

#include "screens/MyFrame.h"

#include <memory>

namespace Ui {
class TfrFramePensDeduct;
}
class TListEditor;
class TMaskedEdit;

// "Социальные налоговые вычеты": the grant flag, six amounts spent, the amounts paid for children's
// education and the pension contracts. The lists change the record at once; the amounts on Store.
class TfrFramePensDeduct : public TThinkingFrame {
    Q_OBJECT

public:
    // Positions are those of SocialDeductionPosition.
    TfrFramePensDeduct(QWidget* owner, ScreenHost& host);
    ~TfrFramePensDeduct() override;

    void Store() override;
    quint16 Check() override;
    void ShowPosition(quint16 position) override;
    // The line of a child-education amount.
    void ShowLine(quint16 line) override;

    TListEditor& ChildEducationList() const { return *childEducation_; }
    TListEditor& ContractList() const { return *contracts_; }

private:
    void Fill();
    void GrantClicked();
    // Enables the amounts, the lists and their buttons as the grant box says; unticked, the amounts
    // are emptied and both lists are deleted from the record.
    void ApplyGrant();
    QList<TMaskedEdit*> Amounts() const;

    std::unique_ptr<Ui::TfrFramePensDeduct> ui;
    std::unique_ptr<TListEditor> childEducation_;
    std::unique_ptr<TListEditor> contracts_;
};
