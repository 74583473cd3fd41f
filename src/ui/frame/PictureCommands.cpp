#include "ui/frame/PictureCommands.h"

#include <QCheckBox>
#include <QImage>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

#include "data/FileNames.h"
#include "data/RememberedFolders.h"
#include "ui/dialogs/ImageFileDialog.h"
#include "ui/Messages.h"

namespace ruvo {

namespace {
QString text(const char* utf8) { return QString::fromUtf8(utf8); }

// The printer, or the file that a print to a file goes to.
QString destination(const QPrinter& printer) {
    return printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
}
}  // namespace

bool print_picture(QPrinter& printer, const QImage& picture) {
    // On the full page the painter's origin is the paper's corner, not the
    // corner of the printable area, and its units are the printer's dots.
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    // The plot's solid colours and thin lines would blur in a JPEG.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    painter.drawImage(QPoint(0, 0), picture);
    return painter.end();
}

bool print_fitted(QPrinter& printer, const Drawing& drawing) {
    if (drawing.size.isEmpty()) return false;
    printer.setFullPage(false);  // the origin at the printable area's corner
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QSizeF area = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    const QSizeF size(drawing.size);
    const double scale = std::min(area.width() / size.width(), area.height() / size.height());
    painter.translate((area.width() - size.width() * scale) / 2, (area.height() - size.height() * scale) / 2);
    painter.scale(scale, scale);
    painter.setClipRect(QRectF(QPointF(0, 0), size));
    drawing.play(painter);
    return painter.end();
}

PictureCommands::PictureCommands(RememberedFolders& folders, QWidget& dialog_parent)
    : folders_(folders), dialog_parent_(dialog_parent) {}

void PictureCommands::SaveAsBitmapClick(const QImage& picture, const ShapesOfView& shapes) {
    const PictureFileChoice choice = ask_picture_file(&dialog_parent_, folders_.images);
    if (choice.path.isEmpty()) return;
    const PictureSaved saved = save_view_picture(picture, shapes, choice.path, choice.scale);
    if (!saved.ok()) {
        const QString reason = saved.drawn.ok() ? saved.written.error : saved.drawn.reason;
        fail(text(messages::kBitmapWriteFailed) + u'\n' + choice.path + u'\n' + reason);
        return;
    }
    folders_.images = folder_of(choice.path);
    folders_.write();
}

void PictureCommands::PrinterSetupClick() {
    QPageSetupDialog dialog(&printer_, &dialog_parent_);
    dialog.exec();
}

bool PictureCommands::print(QPrinter& printer, const QImage& picture, const ShapesOfView& shapes) {
    if (!fit_to_page_) return print_picture(printer, picture);
    const ViewDrawing drawn = shapes();
    return drawn.drawn.ok() && print_fitted(printer, drawn.drawing);
}

// Errors of the print job itself are the print system's to report.
void PictureCommands::PrintClick(const QImage& picture, const ShapesOfView& shapes) {
    QPrintDialog dialog(&printer_, &dialog_parent_);
    auto* options = new QWidget;
    options->setWindowTitle(text(messages::kPrintOptions));
    auto* fit = new QCheckBox(text(messages::kFitToPage), options);
    fit->setObjectName(QStringLiteral("FitToPage"));
    fit->setChecked(fit_to_page_);
    (new QVBoxLayout(options))->addWidget(fit, 0, Qt::AlignTop);
    dialog.setOptionTabs({options});
    if (dialog.exec() != QDialog::Accepted) return;
    fit_to_page_ = fit->isChecked();
    if (!print(printer_, picture, shapes)) fail(text(messages::kPrintFailed) + u'\n' + destination(printer_));
}

// The preview shows the page as the print makes it; its switch fits the
// picture to the page, for the preview and the prints that follow.
void PictureCommands::PrintPreviewClick(const QImage& picture, const ShapesOfView& shapes) {
    QPrintPreviewDialog dialog(&printer_, &dialog_parent_);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
            [&](QPrinter* printer) { print(*printer, picture, shapes); });
    if (auto* tools = dialog.findChild<QToolBar*>()) {
        QAction* fit = tools->addAction(text(messages::kFitToPage));
        fit->setObjectName(QStringLiteral("FitToPage"));
        fit->setCheckable(true);
        fit->setChecked(fit_to_page_);
        connect(fit, &QAction::toggled, &dialog, [this, &dialog](bool on) {
            fit_to_page_ = on;
            if (auto* preview = dialog.findChild<QPrintPreviewWidget*>()) preview->updatePreview();
        });
    }
    dialog.exec();
}

void PictureCommands::fail(const QString& message) {
    QMessageBox::critical(&dialog_parent_, text(messages::kErrorTitle), message);
}

}  // namespace ruvo
