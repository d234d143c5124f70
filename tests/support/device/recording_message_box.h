#pragma once

#include <string>
#include <utility>
#include <vector>

#include "ports/message_box.h"

namespace quorvel::testing {

class RecordingMessageBox : public MessageBoxPort {
  public:
    void show(std::string_view text, std::string_view caption) override {
        shown.emplace_back(std::string(text), std::string(caption));
    }
    std::vector<std::pair<std::string, std::string>> shown;
};

}  // namespace quorvel::testing
