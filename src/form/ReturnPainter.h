#pragma once

#include "form/ReturnPage.h"

#include <QString>
#include <vector>

class QPagedPaintDevice;
class QPainter;

// Draws the laid-out pages as vector graphics: on a printer, into a PDF, into the preview or a
// thumbnail. The form's barcode area stays empty.
namespace ReturnPainter {

// Every page on A4 portrait sheets of the device, one after another; false, with a message, when
// the device cannot be painted on.
bool Paint(QPagedPaintDevice& device, const std::vector<ReturnPage>& pages, QString* error = nullptr);
// One page, the painter's origin at the sheet's top-left corner, pixelsPerMm device pixels to a
// millimetre; fonts follow the resolution of the painter's device.
void PaintPage(QPainter& painter, const ReturnPage& page, double pixelsPerMm);

} // namespace ReturnPainter
