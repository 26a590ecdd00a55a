#pragma once

#include "computation/SvodSum.h"
#include "export/ExportGroups.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QUuid>
#include <functional>
#include <memory>
#include <optional>

class kTSvodSum;
class mTDeclaration;

namespace pugi {
class xml_document;
}

// How the export hands over its document.
enum : quint16 {
    ExportToFile = 1, // saved in the folder; the result is the file name
    ExportToText = 2  // nothing is written; the result is the document text (the print interface)
};

// Writes a declaration as the tax authority's electronic filing document (3-NDFL or 4-NDFL), in
// windows-1251. The computation runs first; when it fails, the export goes on with the results as far as
// they were computed and says so in Warnings(). A failure while the document is built or saved ends the
// export with false and ErrorString(); a failed save never leaves a partial file under the final name.
class XmlExport {
public:
    static inline const QString ComputationFailed = kTSvodSum::FailureMessage;
    static inline const QString BuildFailed =
        QStringLiteral("Ошибка в выгрузке. Пожалуйста, свяжитесь с разработчиками через службу поддержки");

    XmlExport();
    ~XmlExport();
    XmlExport(const XmlExport&) = delete;
    XmlExport& operator=(const XmlExport&) = delete;

    // A fixed document date and file GUID in place of today and a new GUID, for reproducible output.
    void SetFixedDate(QDate date) { fixedDate_ = date; }
    void SetFixedGuid(QUuid guid) { fixedGuid_ = guid; }

    // Computes the declaration and builds its document. Mode ExportToFile saves
    // folder/<identifier>.xml, replacing a file of that name, and Result() is "<identifier>.xml"; any
    // other mode writes nothing and Result() is the document's text. False, with ErrorString(), when
    // no document could be built or saved.
    bool Export(const QString& folder, mTDeclaration& declaration, quint16 mode);
    // The same from results computed elsewhere; the declaration is only read.
    bool Export(const QString& folder, const mTDeclaration& declaration, const kTSvodSum& sum, quint16 mode);

    // What the last export gave: the file's name or the document's text; empty after a failure.
    const QString& Result() const { return result_; }
    // Why the last export failed, for the user.
    const QString& ErrorString() const { return errorString_; }
    // What the last export has to tell although it went on (ComputationFailed).
    const QStringList& Warnings() const { return warnings_; }
    // The document of the last export, kept until the next one replaces it.
    const pugi::xml_document* Document() const { return document_.get(); }

private:
    ExportStamp Stamp() const;
    bool Fail(const QString& reason);

    QString result_;
    QString errorString_;
    QStringList warnings_;
    std::optional<QDate> fixedDate_;
    std::optional<QUuid> fixedGuid_;
    std::unique_ptr<pugi::xml_document> document_;
};
