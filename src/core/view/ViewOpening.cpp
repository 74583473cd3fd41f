#include "view/ViewOpening.h"

#include "Workspace.h"
#include "data/Extremes.h"
#include "data/FileNames.h"
#include "data/StructuredProject.h"
#include "view/ViewActivation.h"
#include "view/ViewFields.h"

#include <algorithm>
#include <utility>

namespace ruvo {

ReadResult commit_project(Workspace& ws, ProjectTables tables, const QString& path) {
    ws.project = std::move(tables);
    if (!is_structured_file(path)) ws.project.project_file_name = path;
    return read_grid(ws.store, ws.project.grid_file_name, ws.read_shown);
}

ProjectOpenResult load_project(Workspace& ws, const QString& path, const QString& block) {
    ProjectOpenResult result;
    ProjectTables read;
    if (is_structured_file(path)) {
        const StructuredOpening opening = open_structured(path);
        const QStringList blocks = opening.block_names();
        result.project =
            structured_project(opening, block.isEmpty() && !blocks.isEmpty() ? blocks.front() : block, read);
    } else {
        result.project = load_project_file(path, read);
    }
    if (result.project.ok) result.grid = commit_project(ws, std::move(read), path);
    return result;
}

namespace {
QString project_file_of(const ProjectTables& project, FileKind kind, int position) {
    switch (kind) {
    case FileKind::Grid: return project.grid_file_count > 0 ? project.grid_file_name : QString();
    case FileKind::Vector:
        return position >= 0 && position < project.vector_file_count
                   ? project.vector_file_name[static_cast<std::size_t>(position)]
                   : QString();
    case FileKind::Scalar:
        return position >= 0 && position < project.scalar_file_count
                   ? project.scalar_file_name[static_cast<std::size_t>(position)]
                   : QString();
    }
    return {};
}

OpenRefusal refusal_of(SlotRefusal refusal) {
    return refusal == SlotRefusal::TooManyViews ? OpenRefusal::TooManyViews : OpenRefusal::TooManyNames;
}
}  // namespace

OpenViewResult open_view(Workspace& ws, FileKind kind, int position) {
    OpenViewResult result;
    result.read.kind = kind;
    const QString path = project_file_of(ws.project, kind, position);
    if (path.isEmpty()) {
        result.refusal = OpenRefusal::NoSuchFile;
        return result;
    }
    // Check every table before anything changes, so a refusal leaves no trace.
    const QString name = base_name(path);
    const bool new_name = std::none_of(ws.views.same_name_table.begin() + 1, ws.views.same_name_table.end(),
                                       [&](const SameNameEntry& e) { return e.name == name; });
    if (kind != FileKind::Grid && !ws.store.can_assign_slot(kind, name, new_name)) {
        result.refusal = OpenRefusal::NoDataSlot;
        return result;
    }

    const SlotResult slot = ws.views.Find_View_Slot(path);
    if (!slot.ok()) {
        result.refusal = refusal_of(slot.refusal);
        return result;
    }
    result.slot = slot.slot;
    result.caption = view_window_caption(path, slot.first_of_name, ws.views.at(slot.slot).Same_number);

    // A new base name is read into its new data slot; a known one shows what
    // its slot holds.
    if (kind != FileKind::Grid) {
        const int data_slot = *ws.store.assign_slot(kind, path, slot.first_of_name);
        if (slot.first_of_name) {
            result.read = kind == FileKind::Vector ? read_vector(ws.store.vector_data[data_slot], path, ws.read_shown)
                                                   : read_scalar(ws.store.scalar_data[data_slot], path, ws.read_shown);
            record_header(ws.store, result.read);
        }
    }

    View_Info& view = ws.views.at(slot.slot);
    view.Caption = name;
    view.FileType = kind == FileKind::Grid ? kGridView : kind == FileKind::Vector ? kVectorView : kScalarView;
    // A conversion draws every data file on the grid's area: the header of
    // the file its view is opened on says nothing of the files that follow.
    ws.views.Init_View_Info(slot.slot, ws.store, ws.sequential_mode ? std::optional(ws.store.grid_area) : std::nullopt);
    activate_view_slot(ws, slot.slot);
    if (kind == FileKind::Scalar) {
        const ViewFields fields = view_fields(ws.store, view);
        const Table& values = fields.current_scalars().value;
        view.Scalar_max = array_max(values, fields.draw).value;
        view.Scalar_min = array_min(values, fields.draw).value;
    }
    return result;
}

ReadResult reread_view_data(Workspace& ws, int slot, const QString& path) {
    FieldStore& store = ws.store;
    const View_Info& view = ws.views.at(slot);
    const auto data_slot = static_cast<std::size_t>(data_slot_of(store, view));
    if (data_slot < 1 || data_slot > kMaxSlots) return {};
    ReadResult read;
    if (view.FileType == kVectorView)
        read = read_vector(store.vector_data[data_slot], path, ws.read_shown);
    else if (view.FileType == kScalarView)
        read = read_scalar(store.scalar_data[data_slot], path, ws.read_shown);
    record_header(store, read);
    return read;
}

}  // namespace ruvo
