#pragma once

#include <vector>

// The tables that describe the sheets of the approved form: which lines a page carries, the line
// codes and captions of the form, how many character cells each value gets and which element and
// attribute of the return's XML document fills it. The layout (ReturnLayout) reads these tables and
// nothing else, so a sheet is changed here without touching the layout or the painter.
//
// A value path names an attribute relative to the element the sheet, block or line is printed for:
// "@ДоходОбщ", "ИстЮЛ@Наим", "СвНП/*/ФИОФЛ@Фамилия". A leading "/" starts from the document
// element `Документ`; "|" separates alternatives, the first one present wins; "*" is any child
// element. "#pages" is the number of pages of the whole return.

// How a value fills its cells (the filling rules of the form).
enum class Fill {
    Text,    // upper case, left to right, row after row; the rest of the field struck through
    Code,    // as Text
    CodeZ,   // a digit code filled with leading zeros to the field's size ("07", "036")
    Kopecks, // roubles and kopecks: the roubles from the left, then the two kopeck cells
    Roubles, // whole roubles
    Date,    // "dd.mm.yyyy" in three groups
    Year,    // four cells
    Decimal, // an integer part and a fraction of Fraction cells (currency rates)
    Share,   // "numerator/denominator"
    Rule,    // a line to sign or write on by hand; Cells is its length in millimetres
};

struct FormField {
    const char* Code = "";    // the line code printed before the cells ("010"), or none
    const char* Caption = ""; // the form's caption of the value
    const char* Source = "";  // value path; empty for a value the return never has
    Fill Format = Fill::Text;
    int Cells = 1;             // cells of one row (of the roubles for amounts)
    int Rows = 1;              // rows of cells of a text
    int Fraction = 0;          // fraction cells of Decimal
    bool Above = false;        // the caption stands above the cells rather than before them
    const char* Suffix = "";   // text after the cells ("%", "страницах")
    const char* Key = nullptr; // how tests and the page model name a field without a line code
    bool ZeroIsNone = false;   // a zero says the line does not apply: struck through like no value
    bool Office = false;       // filled in by the tax office: left blank when the return has no value
};

struct FormLine {
    const char* Item = "";    // the number of the line in the act's first column ("1", "2.1")
    const char* Heading = ""; // a heading printed in bold across the column
    const char* Note = "";    // plain text across the column
    std::vector<FormField> Fields = {};
    std::vector<std::vector<FormLine>> Columns = {}; // side by side, each a column of lines
    const char* Repeat = "";                         // printed once for each element found at this path
};

// The approved page is printed whole: a block or line repeated for elements the return does not have
// is printed once with no values, its cells struck through.
struct FormBlock {
    const char* Repeat = ""; // printed once for each element found at this path; empty: once
    std::vector<FormLine> Lines = {};
};

struct FormSheet {
    const char* Name = ""; // the sheet as the act names it: "Титульный лист", "Раздел 1", "Лист А"
    const char* Title = "";          // the heading printed on every page of the sheet
    const char* Element = "";        // each element found at this path gets the sheet; empty: the document
    bool TitlePage = false;          // the form's first page: the form code, no surname line and no
                                     // confirmation line (the title page has its own signature block)
    std::vector<FormLine> Head = {}; // repeated at the top of every page of the sheet
    std::vector<FormBlock> Body = {};
};

// Short constructors that keep the tables readable as tables.
namespace FormFields {

constexpr FormField Text(const char* code, const char* caption, const char* source, int cells, int rows = 1) {
    return {code, caption, source, Fill::Text, cells, rows};
}
constexpr FormField TextAbove(const char* code, const char* caption, const char* source, int cells,
                              int rows = 1) {
    return {code, caption, source, Fill::Text, cells, rows, 0, true};
}
constexpr FormField Code(const char* code, const char* caption, const char* source, int cells,
                         const char* key = nullptr) {
    return {code, caption, source, Fill::Code, cells, 1, 0, false, "", key};
}
constexpr FormField CodeZ(const char* code, const char* caption, const char* source, int cells,
                          const char* key = nullptr) {
    return {code, caption, source, Fill::CodeZ, cells, 1, 0, false, "", key};
}
constexpr FormField Kopecks(const char* code, const char* caption, const char* source, bool above = false) {
    return {code, caption, source, Fill::Kopecks, 12, 1, 2, above};
}
constexpr FormField Roubles(const char* code, const char* caption, const char* source, bool above = false,
                            int cells = 12) {
    return {code, caption, source, Fill::Roubles, cells, 1, 0, above};
}
constexpr FormField Date(const char* code, const char* caption, const char* source, bool above = false,
                         const char* key = nullptr) {
    return {code, caption, source, Fill::Date, 2, 1, 0, above, "", key};
}
constexpr FormField Year(const char* code, const char* caption, const char* source,
                         const char* key = nullptr) {
    return {code, caption, source, Fill::Year, 4, 1, 0, false, "", key};
}
constexpr FormField Rate(const char* code, const char* caption, const char* source) {
    return {code, caption, source, Fill::Decimal, 4, 1, 4, true};
}
constexpr FormField Share(const char* code, const char* caption, const char* source) {
    return {code, caption, source, Fill::Share, 3};
}
constexpr FormField Rule(const char* caption, int millimetres, const char* suffix = "") {
    return {"", caption, "", Fill::Rule, millimetres, 1, 0, false, suffix};
}
// A one-cell code chosen from the numbered list of its caption.
constexpr FormField Mark(const char* code, const char* caption, const char* source,
                         const char* key = nullptr) {
    return {code, caption, source, Fill::Code, 1, 1, 0, false, "", key};
}
// Cells with a text after them: "на [ ][ ][ ] страницах".
constexpr FormField Count(const char* caption, const char* source, int cells, const char* suffix,
                          const char* key = nullptr) {
    return {"", caption, source, Fill::Code, cells, 1, 0, false, suffix, key};
}
// Cells the tax office fills in on receiving the return.
constexpr FormField ForOffice(FormField field) {
    field.Office = true;
    return field;
}
// An amount whose zero means the line does not apply.
constexpr FormField UnlessZero(FormField field) {
    field.ZeroIsNone = true;
    return field;
}

// Lines of several parts in one list.
template <class... Parts> std::vector<FormLine> Join(Parts&&... parts) {
    std::vector<FormLine> lines;
    (lines.insert(lines.end(), parts.begin(), parts.end()), ...);
    return lines;
}

// An item of the act whose caption has a line of its own, with two amounts side by side under it.
inline std::vector<FormLine> TwoAmounts(const char* item, const char* caption, const FormField& first,
                                        const FormField& second) {
    return {{.Item = item, .Note = caption}, {.Fields = {first, second}}};
}

} // namespace FormFields
