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

// A fresh directory under the system's temporary directory, removed with everything in it.
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
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }

    const std::filesystem::path& path() const { return path_; }
    // The directory as the program keeps it: with its trailing '/'.
    std::string AppDir() const { return path_.string() + '/'; }

    void Write(const std::filesystem::path& name, std::string_view content) const {
        std::ofstream out(path_ / name, std::ios::binary);
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
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
