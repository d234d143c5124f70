// Directories in memory: each path lists its entries in the order given.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "ports/directory_listing.h"

namespace quorvel::testing {

class FakeDirectoryListing : public DirectoryListingPort {
  public:
    std::vector<DirectoryEntry> list(const std::string& directory) override {
        const auto it = directories.find(directory);
        return it == directories.end() ? std::vector<DirectoryEntry>{} : it->second;
    }

    std::map<std::string, std::vector<DirectoryEntry>> directories;
};

}  // namespace quorvel::testing
