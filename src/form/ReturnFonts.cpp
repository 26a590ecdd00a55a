#include "form/ReturnFonts.h"

#include <QImage>

namespace {

constexpr double MillimetresPerPoint = 25.4 / 72;
// The resolution widths are measured at: fine enough that rounding to pixels does not matter.
constexpr int MeasureDpi = 1200;

double Points(TextRole role) {
    switch (role) {
    case TextRole::Small:
        return 5.5;
    case TextRole::Heading:
        return 7.5;
    case TextRole::Title:
        return 9;
    case TextRole::Code:
        return 6.5;
    case TextRole::Value:
        return 12;
    case TextRole::Caption:
        break;
    }
    return 6.5;
}

// A paint device of a known resolution for the metrics.
const QImage& MeasureDevice() {
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_Mono);
        const int dotsPerMetre = qRound(MeasureDpi / 0.0254);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        return image;
    }();
    return device;
}

} // namespace

namespace ReturnFonts {

QFont Font(TextRole role) {
    QFont font(role == TextRole::Value ? QStringLiteral("DejaVu Sans Mono") : QStringLiteral("DejaVu Sans"));
    font.setStyleHint(role == TextRole::Value ? QFont::Monospace : QFont::SansSerif);
    font.setStretch(QFont::Unstretched);
    font.setPointSizeF(Points(role));
    font.setBold(role == TextRole::Heading || role == TextRole::Title || role == TextRole::Code);
    // Unhinted glyphs scale exactly, so what was measured is what is drawn at any resolution.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

Metrics::Metrics() {
    for (TextRole role : {TextRole::Caption, TextRole::Small, TextRole::Heading, TextRole::Title,
                          TextRole::Code, TextRole::Value})
        metrics_.emplace_back(Font(role), &MeasureDevice());
}

double Metrics::Width(TextRole role, const QString& text) const {
    return metrics_[size_t(role)].horizontalAdvance(text) * 25.4 / MeasureDpi;
}

double LineHeight(TextRole role) {
    return Points(role) * 1.2 * MillimetresPerPoint;
}

} // namespace ReturnFonts
