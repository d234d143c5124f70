// Runs a skinned window modally over the main window: the owner takes no input until the run
// ends. Cancel also when the window could not be made.
#pragma once

#include "ui/skinned_window.h"

namespace quorvel {

class ModalRunner {
  public:
    virtual ~ModalRunner() = default;
    virtual DialogEnd runModal(SkinnedWindow& model) = 0;
};

}  // namespace quorvel
