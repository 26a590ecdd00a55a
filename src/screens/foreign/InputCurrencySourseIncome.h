#pragma once

#include <QDialog>
#include <memory>

class ScreenHost;
namespace Ui {
class TfmInputCurrencySourseIncome;
}

// "Доход": the name and the country of a source of income abroad. Enter and "Да" ask for the country
// first; the dialog reads and writes no record itself.
class TfmInputCurrencySourseIncome : public QDialog {
    Q_OBJECT

public:
    TfmInputCurrencySourseIncome(QWidget* owner, ScreenHost& host);
    ~TfmInputCurrencySourseIncome() override;

    QString SourceName() const;
    void SetSourceName(const QString& name);
    QString CountryCode() const;
    void SetCountryCode(const QString& code);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // True when the user chose to fix the missing country.
    bool CountryMissing();
    void PickCountry();
    void YesClicked();

    std::unique_ptr<Ui::TfmInputCurrencySourseIncome> ui;
    ScreenHost& host_;
};
