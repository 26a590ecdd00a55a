// durovid-bench reference: reading the four reference files (the delivered ones and ones of realistic
// size), against the desktop program's time to its first shown main window (the files are read while
// that window starts).
#include "bench/Bench.h"
#include "bench/TimeToShown.h"

#include "reference/CodeNameList.h"
#include "reference/CurrencyRates.h"
#include "reference/OkvedClassifier.h"
#include "storage/CodePage.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {

void WriteCp1251(const QString& path, const QString& body) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(path));
    f.write("<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n" + CodePage::ToCp1251(body));
}

QString Inspections(int count) {
    QString body = QStringLiteral("<Inspections Version=\"00\" Date=\"01.01.2011\">\n");
    for (int i = 0; i < count; ++i)
        body += QStringLiteral("\t<Inspection Code=\"%1\">Инспекция Федеральной налоговой службы № %2 по "
                               "Центральному району г.Города</Inspection>\n")
                    .arg(100 + i * 4, 4, 10, QLatin1Char('0'))
                    .arg(i % 50 + 1);
    return body + QStringLiteral("</Inspections>\n");
}

QString Countries(int count) {
    QString body = QStringLiteral("<Oksm>\n");
    for (int i = 0; i < count; ++i)
        body += QStringLiteral("\t<Country Code=\"%1\">ГОСУДАРСТВО НОМЕР %2</Country>\n")
                    .arg(i + 4, 3, 10, QLatin1Char('0'))
                    .arg(i);
    return body + QStringLiteral("</Oksm>\n");
}

// A classifier tree: sections, classes, subclasses, groups, subgroups and kinds.
QString Okved(int count) {
    QString body = QStringLiteral("<OKVED>\n");
    int written = 0;
    const auto entry = [&](int level, const QString& kod, const QString& okved) {
        body += QStringLiteral("\t<Item GRUP=\"%1\" Kod=\"%2\" OKVED=\"%3\" Name=\"Вид деятельности %3, "
                               "не включенный в другие группировки\"/>\n")
                    .arg(level)
                    .arg(kod, okved);
        ++written;
    };
    // written grows inside entry(), which the compiler cannot see in a for condition.
    for (int s = 0;; ++s) {
        if (written >= count) break;
        const QString section = QChar(u'A' + s % 26) + QString::number(s / 26);
        entry(1, section, section);
        for (int c = 0; c < 5 && written < count; ++c) {
            const QString cls = QString::number(10 + (s * 5 + c) % 90);
            entry(2, section + cls, cls);
            for (int sub = 1; sub <= 4 && written < count; ++sub) {
                const QString sc = cls + QLatin1Char('.') + QString::number(sub);
                entry(3, section + sc, sc);
                for (int g = 1; g <= 3 && written < count; ++g) {
                    const QString gr = sc + QString::number(g);
                    entry(4, section + gr, gr);
                    for (int k = 1; k <= 2 && written < count; ++k) {
                        const QString sg = gr + QLatin1Char('.') + QString::number(k);
                        entry(5, section + sg, sg);
                        if (written < count) entry(6, section + sg + QLatin1Char('1'), sg + QLatin1Char('1'));
                    }
                }
            }
        }
    }
    return body + QStringLiteral("</OKVED>\n");
}

QString Rates(int currencies, int ratesEach) {
    QString body = QStringLiteral("<CurrencyRates>\n");
    for (int c = 0; c < currencies; ++c) {
        body += QStringLiteral("\t<Currency Code=\"%1\" Name=\"Валюта %1\" Quantity=\"%2\">\n")
                    .arg(c + 100)
                    .arg(c % 3 == 0 ? 100 : 1);
        QDate day(2010, 1, 1);
        for (int r = 0; r < ratesEach; ++r, day = day.addDays(1))
            body += QStringLiteral("\t\t<Rate Date=\"%1\" Rate=\"%2\"/>\n")
                        .arg(day.toString(QStringLiteral("dd.MM.yyyy")))
                        .arg(30.0 + (r % 97) / 100.0 + c, 0, 'f', 4);
        body += QStringLiteral("\t</Currency>\n");
    }
    return body + QStringLiteral("</CurrencyRates>\n");
}

// First (cold, as at start-up) and best-of-10 (warm) times of an operation, in milliseconds.
struct Times {
    double first = 0;
    double best = 0;
};

template <class Body> Times Measure(int runs, Body&& body) {
    Times t;
    t.first = BestMs(1, body);
    t.best = std::min(t.first, BestMs(runs, body));
    return t;
}

// expectedRows < 0: any number of rows.
template <class Reader> Times LoadTimes(const QString& path, int expectedRows, int (*rows)(const Reader&)) {
    return Measure(10, [&] {
        Reader reader;
        if (!reader.Load(path) || (expectedRows >= 0 && rows(reader) != expectedRows))
            qFatal("%s: %s", qPrintable(path), qPrintable(reader.ErrorString()));
    });
}

void Print(const char* what, Times t) {
    std::printf("%-46s %10.3f %12.3f\n", what, t.first, t.best);
}

struct FileSet {
    QString inspections, countries, okved, rates;
};

// The four files read as the start-up reads them; expected counts below 0 are not checked.
Times ReadAll(const FileSet& files, const char* label, int inspections, int countries, int okved, int rates) {
    const auto codeNames = [](const mTCodeNameList& l) { return l.Count(); };
    const Times tInspections = LoadTimes<mTCodeNameList>(files.inspections, inspections, codeNames);
    const Times tCountries = LoadTimes<mTCodeNameList>(files.countries, countries, codeNames);
    const Times tOkved = LoadTimes<mTOkvedClassifier>(
        files.okved, okved, [](const mTOkvedClassifier& c) { return int(c.Entries().size()); });
    const Times tRates = LoadTimes<mTCurrencyRates>(
        files.rates, rates, [](const mTCurrencyRates& r) { return int(r.Currencies().size()); });
    std::printf("%s\n", label);
    Print("  InspectionNumbers.xml", tInspections);
    Print("  Oksm.xml", tCountries);
    Print("  Sp_OKVED2.xml", tOkved);
    Print("  CurrencyRates.xml", tRates);
    const Times total{tInspections.first + tCountries.first + tOkved.first + tRates.first,
                      tInspections.best + tCountries.best + tOkved.best + tRates.best};
    Print("  all four", total);
    return total;
}

int Run(const QStringList& args) {
    QTemporaryDir dir;
    const FileSet large{dir.filePath(ReferenceFileName::Inspections),
                        dir.filePath(ReferenceFileName::Countries), dir.filePath(ReferenceFileName::Okved),
                        dir.filePath(ReferenceFileName::CurrencyRates)};
    WriteCp1251(large.inspections, Inspections(2000));
    WriteCp1251(large.countries, Countries(250));
    WriteCp1251(large.okved, Okved(2000));
    WriteCp1251(large.rates, Rates(40, 250));

    std::printf("%-46s %10s %12s\n", "ms", "first", "best of 10");
    // The files delivered with the program lie beside the benchmark, where the program reads them.
    const QDir exe(QCoreApplication::applicationDirPath());
    const FileSet delivered{
        exe.filePath(ReferenceFileName::Inspections), exe.filePath(ReferenceFileName::Countries),
        exe.filePath(ReferenceFileName::Okved), exe.filePath(ReferenceFileName::CurrencyRates)};
    if (QFile::exists(delivered.inspections)) ReadAll(delivered, "delivered files", -1, -1, -1, -1);
    // The start-up reads each file once, then draws the window for the first time: both cold.
    const Times total = ReadAll(large,
                                "realistic sizes: 2000 offices, 250 countries, 2000 activity codes, "
                                "40 currencies x 250 rates",
                                2000, 250, 2000, 40);
#ifdef DUROVID_HAVE_GUI
    const int runs = args.isEmpty() ? 7 : std::max(1, args[0].toInt());
    ShownTimes shown;
    if (!MedianTimesToShown(runs, shown)) return 1;
    std::printf("durovid main window, time to first show (median of %d runs): %.1f ms (a plain Qt window: "
                "%.1f ms)\n",
                runs, shown.program, shown.plain);
    std::printf("reading the four files of realistic size costs %.1f %% of it (%.3f ms against %.1f ms)\n",
                100.0 * total.first / shown.program, total.first, shown.program);
    return total.first < shown.program ? 0 : 1;
#else
    (void)args;
    (void)total;
    std::printf("(built without the desktop program: no main window to compare with)\n");
    return 0;
#endif
}

const BenchmarkRegistrar registrar({QStringLiteral("reference"), Run});

} // namespace
