// Message boxes collected for inspection instead of shown.
#pragma once

#include <string>
#include <vector>

#include "ports/message_box.h"

namespace quorvel::testing {

struct ShownMessage {
    std::string text;
    std::string caption;
    friend bool operator==(const ShownMessage&, const ShownMessage&) = default;
};

class RecordingMessageBox : public MessageBoxPort {
  public:
    void show(std::string_view text, std::string_view caption) override {
        shown.push_back({std::string(text), std::string(caption)});
    }
    std::vector<ShownMessage> shown;
};

}  // namespace quorvel::testing
