// Hooks into the steps of a files port's replace: one that lists them, one that fails one.
#pragma once

#include <vector>

#include "ports/replace_steps.h"

namespace quorvel::testing {

class RecordingSteps : public ReplaceStepHook {
  public:
    std::optional<FileError> before(ReplaceStep step) override {
        steps.push_back(step);
        return std::nullopt;
    }
    std::vector<ReplaceStep> steps;
};

class FailingStep : public ReplaceStepHook {
  public:
    FailingStep(ReplaceStep step, int systemCode) : step_(step), code_(systemCode) {}
    std::optional<FileError> before(ReplaceStep step) override {
        return step == step_ ? std::optional(FileError{code_}) : std::nullopt;
    }

  private:
    ReplaceStep step_;
    int code_;
};

}  // namespace quorvel::testing
