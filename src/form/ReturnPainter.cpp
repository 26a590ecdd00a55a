#include "form/ReturnPainter.h"

#include "form/ReturnFonts.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QVarLengthArray>

namespace G = PageGeometry;

namespace {

// Fonts for one painter: one per role, measured on the painter's own device.
class Fonts {
public:
    explicit Fonts(QPaintDevice* device) {
        for (TextRole role : {TextRole::Caption, TextRole::Small, TextRole::Heading, TextRole::Title,
                              TextRole::Code, TextRole::Value}) {
            fonts_.push_back(ReturnFonts::Font(role));
            ascents_.push_back(QFontMetricsF(fonts_.back(), device).ascent());
        }
        const QFontMetricsF value(fonts_[size_t(TextRole::Value)], device);
        valueAdvance_ = value.horizontalAdvance(u'0');
        valueCapHeight_ = value.capHeight();
    }
    const QFont& Font(TextRole role) const { return fonts_[size_t(role)]; }
    double Ascent(TextRole role) const { return ascents_[size_t(role)]; }
    double ValueAdvance() const { return valueAdvance_; }
    double ValueCapHeight() const { return valueCapHeight_; }

private:
    std::vector<QFont> fonts_;
    std::vector<double> ascents_;
    double valueAdvance_ = 0;
    double valueCapHeight_ = 0;
};

QPen Pen(double widthMm, double pixelsPerMm, const QColor& color = Qt::black) {
    QPen pen(color);
    pen.setWidthF(std::max(1.0, widthMm * pixelsPerMm));
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

void PaintCells(QPainter& painter, const Fonts& fonts, const PageCells& group, double mm) {
    const CellGroup& cells = group.Cells;
    const double left = group.At.x() * mm;
    const double top = group.At.y() * mm;
    const double w = G::CellWidth * mm;
    const double h = G::CellHeight * mm;
    QVarLengthArray<QRectF, 40> frames;
    for (qsizetype i = 0; i < cells.Chars.size(); ++i)
        frames.append(QRectF(left + double(i) * w, top, w, h));
    painter.setPen(Pen(0.15, mm, QColor(90, 90, 90)));
    painter.drawRects(frames.constData(), int(frames.size()));
    // The font is monospaced: every character sits in the middle of its cell. One run of text per
    // character keeps the text of a PDF in reading order for whoever extracts it.
    painter.setFont(fonts.Font(TextRole::Value));
    painter.setPen(Qt::black);
    const double x = left + (w - fonts.ValueAdvance()) / 2;
    const double baseline = top + (h + fonts.ValueCapHeight()) / 2;
    // A struck-through cell carries a dash as a character, so the PDF's text reads it as the page does.
    for (qsizetype i = 0; i < cells.Chars.size(); ++i) {
        const QChar c = i < cells.DashFrom ? cells.Chars[i] : QChar(u'-');
        if (c != u' ') painter.drawText(QPointF(x + double(i) * w, baseline), QString(c));
    }
}

void PaintField(QPainter& painter, const Fonts& fonts, const PageField& field, double mm) {
    for (size_t g = 0; g < field.Groups.size(); ++g) {
        const PageCells& group = field.Groups[g];
        PaintCells(painter, fonts, group, mm);
        if (field.Separator.isNull() || g + 1 == field.Groups.size()) continue;
        const double x =
            (group.At.x() + double(group.Cells.Chars.size()) * G::CellWidth + G::SeparatorGap / 2) * mm;
        painter.setPen(Qt::black);
        painter.setFont(fonts.Font(TextRole::Value));
        const double baseline = (group.At.y() + G::CellHeight) * mm - 0.6 * mm;
        painter.drawText(QPointF(x - fonts.ValueAdvance() / 2, baseline), QString(field.Separator));
    }
}

} // namespace

namespace ReturnPainter {

void PaintPage(QPainter& painter, const ReturnPage& page, double mm) {
    const Fonts fonts(painter.device());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setPen(Pen(0.2, mm));
    for (const QLineF& rule : page.Rules)
        painter.drawLine(QLineF(rule.p1() * mm, rule.p2() * mm));
    for (const QRectF& mark : page.Marks)
        painter.fillRect(QRectF(mark.topLeft() * mm, mark.size() * mm), Qt::black);
    painter.setPen(Qt::black);
    for (const PageText& text : page.Texts) {
        painter.setFont(fonts.Font(text.Role));
        painter.drawText(QPointF(text.At.x() * mm, text.At.y() * mm + fonts.Ascent(text.Role)), text.Text);
    }
    for (const PageField& field : page.Fields)
        PaintField(painter, fonts, field, mm);
    painter.restore();
}

bool Paint(QPagedPaintDevice& device, const std::vector<ReturnPage>& pages, QString* error) {
    device.setPageSize(QPageSize(QPageSize::A4));
    device.setPageOrientation(QPageLayout::Portrait);
    // A printer that cannot print to the edge keeps its margins; the origin is moved to the edge below.
    device.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&device)) {
        if (error) *error = QStringLiteral("Не удалось начать печать.");
        return false;
    }
    const int dpi = device.logicalDpiX();
    const double mm = dpi / 25.4;
    const QPointF origin = device.pageLayout().paintRectPixels(dpi).topLeft();
    painter.translate(-origin);
    for (size_t i = 0; i < pages.size(); ++i) {
        if (i > 0 && !device.newPage()) {
            if (error) *error = QStringLiteral("Не удалось начать новую страницу.");
            return false;
        }
        PaintPage(painter, pages[i], mm);
    }
    return painter.end();
}

} // namespace ReturnPainter
