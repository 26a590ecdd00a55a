#include "shell/About.h"

#include "desktop/OpenInBrowser.h"
#include "shell/SupportContacts.h"
#include "ui_About.h"

#include <QUrl>

TfmAbout::TfmAbout(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint), ui(std::make_unique<Ui::TfmAbout>()) {
    ui->setupUi(this);
    setFixedSize(461, 227);
    ui->lbEmail->setText(QStringLiteral("Эл.адрес \"горячей линии\": ") + SupportContacts::Email);
    ui->lbPhone->setText(QStringLiteral("Телефон  \"горячей линии\": ") + SupportContacts::Phone);
    ui->lbSite->setText(QStringLiteral("Последние версии ПО, форум с ответами на сайте <a href=\"%1\">%2</a>")
                            .arg(SupportContacts::Site, QUrl(SupportContacts::Site).host()));
    connect(ui->lbSite, &QLabel::linkActivated, this,
            [this](const QString& url) { OpenInBrowser(this, url); });
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
