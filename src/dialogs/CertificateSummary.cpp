#include "dialogs/CertificateSummary.h"

#include "certificates/CertificateImport.h"

#include "ui_CertificateSummary.h"

TfmCertificateSummary::TfmCertificateSummary(QWidget* parent, const TCertificateImport& import)
    : QDialog(parent), ui(std::make_unique<Ui::TfmCertificateSummary>()) {
    ui->setupUi(this);
    QStringList lines;
    for (const PlannedSource& source : import.Sources())
        lines << (source.Duplicate ? QStringLiteral("Уже есть в декларации, строки будут заменены: ")
                                   : QStringLiteral("Будет добавлено: ")) +
                     source.Summary();
    if (lines.isEmpty()) lines << QStringLiteral("В справках нет доходов, которые можно добавить.");
    ui->lbSources->setText(lines.join(QLatin1Char('\n')));
    const QStringList standard = import.Standard().Texts();
    ui->gbStandard->setVisible(!standard.isEmpty());
    ui->lbStandard->setText(standard.join(QLatin1Char('\n')));
    if (import.HasDuplicates()) ui->bnAdd->setText(QStringLiteral("Заменить строки"));
    ui->bnAdd->setEnabled(!import.Sources().isEmpty());
    connect(ui->bnAdd, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->bnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TfmCertificateSummary::~TfmCertificateSummary() = default;

bool TfmCertificateSummary::ApplyStandard() const {
    return !ui->gbStandard->isHidden() && ui->chbApplyStandard->isChecked();
}
