// A small grid and a scalar file from one input (split at its first "@"),
// drawn as contour lines in colour and as fill, as a view window draws them.

#include <QImage>

#include <memory>

#include "FuzzSupport.h"
#include "Workspace.h"
#include "data/ResultReader.h"
#include "plot/PlotContext.h"
#include "plot/Progress.h"
#include "plot/Renderer.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    ruvo::fuzz::start_application();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype split = input.indexOf('@');
    if (split < 0) return 0;
    const QByteArray grid = input.left(split);
    const QByteArray scalar = input.mid(split + 1);
    if (!ruvo::fuzz::header_fits(grid, 250'000) || !ruvo::fuzz::header_fits(scalar, 250'000)) return 0;

    // One workspace for the run (a fresh one per input costs more than the
    // drawing); every input reads its files anew and opens its view afresh.
    static auto ws = std::make_unique<ruvo::Workspace>();
    ws->views = ruvo::ViewTable{};
    ws->store = ruvo::FieldStore{};  // a header cut short keeps the last one's values: not an earlier input's
    ruvo::FieldStore& store = ws->store;
    ruvo::read_grid(store, ruvo::fuzz::input_file(reinterpret_cast<const std::uint8_t*>(grid.constData()),
                                                  static_cast<std::size_t>(grid.size()), "grid"));
    store.scalar_count = 1;
    store.scalar_data[1].file_name = "S.P";
    ruvo::record_header(
        store, ruvo::read_scalar(store.scalar_data[1],
                                 ruvo::fuzz::input_file(reinterpret_cast<const std::uint8_t*>(scalar.constData()),
                                                        static_cast<std::size_t>(scalar.size()), "scalar")));
    const int slot = ws->views.Find_View_Slot("S.P").slot;
    ruvo::View_Info& view = ws->views.at(slot);
    view.Caption = "S.P";
    view.FileType = ruvo::kScalarView;
    ws->views.Init_View_Info(slot, store);
    view.ratio = 0.2;  // a picture of 500 x 100 pixels keeps each run short
    view.ratio_fixed = true;
    view.Color = true;
    view.line_num = 5;
    ws->views.current_active_window = slot;

    QImage image;
    ruvo::NoProgress progress;
    ruvo::NoStatusBoxes status;
    for (const std::uint8_t type : {ruvo::kContourView, ruvo::kFillView}) {
        view.ScalarViewType = type;
        ruvo::render_view(*ws, slot, image, progress, status);
    }
    return 0;
}
