#include "shell/About.h"

#include "ui_About.h"

TfmAbout::TfmAbout(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint), ui(std::make_unique<Ui::TfmAbout>()) {
    ui->setupUi(this);
    setFixedSize(461, 227);
    ui->lbName->setText(
        QStringLiteral("<b>Durovid 2010</b>, версия %1").arg(QStringLiteral(DUROVID_VERSION)));
    connect(ui->bnOk, &QPushButton::clicked, this, &QDialog::accept);
}

TfmAbout::~TfmAbout() = default;

void TfmAbout::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (parentWidget()) move(parentWidget()->window()->geometry().center() - rect().center());
    ui->bnOk->setFocus();
}

void TfmAbout::mousePressEvent(QMouseEvent*) {
    accept();
}
