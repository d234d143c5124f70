#include "platform/posix/disk_sync_posix.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace quorvel::posix {

std::optional<FileError> PosixDiskSync::sync(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return FileError{errno};
    const bool synced = ::fsync(fd) == 0;
    const int code = errno;
    // Read-only: closing loses nothing that the sync has not already kept or reported.
    (void)::close(fd);
    return synced ? std::nullopt : std::optional(FileError{code});
}

}  // namespace quorvel::posix
