// Speed of reading and drawing at the largest grid (the 150 x 150 cavity
// sample) and the largest magnification.

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QListWidget>
#include <QWheelEvent>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>
#include <vector>

#include <unistd.h>

#include "Workspace.h"
#include "automation/FollowEngine.h"
#include "automation/SequentialEngine.h"
#include "data/ResultReader.h"
#include "export/CgnsWriter.h"
#include "export/GrafExport.h"
#include "export/ViewPicture.h"
#include "plot/PlotContext.h"
#include "plot/ProbeMarks.h"
#include "plot/Progress.h"
#include "plot/Renderer.h"
#include "ui/frame/MainWindow.h"
#include "ui/frame/StartUp.h"
#include "ui/viewwindow/ViewWindow.h"
#include "view/Probe.h"
#include "view/ViewOpening.h"

namespace {

using namespace ruvo;

QString cavity(const char* name) { return QDir(QStringLiteral(RUVO_EXAMPLES_DIR "/cavity")).filePath(name); }

// A project (the cavity's unless named) with one view open on its grid, its
// first vector file or its first scalar file.
struct Scene {
    std::unique_ptr<Workspace> ws = std::make_unique<Workspace>();
    int slot = 0;

    Scene(FileKind kind, std::uint8_t scalar_type = kContourView, const QString& project = cavity("cavity.RVP")) {
        load_project(*ws, project);
        slot = open_view(*ws, kind, 0).slot;
        view().ScalarViewType = scalar_type;
        view().XPos = view().YPos = 75;
    }
    View_Info& view() { return ws->views.at(slot); }
    void magnify(int percent) { view().magni = percent; }
    void draw(benchmark::State& state) {
        QImage image;
        NoProgress progress;
        NoStatusBoxes status;
        for (auto _ : state) {
            const RenderResult result = render_view(*ws, slot, image, progress, status);
            if (!result.ok()) state.SkipWithError(result.reason.toUtf8().constData());
            benchmark::DoNotOptimize(image.constBits());
        }
        state.counters["pixels"] = double(image.width()) * image.height();
    }
};

void BM_ReadGrid(benchmark::State& state) {
    auto ws = std::make_unique<Workspace>();
    for (auto _ : state) benchmark::DoNotOptimize(read_grid(ws->store, cavity("CAVITY.GRD")).nodes_read);
}
BENCHMARK(BM_ReadGrid)->Unit(benchmark::kMillisecond);

void BM_ReadScalar(benchmark::State& state) {
    auto ws = std::make_unique<Workspace>();
    for (auto _ : state) {
        benchmark::DoNotOptimize(read_scalar(ws->store.scalar_data[1], cavity("CAVITY.P")).nodes_read);
    }
}
BENCHMARK(BM_ReadScalar)->Unit(benchmark::kMillisecond);

void BM_Grid(benchmark::State& state) {
    Scene scene(FileKind::Grid);
    scene.magnify(int(state.range(0)));
    scene.draw(state);
}
BENCHMARK(BM_Grid)->Arg(100)->Arg(800)->Unit(benchmark::kMillisecond);

void BM_Vectors(benchmark::State& state) {
    Scene scene(FileKind::Vector);
    scene.magnify(int(state.range(0)));
    scene.draw(state);
}
BENCHMARK(BM_Vectors)->Arg(100)->Arg(800)->Unit(benchmark::kMillisecond);

void BM_ScalarView(benchmark::State& state) {
    Scene scene(FileKind::Scalar, std::uint8_t(state.range(0)));
    scene.magnify(int(state.range(1)));
    scene.draw(state);
}
BENCHMARK(BM_ScalarView)
    ->ArgNames({"type", "magni"})
    ->ArgsProduct({{kContourView, kKEpsilonView, kRowView, kColumnView, kDetailView, kFillView}, {100, 800}})
    ->Unit(benchmark::kMillisecond);

// The contour view of 20 levels without and with the levels' values on the
// lines: the lines joined, the labels placed, gaps cut and the texts drawn.
void BM_ContourNumbers(benchmark::State& state) {
    Scene scene(FileKind::Scalar);
    scene.view().numbers_on_plot = state.range(0) != 0;
    scene.magnify(int(state.range(1)));
    scene.draw(state);
}
BENCHMARK(BM_ContourNumbers)
    ->ArgNames({"numbers", "magni"})
    ->ArgsProduct({{0, 1}, {100, 800}})
    ->Unit(benchmark::kMillisecond);

// Fill of 255 bands, 20 coloured contour lines over it, arrows at every node
// and the grid over everything.
View_Info& make_composite(Scene& scene) {
    open_view(*scene.ws, FileKind::Vector, 0);  // the velocity shares slot 1 with the pressure
    View_Info& v = scene.view();
    v.Cntr_Overlap = v.Color = v.Vector_Overlap = v.show_grid = true;
    v.line_num = 20;
    v.divided_number = 255;
    return v;
}

void BM_Composite(benchmark::State& state) {
    Scene scene(FileKind::Scalar, kFillView);
    make_composite(scene);
    scene.magnify(int(state.range(0)));
    scene.draw(state);
}
BENCHMARK(BM_Composite)->Arg(100)->Arg(800)->Unit(benchmark::kMillisecond);

// The GRAF file of that composite view at 100 %, written into memory.
void BM_GrafComposite(benchmark::State& state) {
    Scene scene(FileKind::Scalar, kFillView);
    View_Info& v = make_composite(scene);
    NoProgress progress;
    qsizetype bytes = 0;
    for (auto _ : state) {
        const GrafFileText graf = graf_file_text(scene.ws->store, v, false, {500, 600}, progress);
        if (!graf.drawn.ok()) state.SkipWithError(graf.drawn.reason.toUtf8().constData());
        bytes = graf.text.size();
    }
    state.counters["bytes"] = double(bytes);
}
BENCHMARK(BM_GrafComposite)->Unit(benchmark::kMillisecond);

// That composite view at 100 % drawn as shapes and written as an SVG (0) or
// PDF (1) file into memory.
void BM_VectorComposite(benchmark::State& state) {
    Scene scene(FileKind::Scalar, kFillView);
    View_Info& v = make_composite(scene);
    NoProgress progress;
    qsizetype bytes = 0;
    for (auto _ : state) {
        const ViewDrawing shapes = draw_view_shapes(scene.ws->store, v, {100, false}, progress);
        if (!shapes.drawn.ok()) state.SkipWithError(shapes.drawn.reason.toUtf8().constData());
        bytes = (state.range(0) == 0 ? svg_bytes(shapes.drawing) : pdf_bytes(shapes.drawing)).size();
    }
    state.counters["bytes"] = double(bytes);
}
BENCHMARK(BM_VectorComposite)->ArgName("pdf")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The generated cases of 1025 x 1025 and 4097 x 4097 nodes (ruvo-make-case;
// scripts/bench makes them): their folders are named by RUVO_BENCH_CASE_1025
// and RUVO_BENCH_CASE_4097, and a benchmark without its folder is skipped.
QString large_project(benchmark::State& state, int nodes) {
    const QString folder = qEnvironmentVariable(nodes == 1025 ? "RUVO_BENCH_CASE_1025" : "RUVO_BENCH_CASE_4097");
    if (folder.isEmpty()) {
        state.SkipWithError("no large case: set RUVO_BENCH_CASE_1025 and RUVO_BENCH_CASE_4097");
        return {};
    }
    return QDir(folder).filePath(QStringLiteral("LARGE.RVP"));
}

// Every view kind of a large case at 100 %: grid, arrows, the six scalar
// views (contour ... fill) and the composite.
enum LargeView { kLargeGrid = 0, kLargeVectors = 1, kLargeComposite = 8 };

void BM_LargeView(benchmark::State& state) {
    const QString project = large_project(state, int(state.range(0)));
    if (project.isEmpty()) return;
    const int view = int(state.range(1));
    const FileKind kind = view == kLargeGrid      ? FileKind::Grid
                          : view == kLargeVectors ? FileKind::Vector
                                                  : FileKind::Scalar;
    const auto scalar_type = std::uint8_t(view == kLargeComposite ? int(kFillView) : std::max(view - 2, 0));
    Scene scene(kind, scalar_type, project);
    if (view == kLargeComposite) make_composite(scene);
    scene.draw(state);
}
BENCHMARK(BM_LargeView)
    ->ArgNames({"nodes", "view"})
    ->ArgsProduct({{1025, 4097}, {0, 1, 2, 3, 4, 5, 6, 7, 8}})
    ->Unit(benchmark::kMillisecond);

// The large composite as a GRAF file (0), an SVG (1) or a PDF (2) file, into memory.
void BM_LargeCompositeFile(benchmark::State& state) {
    const QString project = large_project(state, int(state.range(0)));
    if (project.isEmpty()) return;
    Scene scene(FileKind::Scalar, kFillView, project);
    View_Info& v = make_composite(scene);
    NoProgress progress;
    qsizetype bytes = 0;
    for (auto _ : state) {
        if (state.range(1) == 0) {
            bytes = graf_file_text(scene.ws->store, v, false, {500, 600}, progress).text.size();
            continue;
        }
        const ViewDrawing shapes = draw_view_shapes(scene.ws->store, v, {100, false}, progress);
        bytes = (state.range(1) == 1 ? svg_bytes(shapes.drawing) : pdf_bytes(shapes.drawing)).size();
    }
    state.counters["bytes"] = double(bytes);
}
BENCHMARK(BM_LargeCompositeFile)
    ->ArgNames({"nodes", "file"})
    ->ArgsProduct({{1025}, {0, 1, 2}})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// One scalar file of a large case, read on as many cores as the machine
// lends: wall time.
void BM_ReadLargeScalar(benchmark::State& state) {
    const QString project = large_project(state, int(state.range(0)));
    if (project.isEmpty()) return;
    const QString path = QFileInfo(project).dir().filePath(QStringLiteral("LARGE.P"));
    ScalarSlot slot;
    for (auto _ : state) {
        if (!read_scalar(slot, path).complete()) state.SkipWithError("the scalar file does not read whole");
    }
}
BENCHMARK(BM_ReadLargeScalar)->Arg(1025)->Arg(4097)->UseRealTime()->Unit(benchmark::kMillisecond);

// The process's resident memory in MB, from the kernel's count of pages.
double resident_mb() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) return 0.0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024 * 1024) : 0.0;
}

// A large case's project with a view on each of its files: the grid, 2
// vector and 4 scalar files. The counter is the memory they take.
void BM_OpenLargeProject(benchmark::State& state) {
    const QString project = large_project(state, int(state.range(0)));
    if (project.isEmpty()) return;
    double grown = 0.0;
    for (auto _ : state) {
        const double before = resident_mb();
        auto ws = std::make_unique<Workspace>();
        bool whole = load_project(*ws, project).grid.complete();
        for (int k = 0; k < 2; ++k) whole = whole && open_view(*ws, FileKind::Vector, k).read.complete();
        for (int k = 0; k < 4; ++k) whole = whole && open_view(*ws, FileKind::Scalar, k).read.complete();
        if (!whole) state.SkipWithError("a file of the project does not read whole");
        grown = resident_mb() - before;
    }
    state.counters["MB"] = grown;
}
BENCHMARK(BM_OpenLargeProject)->Arg(1025)->Arg(4097)->UseRealTime()->Iterations(1)->Unit(benchmark::kMillisecond);

// A large case written as one CGNS file with four fields (one vector and
// three scalar files), then opened as a project and every field read: what
// the user waits for before the views of the file can be drawn.
void BM_OpenLargeCgns(benchmark::State& state) {
    const QString project = large_project(state, int(state.range(0)));
    if (project.isEmpty()) return;
    const QTemporaryDir folder;
    const QString cgns = folder.filePath(QStringLiteral("large.cgns"));
    {
        auto ws = std::make_unique<Workspace>();
        load_project(*ws, project);
        open_view(*ws, FileKind::Vector, 0);
        for (int k = 0; k < 3; ++k) open_view(*ws, FileKind::Scalar, k);
        ws->store.scalar_count = 3;
        if (!write_cgns_file(cgns, ws->store).ok) state.SkipWithError("the CGNS file cannot be written");
    }
    for (auto _ : state) {
        auto ws = std::make_unique<Workspace>();
        bool whole = load_project(*ws, cgns).grid.complete() && ws->project.scalar_file_count == 3;
        whole = whole && open_view(*ws, FileKind::Vector, 0).read.complete();
        for (int k = 0; k < 3; ++k) whole = whole && open_view(*ws, FileKind::Scalar, k).read.complete();
        if (!whole) state.SkipWithError("a field of the CGNS file does not read whole");
    }
}
BENCHMARK(BM_OpenLargeCgns)->Arg(1025)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_Contour100Levels(benchmark::State& state) {
    Scene scene(FileKind::Scalar, kContourView);
    scene.view().line_num = 100;
    scene.magnify(100);
    scene.draw(state);
}
BENCHMARK(BM_Contour100Levels)->Unit(benchmark::kMillisecond);

// One frame of a sequential conversion as a run does it: the 150 x 150
// pressure read into the contour view's slot, drawn at the fixed 640 x 480
// layout and saved as the BMP.
void BM_ReadDrawWriteFrame(benchmark::State& state) {
    Scene scene(FileKind::Scalar, kContourView);
    scene.ws->fixed_size_mode = true;
    QTemporaryDir dir;
    QImage image;
    NoProgress progress;
    NoStatusBoxes status;
    for (auto _ : state) {
        const FrameResult frame =
            convert_and_save(*scene.ws, scene.slot, cavity("CAVITY.P"), sequential_output_name(dir.path(), "CAVITY.P"),
                             SeriesPictures{}, image, progress, status);
        if (!frame.saved()) state.SkipWithError("cannot write the frame");
    }
    state.counters["frames/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ReadDrawWriteFrame)->Unit(benchmark::kMillisecond);

// One follow update at 100 %: the velocity and the pressure read again and
// four views redrawn (grid, arrows, contour lines, solid fill).
void BM_FollowUpdateFourViews(benchmark::State& state) {
    struct StillClock final : FollowClock {
        qint64 elapsed_ms() const override { return 0; }
    } clock;
    auto ws = std::make_unique<Workspace>();
    load_project(*ws, cavity("cavity.RVP"));
    open_view(*ws, FileKind::Grid);
    open_view(*ws, FileKind::Vector, 0);
    open_view(*ws, FileKind::Scalar, 0);
    open_view(*ws, FileKind::Scalar, 0);
    ws->views.at(4).ScalarViewType = kFillView;
    std::array<QImage, 4> pictures;
    std::vector<FollowWindow> windows;
    for (int n = 0; n < 4; ++n) windows.push_back({n + 1, &pictures.at(std::size_t(n))});
    FollowEngine engine(*ws, clock);
    engine.start({.repeat_time = 1, .time_limit = 1, .repeat_number = 9999, .read_forced = true});
    for (auto _ : state) {
        if (engine.check(windows, {}).result != FollowCheck::Result::Updated) state.SkipWithError("no update");
    }
}
BENCHMARK(BM_FollowUpdateFourViews)->Unit(benchmark::kMillisecond);

// The cavity's nodes bent into a half ring: a curvilinear grid of 150 x 150
// whose cells turn through every direction.
void bend_into_half_ring(FieldStore& store) {
    for (int i = 1; i <= kBaseNodes; ++i) {
        for (int j = 1; j <= kBaseNodes; ++j) {
            const double radius = 1.0 + store.grid_x(i, j);
            const double angle = 3.14159265358979 * store.grid_y(i, j);
            store.grid_x.at(i, j) = radius * std::cos(angle);
            store.grid_y.at(i, j) = radius * std::sin(angle);
        }
    }
}

// A pixel in the lower-left quarter of cell (i, j), near node (i, j).
QPoint near_node(Workspace& ws, int i, int j) {
    const auto near = [&](const Table& c) { return 0.75 * c(i, j) + 0.25 * c(i + 1, j + 1); };
    return mapping_of(ws.views.current()).pixel({near(ws.store.grid_x), near(ws.store.grid_y)});
}

// The grid view at `percent`, drawn; the cavity itself or bent into a half ring.
struct ProbeScene : Scene {
    QImage picture;
    ProbeScene(bool half_ring, int percent) : Scene(FileKind::Grid) {
        if (half_ring) bend_into_half_ring(ws->store);
        magnify(percent);
        NoProgress progress;
        NoStatusBoxes status;
        render_view(*ws, slot, picture, progress, status);
    }
};

// The search of every mouse move, over all 149 x 149 cells, at points spread
// over the picture: by the quarters of the cells, or for the nearest node.
void search_probe_nodes(benchmark::State& state, bool nearest) {
    ProbeScene scene(state.range(0) != 0, 100);
    scene.view().nearest_probe = nearest;
    std::vector<QPoint> points;
    for (int k = 0; k < 64; ++k) points.push_back(near_node(*scene.ws, 1 + (k * 37) % 149, 1 + (k * 53) % 149));
    std::size_t k = 0;
    double found = 0;
    for (auto _ : state) found += Find_Probe_Node(*scene.ws, points[k++ % points.size()]);
    // Near the walls a cell's quarter is below a pixel: some points find
    // nothing by the quarters; the nearest node is always found.
    state.counters["found"] = benchmark::Counter(found, benchmark::Counter::kAvgIterations);
}
void BM_FindProbeNode(benchmark::State& state) { search_probe_nodes(state, false); }
BENCHMARK(BM_FindProbeNode)->ArgName("half_ring")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
void BM_NearestProbeNode(benchmark::State& state) { search_probe_nodes(state, true); }
BENCHMARK(BM_NearestProbeNode)->ArgName("half_ring")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Mouse moves from node (i, j) to the next diagonally and back over the
// picture: search, erase and draw the marks, read-out. Counts the pixels of
// the rectangles to repaint.
void move_probe(benchmark::State& state, Workspace& ws, QImage& picture, int i, int j) {
    const QPoint at[] = {near_node(ws, i, j), near_node(ws, i + 1, j + 1)};
    std::size_t k = 0;
    double repainted = 0;
    for (auto _ : state) {
        const ProbeEffect effect = probe_mouse_move(ws, at[k++ % 2]);
        for (const QRect& r : draw_probe_marks(picture, ws.store, mapping_of(ws.views.current()), effect.marks())) {
            repainted += double(r.width()) * r.height();
        }
        benchmark::DoNotOptimize(probe_readout(ws));
    }
    state.counters["pixels"] = double(picture.width()) * picture.height();
    state.counters["repainted"] = benchmark::Counter(repainted, benchmark::Counter::kAvgIterations);
}

// One mouse move at 800 % (4000 x 4000 pixels) from one node to the next;
// with a selection the band of 100 x 100 nodes goes too.
void BM_ProbeMove800(benchmark::State& state) {
    ProbeScene scene(false, 800);
    Workspace& ws = *scene.ws;
    if (state.range(0) != 0) {
        probe_mouse_move(ws, near_node(ws, 20, 20));
        probe_mouse_down(ws, ProbeButton::Left);
    }
    move_probe(state, ws, scene.picture, 120, 120);
}
BENCHMARK(BM_ProbeMove800)->ArgName("selecting")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The grid that `ruvo-make-case N N DIR` writes (clustered towards the walls),
// computed in memory, in a grid view at `percent`, drawn.
struct LargeGridScene {
    std::unique_ptr<Workspace> ws = std::make_unique<Workspace>();
    QImage picture;

    LargeGridScene(int nodes, int percent) {
        const auto clustered = [&](int k) {
            return 0.5 * (1.0 + std::tanh(2.0 * (2.0 * k / (nodes - 1) - 1.0)) / std::tanh(2.0));
        };
        FieldStore& store = ws->store;
        store.file_x_end = store.file_y_end = nodes - 1;
        for (int i = 1; i <= nodes; ++i) {
            for (int j = 1; j <= nodes; ++j) {
                store.grid_x.at(i, j) = clustered(i - 1);
                store.grid_y.at(i, j) = clustered(j - 1);
            }
        }
        store.compute_grid_extremes_and_flags();
        const int slot = ws->views.Find_View_Slot("LARGE.GRD").slot;
        ws->views.current_active_window = slot;
        View_Info& view = ws->views.at(slot);
        view.Caption = "LARGE.GRD";
        view.FileType = kGridView;
        ws->views.Init_View_Info(slot, store);
        view.magni = percent;
        NoProgress progress;
        NoStatusBoxes status;
        render_view(*ws, slot, picture, progress, status);
    }
};

// One mouse move at 800 % over a grid of 1025 x 1025 nodes, in the middle of
// it, by the quarters of the cells or for the nearest node.
void BM_ProbeMove800Large(benchmark::State& state) {
    LargeGridScene scene(1025, 800);
    scene.ws->views.current().nearest_probe = state.range(0) != 0;
    move_probe(state, *scene.ws, scene.picture, 700, 600);
}
BENCHMARK(BM_ProbeMove800Large)->ArgName("nearest")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The first mouse move after the grid changed: the probe's index is built again.
void BM_ProbeIndexBuild(benchmark::State& state) {
    LargeGridScene scene(int(state.range(0)), 100);
    Workspace& ws = *scene.ws;
    const QPoint at = near_node(ws, 100, 100);
    for (auto _ : state) {
        ws.store.grid_x.at(1, 1) = ws.store.grid_x(1, 1);
        benchmark::DoNotOptimize(Find_Probe_Node(ws, at));
    }
}
BENCHMARK(BM_ProbeIndexBuild)->ArgName("nodes")->Arg(1025)->Arg(4097)->Unit(benchmark::kMillisecond);

// The redraw of a switch between fill and contour lines, the view kinds
// alternating from one iteration to the next: first the core's render alone,
// then the same through the real main window.
const std::uint8_t kSwitchedKinds[] = {kFillView, kContourView};

void BM_CoreFillContourSwitch(benchmark::State& state) {
    Scene scene(FileKind::Scalar);
    scene.magnify(int(state.range(0)));
    QImage image;
    NoProgress progress;
    NoStatusBoxes status;
    std::size_t k = 0;
    for (auto _ : state) {
        scene.view().ScalarViewType = kSwitchedKinds[k++ % 2];
        if (!render_view(*scene.ws, scene.slot, image, progress, status).ok()) state.SkipWithError("not drawn");
    }
}
BENCHMARK(BM_CoreFillContourSwitch)->Arg(100)->Arg(800)->Unit(benchmark::kMillisecond);

// The main window shown with the cavity project: its pressure view opened
// from the list and magnified through the pop-up menu's handler.
TRuvo_Sub_Form* open_pressure_view(TRuvo_Main_Form& main, int percent) {
    main.show();
    QApplication::processEvents();
    auto* scalars = main.findChild<QListWidget*>(QStringLiteral("ScalarListBox"));
    scalars->setCurrentRow(0);
    emit scalars->itemDoubleClicked(scalars->item(0));
    main.set_magnification_preset(percent);
    QApplication::processEvents();
    return main.current_view();
}

// The pressure view; each iteration picks the other kind from the view's
// menu and lets the window paint.
void BM_WindowFillContourSwitch(benchmark::State& state) {
    TRuvo_Main_Form main({cavity("cavity.RVP")});
    TRuvo_Sub_Form* view = open_pressure_view(main, int(state.range(0)));
    if (view == nullptr) return state.SkipWithError("the pressure view did not open");
    QAction* const items[] = {view->findChild<QAction*>(QStringLiteral("View_Cntr_Beta_Switch")),
                              view->findChild<QAction*>(QStringLiteral("View_Cntr_Switch"))};
    std::size_t k = 0;
    for (auto _ : state) {
        items[k++ % 2]->trigger();
        QApplication::processEvents();
    }
    state.counters["pixels"] = double(view->image()->picture().width()) * view->image()->picture().height();
}
BENCHMARK(BM_WindowFillContourSwitch)->Arg(100)->Arg(800)->Unit(benchmark::kMillisecond);

// Ctrl + wheel over the cavity's pressure view between 775 % and 800 %, a
// notch up and a notch down in turn, through the main window: the redraw at
// the new size, the window's fit and the scroll that keeps the point under
// the pointer, and the paint.
void BM_WindowWheelZoom800(benchmark::State& state) {
    TRuvo_Main_Form main({cavity("cavity.RVP")});
    TRuvo_Sub_Form* view = open_pressure_view(main, 775);
    if (view == nullptr) return state.SkipWithError("the pressure view did not open");
    const QPoint at(200, 150);
    std::size_t k = 0;
    for (auto _ : state) {
        QWheelEvent notch(at, view->image()->mapToGlobal(at), {}, {0, k++ % 2 == 0 ? 120 : -120}, Qt::NoButton,
                          Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view->image(), &notch);
        QApplication::processEvents();
    }
    if (main.workspace().views.current().magni != (k % 2 == 1 ? 800 : 775)) state.SkipWithError("no zoom");
}
BENCHMARK(BM_WindowWheelZoom800)->Unit(benchmark::kMillisecond);

// The offscreen platform notes on every resize of a window that it passes
// no size hints on.
void quiet_size_hint_notes(QtMsgType, const QMessageLogContext&, const QString& message) {
    if (!message.contains(QStringLiteral("propagateSizeHints"))) std::fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

int main(int argc, char** argv) {
    QTemporaryDir config_home;  // the window's remembered folders stay out of the user's settings
    qputenv("XDG_CONFIG_HOME", config_home.path().toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quiet_size_hint_notes);
    QApplication app(argc, argv);
    prepare_application(app);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
