#include "reference/ReferenceGenerator.h"

#include "reference/RatesDocument.h"
#include "reference/ReferenceFile.h"
#include "reference/ReferenceXml.h"
#include "reference/SemicolonCsv.h"
#include "storage/CodePage.h"
#include "storage/SaveFile.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <set>

namespace {

// The directory as the program knows it: the state at the end of the tax year.
const char* const kInspectionsVersion = "00";
const char* const kInspectionsDate = "01.01.2011";

void SetText(pugi::xml_node node, const char* attribute, const QString& value) {
    node.append_attribute(attribute).set_value(value.toUtf8().constData());
}

// The level of an activity code by its form, 0 when it has none of the classifier's forms.
int OkvedLevel(const QString& code) {
    static const QRegularExpression forms[] = {
        QRegularExpression(QStringLiteral("^[A-Z]{1,2}$")),
        QRegularExpression(QStringLiteral("^\\d\\d$")),
        QRegularExpression(QStringLiteral("^\\d\\d\\.\\d$")),
        QRegularExpression(QStringLiteral("^\\d\\d\\.\\d\\d$")),
        QRegularExpression(QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d$")),
        QRegularExpression(QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d\\d$")),
    };
    for (int level = 1; level <= 6; ++level)
        if (forms[level - 1].match(code).hasMatch()) return level;
    return 0;
}

} // namespace

QStringList ReferenceGenerator::Files() {
    return {ReferenceFileName::Inspections, ReferenceFileName::Okved, ReferenceFileName::CurrencyRates};
}

bool ReferenceGenerator::Fail(const QString& message) {
    error_ = message;
    return false;
}

bool ReferenceGenerator::Build(const QString& sourcesDir, const QString& fileName, QByteArray& bytes) {
    const QDir dir(sourcesDir);
    const auto read = [&](const QString& name, QByteArray& table) {
        return ReferenceXml::ReadFile(dir.filePath(name), table, error_);
    };
    const auto named = [&](const QString& name, bool ok) {
        if (!ok) error_ = QStringLiteral("%1: %2").arg(name, error_);
        return ok;
    };
    QByteArray table, second;
    if (fileName == ReferenceFileName::Inspections)
        return read(SourceFileName::TaxOffices, table) &&
               named(SourceFileName::TaxOffices, BuildInspections(table, bytes));
    if (fileName == ReferenceFileName::Okved)
        return read(SourceFileName::Okved, table) && named(SourceFileName::Okved, BuildOkved(table, bytes));
    if (fileName == ReferenceFileName::CurrencyRates)
        return read(SourceFileName::Rates, table) && read(SourceFileName::CurrencyIds, second) &&
               BuildCurrencyRates(table, second, bytes);
    return Fail(QStringLiteral("справочник %1 не строится из исходных таблиц").arg(fileName));
}

bool ReferenceGenerator::WriteAll(const QString& sourcesDir, const QString& outDir) {
    QList<QByteArray> built;
    for (const QString& name : Files()) {
        QByteArray bytes;
        if (!Build(sourcesDir, name, bytes)) return false;
        built.append(bytes);
    }
    for (qsizetype i = 0; i < built.size(); ++i) {
        SaveFile file(QDir(outDir).filePath(Files()[i]));
        file.SetOutputOf({});
        if (!file.Save(built[i]))
            return Fail(
                QStringLiteral("Не удалось записать файл %1: %2").arg(file.FileName(), file.ErrorString()));
    }
    return true;
}

bool ReferenceGenerator::BuildInspections(const QByteArray& table, QByteArray& bytes) {
    SemicolonCsv csv;
    if (!csv.Parse(table, {QStringLiteral("code"), QStringLiteral("name")})) return Fail(csv.ErrorString());
    pugi::xml_document document;
    pugi::xml_node root = document.append_child("Inspections");
    root.append_attribute("Version").set_value(kInspectionsVersion);
    root.append_attribute("Date").set_value(kInspectionsDate);
    static const QRegularExpression fourDigits(QStringLiteral("^\\d{4}$"));
    QSet<QString> codes;
    for (const SemicolonCsv::Row& row : csv.Rows()) {
        const QString code = row.Fields[0].trimmed();
        const QString name = row.Fields[1].trimmed();
        if (!fourDigits.match(code).hasMatch())
            return Fail(
                LineMessage(row.Line, QStringLiteral("код инспекции не из четырёх цифр: «%1»").arg(code)));
        if (codes.contains(code))
            return Fail(LineMessage(row.Line, QStringLiteral("код %1 уже был").arg(code)));
        if (name.isEmpty() || !CodePage::IsCp1251(name))
            return Fail(LineMessage(row.Line, QStringLiteral("наименование пусто или не в windows-1251")));
        codes.insert(code);
        pugi::xml_node office = root.append_child("Inspection");
        SetText(office, "Code", code);
        office.text().set(name.toUtf8().constData());
    }
    bytes = ReferenceXml::SerializeCp1251(document);
    return true;
}

bool ReferenceGenerator::BuildOkved(const QByteArray& table, QByteArray& bytes) {
    SemicolonCsv csv;
    if (!csv.Parse(table, {QStringLiteral("code"), QStringLiteral("name"), QStringLiteral("section")}))
        return Fail(csv.ErrorString());
    pugi::xml_document document;
    pugi::xml_node root = document.append_child("OKVED");
    QString section, prefix; // the current section, and the letters of the current section or subsection
    QSet<QString> kods;
    std::set<std::pair<int, QString>> names; // the picker finds an entry by its level and name
    for (const SemicolonCsv::Row& row : csv.Rows()) {
        const QString code = row.Fields[0].trimmed();
        const QString name = row.Fields[1].trimmed();
        const QString rowSection = row.Fields[2].trimmed();
        const auto bad = [&](const QString& what) { return Fail(LineMessage(row.Line, what)); };
        const int level = OkvedLevel(code);
        if (level == 0) return bad(QStringLiteral("код «%1» не похож на код ОКВЭД").arg(code));
        if (level == 1 && code.size() == 1) {
            if (rowSection != code)
                return bad(QStringLiteral("раздел %1 отнесён к разделу %2").arg(code, rowSection));
            section = code;
        } else if (level == 1) {
            if (section.isEmpty() || code.left(1) != section || rowSection != section)
                return bad(QStringLiteral("подраздел %1 стоит не после своего раздела").arg(code));
        } else if (rowSection != section || section.isEmpty()) {
            return bad(QStringLiteral("код %1 стоит не в своём разделе %2").arg(code, rowSection));
        }
        if (level == 1) prefix = code;
        // The code of the entry one level up: the last digit dropped, and a point left at the end.
        QString parent = code.chopped(1);
        if (parent.endsWith(QLatin1Char('.'))) parent.chop(1);
        if (level > 2 && !kods.contains(prefix + parent))
            return bad(QStringLiteral("код %1 стоит не после кода %2").arg(code, parent));
        const QString kod = level == 1 ? code : prefix + code;
        if (kods.contains(kod)) return bad(QStringLiteral("код %1 уже был").arg(code));
        if (name.isEmpty() || !CodePage::IsCp1251(name))
            return bad(QStringLiteral("наименование пусто или не в windows-1251"));
        if (!names.emplace(level, name).second)
            return bad(QStringLiteral("наименование уже было на уровне %1: «%2»").arg(level).arg(name));
        kods.insert(kod);
        pugi::xml_node item = root.append_child("Item");
        SetText(item, "GRUP", QString::number(level));
        SetText(item, "Kod", kod);
        SetText(item, "OKVED", code);
        SetText(item, "Name", name);
    }
    bytes = ReferenceXml::SerializeCp1251(document);
    return true;
}

bool ReferenceGenerator::BuildCurrencyRates(const QByteArray& rates, const QByteArray& ids,
                                            QByteArray& bytes) {
    RateInput input;
    if (!input.ReadAs(RateInput::Format::Table, rates))
        return Fail(QStringLiteral("%1: %2").arg(SourceFileName::Rates, input.ErrorString()));
    RatesDocument document;
    QStringList report;
    for (const IncomingRate& rate : input.Rates())
        if (!document.Merge(rate.Code, rate, report))
            return Fail(QStringLiteral("%1: %2").arg(SourceFileName::Rates,
                                                     LineMessage(rate.Line, document.ErrorString())));
    document.SortByName();

    SemicolonCsv csv;
    if (!csv.Parse(ids, {QStringLiteral("code"), QStringLiteral("letter"), QStringLiteral("id")}))
        return Fail(QStringLiteral("%1: %2").arg(SourceFileName::CurrencyIds, csv.ErrorString()));
    for (const SemicolonCsv::Row& row : csv.Rows())
        if (!document.SetBankId(row.Fields[0].trimmed(), row.Fields[2].trimmed()))
            return Fail(QStringLiteral("%1: %2").arg(
                SourceFileName::CurrencyIds,
                LineMessage(row.Line, QStringLiteral("валюты %1 нет в таблице курсов").arg(row.Fields[0]))));
    bytes = document.Serialize();
    return true;
}
