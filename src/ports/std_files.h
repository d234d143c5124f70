// The files port over the standard library, for the native build and tools.
#pragma once

#include "ports/directory_listing.h"
#include "ports/files.h"
#include "ports/replace_steps.h"

namespace quorvel {

class StdFilesPort : public FilesPort {
  public:
    // `hook`, when given, sees every step of a replace before it runs (tests only).
    explicit StdFilesPort(ReplaceStepHook* hook = nullptr) : hook_(hook) {}
    bool exists(const std::string& path) override;
    std::optional<std::vector<std::uint8_t>> read(const std::string& path) override;
    // The content goes to "<path>.tmp" first and is renamed over the file; a write-protected
    // file is refused before anything is written.
    std::optional<FileError> replace(const std::string& path,
                                     const std::vector<std::uint8_t>& bytes) override;
    std::optional<FileError> makeDirectory(const std::string& path) override;
    std::optional<FileError> remove(const std::string& path) override;

  private:
    std::optional<FileError> inject(ReplaceStep step) {
        return hook_ != nullptr ? hook_->before(step) : std::nullopt;
    }

    ReplaceStepHook* hook_;
};

// The entries of a folder through std::filesystem, names in UTF-8 on every system.
class StdDirectoryListing : public DirectoryListingPort {
  public:
    std::vector<DirectoryEntry> list(const std::string& directory) override;
};

}  // namespace quorvel
