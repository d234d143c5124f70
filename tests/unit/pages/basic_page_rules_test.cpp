#include "pages/basic_page_rules.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

MouseConfig withStages(std::array<bool, 4> enabled) {
    MouseConfig config;
    for (int stage = 1; stage <= 4; ++stage)
        config.setStageEnabled(stage, enabled[stage - 1]);
    return config;
}

TEST(StageTicks, TheLastEnabledStageCannotBeSwitchedOff) {
    MouseConfig config = withStages({false, false, true, false});
    EXPECT_EQ(toggleStage(config, 3), StageToggle::Refused);
    EXPECT_TRUE(config.stageEnabled(3));
    EXPECT_EQ(toggleStage(config, 1), StageToggle::Enabled);
    EXPECT_EQ(toggleStage(config, 3), StageToggle::Disabled);
    EXPECT_FALSE(config.stageEnabled(3));
    EXPECT_EQ(toggleStage(config, 1), StageToggle::Refused);
    EXPECT_EQ(toggleStage(config, 0), StageToggle::Refused);
    EXPECT_EQ(toggleStage(config, 5), StageToggle::Refused);
    EXPECT_EQ(config, withStages({true, false, false, false}));
}

TEST(ReportRate, CodesMapToSegmentsAndUnknownCodesShowTheFastest) {
    EXPECT_EQ(reportRateSegment(8), 0);  // 125 Hz, leftmost
    EXPECT_EQ(reportRateSegment(4), 1);
    EXPECT_EQ(reportRateSegment(2), 2);
    EXPECT_EQ(reportRateSegment(1), 3);
    EXPECT_EQ(reportRateSegment(0), 3);
    EXPECT_EQ(reportRateSegment(16), 3);
}

TEST(DpiLevels, ColumnsAndLabelsFollowTheSensorType) {
    EXPECT_EQ(dpiLevelCount(0), 12);
    EXPECT_EQ(respondingDpiLevels(0), 12);
    for (int type : {1, 2, 3}) {
        EXPECT_EQ(dpiLevelCount(type), 8);
        EXPECT_EQ(respondingDpiLevels(type), 8);
    }
    // Unknown types draw twelve levels of type 0 but only eight respond.
    for (int type : {4, 255, -1}) {
        EXPECT_EQ(dpiLevelCount(type), 12);
        EXPECT_EQ(respondingDpiLevels(type), 8);
        EXPECT_EQ(dpiLevelLabels(type).size(), 12U);
        EXPECT_EQ(dpiLevelLabels(type).back(), "4000");
    }
    EXPECT_EQ(dpiLevelLabels(1).front(), "600");
    EXPECT_EQ(dpiLevelLabels(1).back(), "3200");
}

TEST(DpiLevels, CellsAndLabelsSitWhereThePageDrawsThem) {
    EXPECT_EQ(dpiLevelCell(1, 1), (Rect{554, 500, 570, 516}));
    EXPECT_EQ(dpiLevelCell(4, 12), (Rect{635, 302, 651, 318}));
    EXPECT_EQ(dpiLevelLabelRect(1, 1), (Rect{494, 500, 544, 516}));
    EXPECT_EQ(dpiLevelLabelRect(0, 12), (Rect{514, 302, 544, 318}));
}

TEST(DpiLevels, LitCellsComeFromTheRecordAndStayInsideTheColumn) {
    MouseConfig config = withStages({true, false, true, true});
    config.setDpiValueIndex(1, 4);
    config.setDpiValueIndex(2, 4);
    config.setDpiValueIndex(3, 11);
    config.setDpiValueIndex(4, 200);
    EXPECT_EQ(litDpiLevels(config, 1, 0), 5);
    EXPECT_EQ(litDpiLevels(config, 2, 0), 0);
    EXPECT_EQ(litDpiLevels(config, 3, 0), 12);
    EXPECT_EQ(litDpiLevels(config, 3, 1), 8);
    EXPECT_EQ(litDpiLevels(config, 4, 0), 12);
}

}  // namespace
}  // namespace quorvel
