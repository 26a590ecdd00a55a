#include "reference/RatesImport.h"

#include "reference/RateInput.h"
#include "reference/RatesDocument.h"
#include "reference/ReferenceXml.h"
#include "reference/SemicolonCsv.h"
#include "storage/SaveFile.h"

#include <QFileInfo>
#include <QHash>
#include <vector>

void RatesImport::SetCurrency(const QString& code, bool onlyForUnknownIds) {
    currency_ = code;
    onlyForUnknownIds_ = onlyForUnknownIds;
}

bool RatesImport::Fail(const QString& message) {
    report_.clear();
    error_ = message;
    return false;
}

bool RatesImport::Run(const QStringList& inputs, const QString& target, const QString& base) {
    report_.clear();
    error_.clear();
    RatesDocument document;
    QByteArray original;
    const QString existing = QFileInfo::exists(target) ? target : base;
    if (!existing.isEmpty() && QFileInfo::exists(existing)) {
        if (!ReferenceXml::ReadFile(existing, original, error_)) return Fail(error_);
        if (!document.Load(original))
            return Fail(QStringLiteral("Файл %1 поврежден: %2").arg(existing, document.ErrorString()));
    }

    std::vector<RateInput> read(size_t(inputs.size()));
    // What the files of this import tell of a currency, for the files that do not: the bank's Ids the
    // daily files give, and the names, so that the order of the files does not matter.
    QHash<QString, QString> learnedIds, learnedNames;
    for (qsizetype i = 0; i < inputs.size(); ++i) {
        QByteArray bytes;
        if (!ReferenceXml::ReadFile(inputs[i], bytes, error_)) return Fail(error_);
        if (!read[size_t(i)].Read(bytes))
            return Fail(QStringLiteral("%1: %2").arg(inputs[i], read[size_t(i)].ErrorString()));
        for (const IncomingRate& rate : read[size_t(i)].Rates()) {
            if (!rate.Code.isEmpty() && !rate.BankId.isEmpty()) learnedIds.insert(rate.BankId, rate.Code);
            if (!rate.Code.isEmpty() && !rate.Name.isEmpty()) learnedNames.insert(rate.Code, rate.Name);
        }
    }

    for (qsizetype i = 0; i < inputs.size(); ++i) {
        for (const IncomingRate& rate : read[size_t(i)].Rates()) {
            const auto bad = [&](const QString& what) {
                return Fail(QStringLiteral("%1: %2").arg(inputs[i], LineMessage(rate.Line, what)));
            };
            QString code = rate.Code;
            if (code.isEmpty()) {
                QString byId = document.CodeOfBankId(rate.BankId);
                if (byId.isEmpty()) byId = learnedIds.value(rate.BankId);
                if (!byId.isEmpty() && (currency_.isEmpty() || onlyForUnknownIds_))
                    code = byId;
                else if (!byId.isEmpty() && byId != currency_)
                    return bad(QStringLiteral("курсы валюты %1 (код Банка России %2), а указана валюта %3")
                                   .arg(byId, rate.BankId, currency_));
                else if (currency_.isEmpty())
                    return bad(
                        QStringLiteral("валюта не указана, а код Банка России «%1» в справочнике не найден")
                            .arg(rate.BankId));
                else
                    code = currency_;
            }
            IncomingRate named = rate;
            if (named.Name.isEmpty()) named.Name = learnedNames.value(code);
            if (!document.Merge(code, named, report_)) return bad(document.ErrorString());
        }
    }

    const QByteArray bytes = document.Serialize();
    if (bytes != original) {
        SaveFile file(target);
        if (!file.Save(bytes))
            return Fail(QStringLiteral("Не удалось записать файл %1: %2").arg(target, file.ErrorString()));
    }
    report_ << QStringLiteral("Добавлено курсов: %1, заменено: %2, без изменений: %3.")
                   .arg(document.Added())
                   .arg(document.Replaced())
                   .arg(document.Unchanged());
    return true;
}
