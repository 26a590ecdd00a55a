#pragma once

#include "certificates/CertificateHolders.h"

#include <QDialog>
#include <memory>

namespace Ui {
class TfmCertificatePerson;
}

// Whose certificates to load, when the file does not tell by itself: every person of the file with name,
// birth date and INN; those who match the taxpayer come first and the first of them is chosen.
class TfmCertificatePerson : public QDialog {
    Q_OBJECT

public:
    TfmCertificatePerson(QWidget* parent, const CertificateHolders& holders);
    ~TfmCertificatePerson() override;

    // The position in holders.People of the person chosen; -1 when none is.
    int Chosen() const;

private:
    std::unique_ptr<Ui::TfmCertificatePerson> ui;
};
