#pragma once

#include <QObject>
#include <QPrinter>

#include <functional>

#include "export/ViewPicture.h"

class QImage;
class QWidget;

namespace ruvo {

struct RememberedFolders;

// Prints `picture` on one page: its top left corner at the paper's top
// left corner, one pixel of the picture to one dot of the printer. False
// when the print job could not be started or finished.
bool print_picture(QPrinter& printer, const QImage& picture);

// Prints the drawing as large as the page's printable area takes it, keeping
// its proportions, centred; lines and texts at the printer's resolution.
bool print_fitted(QPrinter& printer, const Drawing& drawing);

// A view drawn again as shapes, when a command needs more than its picture.
using ShapesOfView = std::function<ViewDrawing()>;

// The commands of the view windows that hand a view's picture on: save it as
// a bitmap file (or PNG, SVG, PDF), set up the printer, print it as it is or
// fitted to the page, preview the print. They keep the program's one printer
// and whether prints fit the page, so that both apply to the next print;
// their dialogs open over `dialog_parent`.
class PictureCommands : public QObject {
    Q_OBJECT

public:
    PictureCommands(RememberedFolders& folders, QWidget& dialog_parent);

    // A failed save leaves an earlier file of the chosen name and the
    // remembered image folder as they were.
    void SaveAsBitmapClick(const QImage& picture, const ShapesOfView& shapes);
    void PrinterSetupClick();
    void PrintClick(const QImage& picture, const ShapesOfView& shapes);
    void PrintPreviewClick(const QImage& picture, const ShapesOfView& shapes);

    QPrinter& printer() { return printer_; }
    bool fit_to_page() const { return fit_to_page_; }

private:
    void fail(const QString& message);
    // Prints (or previews) the picture as the fit-to-page switch asks.
    bool print(QPrinter& printer, const QImage& picture, const ShapesOfView& shapes);

    RememberedFolders& folders_;
    QWidget& dialog_parent_;
    // At the printer's own resolution: the default would be the screen's,
    // and a pixel would no longer be a printer dot.
    QPrinter printer_{QPrinter::HighResolution};
    bool fit_to_page_ = false;
};

}  // namespace ruvo
