#include "runtime/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "runtime/runtime_failure.h"
#include "runtime/system_path.h"

namespace tolvane {

InputFile::Handle InputFile::Open(const std::string& path) {
    // Non-blocking, so that a FIFO without a writer cannot hold start-up; it is then refused as
    // no regular file. A failed open gives -1, which is kNoHandle.
    return ::open(PathFromUtf8(path).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
}

bool InputFile::IsRegularFile(Handle handle) {
    struct stat status {};
    return ::fstat(static_cast<int>(handle), &status) == 0 && S_ISREG(status.st_mode);
}

std::size_t InputFile::ReadSome(Handle handle, unsigned char* data, std::size_t size) {
    // Only regular files are read, and a read from one is not cut short by a signal (the
    // program installs no handler that could), so EINTR needs no retry here.
    const ssize_t count = ::read(static_cast<int>(handle), data, size);
    if (count < 0) {
        throw RuntimeFailure("cannot read the file");
    }
    return static_cast<std::size_t>(count);
}

void InputFile::Close(Handle handle) {
    ::close(static_cast<int>(handle));
}

}  // namespace tolvane
