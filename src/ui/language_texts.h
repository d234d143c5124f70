// The window's UI texts in its three languages, chosen once at start-up from str.ini's "Lan".
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "config/language.h"
#include "ui/geometry.h"

namespace quorvel {

// The maker's web page: shown as the web link and opened by it, at the same place on both pages.
inline constexpr std::string_view kMakerWebAddress = "https://quorvelmouse.invalid/docs";
inline constexpr Rect kWebLinkRect{273, 627, 449, 647};

// One slot per row, in the order the slots are filled; named after the English text.
enum class TextId : std::uint8_t {
    BasicSettings,
    AdvancedSettings,
    ColorSetting,
    OK,
    Apply,
    Cancel,
    LeftClick,
    RightClick,
    MidClick,
    Forward,
    Backward,
    TripleClick,
    DPISwitch,
    ReportRateSwitch,
    Shift,
    RGBOnOff,
    Windows,
    Multimedia,
    FireKey,
    SingleKey,
    ComboKey,
    MacroKey,
    KeyOff,
    LeftKeyMustBeSelected,
    KeyRestore,
    KeyConfiguration1,
    KeyConfiguration2,
    KeyConfiguration3,
    KeyConfiguration4,
    KeySetting,
    ReportRateSetting,
    DPISetting,
    AuxiliaryLEDSetting,
    AsRespirationLED,
    AsHeartBeatLED,
    AsKeyGroupSwitchLED,
    DPIEffect,
    Mode,
    Parameter,
    Speed,
    Brightness,
    Effect,
    Off,
    Standard,
    Respiration,
    Neon,
    NonDisolay,
    RGBEffect,
    RGBFlash,
    RGBFixedOn,
    WebAddress,
    SwitchReportRateInto1000HZ,
    SwitchReportRateInto500HZ,
    SwitchReportRateInto250HZ,
    SwitchReportRateInto125HZ,
    SwitchDPIIntoTheFirstStage,
    SwitchDPIIntoTheSecondStage,
    SwitchDPIIntoTheThirdStage,
    SwitchDPIIntoTheFourthStage,
    SwitchToKeyMatrix1,
    SwitchToKeyMatrix2,
    SwitchToKeyMatrix3,
    SwitchToKeyMatrix4,
    SwitchToMacroKey,
    Exit,
    NotDetected,
    Detected,
    MouseSpeed,
    ScrollingSpeed,
    DoubleClickSpeed,
    MacroSetting,
    SelectMacro,
    KeyPressSequence,
    RecordOption,
    EnhancePointerPrecision,
    ScrollOneScreen,
    AdvancedDefault,
    MacroName,
    StartRecording,
    StopRecording,
    RecordMouseEvent,
    LoopTimes,
    InsertAMouseEvent,
    New,
    Delete,
    Confirm,
    MacroNameIsBlank,
    MacroNameAlreadyExists,
    PressCtrlBreak,
    NotRecordingStop,
    // The tray menu's profiles.
    Profiles,
    BaseConfiguration,
    SaveAsProfile,
    UseForRunningProgram,
    NoProfile,
    NoProgramWindows,
    SwitchAutomatically,
    OpenProfilesFolder,
};
inline constexpr std::size_t kTextCount = 98;

struct TextRow {
    std::string_view english;
    std::string_view simplifiedChinese;
    std::string_view traditionalChinese;
};

constexpr std::string_view textIn(const TextRow& row, Language language) {
    switch (language) {
        case Language::SimplifiedChinese:
            return row.simplifiedChinese;
        case Language::TraditionalChinese:
            return row.traditionalChinese;
        case Language::English:
            break;
    }
    return row.english;
}

// The raw table, for checks and for callers that need every language at once.
const std::array<TextRow, kTextCount>& languageTextTable();

class LanguageTexts {
  public:
    LanguageTexts() = default;
    explicit LanguageTexts(Language language) : language_(language) {}

    Language language() const { return language_; }
    std::string_view sectionName() const { return settingsSectionFor(language_); }
    // Empty for an id outside the table.
    std::string_view text(TextId id) const;

  private:
    Language language_ = Language::English;
};

}  // namespace quorvel
