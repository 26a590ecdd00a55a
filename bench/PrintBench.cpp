// The printed form: laying out and painting every page of returns of growing size, against the
// export of the same return alone; and the time from the export's text to a shown preview of a
// return of ten pages (it must stay under a second).
#ifdef DUROVID_HAVE_GUI

#include "bench/Bench.h"
#include "export/XmlExport.h"
#include "print/ReturnPreview.h"
#include "form/ReturnLayout.h"
#include "form/ReturnPainter.h"
#include "tests/support/Samples.h"

#include <QApplication>
#include <QBuffer>
#include <QPdfWriter>
#include <QPrintPreviewWidget>
#include <cstdio>

namespace {

QString ExportText(int sources) {
    mTDeclaration d;
    Samples::FillWithSources(d, sources);
    d.InspectionCode = QStringLiteral("7701");
    XmlExport exporter;
    exporter.Export(QString(), d, ExportToText);
    return exporter.Result();
}

qint64 PaintToPdf(const std::vector<ReturnPage>& pages) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        ReturnPainter::Paint(writer, pages);
    }
    return buffer.size();
}

int RunPrint(const QStringList&) {
    std::printf("%8s %6s %10s %10s %10s %10s %14s\n", "sources", "pages", "export ms", "layout ms",
                "paint ms", "pdf bytes", "print/export");
    for (int sources : {10, 100, 999}) {
        const int runs = sources < 500 ? 5 : 2;
        mTDeclaration d;
        Samples::FillWithSources(d, sources);
        d.InspectionCode = QStringLiteral("7701");
        XmlExport exporter;
        QString xml;
        const double exportMs = BestMs(runs, [&] {
            exporter.Export(QString(), d, ExportToText);
            xml = exporter.Result();
        });
        ReturnLayout layout;
        const double layoutMs = BestMs(runs, [&] { layout.Lay(xml); });
        qint64 bytes = 0;
        const double paintMs = BestMs(runs, [&] { bytes = PaintToPdf(layout.Pages()); });
        std::printf("%8d %6zu %10.1f %10.1f %10.1f %10lld %14.2f\n", sources, layout.Pages().size(), exportMs,
                    layoutMs, paintMs, static_cast<long long>(bytes), (layoutMs + paintMs) / exportMs);
    }

    // The smallest return of ten pages or more.
    QString xml;
    size_t pages = 0;
    for (int sources = 1; pages < 10; ++sources) {
        xml = ExportText(sources);
        ReturnLayout layout;
        layout.Lay(xml);
        pages = layout.Pages().size();
    }
    const double previewMs = BestMs(3, [&] {
        ReturnLayout layout;
        layout.Lay(xml);
        TfmReturnPreview preview(layout.Pages(), nullptr);
        preview.show();
        while (preview.Preview()->pageCount() < int(pages))
            QApplication::processEvents();
        QApplication::processEvents();
    });
    std::printf("preview of a return of %zu pages shown in %.1f ms (at most 1000)\n", pages, previewMs);
    return previewMs < 1000 ? 0 : 1;
}

const BenchmarkRegistrar registrar({QStringLiteral("print"), RunPrint});

} // namespace

#endif
