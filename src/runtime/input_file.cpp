#include "runtime/input_file.h"

#include <utility>

#include "runtime/runtime_failure.h"

namespace tolvane {

InputFile::InputFile(InputFile&& other) noexcept
    : handle_(std::exchange(other.handle_, kNoHandle)),
      buffer_(other.buffer_),
      position_(other.position_),
      filled_(other.filled_),
      bytesRead_(other.bytesRead_),
      ended_(other.ended_) {}

InputFile::~InputFile() {
    // After a move or a failed open there is nothing to close.
    if (handle_ != kNoHandle) {
        Close(handle_);
    }
}

int InputFile::Peek() {
    if (position_ == filled_ && !Refill()) {
        return kEnd;
    }
    return buffer_[position_];
}

bool InputFile::Refill() {
    if (ended_) {
        return false;
    }
    position_ = 0;
    filled_ = ReadSome(handle_, buffer_.data(), buffer_.size());
    bytesRead_ += filled_;
    ended_ = filled_ == 0;
    return !ended_;
}

InputFile OpenForInput(const std::string& path) {
    InputFile file(InputFile::Open(path));
    if (file.handle_ == InputFile::kNoHandle || !InputFile::IsRegularFile(file.handle_)) {
        throw RuntimeFailure("cannot open a regular file");
    }
    constexpr unsigned char kByteOrderMark[] = {0xEF, 0xBB, 0xBF};
    // Spreadsheet programs often start a saved file with a byte-order mark; a partial one can
    // only be garbage.
    std::size_t matched = 0;
    while (matched < 3 && file.Peek() == kByteOrderMark[matched]) {
        file.Skip();
        ++matched;
    }
    if (matched != 0 && matched != 3) {
        throw RuntimeFailure("malformed byte-order mark");
    }
    return file;
}

}  // namespace tolvane
