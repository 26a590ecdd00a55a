#pragma once

#include <QString>
#include <QStringList>

class FileLock;

// Importing rates into a rates file, for "durovid-cli import-rates" and the currency picker's
// "Загрузить курсы…": every input is read first (the Bank of Russia's daily rates, its history of one
// currency, our rates table; see RateInput), then merged in the order given (see RatesDocument::Merge),
// so a later value for the same currency and date replaces an earlier one. The rates file is locked
// from its read to its write (an import that finds it locked waits) and replaced in one step only when
// everything went well: on any failure the previous file stays as it was.
class RatesImport {
public:
    // The currency of history files, which name theirs only by the bank's Id: a three-digit code. A file
    // whose Id the rates file knows must then be of this currency, unless onlyForUnknownIds, when the
    // code serves only records whose Id is not known.
    void SetCurrency(const QString& code, bool onlyForUnknownIds = false);

    // Merges the inputs into target and writes it. When target does not exist yet, base is read in its
    // place (the file delivered with the program, for a first import into the per-user folder); with
    // neither, a new file is begun.
    bool Run(const QStringList& inputs, const QString& target, const QString& base = {});

    // What changed, one line each, then the counts.
    const QStringList& Report() const { return report_; }
    QString ErrorString() const { return error_; }

private:
    bool Fail(const QString& message);
    // Merges the inputs into the rates of existing (none when empty) and writes target under lock.
    bool MergeAndWrite(const QStringList& inputs, const QString& target, const QString& existing,
                       FileLock& lock);

    QString currency_;
    bool onlyForUnknownIds_ = false;
    QStringList report_;
    QString error_;
};
