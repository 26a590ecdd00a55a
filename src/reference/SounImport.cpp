#include "reference/SounImport.h"

#include "reference/ReferenceXml.h"
#include "storage/CodePage.h"
#include "storage/SaveFile.h"

#include <QFile>
#include <QtEndian>

namespace {

constexpr int HeaderLength = 32;

// Blanks of the table are spaces, but some tools pad with NULs; every control character is cut at
// the ends as a blank, and one inside a name becomes a space so that the output stays well-formed XML.
QString Field(const QByteArray& record, int first, int length) {
    QString text = CodePage::FromCp866(record.mid(first, length));
    for (QChar& c : text)
        if (c.unicode() < 0x20) c = QLatin1Char(' ');
    return text.trimmed();
}

} // namespace

bool SounImport::Fail(const QString& reason) {
    errorString_ = reason;
    return false;
}

bool SounImport::BuildDocument(QIODevice& table, const QString& tablePath, const QString& date,
                               const QString& version, QByteArray& document) {
    errorString_.clear();
    const QString readError = QStringLiteral("Error read file:") + tablePath;
    pugi::xml_document xml;
    pugi::xml_node root = xml.append_child("Inspections");
    root.append_attribute("Version").set_value(version.toUtf8().constData());
    root.append_attribute("Date").set_value(date.toUtf8().constData());

    const QByteArray header = table.read(HeaderLength);
    if (header.size() < HeaderLength) return Fail(readError);
    quint32 count = qFromLittleEndian<quint32>(header.constData() + 4);
    const quint16 headerLength = qFromLittleEndian<quint16>(header.constData() + 8);
    // A header that points past the end of the table is damage, not an empty directory: replacing
    // the old file with an empty one would lose every tax office.
    if (!table.isSequential() && headerLength > table.size()) return Fail(readError);
    if (!table.seek(headerLength)) return Fail(readError);

    for (; count > 0 && !table.atEnd(); --count) {
        const QByteArray record = table.read(RecordLength);
        if (record.size() < RecordLength) return Fail(readError);
        const QString code = Field(record, 1, 4);
        const bool office = code.mid(2, 2) != QLatin1String("00") && Field(record, 7, 30).isEmpty() &&
                            Field(record, 411, 1) == QLatin1String("1") && Field(record, 934, 10).isEmpty();
        if (!office) continue;
        pugi::xml_node inspection = root.append_child("Inspection");
        inspection.append_attribute("Code").set_value(code.toUtf8().constData());
        inspection.text().set(Field(record, 161, 250).toUtf8().constData());
    }
    document = ReferenceXml::SerializeCp1251(xml);
    return true;
}

bool SounImport::Import(const QString& tablePath, const QString& outputPath, const QString& date,
                        const QString& version) {
    QFile table(tablePath);
    if (!table.open(QIODevice::ReadOnly))
        return Fail(QStringLiteral("Не удалось открыть файл %1: %2").arg(tablePath, table.errorString()));
    QByteArray document;
    if (!BuildDocument(table, tablePath, date, version, document)) return false;
    SaveFile output(outputPath);
    if (!output.Save(document))
        return Fail(QStringLiteral("Не удалось записать файл %1: %2").arg(outputPath, output.ErrorString()));
    return true;
}
