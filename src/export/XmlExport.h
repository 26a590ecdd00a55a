#pragma once

#include "computation/SvodSum.h"
#include "export/ExportGroups.h"

#include <QDate>
#include <QString>
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
// windows-1251. The computation runs first; its failure is reported and the export goes on with the
// results as far as they were computed. A failure while the document is built or saved is reported
// and gives the result "ERROR"; a failed save never leaves a partial file under the final name.
class XmlExport {
public:
    using MessageSink = std::function<void(const QString&)>;
    using Computation = std::function<void(mTDeclaration&, kTSvodSum&)>;

    static inline const QString ErrorResult = QStringLiteral("ERROR");
    static inline const QString ComputationFailed = kTSvodSum::FailureMessage;
    static inline const QString BuildFailed =
        QStringLiteral("Ошибка в выгрузке. Пожалуйста, свяжитесь с разработчиками через службу поддержки");

    XmlExport();
    ~XmlExport();
    XmlExport(const XmlExport&) = delete;
    XmlExport& operator=(const XmlExport&) = delete;

    // Receives the messages the export shows itself; without one they are dropped.
    void SetMessageSink(MessageSink sink) { sink_ = std::move(sink); }
    // A fixed document date and file GUID in place of today and a new GUID, for reproducible output.
    void SetFixedDate(QDate date) { fixedDate_ = date; }
    void SetFixedGuid(QUuid guid) { fixedGuid_ = guid; }
    // Replaces the full computation (kTSvodSum::Compute), for instance to observe a failing one.
    void SetComputation(Computation computation) { computation_ = std::move(computation); }

    // Computes the declaration and builds its document. Mode ExportToFile saves
    // folder/<identifier>.xml, replacing a file of that name, and returns "<identifier>.xml";
    // any other mode returns the document text. When no document can be created, throws std::runtime_error
    // whose what() is the UTF-8 message for the caller to show.
    QString Export(const QString& folder, mTDeclaration& declaration, quint16 mode);
    // The same from results computed elsewhere; the declaration is only read.
    QString Export(const QString& folder, const mTDeclaration& declaration, const kTSvodSum& sum,
                   quint16 mode);

    // The document of the last export, kept until the next one replaces it.
    const pugi::xml_document* Document() const { return document_.get(); }

private:
    ExportStamp Stamp() const;
    void Report(const QString& message) const;

    MessageSink sink_;
    Computation computation_;
    std::optional<QDate> fixedDate_;
    std::optional<QUuid> fixedGuid_;
    std::unique_ptr<pugi::xml_document> document_;
};
