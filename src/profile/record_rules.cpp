#include "profile/record_rules.h"

#include <array>

#include "config/dpi_tables.h"
#include "config/record_texts.h"
#include "keys/button_functions.h"
#include "keys/key_code_tables.h"
#include "profile/config_json_fields.h"

namespace quorvel {
namespace {

using namespace config_json;

bool isTableKey(std::uint8_t code) {
    for (const auto& key : kKeyNameTable) {
        if (key.code == code)
            return true;
    }
    return false;
}

class Checker {
  public:
    Checker(const MouseConfig& config, std::optional<int> sensorType)
        : config_(config), sensorType_(sensorType) {}

    std::vector<RecordProblem> run() {
        top();
        stages();
        lighting();
        for (Mode mode : {Mode::A, Mode::B})
            modeRules(mode);
        pointer();
        return problems_;
    }

  private:
    void add(std::string field, std::string what) {
        problems_.push_back({std::move(field), std::move(what)});
    }
    void range(const std::string& field, int value, int min, int max) {
        if (value < min || value > max)
            add(field, std::to_string(value) + " is out of range (from " + std::to_string(min) +
                           " to " + std::to_string(max) + ")");
    }

    void top() {
        const std::uint8_t rate = config_.reportRate();
        if (!reportRateHertz(rate))
            add(std::string(kReportRate),
                "code " + std::to_string(rate) + " is no report rate (125, 250, 500 or 1000 Hz)");
        range(std::string(kShownMode), config_.shownModeByte(), 0, 1);
    }

    void stages() {
        const DpiIndexRange allowed = dpiIndexRange(sensorType_);
        for (int stage = 1; stage <= kStageCount; ++stage) {
            const int index = config_.dpiValueIndex(stage);
            if (index > allowed.last) {
                add(stagePath(stage) + "." + std::string(kDpiIndex),
                    std::to_string(index) + " is past the end of " + allowed.list + " (0 to " +
                        std::to_string(allowed.last) + ")");
            }
            const std::uint8_t enabled =
                config_.bytes()[record::kStageEnabled + static_cast<std::size_t>(stage - 1)];
            range(stagePath(stage) + "." + std::string(kEnabled), enabled, 0, 1);
        }
    }

    void lighting() {
        const std::string at(kLighting);
        range(at + "." + std::string(kLightingMode), config_.lightingMode(), 0,
              static_cast<int>(kLightingModeNames.size()) - 1);
        range(at + ".standard.parameter", config_.standardParameter(), 0,
              static_cast<int>(kStandardParameterTexts.size()) - 1);
        range(at + ".respiration.parameter", config_.respirationParameter(), 0,
              static_cast<int>(kRespirationParameterTexts.size()) - 1);
        range(at + ".neon.parameter", config_.neonParameter(), 0, kNeonParameterCount - 1);
        range(at + ".neon.effect", config_.neonEffect(), kNeonEffectFirst, kNeonEffectLast);
    }

    void modeRules(Mode mode) {
        int leftClicks = 0;
        std::vector<int> shifts;
        for (int button = 0; button < kButtonCount; ++button) {
            const std::uint8_t code = config_.functionCode(mode, button);
            leftClicks += code == codeByte(FunctionCode::LeftClick) ? 1 : 0;
            if (code == codeByte(FunctionCode::Shift))
                shifts.push_back(button + 1);
            buttonRules(mode, button);
        }
        const std::string at =
            std::string(kModes) + "." + std::string(kModeNames[static_cast<std::size_t>(mode)]);
        if (leftClicks == 0)
            add(at, "no button is a Left Click; the mouse would have no left click");
        if (shifts.size() > 1) {
            std::string list;
            for (int b : shifts)
                list += (list.empty() ? "" : ", ") + std::to_string(b);
            add(at, "buttons " + list + " are all Shift; a mode takes one");
        }
    }

    void buttonRules(Mode mode, int button) {
        const std::string at = buttonPath(mode, button);
        const auto field = [&](ButtonField f) { return config_.buttonField(mode, f, button); };
        const auto function = buttonFunction(config_.functionCode(mode, button));
        if (!function) {
            add(at + ".function", "code " + std::to_string(config_.functionCode(mode, button)) +
                                      " is no function (0 to 15)");
            return;
        }
        switch (function->code) {
            case FunctionCode::DpiSwitch:
                range(at + ".dpi_switch", config_.dpiSwitchParameter(mode, button), kDpiSwitchMin,
                      kDpiSwitchMax);
                break;
            case FunctionCode::Windows: {
                const std::size_t position = field(ButtonField::WindowsPosition);
                const unsigned usage =
                    field(ButtonField::WindowsUsageLow) | field(ButtonField::WindowsUsageHigh) << 8;
                if (position >= kWindowsKeyTable.size() ||
                    kWindowsKeyTable[position].usage != usage)
                    add(at + ".key", "not a key of the Windows list");
                break;
            }
            case FunctionCode::Multimedia: {
                const std::size_t position = field(ButtonField::MediaPosition);
                if (position >= kMediaKeyTable.size() ||
                    kMediaKeyTable[position].code != field(ButtonField::MediaUsage))
                    add(at + ".key", "not a key of the Multimedia list");
                break;
            }
            case FunctionCode::FireKey: {
                const std::size_t position = field(ButtonField::FirePosition);
                if (position >= kFireTargetTable.size() ||
                    kFireTargetTable[position].code != field(ButtonField::FireKeyCode))
                    add(at + ".target", "not a target of the Fire Key list");
                range(at + ".speed", field(ButtonField::FireSpeed), kFireSpeedMin, 255);
                break;
            }
            case FunctionCode::SingleKey:
                if (!isTableKey(field(ButtonField::SingleKeyCode)))
                    add(at + ".key", "code " + std::to_string(field(ButtonField::SingleKeyCode)) +
                                         " is not a key of the key table");
                break;
            case FunctionCode::ComboKey: {
                const std::uint8_t first = field(ButtonField::ComboFirstKey);
                const std::uint8_t second = field(ButtonField::ComboSecondKey);
                if (first == 0 && second == 0)
                    add(at, "a Combo Key needs at least one key besides its modifiers");
                for (auto [name, code] : {std::pair{"first_key", first}, {"second_key", second}}) {
                    if (code != 0 && !isTableKey(code))
                        add(at + "." + name,
                            "code " + std::to_string(code) + " is not a key of the key table");
                }
                break;
            }
            case FunctionCode::MacroKey:
                range(at + ".slot", field(ButtonField::MacroSlot) + 1, 1, kMacroSlotCount);
                range(at + ".repeat", field(ButtonField::MacroRepeat), 0,
                      static_cast<int>(kRepeatTexts.size()) - 1);
                break;
            default:
                break;
        }
    }

    void pointer() {
        for (const auto& f : kPointerFields) {
            range(std::string(kPointer) + "." + std::string(f.name),
                  config_.pointerSetting(f.offset), f.min, f.max);
        }
    }

    const MouseConfig& config_;
    std::optional<int> sensorType_;
    std::vector<RecordProblem> problems_;
};

}  // namespace

std::string buttonPath(Mode mode, int button) {
    return std::string(kModes) + "." + std::string(kModeNames[static_cast<std::size_t>(mode)]) +
           "." + std::to_string(button + 1);
}

std::string stagePath(int stage) {
    return std::string(kStages) + "." + std::to_string(stage);
}

std::string problemsInOneLine(const std::vector<RecordProblem>& problems) {
    if (problems.empty())
        return {};
    std::string text = problems.front().text();
    if (problems.size() > 1)
        text += " (and " + std::to_string(problems.size() - 1) + " more)";
    return text;
}

std::vector<RecordProblem> recordProblems(const MouseConfig& config,
                                          std::optional<int> sensorType) {
    return Checker(config, sensorType).run();
}

}  // namespace quorvel
