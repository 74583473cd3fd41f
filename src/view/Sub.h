#pragma once

#include <QImage>
#include <QMdiSubWindow>
#include <QWidget>

class QScrollArea;

namespace ruvo {

class TRuvo_Main_Form;

// Image1: the view's picture, shown at its own size inside the scrolled
// client area. The redraw dispatcher draws onto picture() and then calls
// picture_changed().
class ViewImage : public QWidget {
public:
    explicit ViewImage(QWidget* parent = nullptr);
    QImage& picture() { return picture_; }
    const QImage& picture() const { return picture_; }
    void picture_changed();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

// A view window: one file shown in one slot of the view table. The window
// knows its own slot; everything else about the view lives in the slot.
class TRuvo_Sub_Form : public QMdiSubWindow {
    Q_OBJECT

public:
    // Design size of a new view window, before its first redraw fits it.
    static constexpr int kDesignWidth = 539;
    static constexpr int kDesignHeight = 448;

    TRuvo_Sub_Form(TRuvo_Main_Form& main, int slot, const QString& caption);

    int slot() const { return slot_; }
    ViewImage* image() const { return Image1; }
    bool closed() const { return closed_; }
    QSize client_size() const;

    // After a redraw: in each direction in which the image is smaller than
    // `space`, the client area takes the image's size; otherwise it scrolls.
    void fit_to_image(QSize space);

    // The window became the active view: its slot becomes current and the
    // main window shows its settings. No redraw.
    void FormActivate();

public slots:
    void Close_FileClick();
    void Close_All_FileClick();

protected:
    void showEvent(QShowEvent* event) override;    // FormShow
    void closeEvent(QCloseEvent* event) override;  // FormClose

private:
    TRuvo_Main_Form& main_;
    const int slot_;
    QScrollArea* scroll_area_;
    ViewImage* Image1;
    bool closed_ = false;
};

}  // namespace ruvo
