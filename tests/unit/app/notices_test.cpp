#include "app/notices.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

struct NoticeCase {
    long kind;
    long value;
    const char* english;
    const char* simplified;
    const char* traditional;
};

constexpr NoticeCase kFixedNotices[] = {
    {5, 1, "Switch report rate into 1000HZ", "报告率切换到1000HZ", "報告率切換到1000HZ"},
    {5, 2, "Switch report rate into 500HZ", "报告率切换到500HZ", "報告率切換到500HZ"},
    {5, 4, "Switch report rate into 250HZ", "报告率切换到250HZ", "報告率切換到250HZ"},
    {5, 8, "Switch report rate into 125HZ", "报告率切换到125HZ", "報告率切換到125HZ"},
    {8, 1, "Switch to key matrix 1", "切换到按键组1", "切換到按鍵群組1"},
    {8, 2, "Switch to key matrix 2", "切换到按键组2", "切換到按鍵群組2"},
    {9, 3, "Switch to macro key3", "切换到宏3", "切換到巨集3"},
    {9, 12, "Switch to macro key12", "切换到宏12", "切換到巨集12"},
};

class Notices : public ::testing::Test {
  protected:
    std::optional<Balloon> notice(long kind, long value, Language language = Language::English,
                                  int sensorType = 0) {
        return balloonForNotice(kind, value, LanguageTexts(language), config, sensorType);
    }
    MouseConfig config;
};

TEST_F(Notices, DeviceNoticesInEveryLanguage) {
    for (const NoticeCase& c : kFixedNotices) {
        SCOPED_TRACE(std::to_string(c.kind) + "/" + std::to_string(c.value));
        const auto en = notice(c.kind, c.value);
        ASSERT_TRUE(en);
        EXPECT_EQ(en->text, c.english);
        EXPECT_EQ(en->title, "Info");
        EXPECT_EQ(en->timeoutMs, 5000U);
        EXPECT_EQ(notice(c.kind, c.value, Language::SimplifiedChinese)->text, c.simplified);
        EXPECT_EQ(notice(c.kind, c.value, Language::TraditionalChinese)->text, c.traditional);
    }
}

TEST_F(Notices, DpiStageAppendsThatStagesValue) {
    config.setDpiValueIndex(1, 0);
    config.setDpiValueIndex(2, 3);
    config.setDpiValueIndex(3, 7);
    config.setDpiValueIndex(4, 11);
    EXPECT_EQ(notice(7, 1)->text, "Switch DPI into the first stage 250");
    EXPECT_EQ(notice(7, 2)->text, "Switch DPI into the second stage 1000");
    EXPECT_EQ(notice(7, 3)->text, "Switch DPI into the third stage 2000");
    EXPECT_EQ(notice(7, 4)->text, "Switch DPI into the fourth stage 4000");
    EXPECT_EQ(notice(7, 2, Language::SimplifiedChinese)->text, "DPI切换到第二段1000");
    EXPECT_EQ(notice(7, 4, Language::TraditionalChinese)->text, "DPI切換到第四段4000");
    EXPECT_EQ(notice(7, 2, Language::English, 1)->text, "Switch DPI into the second stage 1200");
    EXPECT_EQ(notice(7, 2)->title, "Info");
    EXPECT_EQ(notice(7, 2)->timeoutMs, 5000U);
}

TEST_F(Notices, DpiStagePastTheSensorsListShowsOnlyTheStageText) {
    config.setDpiValueIndex(1, 11);  // sensor 1 lists eight values
    EXPECT_EQ(notice(7, 1, Language::English, 1)->text, "Switch DPI into the first stage ");
    EXPECT_EQ(notice(7, 1, Language::English, 9)->text, "Switch DPI into the first stage ");
}

TEST_F(Notices, ConnectionStatus) {
    const auto detected = notice(14, 0);
    ASSERT_TRUE(detected);
    EXPECT_EQ(detected->text, "The system detect the gaming mouse.");
    EXPECT_EQ(detected->title, "Info");
    EXPECT_EQ(detected->timeoutMs, 100U);
    const auto lost = notice(15, 77);
    ASSERT_TRUE(lost);
    EXPECT_EQ(lost->text, "The system did not detect the gaming mouse!");
    EXPECT_EQ(lost->title, "Warning");
    EXPECT_EQ(lost->timeoutMs, 100U);
    EXPECT_EQ(notice(14, 0, Language::SimplifiedChinese)->text, "系统检测到游戏鼠标。");
    EXPECT_EQ(notice(15, 0, Language::TraditionalChinese)->text, "系統沒有檢測到遊戲滑鼠！");
    // Titles stay English in every language.
    EXPECT_EQ(notice(15, 0, Language::SimplifiedChinese)->title, "Warning");
}

TEST_F(Notices, UnknownKindsAndValuesShowNothing) {
    for (long kind : {0L, 1L, 4L, 6L, 10L, 13L, 16L, 255L, -1L, 256L + 5, 256L + 14}) {
        EXPECT_FALSE(notice(kind, 1)) << kind;
    }
    for (long value : {0L, 3L, 5L, 16L, -1L, 256L + 1})
        EXPECT_FALSE(notice(5, value)) << value;
    for (long value : {0L, 5L, -1L})
        EXPECT_FALSE(notice(7, value)) << value;
    for (long value : {0L, 3L, 4L})
        EXPECT_FALSE(notice(8, value)) << value;
    EXPECT_FALSE(notice(9, 0));
}

}  // namespace
}  // namespace quorvel
