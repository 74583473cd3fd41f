#pragma once

#include <QObject>
#include <QPrinter>

class QImage;
class QWidget;

namespace ruvo {

struct RememberedFolders;

// Prints `picture` on one page: its top left corner at the paper's top
// left corner, one pixel of the picture to one dot of the printer. False
// when the print job could not be started or finished.
bool print_picture(QPrinter& printer, const QImage& picture);

// The commands of the view windows that hand a view's picture on unchanged:
// save it as a bitmap file, set up the printer, print it. They keep the
// program's one printer, so that its set-up applies to the next print;
// their dialogs open over `dialog_parent`.
class PictureCommands : public QObject {
    Q_OBJECT

public:
    PictureCommands(RememberedFolders& folders, QWidget& dialog_parent);

    // A failed save leaves an earlier file of the chosen name and the
    // remembered image folder as they were.
    void SaveAsBitmapClick(const QImage& picture);
    void PrinterSetupClick();
    void PrintClick(const QImage& picture);

    QPrinter& printer() { return printer_; }

private:
    void fail(const QString& message);

    RememberedFolders& folders_;
    QWidget& dialog_parent_;
    // At the printer's own resolution: the default would be the screen's,
    // and a pixel would no longer be a printer dot.
    QPrinter printer_{QPrinter::HighResolution};
};

}  // namespace ruvo
