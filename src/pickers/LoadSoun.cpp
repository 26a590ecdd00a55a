#include "pickers/LoadSoun.h"

#include "desktop/HelpWindow.h"
#include "desktop/OpenInBrowser.h"
#include "desktop/ProgramDir.h"
#include "desktop/UserPrompts.h"
#include "reference/SounImport.h"
#include "ui_LoadSoun.h"

#include <QDate>
#include <QDir>

namespace {
void MakeLink(QLabel* label, const QString& text) {
    label->setText(QStringLiteral("<a href=\"#\">%1</a>").arg(text.toHtmlEscaped()));
    label->setTextFormat(Qt::RichText);
    label->setCursor(Qt::PointingHandCursor);
}
} // namespace

TfmLoadSoun::TfmLoadSoun(QWidget* owner) : QDialog(owner), ui(std::make_unique<Ui::TfmLoadSoun>()) {
    ui->setupUi(this);
    MakeLink(ui->lbHelpLink, ui->lbHelpLink->text());
    MakeLink(ui->lbDownloadLink,
             QStringLiteral("- скачать актуальный справочник \"СОУН\" с сайта ФНС России"));
    connect(ui->lbHelpLink, &QLabel::linkActivated, this,
            [this] { OpenHelpTopic(this, QStringLiteral("EditSOUN.htm"), QStringLiteral("InitialData")); });
    connect(ui->lbDownloadLink, &QLabel::linkActivated, this, [this] { OpenInBrowser(this, DownloadPage); });
    connect(ui->bnBrowse, &QPushButton::clicked, this, &TfmLoadSoun::Browse);
    connect(ui->bnImport, &QPushButton::clicked, this, &TfmLoadSoun::RunImport);
    connect(ui->bnOk, &QPushButton::clicked, this, &QDialog::accept);
}

TfmLoadSoun::~TfmLoadSoun() = default;

QString TfmLoadSoun::OutputFile() {
    return UserDataDir() + QStringLiteral("InspectionNumbers.xml");
}

void TfmLoadSoun::Browse() {
    const QString file =
        UserPrompts::Current().OpenAnyFile(this, ProgramDir(), QStringLiteral("soun1.dbf (*.dbf)"));
    if (!file.isEmpty()) ui->edSoun1->setText(file);
    ui->bnImport->setEnabled(true);
    ui->bnOk->setEnabled(false);
}

void TfmLoadSoun::RunImport() {
    ui->bnOk->setEnabled(true);
    UserPrompts& prompts = UserPrompts::Current();
    if (ui->edSoun1->text().isEmpty()) {
        prompts.Message(this, QMessageBox::Information, QStringLiteral("Укажите путь к файлу soun1.dbf"));
        return;
    }
    QDir().mkpath(UserDataDir());
    SounImport import;
    const bool imported =
        import.Import(ui->edSoun1->text().trimmed(), OutputFile(),
                      QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")), QStringLiteral("00"));
    if (imported) emit Imported(OutputFile());
    prompts.Message(this, imported ? QMessageBox::Information : QMessageBox::Critical,
                    imported
                        ? QStringLiteral("Данные успешно импортированы. Не забудьте перезапустить программу.")
                        : QStringLiteral("Импортировать данные не удалось"));
}
