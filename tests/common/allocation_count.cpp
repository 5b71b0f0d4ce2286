#include "common/allocation_count.h"

#include <cstdlib>
#include <new>

namespace {

// Kept by one thread alone: the core starts none, and neither the tests nor the benchmarks
// run two at once.
std::size_t allocations = 0;

}  // namespace

// The array and no-throw forms end in these too; over-aligned memory, which nothing here asks
// for, is the one kind left uncounted.
void* operator new(std::size_t size) {
    ++allocations;
    if (void* memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
    }
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept {
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}

namespace tolvane::testing {

AllocationCount::AllocationCount() : start_(allocations) {}

std::size_t AllocationCount::Made() const {
    return allocations - start_;
}

}  // namespace tolvane::testing
