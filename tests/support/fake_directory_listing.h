// Directories in memory: each path lists its entries in the order given.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "ports/directory_listing.h"
#include "ui/skin_images.h"

namespace quorvel::testing {

class FakeDirectoryListing : public DirectoryListingPort {
  public:
    std::vector<DirectoryEntry> list(const std::string& directory) override {
        const auto it = directories.find(directory);
        return it == directories.end() ? std::vector<DirectoryEntry>{} : it->second;
    }

    // The skins directory `root` with `entries`; each directory among them holds every image
    // of a skin.
    void setSkins(const std::string& root, std::vector<DirectoryEntry> entries) {
        for (const DirectoryEntry& entry : entries) {
            if (!entry.directory)
                continue;
            std::vector<DirectoryEntry>& images = directories[root + entry.name];
            images.clear();
            for (std::string_view image : skin_image::kAll)
                images.push_back({std::string(image.substr(1)), false});
        }
        directories[root] = std::move(entries);
    }

    std::map<std::string, std::vector<DirectoryEntry>> directories;
};

}  // namespace quorvel::testing
