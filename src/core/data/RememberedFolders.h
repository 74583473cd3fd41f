#pragma once

#include <QString>

namespace ruvo {

// The five folders the program remembers between runs, stored per user in
// QSettings (organisation "RUVO", group "Software/RUVO"). Always written together.
struct RememberedFolders {
    QString project_load;     // Path_Project_Load
    QString project_save;     // Path_Project_Save
    QString images;           // Path_Images
    QString sequential_load;  // Path_Sequential_Load
    QString sequential_save;  // Path_Sequential_Save

    static RememberedFolders read();  // a missing value reads as empty
    void write() const;
};

}  // namespace ruvo
