// What the mouse and the program accept in a configuration record, beyond each byte's own
// range: the rules import and apply hold a record to before it is written or sent.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "config/mouse_config.h"

namespace quorvel {

struct RecordProblem {
    std::string field;  // the JSON path, buttons, stages and slots numbered from 1
    std::string what;
    std::string text() const { return field + ": " + what; }
};

// Every problem in document order. With a sensor type the stages' DPI indices are held to
// that sensor's list, else to the longest list.
std::vector<RecordProblem> recordProblems(const MouseConfig& config,
                                          std::optional<int> sensorType = std::nullopt);

// The first problem, "(and N more)" when there are more; empty when there are none.
std::string problemsInOneLine(const std::vector<RecordProblem>& problems);

// JSON paths, shared with the JSON form so that both name a field alike.
std::string buttonPath(Mode mode, int button);  // "modes.A.3" for the third button
std::string stagePath(int stage);               // "stages.2"

}  // namespace quorvel
