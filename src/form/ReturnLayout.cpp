#include "form/ReturnLayout.h"

#include "form/CellFill.h"
#include "form/ReturnFonts.h"
#include "form/ReturnSheets.h"
#include "form/XmlPath.h"

#include <QHash>
#include <algorithm>
#include <cstring>
#include <pugixml.hpp>
#include <unordered_map>

namespace G = PageGeometry;

namespace {

constexpr double ItemWidth = 9;     // the column of line numbers
constexpr double CodeWidth = 8;     // a line code before its cells
constexpr double CellsColumn = 112; // where the cells of a table line start, from the left edge
constexpr double LabelColumn = 30;  // where the cells of a lone value without a line code start
constexpr double LineGap = 1.6;
constexpr double FieldGap = 5; // between fields side by side
constexpr double CaptionGap = 1.5;
constexpr double ColumnGap = 6;
constexpr double HeaderBottom = 28; // the body starts under the page header
constexpr double FooterTop = 277;   // the confirmation line of a page

constexpr const char* PagesSource = "#pages";

bool IsPagesSource(const char* source) {
    return std::strcmp(source, PagesSource) == 0;
}

QString Utf8(const char* text) {
    return QString::fromUtf8(text);
}

// A field measured for placing: its cells, caption and the room they take.
struct FieldBox {
    const FormField* Spec = nullptr;
    std::vector<CellGroup> Groups;
    QChar Separator;
    double CellsWidth = 0;
    double CellsHeight = G::CellHeight;
    double CodeWidth = 0;
    double SuffixWidth = 0;
    QStringList Caption;
    double CaptionWidth = 0;
    double CaptionPad = 0; // room between an inline caption and its cells

    double Width() const {
        const double cells = CodeWidth + CellsWidth + SuffixWidth;
        if (Spec->Above) return std::max(CaptionWidth, cells);
        return CaptionWidth + (CaptionWidth > 0 ? CaptionGap : 0) + CaptionPad + cells;
    }
};

// A field whose value is known only when every page is laid out (the number of pages).
struct Pending {
    size_t Page;
    size_t Field;
    const FormField* Spec;
};

class Builder {
public:
    Builder(pugi::xml_node document, std::vector<ReturnPage>& pages) : document_(document), pages_(pages) {}

    void LaySheet(const FormSheet& sheet);
    void Finish();

private:
    const XmlPath& Path(const char* spec) {
        auto it = paths_.find(spec);
        if (it == paths_.end()) it = paths_.emplace(spec, XmlPath(spec)).first;
        return it->second;
    }
    QString Value(const char* spec, pugi::xml_node context) {
        if (!*spec || IsPagesSource(spec)) return QString();
        return Path(spec).Value(context, document_);
    }
    std::vector<pugi::xml_node> Elements(const char* spec, pugi::xml_node context) {
        if (!*spec) return {context};
        return Path(spec).Elements(context, document_);
    }
    // What a repeated block or line is printed for: its elements, or once with no values when there
    // are none, since the approved page carries every line.
    std::vector<pugi::xml_node> Instances(const char* spec, pugi::xml_node context) {
        std::vector<pugi::xml_node> found = Elements(spec, context);
        if (found.empty()) found.emplace_back();
        return found;
    }

    double LineHeight(TextRole role) const { return ReturnFonts::LineHeight(role); }
    const QStringList& Wrap(TextRole role, const QString& text, double width);
    void Text(ReturnPage* page, TextRole role, const QString& text, double x, double y) {
        if (page && !text.isEmpty()) page->Texts.push_back({QPointF(x, y), text, role});
    }
    double TextBlock(ReturnPage* page, TextRole role, const char* item, const QString& text, double x0,
                     double x1, double y, bool centred = false);

    void StartPage(const FormSheet& sheet, pugi::xml_node instance);
    void Header(ReturnPage& page, const FormSheet& sheet);
    void Footer(ReturnPage& page);
    double Bottom(const FormSheet& sheet) const { return sheet.TitlePage ? G::Bottom : FooterTop - 2; }
    void LayBlock(const FormSheet& sheet, pugi::xml_node instance, const FormBlock& block,
                  pugi::xml_node context);

    // Each returns the height of the line; it draws only when given a page.
    double Line(const FormLine& line, pugi::xml_node context, double x0, double x1, double y,
                ReturnPage* page);
    double TableLine(const FormLine& line, pugi::xml_node context, double x0, double x1, double y,
                     ReturnPage* page);
    double FlowLine(const FormLine& line, pugi::xml_node context, double x0, double x1, double y,
                    ReturnPage* page);
    double Columns(const FormLine& line, pugi::xml_node context, double x0, double x1, double y,
                   ReturnPage* page);

    FieldBox Box(const FormField& spec, pugi::xml_node context, double captionLimit);
    // The code (unless a table line has put it in its column), the cells and what follows them.
    void Place(ReturnPage& page, const FieldBox& box, double x, double y, bool withCode = true);

    pugi::xml_node document_;
    std::vector<ReturnPage>& pages_;
    ReturnFonts::Metrics metrics_;
    std::unordered_map<const char*, XmlPath> paths_;
    QHash<QString, QStringList> wraps_;
    std::vector<Pending> pending_;
    double y_ = 0;
    double freshTop_ = 0;
};

const QStringList& Builder::Wrap(TextRole role, const QString& text, double width) {
    const QString key = QString::number(int(role)) + u'|' + QString::number(qRound(width * 10)) + u'|' + text;
    auto found = wraps_.constFind(key);
    if (found != wraps_.constEnd()) return *found;
    auto fits = [&](const QString& line) { return metrics_.Width(role, line) <= width; };
    QStringList lines;
    QString current;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        const QString candidate = current.isEmpty() ? word : current + u' ' + word;
        if (fits(candidate)) {
            current = candidate;
            continue;
        }
        if (!current.isEmpty()) lines << current;
        current = word;
        // A word longer than the line is broken where the line ends.
        while (current.size() > 1 && !fits(current)) {
            qsizetype n = current.size() - 1;
            while (n > 1 && !fits(current.left(n)))
                --n;
            lines << current.left(n);
            current = current.mid(n);
        }
    }
    if (!current.isEmpty()) lines << current;
    return *wraps_.insert(key, lines);
}

double Builder::TextBlock(ReturnPage* page, TextRole role, const char* item, const QString& text, double x0,
                          double x1, double y, bool centred) {
    const double left = *item ? x0 + ItemWidth : x0;
    const QStringList& lines = Wrap(role, text, x1 - left);
    const double lh = LineHeight(role);
    if (page) {
        Text(page, TextRole::Caption, Utf8(item), x0, y);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const double x = centred ? left + (x1 - left - metrics_.Width(role, lines[i])) / 2 : left;
            Text(page, role, lines[i], x, y + double(i) * lh);
        }
    }
    return double(lines.size()) * lh + (role == TextRole::Heading ? 1.2 : 0.8);
}

FieldBox Builder::Box(const FormField& spec, pugi::xml_node context, double captionLimit) {
    FieldBox box;
    box.Spec = &spec;
    box.Groups = CellFill::Groups(spec, Value(spec.Source, context));
    box.Separator = CellFill::Separator(spec.Format);
    if (spec.Format == Fill::Rule) {
        box.CellsWidth = spec.Cells;
    } else if (box.Separator.isNull()) {
        qsizetype widest = 0;
        for (const CellGroup& g : box.Groups)
            widest = std::max(widest, g.Chars.size());
        const double rows = double(box.Groups.size());
        box.CellsWidth = double(widest) * G::CellWidth;
        box.CellsHeight = rows * G::CellHeight + (rows - 1) * G::RowGap;
    } else {
        for (const CellGroup& g : box.Groups)
            box.CellsWidth += double(g.Chars.size()) * G::CellWidth;
        box.CellsWidth += double(box.Groups.size() - 1) * G::SeparatorGap;
    }
    box.CodeWidth = *spec.Code ? CodeWidth : 0;
    if (*spec.Suffix) box.SuffixWidth = CaptionGap + metrics_.Width(TextRole::Caption, Utf8(spec.Suffix));
    const QString caption = Utf8(spec.Caption);
    if (!caption.isEmpty()) {
        const double cells = box.CodeWidth + box.CellsWidth + box.SuffixWidth;
        // A caption above spans its cells, or a little more when they are few; one before the cells
        // stays on one line unless the line is too short for it.
        const double width = spec.Above ? std::min(captionLimit, std::max(cells, 45.0))
                                        : std::min(metrics_.Width(TextRole::Caption, caption) + 0.1,
                                                   std::max(20.0, captionLimit - cells - CaptionGap));
        box.Caption = Wrap(TextRole::Caption, caption, width);
        for (const QString& line : box.Caption)
            box.CaptionWidth = std::max(box.CaptionWidth, metrics_.Width(TextRole::Caption, line));
    }
    return box;
}

void Builder::Place(ReturnPage& page, const FieldBox& box, double x, double y, bool withCode) {
    const FormField& spec = *box.Spec;
    if (withCode && *spec.Code) {
        Text(&page, TextRole::Code, Utf8(spec.Code), x, y + (G::CellHeight - LineHeight(TextRole::Code)) / 2);
        x += box.CodeWidth;
    }
    if (spec.Format == Fill::Rule) {
        page.Rules.push_back(QLineF(x, y + G::CellHeight, x + box.CellsWidth, y + G::CellHeight));
    } else {
        PageField field;
        field.Id = *spec.Code ? Utf8(spec.Code) : spec.Key ? Utf8(spec.Key) : QString();
        field.Separator = box.Separator;
        double cx = x;
        for (size_t i = 0; i < box.Groups.size(); ++i) {
            const CellGroup& g = box.Groups[i];
            if (box.Separator.isNull()) {
                field.Groups.push_back({QPointF(x, y + double(i) * (G::CellHeight + G::RowGap)), g});
            } else {
                field.Groups.push_back({QPointF(cx, y), g});
                cx += double(g.Chars.size()) * G::CellWidth + G::SeparatorGap;
            }
        }
        page.Fields.push_back(std::move(field));
        if (IsPagesSource(spec.Source))
            pending_.push_back({pages_.size() - 1, page.Fields.size() - 1, &spec});
    }
    if (*spec.Suffix)
        Text(&page, TextRole::Caption, Utf8(spec.Suffix), x + box.CellsWidth + CaptionGap,
             y + (G::CellHeight - LineHeight(TextRole::Caption)) / 2);
}

double Builder::Line(const FormLine& line, pugi::xml_node context, double x0, double x1, double y,
                     ReturnPage* page) {
    if (!line.Columns.empty()) return Columns(line, context, x0, x1, y, page);
    if (*line.Heading) return TextBlock(page, TextRole::Heading, line.Item, Utf8(line.Heading), x0, x1, y);
    if (line.Fields.empty()) return TextBlock(page, TextRole::Caption, line.Item, Utf8(line.Note), x0, x1, y);
    const FormField& only = line.Fields.front();
    if (line.Fields.size() == 1 && *only.Code && !only.Above && only.Format != Fill::Rule)
        return TableLine(line, context, x0, x1, y, page);
    return FlowLine(line, context, x0, x1, y, page);
}

// One value in the act's table: number, caption, line code and cells in their columns.
double Builder::TableLine(const FormLine& line, pugi::xml_node context, double x0, double x1, double y,
                          ReturnPage* page) {
    const double captionX = *line.Item ? x0 + ItemWidth : x0;
    const FieldBox box = Box(line.Fields.front(), context, x1 - captionX);
    const double cellsX = std::min(x0 + CellsColumn, x1 - box.CellsWidth - box.SuffixWidth);
    const double codeX = cellsX - CodeWidth;
    const double captionWidth = codeX - CaptionGap - captionX;
    // Cells too wide for the table's columns go after their caption, as in a line of several values.
    if (captionWidth < 25) return FlowLine(line, context, x0, x1, y, page);
    const QStringList& caption = Wrap(TextRole::Caption, Utf8(box.Spec->Caption), captionWidth);
    const double lh = LineHeight(TextRole::Caption);
    const double captionHeight = double(caption.size()) * lh;
    if (page) {
        const double captionY = y + std::max(0.0, (box.CellsHeight - captionHeight) / 2);
        const double cellsY = y + std::max(0.0, (captionHeight - box.CellsHeight) / 2);
        Text(page, TextRole::Caption, Utf8(line.Item), x0, captionY);
        for (qsizetype i = 0; i < caption.size(); ++i)
            Text(page, TextRole::Caption, caption[i], captionX, captionY + double(i) * lh);
        if (*box.Spec->Code)
            Text(page, TextRole::Code, Utf8(box.Spec->Code), codeX,
                 cellsY + (G::CellHeight - LineHeight(TextRole::Code)) / 2);
        Place(*page, box, cellsX, cellsY, false);
    }
    return std::max(captionHeight, box.CellsHeight) + LineGap;
}

// Values side by side, each with its caption before or above its cells; what does not fit goes on
// the next row.
double Builder::FlowLine(const FormLine& line, pugi::xml_node context, double x0, double x1, double y,
                         ReturnPage* page) {
    const double start = *line.Item ? x0 + ItemWidth : x0;
    std::vector<std::vector<FieldBox>> rows(1);
    double x = start;
    for (const FormField& spec : line.Fields) {
        FieldBox box = Box(spec, context, x1 - start);
        // Lone values of a page line their cells up in one column where they can.
        if (line.Fields.size() == 1 && !spec.Above && box.CaptionWidth > 0 &&
            start + LabelColumn + box.Width() - box.CaptionWidth - CaptionGap <= x1)
            box.CaptionPad = std::max(0.0, LabelColumn - box.CaptionWidth - CaptionGap);
        if (x + box.Width() > x1 + 0.01 && !rows.back().empty()) {
            rows.emplace_back();
            x = start;
        }
        x += box.Width() + FieldGap;
        rows.back().push_back(std::move(box));
    }
    const double lh = LineHeight(TextRole::Caption);
    double top = y;
    for (const std::vector<FieldBox>& row : rows) {
        double above = 0, inlineCaption = 0, cells = 0;
        for (const FieldBox& b : row) {
            const double captionHeight = double(b.Caption.size()) * lh;
            if (b.Spec->Above)
                above = std::max(above, captionHeight > 0 ? captionHeight + 0.6 : 0);
            else
                inlineCaption = std::max(inlineCaption, captionHeight);
            cells = std::max(cells, b.CellsHeight);
        }
        const double cellsTop = top + above + std::max(0.0, (inlineCaption - G::CellHeight) / 2);
        if (page) {
            if (&row == &rows.front()) Text(page, TextRole::Caption, Utf8(line.Item), x0, cellsTop + 1);
            double fx = start;
            for (const FieldBox& b : row) {
                double cx = fx;
                if (b.Spec->Above) {
                    for (qsizetype i = 0; i < b.Caption.size(); ++i)
                        Text(page, TextRole::Caption, b.Caption[i], fx,
                             top + above - 0.6 - double(b.Caption.size() - i) * lh);
                } else if (!b.Caption.isEmpty()) {
                    const double captionY = cellsTop + (G::CellHeight - double(b.Caption.size()) * lh) / 2;
                    for (qsizetype i = 0; i < b.Caption.size(); ++i)
                        Text(page, TextRole::Caption, b.Caption[i], fx, captionY + double(i) * lh);
                    cx += b.CaptionWidth + CaptionGap + b.CaptionPad;
                }
                Place(*page, b, cx, cellsTop);
                fx += b.Width() + FieldGap;
            }
        }
        top = cellsTop + std::max(cells, inlineCaption) + LineGap;
    }
    return top - y;
}

// The signer's and the tax office's blocks of a title page, side by side.
double Builder::Columns(const FormLine& line, pugi::xml_node context, double x0, double x1, double y,
                        ReturnPage* page) {
    const double n = double(line.Columns.size());
    const double width = (x1 - x0 - ColumnGap * (n - 1)) / n;
    double height = 0;
    for (size_t c = 0; c < line.Columns.size(); ++c) {
        const double left = x0 + double(c) * (width + ColumnGap);
        double cy = y + 1;
        for (const FormLine& sub : line.Columns[c])
            cy += Line(sub, context, left, left + width, cy, page);
        height = std::max(height, cy - y);
    }
    if (page) {
        page->Rules.push_back(QLineF(x0, y, x1, y));
        for (size_t c = 1; c < line.Columns.size(); ++c) {
            const double x = x0 + double(c) * (width + ColumnGap) - ColumnGap / 2;
            page->Rules.push_back(QLineF(x, y, x, y + height));
        }
    }
    return height + LineGap;
}

void Builder::Header(ReturnPage& page, const FormSheet& sheet) {
    // The marks a scanner finds the page by: two at the top either side of the barcode area (left
    // empty), two at the foot in the corners.
    const double mark = PageMarks::Size;
    page.Marks = {QRectF(G::Left, G::Top, mark, mark), QRectF(PageMarks::BarcodeRight, G::Top, mark, mark),
                  QRectF(G::Left, PageMarks::FootTop, mark, mark),
                  QRectF(G::Right - mark, PageMarks::FootTop, mark, mark)};
    static const FormField inn =
        FormFields::Code("", "", "/СвНП/*/СведФЛ1@ИННФЛ|/СвНП/НПФЛ@ИННФЛ", 12, "ИНН");
    static const FormField number = FormFields::CodeZ("", "", "", 3, "Стр.");
    const double captionY = G::Top + 1 + (G::CellHeight - LineHeight(TextRole::Caption)) / 2;
    Text(&page, TextRole::Caption, QStringLiteral("ИНН"), 64, captionY);
    Place(page, Box(inn, document_, 0), 71, G::Top + 1);
    Text(&page, TextRole::Caption, QStringLiteral("Стр."), 130, captionY);
    Place(page, Box(number, document_, 0), 137, G::Top + 1);
    if (sheet.TitlePage) {
        const QString form = QStringLiteral("Форма по КНД ") + Value("@КНД", document_);
        Text(&page, TextRole::Caption, form, G::Right - metrics_.Width(TextRole::Caption, form), G::Top + 12);
        return;
    }
    // The surname and initials on every page after the first.
    const double rule = G::Top + 15;
    const QString surname = Value("СвНП/*/ФИОФЛ@Фамилия|СвНП/*/ФИО@Фамилия", document_);
    const QString name = Value("СвНП/*/ФИОФЛ@Имя|СвНП/*/ФИО@Имя", document_);
    const QString patronymic = Value("СвНП/*/ФИОФЛ@Отчество|СвНП/*/ФИО@Отчество", document_);
    const double valueY = rule - LineHeight(TextRole::Value) + 0.6;
    const double captionOnRule = rule - LineHeight(TextRole::Caption);
    Text(&page, TextRole::Caption, QStringLiteral("Фамилия"), G::Left, captionOnRule);
    page.Rules.push_back(QLineF(G::Left + 11, rule, 140, rule));
    Text(&page, TextRole::Value, surname.toUpper(), G::Left + 12, valueY);
    Text(&page, TextRole::Caption, QStringLiteral("И."), 143, captionOnRule);
    page.Rules.push_back(QLineF(147, rule, 160, rule));
    Text(&page, TextRole::Value, name.left(1).toUpper(), 150, valueY);
    Text(&page, TextRole::Caption, QStringLiteral("О."), 163, captionOnRule);
    page.Rules.push_back(QLineF(167, rule, 180, rule));
    Text(&page, TextRole::Value, patronymic.left(1).toUpper(), 170, valueY);
}

void Builder::Footer(ReturnPage& page) {
    const QString confirmation =
        QStringLiteral("Достоверность и полноту сведений, указанных на данной странице, подтверждаю:");
    const double rule = FooterTop + 6;
    const double left = G::Left + metrics_.Width(TextRole::Caption, confirmation) + 4;
    Text(&page, TextRole::Caption, confirmation, G::Left, rule - LineHeight(TextRole::Caption));
    page.Rules.push_back(QLineF(left, rule, left + 30, rule));
    Text(&page, TextRole::Small, QStringLiteral("(подпись)"), left + 9, rule + 0.4);
    page.Rules.push_back(QLineF(left + 36, rule, left + 66, rule));
    Text(&page, TextRole::Value, Value("@ДатаДок", document_), left + 37,
         rule - LineHeight(TextRole::Value) + 0.6);
    Text(&page, TextRole::Small, QStringLiteral("(дата)"), left + 47, rule + 0.4);
}

void Builder::StartPage(const FormSheet& sheet, pugi::xml_node instance) {
    pages_.emplace_back();
    ReturnPage& page = pages_.back();
    page.Sheet = Utf8(sheet.Name);
    Header(page, sheet);
    if (!sheet.TitlePage) Footer(page);
    double y = HeaderBottom;
    y += TextBlock(&page, TextRole::Title, "", Utf8(sheet.Title), G::Left, G::Right, y, sheet.TitlePage) + 1;
    for (const FormLine& head : sheet.Head)
        y += Line(head, instance, G::Left, G::Right, y, &page);
    y_ = y;
    freshTop_ = y;
}

// A block stays whole on a page when it can; one taller than a page goes on line by line.
void Builder::LayBlock(const FormSheet& sheet, pugi::xml_node instance, const FormBlock& block,
                       pugi::xml_node context) {
    std::vector<std::pair<const FormLine*, pugi::xml_node>> lines;
    for (const FormLine& line : block.Lines)
        for (pugi::xml_node each : Instances(line.Repeat, context))
            lines.emplace_back(&line, each);
    std::vector<double> heights;
    double total = 0;
    for (const auto& [line, each] : lines) {
        heights.push_back(Line(*line, each, G::Left, G::Right, 0, nullptr));
        total += heights.back();
    }
    const double bottom = Bottom(sheet);
    if (y_ + total > bottom && y_ > freshTop_ && total <= bottom - freshTop_) StartPage(sheet, instance);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (y_ + heights[i] > bottom && y_ > freshTop_) StartPage(sheet, instance);
        Line(*lines[i].first, lines[i].second, G::Left, G::Right, y_, &pages_.back());
        y_ += heights[i];
    }
}

void Builder::LaySheet(const FormSheet& sheet) {
    for (pugi::xml_node instance : Elements(sheet.Element, document_)) {
        StartPage(sheet, instance);
        for (const FormBlock& block : sheet.Body)
            for (pugi::xml_node context : Instances(block.Repeat, instance))
                LayBlock(sheet, instance, block, context);
    }
}

void Builder::Finish() {
    static const FormField number = FormFields::CodeZ("", "", "", 3);
    for (size_t i = 0; i < pages_.size(); ++i) {
        ReturnPage& page = pages_[i];
        page.Number = QString::number(i + 1).rightJustified(3, u'0');
        for (PageField& field : page.Fields)
            if (field.Id == QStringLiteral("Стр."))
                field.Groups.front().Cells = CellFill::Groups(number, page.Number)[0];
    }
    for (const Pending& p : pending_) {
        PageField& field = pages_[p.Page].Fields[p.Field];
        const std::vector<CellGroup> groups = CellFill::Groups(*p.Spec, QString::number(pages_.size()));
        for (size_t g = 0; g < field.Groups.size() && g < groups.size(); ++g)
            field.Groups[g].Cells = groups[g];
    }
}

} // namespace

bool ReturnLayout::Lay(const QString& xml) {
    return LayDocument(xml, nullptr);
}

bool ReturnLayout::Lay(const QString& xml, const std::vector<const FormSheet*>& sheets) {
    return LayDocument(xml, &sheets);
}

bool ReturnLayout::LayDocument(const QString& xml, const std::vector<const FormSheet*>* given) {
    pages_.clear();
    title_.clear();
    errorString_.clear();
    const QByteArray utf8 = xml.toUtf8();
    pugi::xml_document dom;
    if (!dom.load_buffer(utf8.constData(), size_t(utf8.size()), pugi::parse_default, pugi::encoding_utf8)) {
        errorString_ = QStringLiteral("Текст декларации не является документом XML.");
        return false;
    }
    const pugi::xml_node document = dom.document_element().child("Документ");
    if (!document) {
        errorString_ = QStringLiteral("В тексте декларации нет документа.");
        return false;
    }
    const std::vector<const FormSheet*>& sheets = given                     ? *given
                                                  : document.child("НДФЛ4") ? ReturnSheets::Ndfl4()
                                                                            : ReturnSheets::Ndfl3();
    Builder builder(document, pages_);
    for (const FormSheet* sheet : sheets)
        builder.LaySheet(*sheet);
    builder.Finish();
    if (!sheets.empty()) title_ = Utf8(sheets.front()->Title);
    return true;
}
