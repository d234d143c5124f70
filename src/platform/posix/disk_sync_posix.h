// Syncing a file or directory to disk on POSIX systems.
#pragma once

#include "ports/std_files.h"

namespace quorvel::posix {

class PosixDiskSync : public DiskSyncPort {
  public:
    std::optional<FileError> sync(const std::string& path) override;
};

}  // namespace quorvel::posix
