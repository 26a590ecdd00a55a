#pragma once

#include "screens/MyFrame.h"

#include <memory>
#include <optional>

class mTBusinessNew;
class TListEditor;
namespace Ui {
class TfrBusinessNew;
}

// "Предприниматели": the kinds of business and private-practice activity with their income and
// expenses (documented, or the 20 % norm), and the advance payments and the farm of the declaration.
class TfrBusinessNew : public TThinkingFrame {
    Q_OBJECT

public:
    // Positions are activity numbers, counted from 1.
    TfrBusinessNew(QWidget* owner, ScreenHost& host);
    ~TfrBusinessNew() override;

    void Store() override;
    quint16 Check() override;
    void ShowPosition(quint16 position) override;
    void AfterSectionOpened() override;

    // The year range of the farm's stepper and where it starts from an empty field.
    static constexpr int FirstFarmYear = 1997;
    static constexpr int LastFarmYear = 2010;
    static constexpr int DefaultFarmYear = 2008;

private:
    mTBusinessNew& Activity(int row) const;
    QString Caption(int row) const;
    std::optional<int> AddActivity();
    bool EditActivity(int row);
    // After a deletion: the activity before the deleted one is shown, or its fields close with the last.
    void ShowNeighbour(int row);
    void ShowActivity(int row);
    void StoreActivity(int row);
    void ClearActivity();

    // The activity's fields are open while there is an activity; closed, they hold no advance
    // payments and no farm.
    void EnableActivityControls(bool enabled);
    void ShowExpenseKind(bool documented);
    void DocumentedClicked();
    void FarmClicked();
    void UpdateFarmControls();
    void IncomeChanged();
    void StepFarmYear(int step);

    std::unique_ptr<Ui::TfrBusinessNew> ui;
    std::unique_ptr<TListEditor> editor_;
    bool controlsEnabled_ = false;
};
