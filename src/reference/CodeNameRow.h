#pragma once

#include <QList>
#include <QString>

// One row of a two-column picker: a code and its name, and another code the row is known by and may be
// searched for (a currency's letter code "USD"; empty for most rows).
struct CodeNameRow {
    QString Code;
    QString Name;
    QString Alias = {};
    bool operator==(const CodeNameRow&) const = default;
};

// The first row whose code equals the given one exactly, else fallback.
inline int RowOfCode(const QList<CodeNameRow>& rows, const QString& code, int fallback) {
    for (int i = 0; i < rows.size(); ++i)
        if (rows[i].Code == code) return i;
    return fallback;
}
