// A folder of FakeFiles as the system would list it.
#pragma once

#include <string>
#include <vector>

#include "ports/directory_listing.h"
#include "support/fake_files.h"

namespace quorvel::testing {

class FolderOfFakeFiles : public DirectoryListingPort {
  public:
    explicit FolderOfFakeFiles(FakeFiles& files) : files_(files) {}
    std::vector<DirectoryEntry> list(const std::string& directory) override {
        std::vector<DirectoryEntry> entries;
        const std::string prefix = directory + "\\";
        for (const auto& [path, bytes] : files_.files) {
            if (path.rfind(prefix, 0) == 0)
                entries.push_back({path.substr(prefix.size()), false});
        }
        return entries;
    }

  private:
    FakeFiles& files_;
};

}  // namespace quorvel::testing
