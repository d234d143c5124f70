// The steps of an atomic file replace, and a hook that sees each one before it runs: the
// seam through which tests fail or interrupt a save at any point of it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "ports/files.h"

namespace quorvel {

enum class ReplaceStep : std::uint8_t {
    CheckWritable,    // the old file is asked whether it may be rewritten
    CreateTemporary,  // "<path>.tmp" is created empty
    Write,
    Flush,
    Close,
    Sync,    // the closed temporary is forced to the disk (the Win32 port's flush does it)
    Rename,  // the temporary takes the file's place: the only step that changes it
};

inline constexpr std::array<std::string_view, 7> kReplaceStepNames = {
    "CheckWritable", "CreateTemporary", "Write", "Flush", "Close", "Sync", "Rename"};

constexpr std::string_view replaceStepName(ReplaceStep step) {
    return kReplaceStepNames[static_cast<std::size_t>(step)];
}

class ReplaceStepHook {
  public:
    virtual ~ReplaceStepHook() = default;
    // An error makes the step fail with it, as if the system had refused the step.
    virtual std::optional<FileError> before(ReplaceStep step) = 0;
};

// A files port that asks the hook, when it has one (tests only), before each step.
class HookedFilesPort : public FilesPort {
  public:
    explicit HookedFilesPort(ReplaceStepHook* hook) : hook_(hook) {}

  protected:
    std::optional<FileError> inject(ReplaceStep step) {
        return hook_ != nullptr ? hook_->before(step) : std::nullopt;
    }

  private:
    ReplaceStepHook* hook_;
};

}  // namespace quorvel
