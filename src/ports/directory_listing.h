// The entries of one directory, as the file system enumerates them.
#pragma once

#include <string>
#include <vector>

namespace quorvel {

struct DirectoryEntry {
    std::string name;  // UTF-8, without the directory; "." and ".." come as the system gives them
    bool directory = false;
};

class DirectoryListingPort {
  public:
    virtual ~DirectoryListingPort() = default;
    // Every entry in enumeration order; empty when the directory is missing or unreadable.
    virtual std::vector<DirectoryEntry> list(const std::string& directory) = 0;
};

}  // namespace quorvel
