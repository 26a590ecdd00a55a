#include "export/XmlExport.h"

#include "computation/SvodSum.h"
#include "export/ExportText.h"
#include "records/Declaration.h"
#include "storage/CodePage.h"
#include "storage/SaveFile.h"

#include <QDir>
#include <pugixml.hpp>

namespace {

class Utf8Writer : public pugi::xml_writer {
public:
    void write(const void* data, size_t size) override {
        bytes.append(static_cast<const char*>(data), qsizetype(size));
    }
    QByteArray bytes;
};

void BuildDocument(pugi::xml_document& document, const ExportContext& context, const ExportStamp& stamp,
                   const QString& identifier) {
    const bool estimated = ExportGroups::IsEstimatedIncome(context.Declaration);

    pugi::xml_node declaration = document.append_child(pugi::node_declaration);
    pugi::xml_node file = document.append_child("Файл");
    if (!declaration || !file) throw std::bad_alloc();
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "windows-1251";
    // The root's attributes are the only ones not upper-cased.
    file.append_attribute("ИдФайл") = identifier.toUtf8().constData();
    file.append_attribute("ВерсПрог") = "1.0.2";
    file.append_attribute("ВерсФорм") = estimated ? "5.01" : "5.06";

    ExportElement doc = ExportElement(file).Add("Документ");
    ExportGroups::WriteDocumentAttributes(context, doc, stamp);
    ExportGroups::WriteTaxpayer(context, doc);
    ExportGroups::WriteSigner(context, doc);
    if (estimated) {
        ExportGroups::WriteEstimatedIncome(context, doc);
        return;
    }

    ExportElement body = doc.Add("НДФЛ3");
    ExportElement totals = body.Add("ИтогУплВозв");
    ExportGroups::WriteRateBlocks(context, totals);
    if (ExportGroups::HasIncomeDeductionDetails(context)) {
        ExportElement details = totals.Add("СведДохВыч");
        ExportGroups::WriteRussianIncome(context, details);
        ExportGroups::WriteForeignIncome(context, details);
        ExportGroups::WriteBusinessIncome(context, details);
        ExportGroups::WriteExemptIncomeAndProfessionalDeductions(context, details);
        ExportGroups::WriteSaleStandardSocialPensionDeductions(context, details);
        ExportGroups::WriteSecuritiesAndHousingDeduction(context, details);
    }
    ExportGroups::WritePaymentLines(context, body);
}

// The document in windows-1251, as the file holds it.
QByteArray Serialise(const pugi::xml_document& document) {
    Utf8Writer writer;
    document.save(writer, "", pugi::format_raw, pugi::encoding_utf8);
    return CodePage::ToCp1251(QString::fromUtf8(writer.bytes));
}

// The identifier as a name inside the chosen folder: a damaged declaration must not send the file elsewhere.
QString FileName(const QString& identifier) {
    QString name = identifier;
    for (QChar& c : name)
        if (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c)) c = QLatin1Char('_');
    return name + QStringLiteral(".xml");
}

} // namespace

XmlExport::XmlExport() = default;
XmlExport::~XmlExport() = default;

bool XmlExport::Export(const QString& folder, mTDeclaration& declaration, quint16 mode) {
    auto sum = std::make_unique<kTSvodSum>();
    bool computed = true;
    try {
        sum->Compute(declaration);
    } catch (...) {
        computed = false;
    }
    const bool exported = Export(folder, declaration, *sum, mode);
    if (!computed) warnings_.prepend(ComputationFailed);
    return exported;
}

bool XmlExport::Fail(const QString& reason) {
    result_.clear();
    errorString_ = reason;
    return false;
}

bool XmlExport::Export(const QString& folder, const mTDeclaration& declaration, const kTSvodSum& sum,
                       quint16 mode) {
    result_.clear();
    errorString_.clear();
    warnings_.clear();
    document_.reset();
    try {
        document_ = std::make_unique<pugi::xml_document>();
    } catch (const std::exception& e) {
        return Fail(QStringLiteral("Ошибка создания объекта:") + QString::fromLocal8Bit(e.what()));
    }

    QByteArray bytes;
    QString identifier;
    try {
        const ExportContext context{declaration, sum};
        const ExportStamp stamp = Stamp();
        identifier = ExportText::Clean(ExportGroups::FileIdentifier(declaration, stamp));
        BuildDocument(*document_, context, stamp, identifier);
        bytes = Serialise(*document_);
    } catch (...) {
        return Fail(BuildFailed);
    }
    // The text is what the file would hold, so the print interface sees the same characters.
    if (mode != ExportToFile) {
        result_ = CodePage::FromCp1251(bytes);
        return true;
    }
    const QString fileName = FileName(identifier);
    SaveFile file(QDir(folder).filePath(fileName));
    file.SetOutputOf({});
    if (!file.Save(bytes))
        return Fail(
            QStringLiteral("Не удалось записать файл %1: %2").arg(file.FileName(), file.ErrorString()));
    result_ = fileName;
    return true;
}

ExportStamp XmlExport::Stamp() const {
    const QUuid guid = fixedGuid_ ? *fixedGuid_ : QUuid::createUuid();
    return {fixedDate_ ? *fixedDate_ : QDate::currentDate(), guid.toString(QUuid::WithoutBraces).toUpper()};
}
