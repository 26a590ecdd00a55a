#pragma once

#include "checks/ScreenPositions.h"
#include "screens/SubScreenContainer.h"

#include <memory>

namespace Ui {
class TfrPersonData;
}

// "Сведения о декларанте": the name page and the address page of the taxpayer, one shown at a time.
// The pages are those of PersonDataPage.
class TfrPersonData : public TSubScreenContainer {
    Q_OBJECT

public:
    TfrPersonData(QWidget* owner, ScreenHost& host);
    ~TfrPersonData() override;

    // Shows the page (replacing the one shown, without storing it) and the position on it.
    void ShowSubScreen(int page, quint16 position) override;

    TThinkingFrame* CurrentPage() const { return CurrentSubScreen(); }
    int CurrentPageKind() const { return CurrentSubScreenKind(); }

protected:
    TThinkingFrame* CreateSubScreen(int& page, QWidget* panel) override;
    TFlashButton* ButtonOf(int page) const override;

private:
    std::unique_ptr<Ui::TfrPersonData> ui;
};
