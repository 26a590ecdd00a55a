#include "print/ReturnPreview.h"

#include "desktop/UserPrompts.h"
#include "form/ReturnPainter.h"
#include "ui_ReturnPreview.h"

#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewWidget>
#include <QSaveFile>

namespace {

// A page drawn small for the column of thumbnails.
QIcon Thumbnail(const ReturnPage& page, const QSize& size) {
    const double pixelsPerMm = size.width() / PageGeometry::Width;
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    // The fonts follow the image's resolution, so the page keeps its proportions.
    const int dotsPerMetre = qRound(pixelsPerMm * 1000);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    QPainter painter(&image);
    ReturnPainter::PaintPage(painter, page, pixelsPerMm);
    painter.setPen(Qt::gray);
    painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
    return QIcon(QPixmap::fromImage(image));
}

} // namespace

TfmReturnPreview::TfmReturnPreview(std::vector<ReturnPage> pages, QWidget* owner)
    : QDialog(owner), ui_(std::make_unique<Ui::TfmReturnPreview>()), pages_(std::move(pages)) {
    ui_->setupUi(this);
    preview_ = new QPrintPreviewWidget(&printer_, ui_->spPages);
    preview_->setObjectName(QStringLiteral("pvReturn"));
    ui_->spPages->addWidget(preview_);
    ui_->spPages->setStretchFactor(1, 1);
    ui_->spPages->setSizes({170, width() - 170});
    connect(preview_, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* printer) { ReturnPainter::Paint(*printer, pages_); });
    connect(ui_->bnZoomIn, &QToolButton::clicked, preview_, [this] { preview_->zoomIn(); });
    connect(ui_->bnZoomOut, &QToolButton::clicked, preview_, [this] { preview_->zoomOut(); });
    connect(ui_->bnFitWidth, &QToolButton::clicked, preview_, &QPrintPreviewWidget::fitToWidth);
    connect(ui_->bnFitPage, &QToolButton::clicked, preview_, &QPrintPreviewWidget::fitInView);
    connect(ui_->lwPages, &QListWidget::currentRowChanged, preview_,
            [this](int row) { preview_->setCurrentPage(row + 1); });
    connect(ui_->bnPrint, &QPushButton::clicked, this, &TfmReturnPreview::Print);
    connect(ui_->bnSavePdf, &QPushButton::clicked, this, &TfmReturnPreview::AskAndSavePdf);
    ui_->lbPages->setText(QStringLiteral("Страниц: %1").arg(pages_.size()));
    AddThumbnails();
    preview_->fitToWidth();
}

TfmReturnPreview::~TfmReturnPreview() = default;

void TfmReturnPreview::AddThumbnails() {
    const QSize size = ui_->lwPages->iconSize();
    for (const ReturnPage& page : pages_)
        new QListWidgetItem(Thumbnail(page, size), page.Number + QLatin1Char(' ') + page.Sheet, ui_->lwPages);
}

void TfmReturnPreview::Print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    if (!UserPrompts::Current().PrintSetup(this, printer)) return;
    QString error;
    if (!ReturnPainter::Paint(printer, pages_, &error))
        UserPrompts::Current().Message(this, QMessageBox::Warning, error);
}

void TfmReturnPreview::AskAndSavePdf() {
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Сохранить в PDF"), QString(),
                                                      QStringLiteral("PDF (*.pdf)"));
    if (!path.isEmpty()) SavePdf(path);
}

bool TfmReturnPreview::SavePdf(const QString& path) {
    // Written beside the file and put in its place only when whole, so a failure leaves an older
    // file as it was.
    QSaveFile file(path);
    QString error;
    bool painted = false;
    if (file.open(QIODevice::WriteOnly)) {
        QPdfWriter writer(&file);
        writer.setCreator(ApplicationCaption);
        painted = ReturnPainter::Paint(writer, pages_, &error);
    }
    if (painted && file.commit()) return true;
    file.cancelWriting();
    UserPrompts::Current().Message(
        this, QMessageBox::Warning,
        QStringLiteral("Не удалось сохранить файл \"%1\". %2")
            .arg(QDir::toNativeSeparators(path), error.isEmpty() ? file.errorString() : error));
    return false;
}
