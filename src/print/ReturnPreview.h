#pragma once

#include "form/ReturnPage.h"

#include <QDialog>
#include <QPrinter>
#include <memory>
#include <vector>

namespace Ui {
class TfmReturnPreview;
}
class QPrintPreviewWidget;

// The return on screen as it will print: the pages at any zoom, with a column of page thumbnails
// to go to a page, printed or saved as a PDF from here.
class TfmReturnPreview : public QDialog {
    Q_OBJECT

public:
    TfmReturnPreview(std::vector<ReturnPage> pages, QWidget* owner);
    ~TfmReturnPreview() override;

    QPrintPreviewWidget* Preview() const { return preview_; }

    // The pages into a PDF file, the same pages the preview shows; false, after a message, when the
    // file cannot be written.
    bool SavePdf(const QString& path);

private:
    void Print();
    void AskAndSavePdf();
    void AddThumbnails();

    std::unique_ptr<Ui::TfmReturnPreview> ui_;
    std::vector<ReturnPage> pages_;
    QPrinter printer_{QPrinter::HighResolution};
    QPrintPreviewWidget* preview_ = nullptr;
};
