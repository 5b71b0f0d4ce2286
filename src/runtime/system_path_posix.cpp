#include "runtime/system_path.h"

namespace tolvane {

SystemName PathFromUtf8(std::string_view text) {
    return SystemName(text);
}

std::string Utf8FromPath(const SystemName& path) {
    return path;
}

}  // namespace tolvane
