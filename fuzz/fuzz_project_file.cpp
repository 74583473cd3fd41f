// The project file loader on any bytes.

#include "FuzzSupport.h"
#include "data/ProjectFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ruvo::ProjectTables tables;
    ruvo::load_project_file(ruvo::fuzz::input_file(data, size, "input.RVP"), tables);
    return 0;
}
