#pragma once

#include <stdexcept>

namespace tolvane {

// A fault raised by a run-time service: a number beyond range, a float fault, a read that
// went wrong. Procedures trap it as a whole and report it in their own words.
class RuntimeFailure : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace tolvane
