#pragma once

#include <cstddef>

namespace tolvane::testing {

// How many times the heap was asked for memory through operator new since this was made. A
// program built with allocation_count.cpp has its global operator new replaced to keep count.
class AllocationCount {
  public:
    AllocationCount();
    std::size_t Made() const;

  private:
    std::size_t start_;
};

}  // namespace tolvane::testing
