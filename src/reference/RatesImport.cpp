#include "reference/RatesImport.h"

#include "reference/RateInput.h"
#include "reference/RatesDocument.h"
#include "reference/ReferenceXml.h"
#include "reference/SemicolonCsv.h"
#include "storage/FileLock.h"
#include "storage/RegularFile.h"
#include "storage/SaveFile.h"

#include <QFile>
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

namespace {

// Long enough for the imports queued before this one, each of which takes a few seconds at most.
constexpr int kLockWaitMs = 60000;

// The start of a file that another holder may keep locked: a file that does not even begin as XML (a
// declaration open in the desktop program) is refused at once rather than waited for.
bool BeginsAsXml(const QString& fileName) {
    QFile file;
    QString reason;
    if (!RegularFile::Open(file, fileName, QIODevice::ReadOnly, reason)) return true; // told when locked
    QByteArray start = file.read(64);
    if (start.startsWith("\xEF\xBB\xBF")) start.remove(0, 3);
    start = start.trimmed();
    return start.isEmpty() || start.startsWith('<');
}

} // namespace

bool RatesImport::Run(const QStringList& inputs, const QString& target, const QString& base) {
    report_.clear();
    error_.clear();
    const QString notWritten = QStringLiteral("Не удалось записать файл %1: %2");
    if (QFileInfo(target).isSymLink()) return Fail(notWritten.arg(target, SaveFile::SymbolicLinkReason()));
    if (!BeginsAsXml(target)) return Fail(QStringLiteral("Файл %1 — не справочник курсов валют").arg(target));
    // Held from the read to the write, so that imports into one file at the same time each land whole;
    // an import that finds the file held waits its turn.
    FileLock lock;
    if (!lock.Wait(target, kLockWaitMs))
        return Fail(QStringLiteral("Не удалось заблокировать файл %1: он занят другой программой или "
                                   "недоступен")
                        .arg(target));
    // A file still empty was made for the lock just now: it goes again if nothing is written into it.
    const bool justMade = QFileInfo(target).size() == 0;
    if (MergeAndWrite(inputs, target, justMade ? base : target, lock)) return true;
    if (justMade && QFileInfo(target).size() == 0) QFile::remove(target);
    return false;
}

bool RatesImport::MergeAndWrite(const QStringList& inputs, const QString& target, const QString& existing,
                                FileLock& lock) {
    RatesDocument document;
    QByteArray original;
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
    if (bytes != original || existing != target) {
        SaveFile file(target);
        file.SetOutputOf(inputs);
        if (!file.Save(bytes, &lock))
            return Fail(QStringLiteral("Не удалось записать файл %1: %2").arg(target, file.ErrorString()));
    }
    report_ << QStringLiteral("Добавлено курсов: %1, заменено: %2, без изменений: %3.")
                   .arg(document.Added())
                   .arg(document.Replaced())
                   .arg(document.Unchanged());
    return true;
}
