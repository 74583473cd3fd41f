// The readers of other programs' files on any bytes: each input is read as a
// file of every format the viewer opens, catalogued, and every block's grid
// and fields read, as a project of the file would read them.

#include <QFileInfo>

#include <array>

#include "FuzzSupport.h"
#include "data/FieldReference.h"
#include "data/Table.h"

namespace {

// The fuzzer's memory is far below the machine's: larger blocks are left
// out once catalogued.
constexpr long long kMaxNodes = 4'000'000;

void read_everything(const QString& path) {
    const ruvo::StructuredFormat* format = ruvo::structured_format(path);
    if (!format) return;
    const ruvo::StructuredCatalog catalog = format->catalog(path);
    ruvo::Table a;
    ruvo::Table b;
    const std::array<ruvo::Table*, 2> two{&a, &b};
    for (const ruvo::StructuredBlock& block : catalog.blocks) {
        if (double(block.ni) * double(block.nj) > double(kMaxNodes)) continue;
        if (block.has_grid) format->read(path, block.name, {}, two);
        for (const QString& field : block.vector_fields) format->read(path, block.name, field, two);
        for (const QString& field : block.scalar_fields) format->read(path, block.name, field, std::span(two).first(1));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (const char* name : {"input.cgns", "input.x", "input.q", "input.vtk", "input.vts"})
        read_everything(ruvo::fuzz::input_file(data, size, name));
    return 0;
}
