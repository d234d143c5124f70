// The files port over Win32: system error codes (5 for a write-protected file) and a
// replace that reaches the disk before it renames over the old file.
#pragma once

#include <string>

#include "ports/files.h"
#include "ports/replace_steps.h"

namespace quorvel::win32 {

std::wstring widePath(const std::string& utf8);

// The running program's path in UTF-8; empty when the system cannot give it whole.
std::string executablePath();

class Win32FilesPort : public HookedFilesPort {
  public:
    explicit Win32FilesPort(ReplaceStepHook* hook = nullptr) : HookedFilesPort(hook) {}
    bool exists(const std::string& path) override;
    std::optional<std::vector<std::uint8_t>> read(const std::string& path) override;
    std::optional<FileError> replace(const std::string& path,
                                     const std::vector<std::uint8_t>& bytes) override;
    std::optional<FileError> makeDirectory(const std::string& path) override;
    std::optional<FileError> remove(const std::string& path) override;
};

}  // namespace quorvel::win32
