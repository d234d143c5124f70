// The files port over the standard library, for the native build and tools.
#pragma once

#include <string>

#include "ports/directory_listing.h"
#include "ports/files.h"
#include "ports/replace_steps.h"

namespace quorvel {

// Makes a written file or a directory's entries last through a power cut. A stream has no
// handle to sync, so the system backend opens the path again; without a backend a replace
// is not synced (tests, build tools).
class DiskSyncPort {
  public:
    virtual ~DiskSyncPort() = default;
    virtual std::optional<FileError> sync(const std::string& path) = 0;
};

class StdFilesPort : public HookedFilesPort {
  public:
    explicit StdFilesPort(ReplaceStepHook* hook = nullptr, DiskSyncPort* disk = nullptr)
        : HookedFilesPort(hook), disk_(disk) {}
    bool exists(const std::string& path) override;
    std::optional<std::vector<std::uint8_t>> read(const std::string& path) override;
    // The content goes to "<path>.tmp" first and is renamed over the file; a write-protected
    // file is refused before anything is written.
    std::optional<FileError> replace(const std::string& path,
                                     const std::vector<std::uint8_t>& bytes) override;
    std::optional<FileError> makeDirectory(const std::string& path) override;
    std::optional<FileError> remove(const std::string& path) override;

  private:
    std::optional<FileError> syncToDisk(const std::string& path) {
        return disk_ != nullptr ? disk_->sync(path) : std::nullopt;
    }

    DiskSyncPort* disk_;
};

// The entries of a folder through std::filesystem, names in UTF-8 on every system.
class StdDirectoryListing : public DirectoryListingPort {
  public:
    std::vector<DirectoryEntry> list(const std::string& directory) override;
};

}  // namespace quorvel
