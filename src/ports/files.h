// Files beside the executable. Paths are UTF-8; the Win32 glue converts at its edge.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quorvel {

struct FileError {
    int systemCode = 0;  // errno natively, GetLastError() on Windows; 0 when unknown
};

class FilesPort {
  public:
    virtual ~FilesPort() = default;
    virtual bool exists(const std::string& path) = 0;
    // nullopt when the file cannot be opened for reading.
    virtual std::optional<std::vector<std::uint8_t>> read(const std::string& path) = 0;
    // Replaces the whole file atomically: a temporary file beside it, flushed, renamed over.
    // An interrupted replace leaves the old content. Returns the error on failure.
    virtual std::optional<FileError> replace(const std::string& path,
                                             const std::vector<std::uint8_t>& bytes) = 0;
    // Makes the folder, its parents too; one that exists already is no error.
    virtual std::optional<FileError> makeDirectory(const std::string& path) = 0;
    // Deletes one file.
    virtual std::optional<FileError> remove(const std::string& path) = 0;
};

}  // namespace quorvel
