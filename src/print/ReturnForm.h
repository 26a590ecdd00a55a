#pragma once

#include <QList>
#include <QString>

class QPagedPaintDevice;

// The return as the print component lays it out: sheet by sheet, every value of the XML document
// with its Russian caption; the taxpayer and the tax office head every page.
struct ReturnForm {
    struct Row {
        int Depth = 0;
        QString Label;
        QString Value;
        bool Heading = false; // a group of values inside the sheet
    };
    struct Sheet {
        QString Title;
        QList<Row> Rows;
    };

    QString FormTitle;
    QString Taxpayer;
    QString TaxOffice;
    QList<Sheet> Sheets;

    // Reads the export's XML text; raises PrintComponentError when it is not a return.
    static ReturnForm FromXml(const QString& xml, const QString& inspectionName);
    // Paints the form onto the pages of device; returns the number of pages.
    int Render(QPagedPaintDevice& device) const;
};
