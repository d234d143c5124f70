// The sub-dialogs' own texts in the three UI languages (OK and Cancel are the main window's).
// Key names, modifier names and fire targets are not translated: they are the key table's.
#pragma once

#include <array>
#include <string_view>

#include "ui/language_texts.h"

namespace quorvel::dialog_text {

inline constexpr TextRow kSingleKeyPrompt = {"Please enter a key", "请输入一个按键",
                                             "請輸入一個按鍵"};

inline constexpr TextRow kSpeedLabel = {"Speed", "速度", "速度"};
inline constexpr TextRow kTimesLabel = {"Times", "次数", "次數"};
inline constexpr TextRow kFireHeading = {"Illustration:", "说明:", "說明:"};
inline constexpr TextRow kSpeedExplanation = {
    "Speed (value range 5-255, with smaller values faster)",
    "速度(数值范围5-255，数值越小速度越快)", "速度(數值範圍5-255，數值越小速度越快)"};
inline constexpr TextRow kTimesExplanation = {
    "Times (value range 0-255,0 indicates fire key to end when the key released)",
    "次数(数值范围0-255，0表示按键放开火力键结束)", "次數(數值範圍0-255，0表示按鍵放開火力鍵結束)"};

inline constexpr TextRow kDelayPrompt = {"Please enter a delay", "请输入一个延时",
                                         "請輸入一個延時"};
inline constexpr TextRow kDelayRange = {"(value range 0-10000)", "(数值范围 0-10000)",
                                        "(數值範圍 0-10000)"};

// By list position; the usage of each is the media-key table's row of the same position.
inline constexpr std::array<TextRow, 7> kMediaEntries = {{
    {"Next", "下一首", "下一首"},
    {"Previous", "上一首", "上一首"},
    {"Stop", "停止", "停止"},
    {"Play/Pause", "播放/暂停", "播放/暫停"},
    {"Mute", "静音", "靜音"},
    {"Vol+", "音量+", "音量+"},
    {"Vol-", "音量-", "音量-"},
}};

// By list position; the usage of each is the Windows-key table's row of the same position.
inline constexpr std::array<TextRow, 11> kWindowsEntries = {{
    {"Multimedia Player", "打开多媒体播放器", "打開多媒體播放器"},
    {"Mail", "邮件", "郵件"},
    {"Calculator", "计算器", "計算器"},
    {"My Computer", "我的电脑", "我的電腦"},
    {"Browser-Search", "浏览器-搜索", "瀏覽器-搜索"},
    {"Browser-Home", "浏览器-主页", "瀏覽器-主頁"},
    {"Browser-Back", "浏览器-后退", "瀏覽器-後退"},
    {"Browser-Forward", "浏览器-前进", "瀏覽器-前進"},
    {"Browser-Stop", "浏览器-停止", "瀏覽器-停止"},
    {"Browser-Refresh", "浏览器-刷新", "瀏覽器-刷新"},
    {"Browser-My Favorites", "浏览器-收藏夹", "瀏覽器-我的最愛"},
}};

}  // namespace quorvel::dialog_text
