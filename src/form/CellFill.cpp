#include "form/CellFill.h"

#include <QStringList>
#include <algorithm>

namespace {

// A group of at least `cells` cells holding text from the left; with dashes after a value.
CellGroup Group(const QString& text, int cells, bool filled) {
    CellGroup group;
    const int size = std::max<int>(cells, int(text.size()));
    group.Chars = text.leftJustified(size, u' ');
    group.DashFrom = filled ? int(text.size()) : size;
    return group;
}

bool AllDigits(const QString& text) {
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

// Roubles (or any integer part) and a fraction of `fractionCells` cells; the fraction is a number's
// tail, so "500.5" reads 500 roubles 50 kopecks.
std::vector<CellGroup> Number(const QString& value, int cells, int fractionCells) {
    const qsizetype point = value.indexOf(u'.');
    const QString whole = point < 0 ? value : value.left(point);
    QString fraction = point < 0 ? QString() : value.mid(point + 1);
    if (fraction.size() < fractionCells) fraction = fraction.leftJustified(fractionCells, u'0');
    return {Group(whole, cells, true), Group(fraction, fractionCells, true)};
}

// Groups of the given sizes split at a separator; a value that does not split so stays whole.
std::vector<CellGroup> Split(const QString& value, QChar separator, std::initializer_list<int> sizes) {
    const QStringList parts = value.split(separator);
    std::vector<CellGroup> groups;
    if (parts.size() != qsizetype(sizes.size())) {
        int total = 0;
        for (int s : sizes)
            total += s;
        groups.push_back(Group(value, total, true));
        return groups;
    }
    qsizetype i = 0;
    for (int size : sizes)
        groups.push_back(Group(parts[i++], size, true));
    return groups;
}

// A value the return does not have: every cell struck through, or left blank for the tax office.
std::vector<CellGroup> Empty(const FormField& field) {
    const bool dashed = !field.Office;
    switch (field.Format) {
    case Fill::Kopecks:
    case Fill::Decimal:
        return {Group({}, field.Cells, dashed), Group({}, field.Fraction, dashed)};
    case Fill::Date:
        return {Group({}, 2, dashed), Group({}, 2, dashed), Group({}, 4, dashed)};
    case Fill::Share:
        return {Group({}, field.Cells, dashed), Group({}, field.Cells, dashed)};
    case Fill::Rule:
        return {};
    default:
        break;
    }
    std::vector<CellGroup> rows;
    for (int r = 0; r < std::max(1, field.Rows); ++r)
        rows.push_back(Group({}, field.Cells, dashed));
    return rows;
}

bool IsZero(const QString& value) {
    bool number = false;
    return value.toDouble(&number) == 0 && number;
}

// A text row after row; rows the text does not reach are struck through whole.
std::vector<CellGroup> Rows(const QString& text, int cells, int minimumRows) {
    const int width = std::max(1, cells);
    const int rows = std::max<int>(minimumRows, int((text.size() + width - 1) / width));
    std::vector<CellGroup> groups;
    for (int r = 0; r < std::max(1, rows); ++r)
        groups.push_back(Group(text.mid(qsizetype(r) * width, width), width, true));
    return groups;
}

} // namespace

namespace CellFill {

std::vector<CellGroup> Groups(const FormField& field, const QString& rawValue) {
    const QString value = rawValue.trimmed();
    if (value.isEmpty() || field.Format == Fill::Rule || (field.ZeroIsNone && IsZero(value)))
        return Empty(field);
    switch (field.Format) {
    case Fill::Kopecks:
    case Fill::Decimal:
        return Number(value, field.Cells, field.Fraction);
    case Fill::Roubles:
        return {Group(value, field.Cells, true)};
    case Fill::Date:
        return Split(value, u'.', {2, 2, 4});
    case Fill::Share:
        return Split(value, u'/', {field.Cells, field.Cells});
    case Fill::Year:
        return {Group(value, 4, true)};
    case Fill::CodeZ:
        if (AllDigits(value) && value.size() < field.Cells)
            return {Group(value.rightJustified(field.Cells, u'0'), field.Cells, true)};
        return {Group(value, field.Cells, true)};
    default:
        return Rows(value.toUpper(), field.Cells, field.Rows);
    }
}

QChar Separator(Fill format) {
    switch (format) {
    case Fill::Kopecks:
    case Fill::Decimal:
    case Fill::Date:
        return u'.';
    case Fill::Share:
        return u'/';
    default:
        return QChar();
    }
}

} // namespace CellFill
