#pragma once

#include "form/ReturnPage.h"

#include <QFont>
#include <QFontMetricsF>
#include <vector>

// The fonts of the printed form (DejaVu, which has every Cyrillic letter in every build) and the
// measures the layout takes from them. Sizes are in points, so a page looks the same on paper, in
// a PDF and in the preview; widths are measured at a fixed resolution, whatever the screen.
namespace ReturnFonts {

QFont Font(TextRole role);
// The distance between two lines of text, in millimetres.
double LineHeight(TextRole role);

// Widths of text in millimetres; made for one layout, as fonts live no longer than the application.
class Metrics {
public:
    Metrics();
    double Width(TextRole role, const QString& text) const;

private:
    std::vector<QFontMetricsF> metrics_;
};

} // namespace ReturnFonts
