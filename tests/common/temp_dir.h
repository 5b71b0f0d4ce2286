#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "runtime/message.h"

namespace tolvane::testing {

// A fresh directory under the system's temporary directory, removed with all it holds.
class TempDir {
  public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tolvane-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("mkdtemp failed");
        }
        path_ = pattern;
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
