// ruvo-render: draws a view of a project without a window.

#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>

#include "Workspace.h"
#include "app/Messages.h"
#include "cli/RenderOptions.h"
#include "plot/Fonts.h"
#include "plot/PlotContext.h"
#include "plot/Progress.h"
#include "plot/Renderer.h"
#include "view/ViewOpening.h"

namespace {

enum ExitStatus { kDone = 0, kUsage = 1, kUnreadable = 2, kNotDrawn = 3 };

void say(const QString& text) { std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData()); }

const char* read_message(ruvo::FileKind kind) {
    switch (kind) {
    case ruvo::FileKind::Grid: return ruvo::messages::kGridReadError;
    case ruvo::FileKind::Vector: return ruvo::messages::kVectorReadError;
    case ruvo::FileKind::Scalar: return ruvo::messages::kScalarReadError;
    }
    return "";
}

int report_read_failure(const ruvo::ReadResult& read, const QString& path) {
    say(QString::fromUtf8(read_message(read.kind)));
    say(QStringLiteral("%1: %2").arg(path, read.detail()));
    return kUnreadable;
}

// Applies the options that change the view's record, within the file's range.
QString apply_options(ruvo::Workspace& ws, ruvo::View_Info& view, const ruvo::cli::RenderOptions& options) {
    view.magni = options.magnification;
    ws.store.closed_grid_show = options.show_closed;
    ws.fixed_size_mode = options.fixed;
    if (options.area) {
        const auto& a = *options.area;
        const auto& s = ws.store;
        if (a.i0 < s.file_x_start || a.i1 > s.file_x_end || a.j0 < s.file_y_start || a.j1 > s.file_y_end) {
            return QStringLiteral("--area must lie within the file's indices %1..%2, %3..%4")
                .arg(s.file_x_start)
                .arg(s.file_x_end)
                .arg(s.file_y_start)
                .arg(s.file_y_end);
        }
        view.x_start = a.i0 + 1;
        view.y_start = a.j0 + 1;
        view.x_end = a.i1 + 1;
        view.y_end = a.j1 + 1;
    }
    ws.bars.load_from(view);
    return {};
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

    const ruvo::OpenViewResult view = ruvo::open_view(*ws, ruvo::FileKind::Grid);
    if (!view.ok()) {
        say(QStringLiteral("the project names no grid file"));
        return kUnreadable;
    }
    if (const QString error = apply_options(*ws, ws->views.at(view.slot), options); !error.isEmpty()) {
        say(error);
        say(ruvo::cli::render_usage());
        return kUsage;
    }

    QImage image;
    ruvo::NoProgress progress;
    ruvo::NoStatusBoxes status;
    const ruvo::RenderResult drawn = ruvo::render_view(*ws, view.slot, image, progress, status);
    if (!drawn.ok()) {
        say(QStringLiteral("The view cannot be drawn: %1.").arg(drawn.reason));
        return kNotDrawn;
    }
    QImageWriter writer(options.output);
    if (!writer.write(image)) {
        say(QStringLiteral("%1: cannot write the picture: %2").arg(options.output, writer.errorString()));
        return kNotDrawn;
    }
    std::printf("%s\n", options.output.toLocal8Bit().constData());
    return kDone;
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
