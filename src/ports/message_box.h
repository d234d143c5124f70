// Message boxes: the one way the core reports a failure to the user on the spot.
#pragma once

#include <string_view>

namespace quorvel {

inline constexpr std::string_view kAppTitle = "QuorvelMouse";
inline constexpr std::string_view kWarningCaption = "Warning";

class MessageBoxPort {
  public:
    virtual ~MessageBoxPort() = default;
    virtual void show(std::string_view text, std::string_view caption) = 0;
};

}  // namespace quorvel
