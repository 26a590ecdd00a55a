#pragma once

// A worked example entered through the screens ends in the two exports a user has: "Экспорт в xml" in the
// window and durovid-cli on the saved file. Both are stamped with the same date and GUID and must be
// byte for byte the checked-in document, which was reviewed by hand. DUROVID_WRITE_GOLDEN=1 rewrites it.

#include "support/GuiTestSupport.h"

#include "computation/SvodSum.h"
#include "export/XmlExport.h"
#include "shell/Main.h"
#include "storage/AmountText.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace WorkedExampleExport {

inline const QDate Date(2011, 3, 15);
inline const QString Guid = QStringLiteral("6f1c3a2e-9b7d-4e21-8a5f-0c2d4b6e8f10");

// The document "Экспорт в xml" writes for the window's declaration; empty when it wrote none.
inline QByteArray FromWindow(TFormMain& form, FakeCoreServices& services, ScriptedPrompts& prompts) {
    services.exportDocument = [&form](const QString& folder, quint16 mode) {
        XmlExport exporter;
        exporter.SetFixedDate(Date);
        exporter.SetFixedGuid(QUuid::fromString(Guid));
        ExportOutcome outcome;
        outcome.Exported = exporter.Export(folder, **form.DeclarationRef(), mode);
        outcome.Result = exporter.Result();
        outcome.ErrorString = exporter.ErrorString();
        outcome.Warnings = exporter.Warnings();
        return outcome;
    };
    QTemporaryDir folder;
    prompts.folder = folder.path();
    form.Action(QStringLiteral("acExport"))->trigger();
    services.exportDocument = {};
    const QStringList written = QDir(folder.path()).entryList(QDir::Files);
    if (written.size() != 1) return {};
    QFile file(QDir(folder.path()).filePath(written.first()));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The document durovid-cli writes for the saved file.
inline QByteArray FromConsole(const QString& savedFile) {
    // The window still holds its file, so the console exports a copy of it.
    const QString copy = savedFile + QStringLiteral(".console.kv0");
    QFile::remove(copy);
    if (!QFile::copy(savedFile, copy)) return {};
    QProcess cli;
    cli.start(QStringLiteral(DUROVID_BINARY_DIR "/durovid-cli"),
              {QStringLiteral("export"), copy, QStringLiteral("--stdout"), QStringLiteral("--date"),
               QStringLiteral("15.03.2011"), QStringLiteral("--guid"), Guid});
    const bool done = cli.waitForFinished(60000) && cli.exitCode() == 0;
    QFile::remove(copy);
    if (!done) return {};
    return cli.readAllStandardOutput();
}

// The checked-in document; written from actual when DUROVID_WRITE_GOLDEN is set.
inline QByteArray Golden(const QString& name, const QByteArray& actual) {
    const QString path = QStringLiteral(DUROVID_FIXTURES "/export/") + name;
    if (qEnvironmentVariableIsSet("DUROVID_WRITE_GOLDEN") && !actual.isEmpty()) {
        QFile out(path);
        if (out.open(QIODevice::WriteOnly)) out.write(actual);
    }
    QFile in(path);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

// The return computed from the saved file; null when the computation fails. The window still holds the
// file, so a copy is read.
inline std::unique_ptr<kTSvodSum> Computed(const QString& savedFile) {
    const QString copy = savedFile + QStringLiteral(".read");
    QFile::remove(copy);
    if (!QFile::copy(savedFile, copy)) return nullptr;
    mTDeclaration d;
    d.LoadFromFile(copy);
    QFile::remove(copy);
    auto sum = std::make_unique<kTSvodSum>();
    sum->Compute(d);
    return sum;
}

// The lines of tax to pay or refund: sign, budget code, OKATO and amount.
inline QStringList PaymentRows(const kTSvodSum& sum) {
    QStringList rows;
    for (const kTSvodSumList6Row& row : sum.List6.Rows)
        rows << row.PaySign + QLatin1Char(' ') + row.KBK + QLatin1Char(' ') + row.Okato + QLatin1Char(' ') +
                    AmountFieldText(row.Amount);
    return rows;
}

} // namespace WorkedExampleExport
