#pragma once

#include <QString>

class QPrinter;
class QWidget;

// A text document printed as it reads on screen, in a fixed-width font, so that its columns stay
// aligned. PrintText asks the print dialog for the printer (or the PDF file) first; false when the
// user cancelled or printing failed, with the reason in error.
bool PrintText(QWidget* owner, const QString& title, const QString& text, QString* error = nullptr);
bool PrintText(QPrinter& printer, const QString& title, const QString& text, QString* error = nullptr);
