#pragma once

#include "reference/CodeNameRow.h"

#include <QStringList>

// What is typed into a picker's search field: the rows that answer it are those in which every word of
// it begins the code (or the row's other code) or is found in the name, in any letter case. Blanks and "№"
// separate words, so "№ 16 Петербург" finds "Межрайонная инспекция ... №16 по Санкт-Петербургу", and "7801"
// finds that office by its code. An empty text is answered by every row.
class RowSearch {
public:
    explicit RowSearch(const QString& text);

    bool IsEmpty() const { return words_.isEmpty(); }
    bool Matches(const CodeNameRow& row) const;

private:
    QStringList words_;
};
