#pragma once

#include "checks/ScreenPositions.h"
#include "screens/MyFrame.h"

#include <memory>

namespace Ui {
class TfrPersonData;
}
class TFlashButton;

// "Сведения о декларанте": the name page and the address page of the taxpayer, one shown at a time.
// Storing, checking and showing a position go to the page shown.
class TfrPersonData : public TThinkingFrame {
    Q_OBJECT

public:
    // The pages are those of PersonDataPage.
    TfrPersonData(QWidget* owner, ScreenHost& host);
    ~TfrPersonData() override;

    void Store() override;
    quint16 Check() override;
    void ShowPosition(quint16 position) override;
    // Shows the page (replacing the one shown, without storing it) and the position on it.
    void ShowSubScreen(int page, quint16 position) override;

    TThinkingFrame* CurrentPage() const { return page_; }
    int CurrentPageKind() const { return pageKind_; }

private:
    void PageButtonPressed(int page);
    void ReplacePage(int page);
    TFlashButton* ButtonOf(int page) const;

    std::unique_ptr<Ui::TfrPersonData> ui;
    TThinkingFrame* page_ = nullptr;
    int pageKind_ = PersonDataPage::Name;
};
