#include "pickers/CurrencyPicker.h"

#include "desktop/ProgramDir.h"
#include "desktop/UserPrompts.h"
#include "reference/CurrencyRates.h"
#include "reference/RatesImport.h"

#include <QDir>
#include <QHBoxLayout>
#include <QPushButton>
#include <algorithm>

TfmInputCurrencyCode::TfmInputCurrencyCode(QWidget* owner, mTCurrencyRates& rates, const QString& currentCode)
    : TCodeListPicker(owner, QStringLiteral("Справочник валют"), QStringLiteral("lvCurrencys"),
                      {QStringLiteral("Код"), QStringLiteral("Наименование валюты")}),
      rates_(rates) {
    SetRows(rates.PickerRows());
    const int row = RowOfCode(currentCode.isEmpty() ? QStringLiteral("0") : currentCode);
    SelectRow(row >= 0 ? row : 0);
    auto* load = new QPushButton(QStringLiteral("Загрузить курсы…"), this);
    load->setObjectName(QStringLiteral("bnLoadRates"));
    load->setAutoDefault(false);
    ButtonRow()->insertWidget(0, load);
    resize(560, 580); // every currency of the delivered file without scrolling
    connect(load, &QPushButton::clicked, this, &TfmInputCurrencyCode::LoadRates);
}

QString TfmInputCurrencyCode::OutputFile() {
    return UserDataDir() + ReferenceFileName::CurrencyRates;
}

void TfmInputCurrencyCode::LoadRates() {
    UserPrompts& prompts = UserPrompts::Current();
    const QString file = prompts.OpenAnyFile(this, QDir::homePath(),
                                             QStringLiteral("Курсы валют (*.xml *.csv);;Все файлы (*)"));
    if (file.isEmpty()) return;
    RatesImport import;
    // A history file of a currency the rates file does not know is taken for the chosen one.
    import.SetCurrency(Code(), true);
    QDir().mkpath(UserDataDir());
    if (!import.Run({file}, OutputFile(), ProgramDir() + ReferenceFileName::CurrencyRates)) {
        prompts.Message(this, QMessageBox::Critical,
                        QStringLiteral("Загрузить курсы не удалось.\n") + import.ErrorString());
        return;
    }
    mTCurrencyRates loaded;
    if (loaded.Load(OutputFile())) {
        rates_ = loaded;
        const QString code = Code();
        SetRows(rates_.PickerRows());
        SelectRow(std::max(RowOfCode(code), 0));
    }
    QStringList report = import.Report();
    // Many replaced rates would not fit a message: the first of them, then the counts.
    if (report.size() > 12) report = report.mid(0, 10) + QStringList{QStringLiteral("…"), report.last()};
    prompts.Message(this, QMessageBox::Information, QStringLiteral("Курсы загружены.\n") + report.join('\n'));
}
