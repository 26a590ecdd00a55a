// durovid-bench import-rates [N…]: a rates table of N records (in date order, then shuffled) merged into a
// rates file that already holds every other day of them (half the records replace or keep a rate, half go in
// between), as "durovid-cli import-rates" does it: read, merge, write. Default sizes 10^4, 10^5, 10^6; the
// time per thousand records should stay flat from one size to the next. Processor time of the thread, so that
// other programs on a busy machine do not count.
#include "bench/Bench.h"

#include "reference/RatesImport.h"
#include "storage/CodePage.h"

#include <QDate>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cstdio>
#include <vector>

namespace {

constexpr int kCurrencies = 20;

struct Record {
    int currency;
    QDate day;
    int value; // ten-thousandths
};

// n records over kCurrencies currencies, each with its own run of days.
std::vector<Record> Records(int n) {
    std::vector<Record> records;
    records.reserve(size_t(n));
    const QDate first(1992, 7, 1);
    for (int i = 0; i < n; ++i)
        records.push_back({i % kCurrencies, first.addDays(i / kCurrencies), 100000 + (i * 7919) % 900000});
    return records;
}

QString CurrencyName(int c) {
    return QStringLiteral("Валюта номер %1").arg(c);
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// The rates file before the import: every other day of each currency.
QByteArray RatesFile(const std::vector<Record>& records) {
    std::vector<QString> bodies(kCurrencies);
    for (size_t i = 0; i < records.size(); i += 2 * kCurrencies)
        for (size_t j = i; j < i + kCurrencies && j < records.size(); ++j)
            bodies[size_t(records[j].currency)] +=
                QStringLiteral("\t\t<Rate Date=\"%1\" Rate=\"%2.%3\" />\n")
                    .arg(records[j].day.toString(QStringLiteral("dd.MM.yyyy")))
                    .arg(records[j].value / 10000)
                    .arg(records[j].value % 10000, 4, 10, QLatin1Char('0'));
    QString text = QStringLiteral("<CurrencyRates>\n");
    for (int c = 0; c < kCurrencies; ++c)
        text += QStringLiteral("\t<Currency Code=\"%1\" Name=\"%2\" Quantity=\"1\">\n")
                    .arg(901 + c)
                    .arg(CurrencyName(c)) +
                bodies[size_t(c)] + QStringLiteral("\t</Currency>\n");
    text += QStringLiteral("</CurrencyRates>\n");
    return "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n" + CodePage::ToCp1251(text);
}

// The import: every record, a value changed for every third one; in date order as the bank's files
// give them, or shuffled.
QByteArray Table(std::vector<Record> records, bool shuffled) {
    QRandomGenerator random(42);
    for (size_t i = records.size(); shuffled && i > 1; --i)
        std::swap(records[i - 1], records[random.bounded(quint32(i))]);
    QByteArray text = "code;letter;quantity;name;date;rate\n";
    text.reserve(qsizetype(records.size()) * 48);
    for (size_t i = 0; i < records.size(); ++i) {
        const Record& r = records[i];
        const int value = i % 3 == 0 ? r.value + 1 : r.value;
        text += QStringLiteral("%1;X%2;1;%3;%4;%5.%6\n")
                    .arg(901 + r.currency)
                    .arg(r.currency)
                    .arg(CurrencyName(r.currency), r.day.toString(QStringLiteral("dd.MM.yyyy")))
                    .arg(value / 10000)
                    .arg(value % 10000, 4, 10, QLatin1Char('0'))
                    .toUtf8();
    }
    return text;
}

int Run(const QStringList& args) {
    QList<int> sizes;
    for (const QString& a : args)
        sizes << a.toInt();
    if (sizes.isEmpty()) sizes = {10000, 100000, 1000000};
    QTemporaryDir dir;
    for (const bool shuffled : {false, true}) {
        std::printf("%s\n%10s %12s %16s %14s\n",
                    shuffled ? "records shuffled:" : "records in date order:", "records", "ms", "ms per 1000",
                    "against before");
        double previous = 0;
        for (const int n : sizes) {
            const std::vector<Record> records = Records(n);
            const QString table = dir.filePath(QStringLiteral("table.csv"));
            const QString target = dir.filePath(QStringLiteral("CurrencyRates.xml"));
            WriteFile(table, Table(records, shuffled));
            const QByteArray before = RatesFile(records);
            bool ok = true;
            const double ms = BestCpuMs(n >= 1000000 ? 1 : 3, [&] {
                WriteFile(target, before);
                RatesImport import;
                ok = import.Run({table}, target) && ok;
                if (!ok) std::fprintf(stderr, "%s\n", qPrintable(import.ErrorString()));
            });
            if (!ok) return 1;
            const double perThousand = ms / n * 1000;
            std::printf("%10d %12.1f %16.3f %14s\n", n, ms, perThousand,
                        previous > 0 ? qPrintable(QString::number(perThousand / previous, 'f', 2) + 'x')
                                     : "");
            previous = perThousand;
        }
    }
    return 0;
}

const BenchmarkRegistrar registrar({QStringLiteral("import-rates"), Run});

} // namespace
