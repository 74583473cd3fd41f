// ruvo-render: draws a view of a project without a window.

#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>

#include "Texts.h"
#include "Workspace.h"
#include "cli/RenderOptions.h"
#include "data/WholeFile.h"
#include "export/BitmapSave.h"
#include "export/GrafExport.h"
#include "plot/Fonts.h"
#include "plot/PlotContext.h"
#include "plot/Progress.h"
#include "plot/Renderer.h"
#include "view/ViewOpening.h"

namespace {

enum ExitStatus { kDone = 0, kUsage = 1, kUnreadable = 2, kNotDrawn = 3 };

void say(const QString& text) { std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData()); }

int report_read_failure(const ruvo::ReadResult& read, const QString& path) {
    say(QString::fromUtf8(ruvo::messages::read_error(read.kind)));
    say(QStringLiteral("%1: %2").arg(path, read.detail()));
    return kUnreadable;
}

// The file -o names, by its extension: the view's GRAF file, laid out on the
// page by the picture just drawn; a .bmp saved as the viewer saves one; a
// .png by Qt's writer.
int write_output(ruvo::Workspace& ws, int slot, const QImage& image, const QString& path) {
    ruvo::WriteResult written;
    if (path.endsWith(QStringLiteral(".gra"), Qt::CaseInsensitive)) {
        ruvo::NoProgress progress;
        const ruvo::GrafFileText graf = ruvo::graf_file_text(ws, slot, image.size(), progress);
        if (!graf.drawn.ok()) {
            say(QStringLiteral("The view cannot be written: %1.").arg(graf.drawn.reason));
            return kNotDrawn;
        }
        written = ruvo::write_whole_file(path, graf.text);
    } else if (path.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive)) {
        written = ruvo::save_bitmap(image, path);
    } else {
        QImageWriter writer(path);
        written = writer.write(image) ? ruvo::WriteResult{true, {}} : ruvo::WriteResult{false, writer.errorString()};
    }
    if (!written.ok) {
        say(QStringLiteral("%1: cannot write the file: %2").arg(path, written.error));
        return kNotDrawn;
    }
    std::printf("%s\n", path.toLocal8Bit().constData());
    return kDone;
}

int run(const ruvo::cli::RenderOptions& options) {
    auto ws = std::make_unique<ruvo::Workspace>();
    const ruvo::ProjectOpenResult opened = ruvo::load_project(*ws, options.project);
    if (!opened.project.ok) {
        say(QStringLiteral("%1: %2").arg(options.project, opened.project.error));
        return kUnreadable;
    }
    for (const QString& note : opened.project.notes) say(note);
    if (!opened.grid.ok()) return report_read_failure(opened.grid, ws->project.grid_file_name);

    // Arrows over a scalar view come from the vector slot of the same number:
    // the scalar takes slot 1, so the project's first vector file fills slot 1.
    if (options.overlap_vectors && ws->project.vector_file_count > 0) {
        const ruvo::OpenViewResult vectors = ruvo::open_view(*ws, ruvo::FileKind::Vector, 0);
        if (!vectors.read.ok()) return report_read_failure(vectors.read, vectors.caption);
    }
    const ruvo::OpenViewResult view = ruvo::open_view(*ws, options.kind, options.position);
    if (!view.ok()) {
        say(options.kind == ruvo::FileKind::Grid
                ? QStringLiteral("The project names no grid file.")
                : QStringLiteral("The project has no %1 file at list position %2.")
                      .arg(options.kind == ruvo::FileKind::Vector ? "vector" : "scalar")
                      .arg(options.position));
        return kUsage;
    }
    if (!view.read.ok()) return report_read_failure(view.read, view.caption);
    ruvo::View_Info& record = ws->views.at(view.slot);
    if (const QString error = ruvo::cli::apply_render_options(options, ws->store, record); !error.isEmpty()) {
        say(QStringLiteral("ruvo-render: %1").arg(error));
        return kUsage;
    }
    ws->store.closed_grid_show = options.show_closed;
    ws->fixed_size_mode = options.fixed;

    QImage image;
    ruvo::NoProgress progress;
    ruvo::NoStatusBoxes status;
    const ruvo::RenderResult drawn = ruvo::render_view(*ws, view.slot, image, progress, status);
    if (!drawn.ok()) {
        if (drawn.failure == ruvo::RenderFailure::AllZeroVectors) say(QString::fromUtf8(ruvo::messages::kAllZeroVectors));
        say(QStringLiteral("The view cannot be drawn: %1.").arg(drawn.reason));
        return kNotDrawn;
    }
    return write_output(*ws, view.slot, image, options.output);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ruvo::register_font_substitutions();

    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
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
    return run(*parsed.options);
}
