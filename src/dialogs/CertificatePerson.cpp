#include "dialogs/CertificatePerson.h"

#include "ui_CertificatePerson.h"

#include <QHeaderView>

TfmCertificatePerson::TfmCertificatePerson(QWidget* parent, const CertificateHolders& holders)
    : QDialog(parent), ui(std::make_unique<Ui::TfmCertificatePerson>()) {
    ui->setupUi(this);
    ui->lbMessage->setText(
        holders.Matching.isEmpty()
            ? QStringLiteral(
                  "В файле нет справок, в которых ИНН или фамилия, имя, отчество и дата рождения те же, "
                  "что у налогоплательщика декларации. Выберите, чьи справки загрузить.")
            : QStringLiteral("Налогоплательщику декларации соответствуют справки нескольких людей. Выберите, "
                             "чьи справки загрузить."));
    ui->lvPeople->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    QList<int> order = holders.Matching;
    for (int h = 0; h < holders.People.size(); ++h)
        if (!holders.Matching.contains(h)) order.append(h);
    for (int h : order) {
        const CertificatePerson& p = holders.People[h].Person;
        auto* row = new QTreeWidgetItem(ui->lvPeople, {p.FullName(), p.BirthDateText, p.Inn});
        row->setData(0, Qt::UserRole, h);
    }
    if (ui->lvPeople->topLevelItemCount() > 0) ui->lvPeople->setCurrentItem(ui->lvPeople->topLevelItem(0));
    connect(ui->bnYes, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->bnNo, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->lvPeople, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
}

TfmCertificatePerson::~TfmCertificatePerson() = default;

int TfmCertificatePerson::Chosen() const {
    const QTreeWidgetItem* row = ui->lvPeople->currentItem();
    return row ? row->data(0, Qt::UserRole).toInt() : -1;
}
