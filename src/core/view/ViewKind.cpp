#include "view/ViewKind.h"

#include "view/LayoutRules.h"

namespace ruvo {

namespace {

constexpr std::uint8_t kNoScalarType = kContourView;

// clang-format off
constexpr std::array<ViewKindInfo, kViewKindCount> kKinds{{
    // kind               file type    scalar type    word       tag    plot              field  line   layout
    {ViewKind::Free,     kFreeSlot,   kNoScalarType, "",        "",    std::nullopt,     false, false, nullptr},
    {ViewKind::Grid,     kGridView,   kNoScalarType, "grid",    "",    Layer::Grid,      false, false, Set_Grid_Controls},
    {ViewKind::Vectors,  kVectorView, kNoScalarType, "vectors", "Vec", Layer::Vectors,   false, false, Set_Vector_Controls},
    {ViewKind::Contour,  kScalarView, kContourView,  "contour", "Cnt", Layer::Contours,  true,  false, Set_Contour_Controls},
    {ViewKind::Fill,     kScalarView, kFillView,     "fill",    "Bet", Layer::Fill,      true,  false, Set_Beta_Controls},
    {ViewKind::KEpsilon, kScalarView, kKEpsilonView, "ke",      "All", Layer::KEpsilon,  false, false, Set_KEpsilon_Controls},
    {ViewKind::Row,      kScalarView, kRowView,      "row",     "Row", Layer::Row,       false, true,  Set_Row_Controls},
    {ViewKind::Column,   kScalarView, kColumnView,   "column",  "Col", Layer::Column,    false, true,  Set_Column_Controls},
    {ViewKind::Detail,   kScalarView, kDetailView,   "detail",  "Det", Layer::Detail,    false, true,  Set_Detail_Controls},
}};
// clang-format on

constexpr bool rows_in_kind_order() {
    for (std::size_t k = 0; k < kKinds.size(); ++k) {
        if (static_cast<std::size_t>(kKinds[k].kind) != k) return false;
    }
    return true;
}
static_assert(rows_in_kind_order(), "one row for each view kind, in the kinds' order");

}  // namespace

std::span<const ViewKindInfo> view_kinds() { return kKinds; }

const ViewKindInfo& kind_info(ViewKind kind) { return kKinds.at(static_cast<std::size_t>(kind)); }

const ViewKindInfo& kind_info(const View_Info& view) {
    for (const ViewKindInfo& info : kKinds) {
        if (info.file_type != view.FileType) continue;
        if (info.file_type != kScalarView || info.scalar_type == view.ScalarViewType) return info;
    }
    return kind_info(ViewKind::Free);
}

std::optional<ViewKind> kind_of_word(const QString& word) {
    for (const ViewKindInfo& info : kKinds) {
        if (*info.command_word != '\0' && word == QLatin1String(info.command_word)) return info.kind;
    }
    return std::nullopt;
}

QStringList command_words() {
    QStringList words;
    for (const ViewKindInfo& info : kKinds) {
        if (*info.command_word != '\0') words << QLatin1String(info.command_word);
    }
    return words;
}

LineFocus line_focus(const View_Info& view) {
    switch (view.ScalarViewType) {
    case kColumnView: return LineFocus::Column;
    case kRowView: return LineFocus::Row;
    case kDetailView: return view.Detail_Axis ? LineFocus::Column : LineFocus::Row;
    default: return LineFocus::None;
    }
}

Layers view_layers(const View_Info& view, Medium medium) {
    const ViewKindInfo& info = kind_info(view);
    const bool overlap = info.field && view.Cntr_Overlap;
    const bool detail = info.kind == ViewKind::Detail;
    Layers layers;
    // A contour view under overlap gets its lines from the overlap, over the fill.
    if (info.plot && !(overlap && info.kind == ViewKind::Contour)) layers.add(*info.plot);
    // On screen the fill of a contour view's overlap starts its picture again
    // (a taller raster for the legend), which would take the frame with it.
    if (medium == Medium::Screen && !detail && !(overlap && info.kind == ViewKind::Contour)) {
        layers.add(Layer::AreaFrame);
    }
    if (overlap) {
        if (info.kind == ViewKind::Contour) layers.add(Layer::Fill);
        layers.add(Layer::Contours);
    }
    if (info.field && view.Vector_Overlap) layers.add(Layer::Vectors);
    if (medium == Medium::Screen) {
        if (view.show_grid) layers.add(Layer::GridLines);
    } else if (!detail) {
        if (view.show_grid) layers.add(Layer::GridLines);
        layers.add(Layer::Outline);
    }
    return layers;
}

bool is_line_plot(const View_Info& view) { return kind_info(view).line_plot; }

}  // namespace ruvo
