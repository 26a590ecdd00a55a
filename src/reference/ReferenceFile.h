#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

namespace ReferenceXml {
class Document;
}

// Names of the reference files that lie beside the program.
namespace ReferenceFileName {
inline const QString Inspections = QStringLiteral("InspectionNumbers.xml");
inline const QString Countries = QStringLiteral("Oksm.xml");
inline const QString Okved = QStringLiteral("Sp_OKVED2.xml");
inline const QString CurrencyRates = QStringLiteral("CurrencyRates.xml");
} // namespace ReferenceFileName

// A reference file read whole into rows. Only the root's child elements are looked at, in document
// order; the names of the root and its children are not checked. A file that cannot be read or parsed
// leaves the object empty with a message in ErrorString(); nothing is thrown. Load tells at once
// whether the file is sound; the rows are made from the parsed file when they are first asked for
// (the thousands of tax offices are parsed while the main window starts, and listed only when the
// picker opens).
class mTReferenceFile {
public:
    virtual ~mTReferenceFile() = default;

    bool Load(const QString& fileName);
    bool LoadFromBytes(const QByteArray& bytes);
    // Reads the file only when its rows are first asked for, as Load would: the main window keeps the
    // activity codes and the rates for the whole run, and most runs never open a screen that uses them.
    void LoadWhenUsed(const QString& fileName);
    QString ErrorString() const;

protected:
    virtual void Clear() = 0;
    // Called with a parsed document after Clear().
    virtual void Read(const ReferenceXml::Document& document) = 0;
    // Every reader of the rows calls it first.
    void Ready() const;

private:
    bool Parse(QByteArray bytes);

    QString error_;
    mutable QString pending_; // the file LoadWhenUsed names, until it is read
    // The parsed file until its rows are made; shared by copies, each of which makes its own rows.
    mutable std::shared_ptr<const ReferenceXml::Document> parsed_;
};
