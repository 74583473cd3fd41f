// The grid, vector and scalar readers on any bytes: each input is read as
// all three kinds, into one store, as a project's files are.

#include <memory>

#include "FuzzSupport.h"
#include "data/FieldStore.h"
#include "data/ResultReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!ruvo::fuzz::header_fits(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)),
                                 4'000'000)) {
        return 0;
    }
    // A fresh store: a header cut short keeps the last header's values, which
    // must not be an earlier input's.
    auto store = std::make_unique<ruvo::FieldStore>();
    const QString path = ruvo::fuzz::input_file(data, size);
    ruvo::read_grid(*store, path);
    ruvo::read_vector(store->vector_data[1], path);
    ruvo::read_scalar(store->scalar_data[1], path);
    return 0;
}
