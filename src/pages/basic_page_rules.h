// The rules of the basic page that hold without a window: report-rate segments, the DPI level
// columns per sensor type, and the stage ticks.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "config/mouse_config.h"
#include "config/record_texts.h"
#include "ui/geometry.h"

namespace quorvel {

inline constexpr int kMaxDpiLevels = 12;

// 0-based segment shown lit, one per entry of kReportRates; an unknown code shows the fastest.
int reportRateSegment(std::uint8_t code);

// Levels drawn per stage: 8 for sensor types 1 to 3, 12 for every other type.
int dpiLevelCount(int sensorType);
// Levels that answer a click: 12 only for type 0; an unknown type draws 12 but only 8 respond.
int respondingDpiLevels(int sensorType);
// The DPI texts beside the levels, bottom to top; unknown types show type 0's list.
std::span<const std::string_view> dpiLevelLabels(int sensorType);

// Stage 1 to 4, level 1 (bottom) to 12.
constexpr Rect dpiLevelCell(int stage, int level) {
    const int left = 554 + 27 * (stage - 1);
    const int top = 500 - 18 * (level - 1);
    return Rect{left, top, left + 16, top + 16};
}
// Where the DPI text of `level` is drawn, right-aligned beside stage 1's column.
Rect dpiLevelLabelRect(int sensorType, int level);
// Cells lit when the page draws `stage`: none when it is off, otherwise its level and those
// below, never more than the column holds (a record from another sensor may hold more).
int litDpiLevels(const MouseConfig& config, int stage, int sensorType);

enum class StageToggle : std::uint8_t { Enabled, Disabled, Refused };
// A tick click: the last enabled stage cannot be switched off.
StageToggle toggleStage(MouseConfig& config, int stage);

}  // namespace quorvel
