#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// A table in the plain form our sources and rate tables use: UTF-8 text, fields separated by ";", the
// first line naming the columns. A field may be quoted as standard CSV writes it ("...", a quote inside
// doubled), which is how a name holding ";" is written. Blank lines are skipped.
class SemicolonCsv {
public:
    struct Row {
        int Line = 0; // 1-based line of the file, for messages
        QStringList Fields;
    };

    // Reads the text; its first line must name exactly these columns. Every row must have as many
    // fields. On failure returns false with a message that names the line.
    bool Parse(const QByteArray& bytes, const QStringList& columns);

    // One line of such a table (without its line break), each field quoted only when it must be.
    static QString Line(const QStringList& fields);

    const QList<Row>& Rows() const { return rows_; }
    QString ErrorString() const { return error_; }

private:
    bool Fail(int line, const QString& what);

    QList<Row> rows_;
    QString error_;
};

// "строка N: what", the form in which every reader of our tables reports a bad line.
QString LineMessage(int line, const QString& what);
