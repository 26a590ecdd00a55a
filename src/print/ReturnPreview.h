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
// to go to a page.
class TfmReturnPreview : public QDialog {
    Q_OBJECT

public:
    TfmReturnPreview(std::vector<ReturnPage> pages, QWidget* owner);
    ~TfmReturnPreview() override;

    QPrintPreviewWidget* Preview() const { return preview_; }

private:
    void AddThumbnails();

    std::unique_ptr<Ui::TfmReturnPreview> ui_;
    std::vector<ReturnPage> pages_;
    QPrinter printer_{QPrinter::HighResolution};
    QPrintPreviewWidget* preview_ = nullptr;
};
