#include "ui/language_texts.h"

namespace quorvel {
namespace {

// Texts as the product ships them, misspellings included ("Non-Disolay").
constexpr std::array<TextRow, kTextCount> kTexts = {{
    {"Basic Settings", "基本设置", "基本設置"},
    {"Advanced Settings", "高级设置", "高級設置"},
    {"Color Setting", "颜色设置", "顏色設置"},
    {"OK", "确定", "確定"},
    {"Apply", "应用", "應用"},
    {"Cancel", "取消", "取消"},
    {"Left Click", "左键", "左鍵"},
    {"Right Click", "右键", "右鍵"},
    {"Mid Click", "中键", "中鍵"},
    {"Forward", "前进方向键", "前進方向鍵"},
    {"Backward", "后退方向键", "後退方向鍵"},
    {"Triple-click", "三连发", "三連發"},
    {"DPI Switch", "DPI切换", "DPI切換"},
    {"Report Rate Switch", "报告率切换", "報告率切換"},
    {"Shift", "Shift", "Shift"},
    {"RGB On/Off", "RGB打开/关闭", "RGB打開/關閉"},
    {"Windows", "Windows", "Windows"},
    {"Multimedia", "多媒体", "多媒體"},
    {"Fire Key", "火力键", "火力鍵"},
    {"Single Key", "单键", "單鍵"},
    {"Combo Key", "组合键", "複合鍵"},
    {"Macro Key", "宏", "巨集"},
    {"Key Off", "按键关闭", "按鍵關閉"},
    {"Left key must be selected!", "左键功能必须选择！", "左鍵功能必須選擇！"},
    {"Default", "按键恢复", "按鍵恢復"},
    {"Key Configuration 1", "按键配置1", "按鍵配置1"},
    {"Key Configuration 2", "按键配置2", "按鍵配置2"},
    {"Key Configuration 3", "按键配置3", "按鍵配置3"},
    {"Key Configuration 4", "按键配置4", "按鍵配置4"},
    {"Key Setting", "按键设置", "按鍵設置"},
    {"Report Rate Setting", "报告率设置", "報告率設置"},
    {"DPI Setting", "DPI设置", "DPI設置"},
    {"Auxiliary LED Setting", "辅灯设置", "輔燈設置"},
    {"As Respiration LED", "设为呼吸灯", "設為呼吸燈"},
    {"As Heart Beat LED", "设为心跳灯", "設為心跳燈"},
    {"As Key Group Switch LED", "设为按键组切换灯", "設為按鍵群組切換燈"},
    {"DPI Effect", "DPI显示特效", "DPI顯示特效"},
    {"Mode", "模式", "模式"},
    {"Parameter", "参数", "參數"},
    {"Speed", "速度:请调整灯光显示速度", "速度"},
    {"Brightness", "亮度:请调整灯光显示亮度", "亮度"},
    {"Effect", "效果", "效果"},
    {"Off", "关闭模式", "關閉模式"},
    {"Standard", "标准模式", "標準模式"},
    {"Respiration", "呼吸模式", "呼吸模式"},
    {"Neon", "霓虹模式", "霓虹模式"},
    {"Non-Disolay", "关闭", "關閉"},
    {"RGB Effect", "RGB效果", "RGB效果"},
    {"RGB Flash", "RGB闪烁", "RGB閃爍"},
    {"RGB Fixed On", "RGB常亮", "RGB常亮"},
    {kMakerWebAddress, kMakerWebAddress, kMakerWebAddress},
    {"Switch report rate into 1000HZ", "报告率切换到1000HZ", "報告率切換到1000HZ"},
    {"Switch report rate into 500HZ", "报告率切换到500HZ", "報告率切換到500HZ"},
    {"Switch report rate into 250HZ", "报告率切换到250HZ", "報告率切換到250HZ"},
    {"Switch report rate into 125HZ", "报告率切换到125HZ", "報告率切換到125HZ"},
    {"Switch DPI into the first stage ", "DPI切换到第一段", "DPI切換到第一段"},
    {"Switch DPI into the second stage ", "DPI切换到第二段", "DPI切換到第二段"},
    {"Switch DPI into the third stage ", "DPI切换到第三段", "DPI切換到第三段"},
    {"Switch DPI into the fourth stage ", "DPI切换到第四段", "DPI切換到第四段"},
    {"Switch to key matrix 1", "切换到按键组1", "切換到按鍵群組1"},
    {"Switch to key matrix 2", "切换到按键组2", "切換到按鍵群組2"},
    {"Switch to key matrix 3", "切换到按键组3", "切換到按鍵群組3"},
    {"Switch to key matrix 4", "切换到按键组4", "切換到按鍵群組4"},
    {"Switch to macro key", "切换到宏", "切換到巨集"},
    {"Exit", "退出", "退出"},
    {"The system did not detect the gaming mouse!", "系统没有检测到游戏鼠标！",
     "系統沒有檢測到遊戲滑鼠！"},
    {"The system detect the gaming mouse.", "系统检测到游戏鼠标。", "系統檢測到遊戲滑鼠。"},
    {"Mouse Speed", "鼠标移动速度", "滑鼠移動速度"},
    {"Scrolling Speed", "鼠标滚动速度", "滑鼠滾動速度"},
    {"Double-Click Speed", "鼠标双击速度", "滑鼠雙擊速度"},
    {"Macro Setting", "宏设置", "巨集設置"},
    {"Select Macro", "选择宏", "選擇巨集"},
    {"Key Press Sequence", "按键序列", "按鍵序列"},
    {"Record Option", "录制选项", "錄製選項"},
    {"Enhance Pointer Precision", "提高指针准确度", "提高指針準確度"},
    {"Scroll One Screen", "一次滚动一个屏幕", "一次滾動一個螢幕"},
    {"Default", "恢复默认", "恢復默認"},
    {"Macro Name", "宏名称", "巨集名稱"},
    {"Start Recording", "开始录制", "開始錄製"},
    {"Stop Recording", "停止录制", "停止錄製"},
    {"Record Mouse Event", "只录制键盘事件", "只錄製鍵盤事件"},
    {"Loop Times", "循环次数", "迴圈次數"},
    {"Insert A Mouse Event", "插入一个鼠标事件", "插入一個滑鼠事件"},
    {"New", "新建", "新建"},
    {"Delete", "删除", "刪除"},
    {"Confirm", "确认", "確認"},
    {"Macro name is blank", "宏名称为空", "巨集名稱為空"},
    {"Macro name already exists", "宏名称已经存在", "巨集名稱已經存在"},
    {"Press Ctrl+Break key to stop recording", "按Ctrl+Break可以停止录制",
     "按Ctrl+Break可以停止錄製"},
    {"It doesn’t start recording, unnecessary to press Stop key!",
     "没有开始录制,点击停止录制按钮没有意义！", "沒有開始錄製，點擊停止錄製按鈕沒有意義！"},
    // The profiles' texts are this program's own.
    {"Profiles", "配置文件", "設定檔"},
    {"Base configuration", "基础配置", "基礎配置"},
    {"Save current settings as profile...", "将当前设置保存为配置文件...",
     "將目前設定儲存為設定檔..."},
    {"Use for a running program", "用于正在运行的程序", "用於正在執行的程式"},
    {"None", "无", "無"},
    {"No program has a window open", "没有打开窗口的程序", "沒有開啟視窗的程式"},
    {"Switch automatically", "自动切换", "自動切換"},
    {"Open profiles folder", "打开配置文件文件夹", "開啟設定檔資料夾"},
}};
static_assert(static_cast<std::size_t>(TextId::OpenProfilesFolder) + 1 == kTextCount);

}  // namespace

const std::array<TextRow, kTextCount>& languageTextTable() {
    return kTexts;
}

std::string_view LanguageTexts::text(TextId id) const {
    const auto index = static_cast<std::size_t>(id);
    if (index >= kTexts.size())
        return {};
    return textIn(kTexts[index], language_);
}

}  // namespace quorvel
