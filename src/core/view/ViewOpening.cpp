#include "view/ViewOpening.h"

#include "Workspace.h"
#include "data/FileNames.h"

#include <algorithm>
#include <utility>

namespace ruvo {

ReadResult commit_project(Workspace& ws, ProjectTables tables, const QString& path) {
    ws.project = std::move(tables);
    ws.project.project_file_name = path;
    return read_grid(ws.store, ws.project.grid_file_name);
}

ProjectOpenResult load_project(Workspace& ws, const QString& path) {
    ProjectOpenResult result;
    ProjectTables read;
    result.project = load_project_file(path, read);
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
    ws.views.current_active_window = slot.slot;
    result.caption = view_window_caption(path, ws.views.first_of_name, ws.views.at(slot.slot).Same_number);

    if (kind != FileKind::Grid) {
        ws.store.assign_slot(kind, path, ws.views.first_of_name);
        if (ws.views.first_of_name) {
            result.read = kind == FileKind::Vector ? read_vector(ws.store, path) : read_scalar(ws.store, path);
        }
    }

    View_Info& view = ws.views.at(slot.slot);
    view.Caption = name;
    view.FileType = kind == FileKind::Grid ? kGridView : kind == FileKind::Vector ? kVectorView : kScalarView;
    ws.views.Init_View_Info(slot.slot, ws.store);
    if (kind == FileKind::Scalar) {
        const Table& values = ws.store.scalar_data[ws.store.current_data].value;
        view.Scalar_max = ws.plot.Array_Max(values, ws.store.draw);
        view.Scalar_min = ws.plot.Array_Min(values, ws.store.draw);
    }
    ws.bars.load_from(view);
    return result;
}

}  // namespace ruvo
