#pragma once

#include <QString>
#include <QStringList>

#include <array>

#include "data/FieldStore.h"
#include "data/WholeFile.h"

namespace ruvo {

inline constexpr char kUntitledProjectName[] = "(無題).RVP";
inline constexpr char kDefaultGridMask[] = "*.DAT;*.D;*.GRD";
inline constexpr char kDefaultVectorMask[] = "*.DAT;*.D;*.V";
inline constexpr char kDefaultScalarMask[] = "*.DAT;*.D;*.P;*.K;*.E";

// A project file holds three masks, two counts and 21 file names: even with
// every name a path of the longest length a system allows (4096 bytes) it
// stays below 100 KB. Anything far larger is not a project file and is
// refused before it is read into memory.
inline constexpr qint64 kMaxProjectFileBytes = 4 * 1024 * 1024;

// The files of one calculation: one grid and up to ten vector and ten scalar
// files, held as full paths in the order they were added.
struct ProjectTables {
    QString project_file_name;
    bool project_modified = false;
    int grid_file_count = 0;
    QString grid_file_name;
    int vector_file_count = 0;
    int scalar_file_count = 0;
    std::array<QString, kMaxSlots> vector_file_name;
    std::array<QString, kMaxSlots> scalar_file_name;
    QString grid_file_type;
    QString vector_file_type;
    QString scalar_file_type;

    void set_default_masks();
    // Empties the names and masks, counts to 0, not modified.
    void reset();

    bool operator==(const ProjectTables&) const = default;
};

struct ProjectLoadResult {
    bool ok = false;
    QString error;      // why the file could not be read (when !ok)
    QStringList notes;  // things worth telling the user, such as clipped counts
};

using ProjectSaveResult = WriteResult;

// Reads the tables of a project file (the grid itself is read by the caller).
// File names are resolved to full paths: a relative path is taken from the
// project file's folder, and a stored path that does not exist is replaced by
// a file of the same base name in the project's folder when there is one.
// Counts above 10 are clipped (and said in `notes`); missing keys read as
// empty text or 0. The text is UTF-8, or Shift_JIS when it is not valid UTF-8.
// Only a regular file of at most kMaxProjectFileBytes is read.
ProjectLoadResult load_project_file(const QString& path, ProjectTables& tables);

// Writes the keys of the project into `path`, keeping the other sections and
// keys already in the file. Files inside the project's folder are written
// relative to it. The previous file survives any failure.
ProjectSaveResult save_project_file(const QString& path, const ProjectTables& tables);

}  // namespace ruvo
