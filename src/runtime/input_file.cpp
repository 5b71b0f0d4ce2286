#include "runtime/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

#include "runtime/runtime_failure.h"

namespace tolvane {

InputFile::InputFile(InputFile&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1)),
      buffer_(other.buffer_),
      position_(other.position_),
      filled_(other.filled_),
      ended_(other.ended_) {}

InputFile::~InputFile() {
    // After a move or a failed open the descriptor is -1, which close refuses harmlessly.
    ::close(descriptor_);
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
    // Only regular files are read, and a read from one is not cut short by a signal (the
    // program installs no handler that could), so EINTR needs no retry here.
    const ssize_t count = ::read(descriptor_, buffer_.data(), buffer_.size());
    if (count < 0) {
        throw RuntimeFailure("cannot read the file");
    }
    position_ = 0;
    filled_ = static_cast<std::size_t>(count);
    ended_ = count == 0;
    return !ended_;
}

InputFile OpenForInput(const std::string& path) {
    // Non-blocking, so that a FIFO without a writer cannot hold start-up; it is refused below.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    InputFile file(descriptor);
    struct stat status {};
    // A failed open is refused here too: fstat fails on its -1.
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
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
