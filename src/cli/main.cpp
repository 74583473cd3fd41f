// ruvo-render: draws a view of a project without a window.

#include <QGuiApplication>

#include <QDir>
#include <QThread>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>

#include "Texts.h"
#include "Workspace.h"
#include "automation/Batch.h"
#include "cli/RenderOptions.h"
#include "data/WholeFile.h"
#include "data/StructuredProject.h"
#include "export/CgnsWriter.h"
#include "export/GrafExport.h"
#include "export/VtkWriter.h"
#include "export/ViewPicture.h"
#include "plot/Fonts.h"
#include "plot/PlotContext.h"
#include "plot/Progress.h"
#include "plot/Renderer.h"
#include "view/ViewOpening.h"

namespace {

enum ExitStatus { kDone = 0, kUsage = 1, kUnreadable = 2, kNotDrawn = 3, kSomeFailed = 4 };

void say(const QString& text) { std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData()); }

// The project's file at `position` of `kind` is `path` instead.
void replace_project_file(ruvo::ProjectTables& project, ruvo::FileKind kind, int position, const QString& path) {
    auto& names = kind == ruvo::FileKind::Vector ? project.vector_file_name : project.scalar_file_name;
    int& count = kind == ruvo::FileKind::Vector ? project.vector_file_count : project.scalar_file_count;
    names[static_cast<std::size_t>(position)] = path;
    count = std::max(count, position + 1);
}

// A bar of the files done on standard error, when it is a terminal.
class TerminalProgress {
public:
    explicit TerminalProgress(int total) : total_(total), shown_(isatty(STDERR_FILENO) != 0) {}
    void show(int done) {
        if (!shown_) return;
        constexpr int kWidth = 40;
        const int filled = done * kWidth / std::max(1, total_);
        std::fprintf(stderr, "\r[%s%s] %d/%d", std::string(filled, '#').c_str(),
                     std::string(kWidth - filled, ' ').c_str(), done, total_);
        std::fflush(stderr);
    }
    void finish() {
        if (shown_) std::fprintf(stderr, "\n");
    }

private:
    int total_;
    bool shown_;
};

// The file -o names, by its extension: the view's GRAF file, laid out on the
// page by the picture just drawn; a .bmp saved as the viewer saves one; a
// .png; an .svg or .pdf of the view's shapes. Every file replaces an earlier
// one only when complete.
int write_output(ruvo::Workspace& ws, int slot, const QImage& image, const ruvo::cli::RenderOptions& options) {
    const QString& path = options.output;
    ruvo::WriteResult written;
    if (path.endsWith(QStringLiteral(".gra"), Qt::CaseInsensitive)) {
        ruvo::NoProgress progress;
        const ruvo::GrafFileText graf =
            ruvo::graf_file_text(ws.store, ws.views.at(slot), ws.fixed_size_mode, image.size(), progress);
        if (!graf.drawn.ok()) {
            say(QStringLiteral("The view cannot be written: %1.").arg(graf.drawn.reason));
            return kNotDrawn;
        }
        written = ruvo::write_whole_file(path, graf.text);
    } else {
        const auto shapes = [&] {
            ruvo::NoProgress progress;
            return ruvo::draw_view_shapes(ws.store, ws.views.at(slot), ws.layout_of(slot), progress);
        };
        const ruvo::PictureSaved saved = ruvo::save_view_picture(image, shapes, path, options.scale.value_or(1));
        if (!saved.drawn.ok()) {
            say(QStringLiteral("The view cannot be drawn: %1.").arg(saved.drawn.reason));
            return kNotDrawn;
        }
        written = saved.written;
    }
    if (!written.ok) {
        say(QStringLiteral("%1: cannot write the file: %2").arg(path, written.error));
        return kNotDrawn;
    }
    std::printf("%s\n", path.toLocal8Bit().constData());
    return kDone;
}

using Say = std::function<void(const QString&)>;

// The view of the options, set up as the window would set it up. With
// `batch_file` the view is a conversion's: the file stands in for the
// project's file at the position asked, the view takes the grid's area, and
// the file itself is left for the conversion to read and judge.
struct ViewSetUp {
    int slot = 0;
    int status = kDone;
};

// Why the view asked for cannot be opened.
QString refusal_text(const ruvo::ProjectTables& project, ruvo::FileKind kind, int position, ruvo::OpenRefusal refusal) {
    if (kind == ruvo::FileKind::Grid) return QString::fromUtf8(ruvo::messages::kNoGridFileNamed);
    const bool vectors = kind == ruvo::FileKind::Vector;
    if (refusal == ruvo::OpenRefusal::NoDataSlot) {
        const auto& names = vectors ? project.vector_file_name : project.scalar_file_name;
        const QString& name = names[static_cast<std::size_t>(position)];
        return QString::fromUtf8(ruvo::messages::kBaseNameOfOtherKind).arg(name);
    }
    return QString::fromUtf8(ruvo::messages::kNoFileAtPosition).arg(vectors ? "vector" : "scalar").arg(position);
}

ViewSetUp set_up_view(ruvo::Workspace& ws, const ruvo::cli::RenderOptions& options, const QString& batch_file,
                      const Say& say) {
    const auto failed = [&](const ruvo::ReadResult& read, const QString& path) {
        say(QString::fromUtf8(ruvo::messages::read_error(read.kind)));
        say(QStringLiteral("%1: %2").arg(path, read.detail()));
        return ViewSetUp{0, kUnreadable};
    };
    const ruvo::ProjectOpenResult opened = ruvo::load_project(ws, options.project, options.block);
    if (!opened.project.ok) {
        say(QStringLiteral("%1: %2").arg(options.project, opened.project.error));
        return {0, kUnreadable};
    }
    for (const QString& note : opened.project.notes) say(note);
    if (ws.project.grid_file_name.isEmpty()) {
        say(QString::fromUtf8(ruvo::messages::kNoGridFileNamed));
        return {0, kUnreadable};
    }
    if (!opened.grid.ok()) return failed(opened.grid, ws.project.grid_file_name);
    int position = options.position;
    if (!options.field.isEmpty()) {
        const auto named = ruvo::field_position(ws.project, options.kind, options.field);
        if (!named) {
            say(QStringLiteral("the project holds no %1 field or file named %2")
                    .arg(options.kind == ruvo::FileKind::Vector ? "vector" : "scalar", options.field));
            return {0, kUsage};
        }
        position = *named;
    }
    const bool batch = !batch_file.isEmpty();
    if (batch) {
        replace_project_file(ws.project, options.kind, position, batch_file);
        ws.sequential_mode = true;
    }

    // Arrows over a scalar view come from the vector slot of the same number:
    // the scalar takes slot 1, so the project's first vector file fills slot 1.
    if (options.overlap_vectors && ws.project.vector_file_count > 0) {
        const ruvo::OpenViewResult vectors = ruvo::open_view(ws, ruvo::FileKind::Vector, 0);
        if (!vectors.read.complete()) return failed(vectors.read, vectors.caption);
    }
    const ruvo::OpenViewResult view = ruvo::open_view(ws, options.kind, position);
    if (!view.ok()) {
        say(refusal_text(ws.project, options.kind, position, view.refusal));
        return {0, kUsage};
    }
    // A file read in part would be drawn with zeros for the rest.
    if (!batch && !view.read.complete()) return failed(view.read, view.caption);
    ruvo::View_Info& record = ws.views.at(view.slot);
    if (const QString error = ruvo::cli::apply_render_options(options, record); !error.isEmpty()) {
        say(QStringLiteral("ruvo-render: %1").arg(error));
        return {0, kUsage};
    }
    ws.store.closed_grid_show = options.show_closed;
    ws.fixed_size_mode = options.fixed;
    return {view.slot, kDone};
}

// The grid and every file of the project as one VTK structured grid or CGNS
// file: each file is read as its view would read it, and one that cannot be
// read whole writes nothing.
int write_data_file(ruvo::Workspace& ws, const QString& path) {
    for (const ruvo::FileKind kind : {ruvo::FileKind::Vector, ruvo::FileKind::Scalar}) {
        const int count = kind == ruvo::FileKind::Vector ? ws.project.vector_file_count : ws.project.scalar_file_count;
        for (int position = 0; position < count; ++position) {
            const ruvo::OpenViewResult opened = ruvo::open_view(ws, kind, position);
            if (!opened.ok() || !opened.read.complete()) {
                say(QString::fromUtf8(ruvo::messages::read_error(opened.read.kind)));
                say(QStringLiteral("%1: %2").arg(opened.caption, opened.read.detail()));
                return kUnreadable;
            }
        }
    }
    const ruvo::WriteResult written = path.endsWith(QStringLiteral(".cgns"), Qt::CaseInsensitive)
                                          ? ruvo::write_cgns_file(path, ws.store)
                                          : ruvo::write_whole_file(path, ruvo::vts_file_bytes(ws.store));
    if (!written.ok) {
        say(QStringLiteral("%1: cannot write the file: %2").arg(path, written.error));
        return kNotDrawn;
    }
    std::printf("%s\n", path.toLocal8Bit().constData());
    return kDone;
}

int run(const ruvo::cli::RenderOptions& options) {
    auto ws = std::make_unique<ruvo::Workspace>();
    const ViewSetUp view = set_up_view(*ws, options, {}, say);
    if (view.status != kDone) return view.status;
    for (const char* data_file : {".vts", ".cgns"})
        if (options.output.endsWith(QLatin1String(data_file), Qt::CaseInsensitive))
            return write_data_file(*ws, options.output);

    QImage image;
    ruvo::NoProgress progress;
    ruvo::NoStatusBoxes status;
    const ruvo::RenderResult drawn = ruvo::render_view(*ws, view.slot, image, progress, status);
    if (!drawn.ok()) {
        if (drawn.failure == ruvo::RenderFailure::AllZeroVectors)
            say(QString::fromUtf8(ruvo::messages::kAllZeroVectors));
        say(QStringLiteral("The view cannot be drawn: %1.").arg(drawn.reason));
        return kNotDrawn;
    }
    return write_output(*ws, view.slot, image, options);
}

// Every file of the batch drawn on one view of the project's grid, so that
// a bad file, wherever it stands, costs only its own picture.
int run_batch(const ruvo::cli::RenderOptions& options) {
    // Numbered pictures never share a name.
    if (const auto same =
            options.pictures.numbered ? std::nullopt : ruvo::duplicate_picture_name(options.batch_files)) {
        say(QStringLiteral("ruvo-render: %1 and %2 would give the same picture").arg(same->first, same->second));
        return kUsage;
    }
    if (!options.out_dir.isEmpty() && !QDir().mkpath(options.out_dir)) {
        say(QStringLiteral("%1: cannot make the folder").arg(options.out_dir));
        return kNotDrawn;
    }
    // What fails here (the project, its grid, the options) fails every file.
    const QString stand_in = options.batch_files.front();
    if (const int status = set_up_view(*std::make_unique<ruvo::Workspace>(), options, stand_in, say).status;
        status != kDone) {
        return status;
    }
    const int jobs = options.jobs.value_or(QThread::idealThreadCount());
    TerminalProgress bar(static_cast<int>(options.batch_files.size()));
    std::optional<ruvo::VideoWriter> video;
    ruvo::PictureSink sink;
    if (!options.video.isEmpty()) {
        video.emplace(options.video, ruvo::cli::video_settings(options));
        sink = {options.video, [&](const QImage& picture) { return video->add_frame(picture); }};
    }
    const ruvo::BatchRun batch = ruvo::run_batch(
        [&](ruvo::Workspace& ws) { return set_up_view(ws, options, stand_in, [](const QString&) {}).slot; },
        options.batch_files, options.out_dir, jobs, [&](int done) { bar.show(done); }, sink, options.pictures);
    bar.finish();
    const std::vector<ruvo::FrameResult>& frames = batch.frames;
    if (!batch.series_range.isEmpty()) {
        std::printf("%s%s\n", ruvo::messages::kSeriesRangeUsed, batch.series_range.toLocal8Bit().constData());
    }
    int failed = 0;
    for (std::size_t k = 0; k < frames.size(); ++k) {
        const QString failure = frames[k].failure();
        if (failure.isEmpty()) continue;
        ++failed;
        say(QStringLiteral("%1: %2").arg(options.batch_files[static_cast<qsizetype>(k)], failure));
    }
    const int written = static_cast<int>(frames.size()) - failed;
    bool whole = true;  // every file the batch asked for is complete
    if (video) {
        if (const ruvo::WriteResult finished = video->finish(); !finished.ok) {
            say(QStringLiteral("%1: cannot write the file: %2").arg(options.video, finished.error));
            whole = false;
        } else {
            std::printf("%d of %d frames written to %s\n", video->frames(), static_cast<int>(frames.size()),
                        options.video.toLocal8Bit().constData());
        }
    }
    if (!options.out_dir.isEmpty()) {
        std::printf("%d of %d pictures written to %s\n", written, static_cast<int>(frames.size()),
                    options.out_dir.toLocal8Bit().constData());
        const ruvo::WriteResult log =
            ruvo::write_conversion_log(options.out_dir, options.batch_files, frames, batch.series_range);
        if (!log.ok) {
            say(QStringLiteral("%1: cannot write the file: %2")
                    .arg(QDir(options.out_dir).filePath(QString::fromLatin1(ruvo::kConversionLogName)), log.error));
            whole = false;
        }
    }
    if (failed > 0) return kSomeFailed;
    return whole ? kDone : kNotDrawn;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The windowing system and its fonts are made when a plot first draws
    // text: a picture without any is drawn without them.
    std::optional<QGuiApplication> app;
    ruvo::make_fonts_on_demand([&] {
        app.emplace(argc, argv);
        ruvo::register_font_substitutions();
    });

    QStringList arguments;
    for (int k = 1; k < argc; ++k) arguments.append(QString::fromLocal8Bit(argv[k]));
    const ruvo::cli::ParseResult parsed = ruvo::cli::parse_render_options(arguments);
    if (!parsed.options) {
        say(QStringLiteral("ruvo-render: %1").arg(parsed.error));
        say(ruvo::cli::render_usage());
        return kUsage;
    }
    if (parsed.options->help) {
        std::printf("%s", ruvo::cli::render_usage().toLocal8Bit().constData());
        return kDone;
    }
    if (parsed.options->version) {
        std::printf("ruvo-render %s\n", RUVO_VERSION);
        return kDone;
    }
    if (!parsed.options->batch) return run(*parsed.options);
    ruvo::need_fonts();  // before the workers start
    return run_batch(*parsed.options);
}
