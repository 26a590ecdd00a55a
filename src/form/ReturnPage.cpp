#include "form/ReturnPage.h"

#include <algorithm>

QString PageField::Text() const {
    const bool blank = std::all_of(Groups.begin(), Groups.end(), [](const PageCells& g) {
        return g.Cells.DashFrom >= g.Cells.Chars.size() && g.Cells.Chars.trimmed().isEmpty();
    });
    if (blank) return QStringLiteral(""); // empty, not null: the field is there
    QString text;
    for (size_t g = 0; g < Groups.size(); ++g) {
        if (g > 0) text += Separator.isNull() ? QChar(u'\n') : Separator;
        const CellGroup& cells = Groups[g].Cells;
        QString row = cells.Chars;
        for (int i = cells.DashFrom; i < row.size(); ++i)
            row[i] = u'-';
        text += row;
    }
    // Empty rows of a text and trailing blank cells say nothing.
    while (!text.isEmpty() && (text.back() == u' ' || text.back() == u'\n'))
        text.chop(1);
    return text;
}

std::vector<const PageField*> ReturnPage::FieldsOf(const QString& id) const {
    std::vector<const PageField*> found;
    for (const PageField& f : Fields)
        if (f.Id == id) found.push_back(&f);
    return found;
}

QString ReturnPage::Cells(const QString& id, int occurrence) const {
    const std::vector<const PageField*> found = FieldsOf(id);
    if (occurrence < 0 || size_t(occurrence) >= found.size()) return QString();
    return found[size_t(occurrence)]->Text();
}
