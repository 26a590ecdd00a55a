#pragma once

#include "print/PrintComponent.h"

#include <QMap>

// The program's own print component: the return laid out on the pages of the approved form, shown in
// the preview or printed on a printer or into a PDF file.
class TFormPrinter : public TPrintComponent {
public:
    void SetPrintTiffParam(const QString& name, const QString& value) override;
    void SetPrintTiffFolder(const QString& folder) override;
    void PreviewData(const QString& xml, QWidget* owner) override;
    void PrintData(const QString& xml, const QString& reserved, const QString& printerName,
                   int flags) override;

private:
    QMap<QString, QString> params_;
    QString folder_;
};
