#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace tolvane {

// A file open for sequential reading of comma- and line-separated fields. It reads through a
// small buffer, so however large the file is, only what is asked for is ever read. The file is
// closed when the object goes away, on every path.
class InputFile {
  public:
    static constexpr int kEnd = -1;

    explicit InputFile(int descriptor) : descriptor_(descriptor) {}
    InputFile(InputFile&& other) noexcept;
    InputFile& operator=(InputFile&&) = delete;
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;
    ~InputFile();

    // The next byte without taking it, or kEnd. Throws RuntimeFailure on a read error.
    int Peek();
    // Takes the byte that Peek would return.
    void Skip() { ++position_; }

    // Whether the last field read ended at a comma (rather than at a line end): a line end that
    // follows a comma closes an empty field, while blank lines between rows are passed over.
    bool afterComma = false;

  private:
    bool Refill();

    int descriptor_;
    // Left uninitialised: only the bytes a read has filled are ever looked at, and clearing
    // 64 KiB for a file of a few hundred bytes would cost more than reading it.
    std::array<unsigned char, 64 * 1024> buffer_;
    std::size_t position_ = 0;
    std::size_t filled_ = 0;
    bool ended_ = false;
};

// Opens a regular file for reading, without blocking on FIFOs or devices and without
// following it into directories. A UTF-8 byte-order mark at the start is passed over.
// Throws RuntimeFailure when the file cannot be opened or is not a regular file.
InputFile OpenForInput(const std::string& path);

}  // namespace tolvane
