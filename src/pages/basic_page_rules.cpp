#include "pages/basic_page_rules.h"

#include <algorithm>

#include "config/dpi_tables.h"

namespace quorvel {
namespace {

constexpr int kEightLevels = 8;
constexpr int kLabelRightGap = 10;
constexpr int kEightLevelLabelWidth = 50;
constexpr int kTwelveLevelLabelWidth = 30;

bool eightLevelSensor(int sensorType) {
    return sensorType >= 1 && sensorType <= 3;
}

}  // namespace

int reportRateSegment(std::uint8_t code) {
    const auto at = reportRatePosition(code);
    return static_cast<int>(at.value_or(kReportRates.size() - 1));
}

int dpiLevelCount(int sensorType) {
    return eightLevelSensor(sensorType) ? kEightLevels : kMaxDpiLevels;
}

int respondingDpiLevels(int sensorType) {
    return sensorType == 0 ? kMaxDpiLevels : kEightLevels;
}

std::span<const std::string_view> dpiLevelLabels(int sensorType) {
    return dpiValueList(eightLevelSensor(sensorType) ? sensorType : 0);
}

Rect dpiLevelLabelRect(int sensorType, int level) {
    const Rect cell = dpiLevelCell(1, level);
    const int right = cell.left - kLabelRightGap;
    const int width = eightLevelSensor(sensorType) ? kEightLevelLabelWidth : kTwelveLevelLabelWidth;
    return Rect{right - width, cell.top, right, cell.bottom};
}

int litDpiLevels(const MouseConfig& config, int stage, int sensorType) {
    if (!config.stageEnabled(stage))
        return 0;
    return std::min(config.dpiValueIndex(stage) + 1, dpiLevelCount(sensorType));
}

StageToggle toggleStage(MouseConfig& config, int stage) {
    if (stage < 1 || stage > kStageCount)
        return StageToggle::Refused;
    if (!config.stageEnabled(stage)) {
        config.setStageEnabled(stage, true);
        return StageToggle::Enabled;
    }
    for (int other = 1; other <= kStageCount; ++other) {
        if (other != stage && config.stageEnabled(other)) {
            config.setStageEnabled(stage, false);
            return StageToggle::Disabled;
        }
    }
    return StageToggle::Refused;
}

}  // namespace quorvel
