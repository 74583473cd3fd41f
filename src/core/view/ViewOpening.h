#pragma once

#include <QString>

#include "data/ProjectFile.h"
#include "data/ResultReader.h"
#include "view/ViewTable.h"

namespace ruvo {

struct Workspace;

// Loading a project: its tables, then its grid.
struct ProjectOpenResult {
    ProjectLoadResult project;
    ReadResult grid;
};

// Makes `tables`, read from the project file `path`, the workspace's project
// (the name becomes project_file_name; a project made from another
// program's file stays untitled, so that saving never writes over that file)
// and reads its grid. The grid is read even when it fails part-way: what was
// read stays, as the reader says.
ReadResult commit_project(Workspace& ws, ProjectTables tables, const QString& path);

// Reads the project file `path`, or the project of block `block` (the first
// when empty) of another program's file, and commits it as above. A file
// that cannot be read leaves the workspace as it was.
ProjectOpenResult load_project(Workspace& ws, const QString& path, const QString& block = {});

// Why a view could not be opened.
enum class OpenRefusal { None, TooManyViews, TooManyNames, NoDataSlot, NoSuchFile };

struct OpenViewResult {
    int slot = 0;
    OpenRefusal refusal = OpenRefusal::None;
    ReadResult read;  // the reading of a new base name (ok when nothing was read)
    QString caption;  // the view window's caption
    bool ok() const { return refusal == OpenRefusal::None; }
};

// The opening sequence of a view on the project's grid, or on the vector or
// scalar file at list position `position`: takes a view slot, finds or fills
// the data slot (reading a new base name), initialises the record (a scalar
// view gets the data range) and makes the slot current. The view's area is
// the file's whole index range, or in sequential mode the grid's. A read error still
// opens the view with what was read. Refused with nothing changed when the
// tables are full.
OpenViewResult open_view(Workspace& ws, FileKind kind, int position = 0);

// Reads `path` into the data slot of the view in `slot` (activated): its
// vector or scalar slot by the view's kind; a grid view reads nothing. Only
// the values and the store's file range change: the view's area, settings
// and any range fixed in it stay as they are, so that a series of files is
// drawn alike (a range not fixed follows each file's data). Follow mode and
// sequential conversion read their updates so.
ReadResult reread_view_data(Workspace& ws, int slot, const QString& path);

}  // namespace ruvo
