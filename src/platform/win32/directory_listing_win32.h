// The skin chooser's directory listing over FindFirstFileW / FindNextFileW.
#pragma once

#include "ports/directory_listing.h"

namespace quorvel::win32 {

class Win32DirectoryListing : public DirectoryListingPort {
  public:
    std::vector<DirectoryEntry> list(const std::string& directory) override;
};

}  // namespace quorvel::win32
