#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "runtime/message.h"

namespace tolvane::testing {

// A path as the program's UTF-8 text, and back. Through char8_t, whose conversion the standard
// library fixes as UTF-8 on every system, so that the tests do not take the program's own
// conversion on trust. (A plain char path is converted byte by byte on Windows.)
inline std::string Utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}
inline std::filesystem::path PathOfUtf8(std::string_view text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

// A fresh directory under the system's temporary directory, only its owner's, removed with
// all it holds.
class TempDir {
  public:
    TempDir() {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() /
                ("tolvane-" + std::to_string(random()) + std::to_string(random()));
        if (!std::filesystem::create_directory(path_)) {
            throw std::runtime_error("no fresh temporary directory");
        }
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

    const std::filesystem::path& path() const { return path_; }
    void Write(const std::filesystem::path& name, std::string_view content) const {
        std::ofstream(path_ / name, std::ios::binary)
            .write(content.data(), static_cast<std::streamsize>(content.size()));
    }

  private:
    std::filesystem::path path_;
};

// Records every message instead of showing it.
struct MessageRecorder {
    std::vector<std::pair<std::string, MessageStyle>> shown;
    ShowMessage AsShowMessage() {
        return [this](std::string_view prompt, MessageStyle style) {
            shown.emplace_back(std::string(prompt), style);
        };
    }
};

}  // namespace tolvane::testing
