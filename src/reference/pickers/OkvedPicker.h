#pragma once

#include <QDialog>
#include <array>
#include <memory>
#include <pugixml.hpp>

class QComboBox;
class ICheckAnswerer;
namespace Ui {
class TFormOKVED;
}

// The activity-code picker: six drop-down lists, one per level of the classifier; choosing an entry
// narrows the deeper lists to its descendants and shows its code in edOKV. "Да" refuses a code of
// three characters or fewer unless the user chooses to skip the check.
class TFormOKVED : public QDialog {
    Q_OBJECT

public:
    TFormOKVED(QWidget* owner, const pugi::xml_node& root);
    ~TFormOKVED() override;

    QString ChosenCode() const; // the text of edOKV
    QString ChosenKod() const { return kod_; }
    QComboBox* Level(int level) const { return levels_[level - 1]; }
    // Answers the length check instead of the dialog (not owned).
    void SetCheckAnswerer(ICheckAnswerer* answerer) { answerer_ = answerer; }

public slots:
    void accept() override;

private:
    void LevelChanged(int level, int index);
    void Refill(int level);

    std::unique_ptr<Ui::TFormOKVED> ui;
    pugi::xml_node root_;
    std::array<QComboBox*, 6> levels_{};
    QString kod_;
    ICheckAnswerer* answerer_ = nullptr;
    bool filling_ = false;
};
