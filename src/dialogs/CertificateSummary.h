#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TfmCertificateSummary;
}
class TCertificateImport;

// What an import of certificates will do, before anything changes: each source it adds ("Будет добавлено:
// …") or whose lines it replaces, and the standard deductions the certificates propose, to be confirmed.
// Sources of agents already in the declaration are replaced only with "Заменить строки".
class TfmCertificateSummary : public QDialog {
    Q_OBJECT

public:
    TfmCertificateSummary(QWidget* parent, const TCertificateImport& import);
    ~TfmCertificateSummary() override;

    // The user confirmed the standard deductions proposed.
    bool ApplyStandard() const;

private:
    std::unique_ptr<Ui::TfmCertificateSummary> ui;
};
