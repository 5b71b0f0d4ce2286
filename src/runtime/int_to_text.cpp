#include "runtime/int_to_text.h"

namespace tolvane {

std::string IntToText(std::int32_t value) {
    return std::string(IntText(value).View());
}

}  // namespace tolvane
