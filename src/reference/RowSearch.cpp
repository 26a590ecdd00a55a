#include "reference/RowSearch.h"

#include <QRegularExpression>

RowSearch::RowSearch(const QString& text) {
    static const QRegularExpression separators(QStringLiteral("[\\s№]+"));
    words_ = text.split(separators, Qt::SkipEmptyParts);
}

bool RowSearch::Matches(const CodeNameRow& row) const {
    for (const QString& word : words_)
        if (!row.Code.startsWith(word, Qt::CaseInsensitive) &&
            !row.Name.contains(word, Qt::CaseInsensitive) &&
            !(!row.Alias.isEmpty() && row.Alias.startsWith(word, Qt::CaseInsensitive)))
            return false;
    return true;
}
