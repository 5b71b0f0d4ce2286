#include "runtime/system_path.h"

namespace tolvane {

std::filesystem::path PathFromUtf8(std::string_view text) {
    return std::filesystem::path(text);
}

std::string Utf8FromPath(const std::filesystem::path& path) {
    return path.native();
}

}  // namespace tolvane
