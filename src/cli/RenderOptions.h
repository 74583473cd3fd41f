#pragma once

#include <QString>
#include <QStringList>

#include <optional>

#include "automation/SeriesPictures.h"
#include "data/FieldStore.h"
#include "export/VideoWriter.h"

namespace ruvo {
struct View_Info;
}

namespace ruvo::cli {

// Zero-based index area of the result files, as given on the command line.
struct Area {
    int i0 = 0;
    int j0 = 0;
    int i1 = 0;
    int j1 = 0;
};

struct RenderOptions {
    QString project;
    QString output;
    FileKind kind = FileKind::Grid;
    int position = 0;  // zero-based position in the project's vector or scalar list
    QString field;     // a field or file named instead of a position
    QString block;     // the block of another program's file
    QString view;      // grid, vectors, contour, fill, ke, row, column or detail
    int magnification = 100;
    bool fixed = false;
    bool show_closed = false;
    std::optional<int> scale;  // a bitmap or PNG this many times the screen's pixels
    bool help = false;
    bool version = false;

    // A batch: the view drawn once for each data file, into a folder.
    bool batch = false;
    QStringList batch_files;
    QString out_dir;
    std::optional<int> jobs;  // threads; unset: one a core
    // A video of the batch's pictures, in the order of the files.
    QString video;
    std::optional<int> fps;
    QString video_colour = QStringLiteral("standard");
    bool png = false;
    SeriesPictures pictures;  // how the batch's pictures are written

    // Switches and values of the view's record; unset ones keep the defaults.
    bool colour = false;
    bool grey = false;
    bool broken = false;
    bool overlap_contours = false;
    bool overlap_vectors = false;
    bool show_grid = false;
    bool labels = false;
    bool points = false;
    bool autoscale = false;
    bool ticks = false;
    bool other_axis = false;
    std::optional<Area> area;
    std::optional<int> lines;
    std::optional<int> bands;
    std::optional<int> length;
    std::optional<int> x_step;
    std::optional<int> y_step;
    std::optional<int> x_dot;
    std::optional<int> y_dot;
    std::optional<int> line_width;
    std::optional<std::pair<double, double>> range;
    std::optional<double> ratio;
    std::optional<int> xpos;
    std::optional<int> ypos;
    std::optional<bool> column_axis;
    std::optional<std::pair<double, double>> arrow;
};

struct ParseResult {
    std::optional<RenderOptions> options;
    QString error;  // why the arguments were refused
};

// Reads the arguments (without the program name). Unknown options and values
// out of range are refused, never clamped. An option may also be given as
// --name=value.
ParseResult parse_render_options(const QStringList& arguments);

// Writes the options into the record of a view just opened. Indices are
// checked against the view's whole area (the file's, or in a batch the
// grid's); returns why they do not fit, or "".
QString apply_render_options(const RenderOptions& options, View_Info& view);

QString render_usage();

// The video of a batch as the options ask for it.
VideoSettings video_settings(const RenderOptions& options);

}  // namespace ruvo::cli
