#include "data/Table.h"

#include <sys/mman.h>

namespace ruvo {

namespace {
// Blocks from this size on are mapped, in huge pages of this size.
constexpr std::size_t kHugePage = std::size_t(2) << 20;
}  // namespace

ZeroedValues::ZeroedValues(std::size_t count) {
    if (count > SIZE_MAX / sizeof(double)) return;
    const std::size_t bytes = count * sizeof(double);
    if (bytes < kHugePage) {
        values_ = static_cast<double*>(std::calloc(count, sizeof(double)));
        return;
    }
    const std::size_t mapped = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    void* block = ::mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (block == MAP_FAILED) return;
    ::madvise(block, mapped, MADV_HUGEPAGE);  // a hint: without huge pages the block is as good
    values_ = static_cast<double*>(block);
    mapped_bytes_ = mapped;
}

void ZeroedValues::release() {
    if (mapped_bytes_ != 0) {
        ::munmap(values_, mapped_bytes_);
    } else {
        std::free(values_);
    }
    values_ = nullptr;
    mapped_bytes_ = 0;
}

}  // namespace ruvo
