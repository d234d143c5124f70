// Files in memory, with the faults a real disk can show.
#pragma once

#include <map>
#include <set>
#include <string>

#include "ports/files.h"

namespace quorvel::testing {

class FakeFiles : public FilesPort {
  public:
    bool exists(const std::string& path) override { return files.count(path) != 0; }

    std::optional<std::vector<std::uint8_t>> read(const std::string& path) override {
        ++reads;
        const auto it = files.find(path);
        if (it == files.end() || unreadable.count(path) != 0) {
            return std::nullopt;
        }
        return it->second;
    }

    std::optional<FileError> replace(const std::string& path,
                                     const std::vector<std::uint8_t>& bytes) override {
        ++replaces;
        if (failReplaceWith != 0) {
            return FileError{failReplaceWith};  // like a failed rename: the old content stays
        }
        files[path] = bytes;
        return std::nullopt;
    }

    std::optional<FileError> makeDirectory(const std::string& path) override {
        directories.insert(path);
        return std::nullopt;
    }

    std::optional<FileError> remove(const std::string& path) override {
        if (files.erase(path) == 0)
            return FileError{2};
        return std::nullopt;
    }

    void put(const std::string& path, std::string_view text) {
        files[path] = std::vector<std::uint8_t>(text.begin(), text.end());
    }
    std::string text(const std::string& path) const {
        const auto& bytes = files.at(path);
        return std::string(bytes.begin(), bytes.end());
    }

    std::map<std::string, std::vector<std::uint8_t>> files;
    std::set<std::string> unreadable;
    std::set<std::string> directories;
    int failReplaceWith = 0;  // system error code every replace fails with; 0 = none
    int reads = 0;
    int replaces = 0;
};

}  // namespace quorvel::testing
