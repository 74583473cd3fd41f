#include "cli/RenderOptions.h"

#include <QCommandLineParser>

#include <cmath>
#include <functional>
#include <map>

#include "data/ResultReader.h"
#include "view/BarLimits.h"
#include "view/ViewKind.h"

namespace ruvo::cli {

namespace {
using Handler = std::function<QString(const QString&)>;  // returns why a value is refused, or ""

std::optional<int> integer_in(const QString& text, int low, int high) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < low || value > high) return std::nullopt;
    return value;
}

std::optional<double> real_in(const QString& text, double low, double high) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < low || value > high) return std::nullopt;
    return value;
}

std::optional<std::pair<double, double>> real_pair(const QString& text, double low, double high) {
    const QStringList parts = text.split(u',');
    if (parts.size() != 2) return std::nullopt;
    const auto first = real_in(parts[0], low, high);
    const auto second = real_in(parts[1], low, high);
    if (!first || !second) return std::nullopt;
    return std::pair{*first, *second};
}

std::optional<Area> area_from(const QString& text) {
    const QStringList parts = text.split(u',');
    if (parts.size() != 4) return std::nullopt;
    int values[4];
    for (int k = 0; k < 4; ++k) {
        const auto value = integer_in(parts[k].trimmed(), 0, kMaxHeaderIndex);
        if (!value) return std::nullopt;
        values[k] = *value;
    }
    if (values[0] > values[2] || values[1] > values[3]) return std::nullopt;
    return Area{values[0], values[1], values[2], values[3]};
}

// An option taking a whole number within [low, high].
Handler integer_option(std::optional<int>& target, const char* name, int low, int high) {
    return [&target, name, low, high](const QString& value) {
        const auto number = integer_in(value, low, high);
        if (!number) return QStringLiteral("%1 takes a whole number from %2 to %3").arg(name).arg(low).arg(high);
        target = number;
        return QString();
    };
}

// An option that stands for a control bar takes the bar's range.
Handler bar_option(std::optional<int>& target, const char* name, const BarLimits& bar) {
    return integer_option(target, name, bar.min, bar.max);
}

Handler choice_option(QString& target, const char* name, const QStringList& choices) {
    return [&target, name, choices](const QString& value) {
        if (!choices.contains(value)) {
            return QStringLiteral("%1 takes one of %2").arg(name, choices.join(u'|'));
        }
        target = value;
        return QString();
    };
}

// Enough threads for any machine, few enough to keep a typo from starting thousands.
constexpr int kMaxJobs = 256;

// A range as the help and the messages write it: "1..100", "0.01..100", "0.1".
QString span(double low, double high) { return QStringLiteral("%1..%2").arg(low).arg(high); }
QString span(const BarLimits& bar) { return span(bar.min, bar.max); }
QString fraction_text(double fraction) { return QString::number(fraction, 'f', 1); }

// The view kind the options ask for must suit the file they name.
QString settle_view(RenderOptions& options) {
    if (options.view.isEmpty()) {
        options.view = options.kind == FileKind::Grid     ? QStringLiteral("grid")
                       : options.kind == FileKind::Vector ? QStringLiteral("vectors")
                                                          : QStringLiteral("contour");
    }
    const std::uint8_t wanted = kind_info(kind_of_word(options.view).value_or(ViewKind::Free)).file_type;
    const std::uint8_t given = options.kind == FileKind::Grid     ? kGridView
                               : options.kind == FileKind::Vector ? kVectorView
                                                                  : kScalarView;
    if (wanted != given) {
        return QStringLiteral("--view %1 needs %2")
            .arg(options.view, wanted == kGridView     ? "no --vector or --scalar"
                               : wanted == kVectorView ? "--vector N"
                                                       : "--scalar N");
    }
    return {};
}
// Whether an option of how a batch writes its pictures was given.
bool asks_for_series_pictures(const RenderOptions& options) {
    const SeriesPictures& p = options.pictures;
    return options.png || p.numbered || p.labelled || p.series_range;
}

// A batch draws a data file's view into a folder, a video or both.
ParseResult settle_batch(RenderOptions& options) {
    if (options.kind == FileKind::Grid) return {std::nullopt, QStringLiteral("--batch needs --vector N or --scalar N")};
    if (options.batch_files.isEmpty()) return {std::nullopt, QStringLiteral("--batch needs at least one data file")};
    if (options.out_dir.isEmpty() && options.video.isEmpty()) {
        return {std::nullopt, QStringLiteral("--batch needs --out-dir DIR or --video FILE")};
    }
    if (!options.output.isEmpty()) return {std::nullopt, QStringLiteral("--batch writes into --out-dir, not -o")};
    if (!options.video.isEmpty()) {
        if (const QString refusal = video_refusal(options.video, video_settings(options)); !refusal.isEmpty()) {
            return {std::nullopt, QStringLiteral("--video: %1").arg(refusal)};
        }
    }
    if (options.pictures.series_range && options.range) {
        return {std::nullopt, QStringLiteral("--series-range and --range each fix the range: give one")};
    }
    if (options.png) options.pictures.format = PictureFormat::Png;
    return {options, {}};
}
}  // namespace

namespace {
// The option as the user typed it, for messages: "-o", "--frobnicate", "-frobnicate".
QString as_typed(const QString& name, const QStringList& arguments) {
    for (const QString& argument : arguments) {
        QString bare = argument.section(u'=', 0, 0);
        if (bare == QStringLiteral("-") + name || bare == QStringLiteral("--") + name) return bare;
    }
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// Why QCommandLineParser refused the arguments, in the program's own words.
QString parse_error(const QCommandLineParser& parser, const QStringList& arguments) {
    if (const QStringList unknown = parser.unknownOptionNames(); !unknown.isEmpty()) {
        return QStringLiteral("unknown option %1").arg(as_typed(unknown.front(), arguments));
    }
    // An option without its value can only be the last argument.
    return QStringLiteral("%1 needs a value").arg(arguments.back());
}
}  // namespace

ParseResult parse_render_options(const QStringList& arguments) {
    RenderOptions options;
    QString axis;
    int files_named = 0;
    auto file_option = [&](FileKind kind) {
        return [&, kind](const QString& value) {
            // A number is a list position; any other word names a field.
            const bool named = !value.isEmpty() && !value.front().isDigit() && value.front() != u'-';
            const auto position = named ? std::optional<int>(0) : integer_in(value, 0, kMaxSlots - 1);
            if (!position) return QStringLiteral("--vector and --scalar take a list position from 0 to 9 or a name");
            options.kind = kind;
            options.position = *position;
            options.field = named ? value : QString();
            ++files_named;
            return QString();
        };
    };
    auto text_option = [](QString& target) {
        return [&target](const QString& value) {
            target = value;
            return QString();
        };
    };
    std::optional<int> magnification;
    // Options with a value, by every name they answer to (without dashes).
    const std::map<QString, Handler> with_value{
        {"o", text_option(options.output)},
        {"output", text_option(options.output)},
        {"vector", file_option(FileKind::Vector)},
        {"block", text_option(options.block)},
        {"scalar", file_option(FileKind::Scalar)},
        {"view", choice_option(options.view, "--view", command_words())},
        {"magnification", bar_option(magnification, "--magnification", kMagnificationBar)},
        {"lines", bar_option(options.lines, "--lines", bar_limits(ControlGroup::LineCount))},
        {"bands", bar_option(options.bands, "--bands", bar_limits(ControlGroup::FillBands))},
        {"length", bar_option(options.length, "--length", bar_limits(ControlGroup::ArrowLength))},
        {"x-step", integer_option(options.x_step, "--x-step", 1, kMaxHeaderIndex)},
        {"y-step", integer_option(options.y_step, "--y-step", 1, kMaxHeaderIndex)},
        {"x-dot", bar_option(options.x_dot, "--x-dot", bar_limits(ControlGroup::XDotStep))},
        {"y-dot", bar_option(options.y_dot, "--y-dot", bar_limits(ControlGroup::YDotStep))},
        {"line-width", integer_option(options.line_width, "--line-width", kLineWidthUpDown.min, kLineWidthUpDown.max)},
        {"xpos", integer_option(options.xpos, "--xpos", 0, kMaxHeaderIndex)},
        {"ypos", integer_option(options.ypos, "--ypos", 0, kMaxHeaderIndex)},
        {"axis", choice_option(axis, "--axis", {"column", "row"})},
        {"area",
         [&](const QString& v) {
             options.area = area_from(v);
             if (!options.area) {
                 return QStringLiteral("--area takes I0,J0,I1,J1 with 0 <= I0 <= I1 <= %1 and 0 <= J0 <= J1 <= %1")
                     .arg(kMaxHeaderIndex);
             }
             return QString();
         }},
        {"range",
         [&](const QString& v) {
             options.range = real_pair(v, -1.7E38, 1.7E38);
             if (!options.range || options.range->first >= options.range->second) {
                 return QStringLiteral("--range takes MIN,MAX, two finite numbers with MIN below MAX");
             }
             return QString();
         }},
        {"out-dir", text_option(options.out_dir)},
        {"jobs", integer_option(options.jobs, "--jobs", 1, kMaxJobs)},
        {"video", text_option(options.video)},
        {"fps", integer_option(options.fps, "--fps", kFramesPerSecondUpDown.min, kFramesPerSecondUpDown.max)},
        {"scale", integer_option(options.scale, "--scale", kPictureScaleUpDown.min, kPictureScaleUpDown.max)},
        {"video-colour", choice_option(options.video_colour, "--video-colour", {"standard", "exact"})},
        {"ratio",
         [&](const QString& v) {
             options.ratio = real_in(v, kRatioLimits.min, kRatioLimits.max);
             if (!options.ratio) {
                 return QStringLiteral("--ratio takes a height-to-width ratio from %1 to %2")
                     .arg(kRatioLimits.min)
                     .arg(kRatioLimits.max);
             }
             return QString();
         }},
        {"arrow",
         [&](const QString& v) {
             options.arrow = real_pair(v, kArrowShapeFractions.min, kArrowShapeFractions.max);
             if (!options.arrow) {
                 return QStringLiteral("--arrow takes W,S, head width and span from %1 to %2")
                     .arg(fraction_text(kArrowShapeFractions.min), fraction_text(kArrowShapeFractions.max));
             }
             return QString();
         }},
    };
    const std::map<QString, bool*> switches{
        {"fixed", &options.fixed},
        {"show-closed", &options.show_closed},
        {"colour", &options.colour},
        {"grey", &options.grey},
        {"broken", &options.broken},
        {"overlap-contours", &options.overlap_contours},
        {"overlap-vectors", &options.overlap_vectors},
        {"show-grid", &options.show_grid},
        {"labels", &options.labels},
        {"points", &options.points},
        {"autoscale", &options.autoscale},
        {"ticks", &options.ticks},
        {"other-axis", &options.other_axis},
        {"batch", &options.batch},
        {"png", &options.png},
        {"numbered", &options.pictures.numbered},
        {"label", &options.pictures.labelled},
        {"series-range", &options.pictures.series_range},
        {"help", &options.help},
        {"h", &options.help},
        {"version", &options.version},
    };

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const auto& [name, handler] : with_value)
        parser.addOption(QCommandLineOption(name, {}, QStringLiteral("VALUE")));
    for (const auto& [name, flag] : switches) parser.addOption(QCommandLineOption(name));
    // QCommandLineParser skips the first argument, the program's name.
    if (!parser.parse(QStringList{QStringLiteral("ruvo-render")} + arguments)) {
        return {std::nullopt, parse_error(parser, arguments)};
    }
    // The options take effect in the order given, so a later one wins and
    // the first refused value is the one reported.
    std::map<QString, qsizetype> values_taken;
    for (const QString& name : parser.optionNames()) {
        if (const auto flag = switches.find(name); flag != switches.end()) {
            *flag->second = true;
            continue;
        }
        const QString value = parser.values(name).at(values_taken[name]++);
        if (const QString error = with_value.at(name)(value); !error.isEmpty()) return {std::nullopt, error};
    }
    if (options.help || options.version) return {options, {}};
    if (magnification) options.magnification = *magnification;
    if (!axis.isEmpty()) options.column_axis = axis == "column";
    if (files_named > 1) return {std::nullopt, QStringLiteral("name one file: --vector N or --scalar N, once")};
    if (const QString error = settle_view(options); !error.isEmpty()) return {std::nullopt, error};
    // The first parameter is the project; with --batch, the data files follow it.
    const QStringList positional = parser.positionalArguments();
    if (options.batch) options.batch_files = positional.mid(1);
    if (positional.isEmpty() || (!options.batch && positional.size() > 1)) {
        return {std::nullopt, QStringLiteral("name exactly one project file")};
    }
    options.project = positional.front();
    if (options.batch) return settle_batch(options);
    if (options.batch && options.scale) return {std::nullopt, QStringLiteral("--scale goes with a single picture")};
    if (asks_for_series_pictures(options)) {
        return {std::nullopt, QStringLiteral("--png, --numbered, --label and --series-range go with --batch")};
    }
    if (options.output.isEmpty()) return {std::nullopt, QStringLiteral("name the output picture with -o")};
    const QString suffix = options.output.section(u'.', -1).toLower();
    const QStringList suffixes{"png", "bmp", "gra", "svg", "pdf", "vts", "cgns"};
    if (!options.output.contains(u'.') || !suffixes.contains(suffix)) {
        return {std::nullopt,
                QStringLiteral("the output file must end in .png, .bmp, .svg, .pdf, .gra, .vts or .cgns")};
    }
    if (options.scale && suffix != "png" && suffix != "bmp") {
        return {std::nullopt, QStringLiteral("--scale goes with a .png or .bmp picture")};
    }
    return {options, {}};
}

QString apply_render_options(const RenderOptions& o, View_Info& view) {
    auto outside = [&](int index, int first, int last) { return index < first || index > last; };
    const int i_first = view.x_start - 1, i_last = view.x_end - 1;
    const int j_first = view.y_start - 1, j_last = view.y_end - 1;
    const QString range_text =
        QStringLiteral("the view's indices %1..%2, %3..%4").arg(i_first).arg(i_last).arg(j_first).arg(j_last);
    if (o.area && (outside(o.area->i0, i_first, i_last) || outside(o.area->i1, i_first, i_last) ||
                   outside(o.area->j0, j_first, j_last) || outside(o.area->j1, j_first, j_last))) {
        return QStringLiteral("--area must lie within ") + range_text;
    }
    if ((o.xpos && outside(*o.xpos, i_first, i_last)) || (o.ypos && outside(*o.ypos, j_first, j_last))) {
        return QStringLiteral("--xpos and --ypos must lie within ") + range_text;
    }
    const int x_steps = grid_step_max(i_last - i_first + 1), y_steps = grid_step_max(j_last - j_first + 1);
    if ((o.x_step && *o.x_step > x_steps) || (o.y_step && *o.y_step > y_steps)) {
        return QStringLiteral("--x-step goes up to %1 and --y-step up to %2 on this grid").arg(x_steps).arg(y_steps);
    }

    if (const ViewKindInfo& kind = kind_info(kind_of_word(o.view).value_or(ViewKind::Free));
        kind.file_type == kScalarView) {
        view.ScalarViewType = kind.scalar_type;
    }
    view.magni = o.magnification;
    view.Color = o.colour;
    view.Gray = o.grey;
    view.Broken = o.broken;
    view.Cntr_Overlap = o.overlap_contours;
    view.Vector_Overlap = o.overlap_vectors;
    view.show_grid = o.show_grid;
    view.numbers_on_plot = o.labels;
    view.Detail_Point = o.points;
    view.AutoScale = o.autoscale;
    view.YScale = o.ticks;
    view.YAxis = o.other_axis;
    if (o.area) {
        view.x_start = o.area->i0 + 1;
        view.y_start = o.area->j0 + 1;
        view.x_end = o.area->i1 + 1;
        view.y_end = o.area->j1 + 1;
    }
    if (o.lines) view.line_num = *o.lines;
    if (o.bands) view.divided_number = *o.bands;
    if (o.length) view.length = *o.length;
    if (o.x_step) view.x_grid_step = *o.x_step, view.x_grid_mode = true;
    if (o.y_step) view.y_grid_step = *o.y_step, view.y_grid_mode = true;
    if (o.x_dot) view.x_dot_step = *o.x_dot, view.x_grid_mode = false;
    if (o.y_dot) view.y_dot_step = *o.y_dot, view.y_grid_mode = false;
    if (o.line_width) view.line_width = *o.line_width;
    if (o.range) {
        view.Scalar_min = o.range->first;
        view.Scalar_max = o.range->second;
        view.min_changed = view.max_changed = true;
    }
    if (o.ratio) view.ratio = *o.ratio, view.ratio_fixed = true;
    if (o.xpos) view.XPos = *o.xpos + 1;
    if (o.ypos) view.YPos = *o.ypos + 1;
    if (o.column_axis) view.Detail_Axis = *o.column_axis;
    if (o.arrow) view.arrow_width = o.arrow->first, view.arrow_span = o.arrow->second;
    return {};
}

VideoSettings video_settings(const RenderOptions& options) {
    return {options.fps.value_or(kFramesPerSecondUpDown.start),
            options.video_colour == u"exact" ? VideoColour::Exact : VideoColour::Standard, false};
}

QString render_usage() {
    return QStringLiteral(
               "Usage: ruvo-render PROJECT [--vector N | --scalar N] [--view KIND] [options] -o "
               "OUT.png|OUT.bmp|OUT.svg|OUT.pdf|OUT.gra|OUT.vts|OUT.cgns\n"
               "       ruvo-render PROJECT.RVP --vector N | --scalar N [options] --batch FILE... --out-dir DIR "
               "[--video OUT.mp4] [--jobs N]\n"
               "\n"
               "Draws one view of a Ruvo project exactly as the view window shows it and\n"
               "writes the picture, or the view's GRAF file for Ngraph as the view window's\n"
               "GRA export writes it. Indices are the result files' zero-based ones.\n"
               "PROJECT is a project file (.RVP) or a file of another program opened as a\n"
               "project of its fields: CGNS (.cgns), a PLOT3D grid (.x, .xyz, .g) with the\n"
               "solution (.q) of the same name beside it, or a VTK structured grid (.vtk,\n"
               ".vts).\n"
               "\n"
               "What to draw:\n"
               "  --vector N|NAME         the project's vector file at list position N (%1),\n"
               "                          or the field or file of that name\n"
               "  --scalar N|NAME         the same for scalar files (--scalar Pressure)\n"
               "  --block NAME            the block (CGNS zone) of another program's file to\n"
               "                          open (default: its first)\n"
               "  --view KIND             grid (default without a file), vectors (default with\n"
               "                          --vector), or for a scalar file contour (default),\n"
               "                          fill, ke, row, column, detail\n"
               "  -o, --output FILE       file to write, by its extension: a .png picture, a\n"
               "                          .bmp saved as the viewer saves a view (24 bits a\n"
               "                          pixel, the old file replaced only by a complete\n"
               "                          one), a .svg or .pdf vector picture (lines, arrows,\n"
               "                          cells and texts as shapes, the page the picture's\n"
               "                          size at 96 dots per inch), the view's .gra GRAF\n"
               "                          file, or a .vts VTK structured grid or a .cgns\n"
               "                          CGNS file of the grid and every file of the\n"
               "                          project, for ParaView\n"
               "  --scale N               a .png or .bmp N times the screen's pixels in each\n"
               "                          direction, %14 (default 1: the screen's own)\n"
               "\n"
               "Layout:\n"
               "  --magnification P       magnification in percent, %2 (default 100)\n"
               "  --fixed                 the fixed 640 x 480 layout of follow mode\n"
               "  --area I0,J0,I1,J1      draw only this area (first and last i, first and last j)\n"
               "  --ratio R               height-to-width ratio of the image, %3\n"
               "\n"
               "Switches of the view:\n"
               "  --colour                contour lines in colour, with a legend\n"
               "  --grey                  solid fill in grey instead of colour\n"
               "  --broken                contour lines of negative levels dashed\n"
               "  --overlap-contours      contour lines and solid fill together\n"
               "  --overlap-vectors       arrows of the project's first vector file over a\n"
               "                          contour or fill view\n"
               "  --show-grid             grid lines over the plot\n"
               "  --show-closed           draw across closed grid lines\n"
               "  --labels                numbers on the plot: each contour level's value on\n"
               "                          its lines, in gaps cut in them, and round values\n"
               "                          under the legends of fill and coloured contours\n"
               "\n"
               "Values of the view:\n"
               "  --lines N               contour lines, %4 (default 20)\n"
               "  --bands N               colour bands of the fill, %5 (default 255)\n"
               "  --line-width N          pen width of contour and line plots, %6\n"
               "  --range MIN,MAX         value range of contour and fill (default: the data's\n"
               "                          own, in a batch each file's)\n"
               "  --length N              longest arrow in percent of the grid, %7 (default 5)\n"
               "  --x-step N, --y-step N  arrows on every N-th grid line, %8 (up to 2/15 of\n"
               "                          the grid's lines on a grid of more than 150)\n"
               "  --x-dot N, --y-dot N    arrows at least N pixels apart, %9\n"
               "  --arrow W,S             arrow head width and span, fractions %10\n"
               "                          of the arrow's length (default 0.15,0.25)\n"
               "\n"
               "Line plots:\n"
               "  --xpos I, --ypos J      the column (i) and row (j) shown\n"
               "  --axis column|row       the line the detail view follows (default column)\n"
               "  --points                mark the data points in the detail view\n"
               "  --autoscale             scale the detail view to the shown line\n"
               "  --ticks                 scale ticks and range texts in the detail view\n"
               "  --other-axis            mark the line of the index not in focus\n"
               "\n"
               "Batch (a sequential conversion without the window):\n"
               "  --batch FILE...         draw the view once for each data file, in the\n"
               "                          order given, reading each file into the view as the\n"
               "                          conversion dialog does; each picture is saved as a\n"
               "                          .bmp named after its data file (run0001.v gives\n"
               "                          run0001.bmp)\n"
               "  --out-dir DIR           folder of the pictures and of ruvo-conversion.log,\n"
               "                          one line a file: ok and its picture, or why not\n"
               "  --jobs N                draw on N threads, %11 (default: one a core);\n"
               "                          the pictures are the same for any N\n"
               "                          The view covers the project's grid (or --area of\n"
               "                          it). Each picture's value range is its own file's;\n"
               "                          --range gives every picture the same one. A file\n"
               "                          that cannot be read, ends before its last node or\n"
               "                          its last line end, or whose header leaves out nodes\n"
               "                          of the view, is reported by name and gets no\n"
               "                          picture; the others are drawn. A progress bar is\n"
               "                          shown on standard error when it is a terminal.\n"
               "  --png                   save .png pictures instead of .bmp\n"
               "  --numbered              name the pictures 0001, 0002, ... in the order\n"
               "                          given (more digits when the list needs them)\n"
               "  --label                 write each data file's name into the top right\n"
               "                          corner of its picture (and video frame)\n"
               "  --series-range          read every file first and draw every picture with\n"
               "                          the smallest and largest value of the whole series\n"
               "                          over the view's area (files that cannot be read are\n"
               "                          left out), so that levels and colours mean the same\n"
               "                          in every picture; says the range on standard output\n"
               "                          and in the log. No effect on a vector view or a\n"
               "                          line plot, which scale themselves\n"
               "  --video FILE            also (or, without --out-dir, only) write the pictures\n"
               "                          as the frames of a video, in the order given: .mp4\n"
               "                          or .mkv (H.264) or .webm (VP9)\n"
               "  --fps N                 frames per second of the video, %12 (default %13)\n"
               "  --video-colour KIND     standard (4:2:0, plays everywhere; thin coloured\n"
               "                          lines soften) or exact (lossless RGB, .mp4 or .mkv,\n"
               "                          for players that know H.264's 4:4:4 profile)\n"
               "\n"
               "  -h, --help              this text\n"
               "  --version               the program's name and version\n"
               "\n"
               "Exit status: 0 done; 1 wrong usage; 2 a file cannot be read or ends early;\n"
               "3 the view cannot be drawn (or the picture, or a batch's log, cannot be\n"
               "written); 4 a batch ran, but some of its files got no picture.\n")
        .arg(span(0, kMaxSlots - 1), span(kMagnificationBar), span(kRatioLimits.min, kRatioLimits.max),
             span(bar_limits(ControlGroup::LineCount)), span(bar_limits(ControlGroup::FillBands)),
             span(kLineWidthUpDown.min, kLineWidthUpDown.max), span(bar_limits(ControlGroup::ArrowLength)),
             span(bar_limits(ControlGroup::XGridStep)), span(bar_limits(ControlGroup::XDotStep)),
             fraction_text(kArrowShapeFractions.min) + ".." + fraction_text(kArrowShapeFractions.max),
             span(1, kMaxJobs))
        .arg(span(kFramesPerSecondUpDown.min, kFramesPerSecondUpDown.max))
        .arg(kFramesPerSecondUpDown.start)
        .arg(span(kPictureScaleUpDown.min, kPictureScaleUpDown.max));
}

}  // namespace ruvo::cli
