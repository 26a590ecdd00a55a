#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

class QIODevice;

// A failure of the tax-office directory import, with its message.
class ESounImport : public std::exception {
public:
    explicit ESounImport(QString message) : message_(std::move(message)), utf8_(message_.toUtf8()) {}
    const QString& Message() const { return message_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString message_;
    QByteArray utf8_;
};

// The import of the tax authority's directory of tax offices ("soun1.dbf", a dBASE table in code
// page 866 with records of 1194 bytes) into a new "InspectionNumbers.xml".
namespace SounImport {

inline constexpr int RecordLength = 1194;

// Builds the windows-1251 document from the table: root Inspections with Version and Date, one
// Inspection per tax-office record in table order. tablePath only names the table in messages.
// Throws ESounImport ("Error read file:" + tablePath) on a short record or a damaged header.
QByteArray BuildDocument(QIODevice& table, const QString& tablePath, const QString& date,
                         const QString& version);

// Reads the table and replaces the output file in one step; on any error the old output file stays
// as it was and ESounImport is thrown.
bool Import(const QString& tablePath, const QString& outputPath, const QString& date, const QString& version);

} // namespace SounImport
