// durovid-bench reference: reading the four reference files at their realistic sizes, against the
// time to draw a plain main window (the files are read while the main window starts).
#include "bench/Bench.h"

#include "reference/CodeNameList.h"
#include "reference/CurrencyRates.h"
#include "reference/OkvedClassifier.h"
#include "storage/CodePage.h"

#include <QDate>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

#ifdef DUROVID_HAVE_GUI
#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#endif

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

template <class Reader> Times LoadTimes(const QString& path, int expectedRows, int (*rows)(const Reader&)) {
    return Measure(10, [&] {
        Reader reader;
        if (!reader.Load(path) || rows(reader) != expectedRows)
            qFatal("%s: %s", qPrintable(path), qPrintable(reader.ErrorString()));
    });
}

#ifdef DUROVID_HAVE_GUI
// A fresh main window with a menu and a status bar, shown and painted once.
Times MainWindowTimes() {
    return Measure(10, [] {
        QMainWindow window;
        window.menuBar()->addMenu(QStringLiteral("Файл"));
        window.statusBar()->showMessage(QStringLiteral("Готово"));
        window.resize(800, 571);
        window.show();
        QImage image(window.size(), QImage::Format_ARGB32_Premultiplied);
        window.render(&image);
        QApplication::processEvents();
    });
}
#endif

void Print(const char* what, Times t) {
    std::printf("%-46s %10.3f %12.3f\n", what, t.first, t.best);
}

int Run(const QStringList&) {
    QTemporaryDir dir;
    const QString inspections = dir.filePath(ReferenceFileName::Inspections);
    const QString countries = dir.filePath(ReferenceFileName::Countries);
    const QString okved = dir.filePath(ReferenceFileName::Okved);
    const QString rates = dir.filePath(ReferenceFileName::CurrencyRates);
    WriteCp1251(inspections, Inspections(2000));
    WriteCp1251(countries, Countries(250));
    WriteCp1251(okved, Okved(2000));
    WriteCp1251(rates, Rates(40, 250));

    // The start-up reads each file once, then draws the window for the first time: both cold.
    const auto codeNames = [](const mTCodeNameList& l) { return l.Count(); };
    const Times tInspections = LoadTimes<mTCodeNameList>(inspections, 2000, codeNames);
    const Times tCountries = LoadTimes<mTCodeNameList>(countries, 250, codeNames);
    const Times tOkved = LoadTimes<mTOkvedClassifier>(
        okved, 2000, [](const mTOkvedClassifier& c) { return int(c.Entries().size()); });
    const Times tRates = LoadTimes<mTCurrencyRates>(
        rates, 40, [](const mTCurrencyRates& r) { return int(r.Currencies().size()); });
    const Times total{tInspections.first + tCountries.first + tOkved.first + tRates.first,
                      tInspections.best + tCountries.best + tOkved.best + tRates.best};

    std::printf("%-46s %10s %12s\n", "ms", "first", "best of 10");
    Print("InspectionNumbers.xml, 2000 tax offices", tInspections);
    Print("Oksm.xml, 250 countries", tCountries);
    Print("Sp_OKVED2.xml, 2000 entries", tOkved);
    Print("CurrencyRates.xml, 40 currencies x 250 rates", tRates);
    Print("all four", total);
#ifdef DUROVID_HAVE_GUI
    const Times window = MainWindowTimes();
    Print(qPrintable(
              QStringLiteral("plain main window (%1), shown and drawn").arg(QGuiApplication::platformName())),
          window);
    std::printf("at start-up the reference files cost %s the main window (%.3f ms against %.3f ms)\n",
                total.first < window.first ? "less than" : "MORE than", total.first, window.first);
    return total.first < window.first ? 0 : 1;
#else
    std::printf("(built without the desktop program: no main window to compare with)\n");
    return 0;
#endif
}

const BenchmarkRegistrar registrar({QStringLiteral("reference"), Run});

} // namespace
