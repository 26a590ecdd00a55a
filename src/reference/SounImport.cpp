#include "reference/SounImport.h"

#include "reference/ReferenceXml.h"
#include "storage/CodePage.h"
#include "storage/RegularFile.h"
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

// A dBASE header is 32 bytes, one 32-byte descriptor per field and the terminator 0x0D (a Visual FoxPro
// table adds 263 bytes behind it). A header length that disagrees with its descriptors is damage: taken
// at its word, it would have the records read from the wrong place, and the import could silently find
// no tax office at all.
bool HeaderLengthFits(QIODevice& table, quint16 headerLength) {
    constexpr int DescriptorLength = 32;
    constexpr char Terminator = 0x0D;
    constexpr int BacklinkLength = 263;
    if (headerLength < HeaderLength + 1) return false;
    const QByteArray descriptors = table.read(headerLength - HeaderLength);
    for (qsizetype at = 0; at < descriptors.size(); at += DescriptorLength) {
        if (descriptors[at] != Terminator) continue;
        const qsizetype implied = HeaderLength + at + 1;
        return at > 0 && (headerLength == implied || headerLength == implied + BacklinkLength);
    }
    return false;
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
    const quint32 count = qFromLittleEndian<quint32>(header.constData() + 4);
    const quint16 headerLength = qFromLittleEndian<quint16>(header.constData() + 8);
    const quint16 recordLength = qFromLittleEndian<quint16>(header.constData() + 10);
    // A header that points past the end of the table is damage, not an empty directory: replacing
    // the old file with an empty one would lose every tax office.
    if (!table.isSequential() && headerLength > table.size()) return Fail(readError);
    if (!HeaderLengthFits(table, headerLength))
        return Fail(QStringLiteral("Таблица %1 повреждена: длина заголовка (%2) не соответствует "
                                   "описанию полей")
                        .arg(tablePath)
                        .arg(headerLength));
    if (recordLength != RecordLength)
        return Fail(QStringLiteral("Таблица %1 повреждена: длина записи в заголовке %2 байт вместо %3")
                        .arg(tablePath)
                        .arg(recordLength)
                        .arg(RecordLength));
    if (!table.seek(headerLength)) return Fail(readError);

    // The count, the records and the end of the file must agree: a damaged count taken at its word
    // would replace the whole list with part of it.
    const QString countDisagrees =
        QStringLiteral("Таблица %1 повреждена: число записей в заголовке (%2) не соответствует размеру файла")
            .arg(tablePath)
            .arg(count);
    quint32 left = count;
    for (; left > 0 && !table.atEnd(); --left) {
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
    if (left > 0) return Fail(countDisagrees);
    // Nothing follows the counted records but the end-of-file mark dBASE may write.
    const QByteArray rest = table.read(2);
    if (!rest.isEmpty() && rest != QByteArrayLiteral("\x1a")) return Fail(countDisagrees);
    // The new file replaces the whole list: one without a single tax office would leave the picker empty.
    if (!root.child("Inspection"))
        return Fail(
            QStringLiteral("В таблице %1 нет ни одной инспекции, справочник не изменён").arg(tablePath));
    document = ReferenceXml::SerializeCp1251(xml);
    return true;
}

bool SounImport::Import(const QString& tablePath, const QString& outputPath, const QString& date,
                        const QString& version) {
    QFile table;
    QString reason;
    if (!RegularFile::Open(table, tablePath, QIODevice::ReadOnly, reason))
        return Fail(QStringLiteral("Не удалось открыть файл %1: %2").arg(tablePath, reason));
    QByteArray document;
    if (!BuildDocument(table, tablePath, date, version, document)) return false;
    SaveFile output(outputPath);
    output.SetOutputOf({tablePath});
    if (!output.Save(document))
        return Fail(QStringLiteral("Не удалось записать файл %1: %2").arg(outputPath, output.ErrorString()));
    return true;
}
