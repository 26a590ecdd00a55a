#pragma once

#include "reference/OkvedChoice.h"

#include <QDialog>
#include <array>
#include <memory>

class QComboBox;
class ICheckAnswerer;
namespace Ui {
class TFormOKVED;
}

// The activity-code picker: six drop-down lists, one per level of the classifier; choosing an entry
// narrows the deeper lists to its descendants and shows its code in edOKV. "Да" refuses a code of
// three characters or fewer unless the user chooses to skip the check. The classifier must outlive
// the picker.
class TFormOKVED : public QDialog {
    Q_OBJECT

public:
    TFormOKVED(QWidget* owner, const mTOkvedClassifier& classifier);
    ~TFormOKVED() override;

    QString ChosenCode() const; // the text of edOKV
    QString ChosenKod() const { return choice_.ChosenKod(); }
    QComboBox* Level(int level) const { return levels_[level - 1]; }
    // Answers the length check instead of the dialog (not owned).
    void SetCheckAnswerer(ICheckAnswerer* answerer) { answerer_ = answerer; }

public slots:
    void accept() override;

private:
    void LevelChanged(int level, int index);
    // Shows the lists from the level on as the choice holds them.
    void ShowLevels(int from);

    std::unique_ptr<Ui::TFormOKVED> ui;
    mTOkvedChoice choice_;
    std::array<QComboBox*, mTOkvedClassifier::Levels> levels_{};
    ICheckAnswerer* answerer_ = nullptr;
    bool filling_ = false;
};
