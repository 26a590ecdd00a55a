#pragma once

#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <vector>

// The pages of the return as the layout leaves them and the painter draws them: every text,
// every rule and every value in its character cells, placed in millimetres from the top-left corner
// of an A4 sheet. Nothing here knows a font or a paint device.

// The sheet of paper and the cells of the form, in millimetres.
namespace PageGeometry {
constexpr double Width = 210;
constexpr double Height = 297;
// Wide enough for the unprintable edge of an ordinary office printer.
constexpr double Left = 15;
constexpr double Right = 200;
constexpr double Top = 10;
constexpr double Bottom = 285;
constexpr double CellWidth = 4.5;
constexpr double CellHeight = 6;
constexpr double RowGap = 1;       // between the rows of cells of one text
constexpr double SeparatorGap = 2; // the point between roubles and kopecks, the parts of a date
} // namespace PageGeometry

// The black squares in the corners of every page of the approved blank.
namespace PageMarks {
constexpr double Size = 5;
constexpr double BarcodeRight = 55; // the top mark right of the barcode area
constexpr double FootTop = 287;     // under the confirmation line
} // namespace PageMarks

enum class TextRole {
    Caption, // captions of lines and notes
    Small,   // the hints under rules
    Heading, // headings inside a sheet
    Title,   // the heading of a sheet
    Code,    // line codes
    Value,   // characters in cells and values written on rules
};

struct PageText {
    QPointF At; // the top-left corner of the line of text
    QString Text;
    TextRole Role = TextRole::Caption;
};

// One group of cells: the roubles of an amount, the day of a date, one row of a text.
struct CellGroup {
    QString Chars;    // one character per cell; a blank is an empty cell
    int DashFrom = 0; // the cells from here to the end are struck through
};

struct PageCells {
    QPointF At; // the top-left corner of the first cell
    CellGroup Cells;
};

// A value of the form: its line code (or key) and its groups of cells.
struct PageField {
    QString Id;
    std::vector<PageCells> Groups;
    QChar Separator; // drawn between groups on one row; none between the rows of a text

    // The characters as printed, a struck-through cell as "-", groups joined by the separator
    // (rows of a text by a line break), trailing blanks left out: "600000------.00".
    QString Text() const;
};

struct ReturnPage {
    QString Sheet;  // "Титульный лист", "Раздел 1", "Лист А"
    QString Number; // "001"
    std::vector<PageText> Texts;
    std::vector<QLineF> Rules;
    std::vector<QRectF> Marks; // filled black
    std::vector<PageField> Fields;

    // The fields of a line code (or key) on this page, in the order printed.
    std::vector<const PageField*> FieldsOf(const QString& id) const;
    // The text of the occurrence-th field of that id; a null string when there is none.
    QString Cells(const QString& id, int occurrence = 0) const;
};
