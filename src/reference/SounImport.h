#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

// The import of the tax authority's directory of tax offices ("soun1.dbf", a dBASE table in code
// page 866 with records of 1194 bytes) into a new "InspectionNumbers.xml". Like every reader of outside
// files it reports a failure as false with ErrorString().
class SounImport {
public:
    static constexpr int RecordLength = 1194;

    // Builds the windows-1251 document from the table: root Inspections with Version and Date, one
    // Inspection per tax-office record in table order. tablePath only names the table in messages.
    // False ("Error read file:" + tablePath) on a short record or a damaged header; false with its own
    // message when the header's record length is not RecordLength or its record count does not fit
    // what the table holds.
    bool BuildDocument(QIODevice& table, const QString& tablePath, const QString& date,
                       const QString& version, QByteArray& document);

    // Reads the table and replaces the output file in one step; on any failure the old output file stays
    // as it was.
    bool Import(const QString& tablePath, const QString& outputPath, const QString& date,
                const QString& version);

    // Why the last build or import failed.
    const QString& ErrorString() const { return errorString_; }

private:
    bool Fail(const QString& reason);

    QString errorString_;
};
