#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace tolvane {

// A file open for sequential reading of comma- and line-separated fields. It reads through a
// small buffer, so however large the file is, only what is asked for is ever read. The file is
// closed when the object goes away, on every path.
class InputFile {
  public:
    static constexpr int kEnd = -1;

    InputFile(InputFile&& other) noexcept;
    InputFile& operator=(InputFile&&) = delete;
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;
    ~InputFile();

    // The next byte without taking it, or kEnd. Throws RuntimeFailure on a read error.
    int Peek();
    // Takes the byte that Peek would return.
    void Skip() { ++position_; }
    // How many bytes have been read from the file so far: what was asked for, rounded up to
    // the buffer, however large the file.
    std::uintmax_t BytesRead() const { return bytesRead_; }

    // Whether the last field read ended at a comma (rather than at a line end): a line end that
    // follows a comma closes an empty field, while blank lines between rows are passed over.
    bool afterComma = false;

  private:
    friend InputFile OpenForInput(const std::string& path);

    // The system's handle of the open file: a descriptor on POSIX, a HANDLE on Windows, whose
    // INVALID_HANDLE_VALUE is -1 as well.
    using Handle = std::intptr_t;
    static constexpr Handle kNoHandle = -1;

    explicit InputFile(Handle handle) : handle_(handle) {}
    bool Refill();

    // What each system provides (input_file_posix.cpp, input_file_windows.cpp). Open gives
    // kNoHandle when the path cannot be opened for reading, and never waits: not for a FIFO's
    // writer, nor for a device.
    static Handle Open(const std::string& path);
    // Whether the handle is a regular file, not a directory, a device, a FIFO or a pipe.
    static bool IsRegularFile(Handle handle);
    // Reads at most size bytes into data and tells how many; 0 at the end of the file. Throws
    // RuntimeFailure on a read error.
    static std::size_t ReadSome(Handle handle, unsigned char* data, std::size_t size);
    static void Close(Handle handle);

    Handle handle_;
    // Left uninitialised: only the bytes a read has filled are ever looked at, and clearing
    // 64 KiB for a file of a few hundred bytes would cost more than reading it.
    std::array<unsigned char, 64 * 1024> buffer_;
    std::size_t position_ = 0;
    std::size_t filled_ = 0;
    std::uintmax_t bytesRead_ = 0;
    bool ended_ = false;
};

// Opens a regular file, its path in UTF-8, for reading, without blocking on FIFOs, pipes or
// devices and without following it into directories. A UTF-8 byte-order mark at the start is
// passed over. Throws RuntimeFailure when the file cannot be opened or is not a regular file.
InputFile OpenForInput(const std::string& path);

}  // namespace tolvane
