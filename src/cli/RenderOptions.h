#pragma once

#include <QString>
#include <QStringList>

#include <optional>

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
    QString view = QStringLiteral("grid");
    int magnification = 100;
    bool fixed = false;
    bool show_closed = false;
    std::optional<Area> area;
    bool help = false;
};

struct ParseResult {
    std::optional<RenderOptions> options;
    QString error;  // why the arguments were refused
};

// Reads the arguments (without the program name). Unknown options and values
// out of range are refused, never clamped.
ParseResult parse_render_options(const QStringList& arguments);

QString render_usage();

}  // namespace ruvo::cli
