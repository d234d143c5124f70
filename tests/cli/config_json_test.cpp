#include "profile/config_json.h"

#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "config/config_file.h"
#include "config/install_data.h"
#include "profile/record_rules.h"
#include "random_record.h"

namespace quorvel {
namespace {

using Json = nlohmann::ordered_json;

constexpr int kRandomRecords = 250;

// What import says of a text: the JSON reader's fault, else the first rule the record breaks.
std::string refusal(const std::string& text) {
    const auto back = configFromJson(text);
    if (!back.config)
        return back.error;
    const auto problems = recordProblems(*back.config);
    return problems.empty() ? std::string() : problems.front().text();
}

std::string fileText(const std::string& name) {
    std::ifstream in(std::string(QUORVEL_SOURCE_DIR) + "/tests/data/cli/" + name, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(ConfigJsonTest, InstalledDefaultReadsAsTheWindowShowsIt) {
    const MouseConfig config = defaultInstallRecord();
    const std::string text = configToJson(config);
    const auto back = configFromJson(text);
    ASSERT_TRUE(back.config) << back.error;
    EXPECT_EQ(*back.config, config);

    const Json doc = Json::parse(text);
    EXPECT_EQ(doc["version"], 2);
    EXPECT_EQ(doc["modes"]["B"]["6"], Json::parse(R"({"function": "DPI Switch",
                                                      "dpi_switch": "DPI Loop"})"));
    EXPECT_EQ(doc["modes"]["A"]["1"], Json::parse(R"({"function": "Left Click"})"));
    EXPECT_EQ(doc["stages"]["4"]["colour"], "#ff00ff");
    EXPECT_EQ(doc["lighting"]["standard"], Json::parse(R"({"parameter": "45%",
                                                          "effect": "none"})"));
    EXPECT_EQ(doc["lighting"]["neon"]["parameter"], "7.5S");
    // A person edits it: the short form of a button is enough.
    EXPECT_LT(std::count(text.begin(), text.end(), '\n'), 70);
}

TEST(ConfigJsonTest, RandomRecordsRoundTripByteForByte) {
    std::mt19937 rng(20261208);
    for (int i = 0; i < kRandomRecords; ++i) {
        const MouseConfig config = testing::randomValidRecord(rng);
        const std::string text = configToJson(config);
        ASSERT_EQ(refusal(text), "") << "record " << i;
        const auto back = configFromJson(text);
        ASSERT_EQ(*back.config, config) << "record " << i;
        ASSERT_EQ(configToJson(*back.config), text) << "record " << i;
    }
}

TEST(ConfigJsonTest, VersionOneFilesStillImport) {
    const std::string bin = fileText("version1.bin");
    ASSERT_EQ(bin.size(), config_file::kSize);
    const auto back = configFromJson(fileText("version1.json"));
    ASSERT_TRUE(back.config) << back.error;
    EXPECT_EQ(configFileBytes(*back.config, kFirstRunNotSaved),
              std::vector<std::uint8_t>(bin.begin(), bin.end()));
    const Json doc = Json::parse(configToJson(*back.config));
    EXPECT_EQ(doc["modes"]["A"]["7"], Json::parse(R"({"function": "Fire Key", "target": "B",
                                                     "speed": 20, "times": 3})"));
    EXPECT_EQ(doc["modes"]["A"]["8"], Json::parse(R"({"function": "Combo Key",
        "modifiers": ["Left Ctrl", "Left Alt"], "first_key": "C"})"));
    EXPECT_EQ(doc["modes"]["B"]["7"], Json::parse(R"({"function": "Macro Key", "slot": 3,
        "repeat": "repeat until press any key to end"})"));
    EXPECT_EQ(doc["modes"]["B"]["8"], Json::parse(R"({"function": "Windows",
                                                     "key": "Calculator"})"));
}

// A hand-written button: names or numbers for keys, and no carried bytes at all.
TEST(ConfigJsonTest, ButtonsTakeNamesOrCodes) {
    Json doc = Json::parse(configToJson(defaultInstallRecord()));
    doc["reserved"].erase("parameters");
    doc["modes"]["A"]["7"] = Json::parse(R"({"function": "Single Key", "key": "Num Enter"})");
    doc["modes"]["A"]["8"] = Json::parse(R"({"function": "Combo Key", "modifiers":
        ["Right Win", "Left Shift"], "second_key": 62})");
    doc["modes"]["B"]["7"] = Json::parse(R"({"function": "Fire Key", "target": "L-Button",
                                             "speed": 5, "times": 0})");
    doc["modes"]["B"]["8"] = Json::parse(R"({"function": "Fire Key", "target": 225,
                                             "speed": 9, "times": 2})");
    const auto back = configFromJson(doc.dump());
    ASSERT_TRUE(back.config) << back.error;
    const MouseConfig& c = *back.config;
    EXPECT_EQ(c.buttonField(Mode::A, ButtonField::SingleKeyCode, 6), 0x58);
    EXPECT_EQ(c.buttonField(Mode::A, ButtonField::ComboModifiers, 7), 0x82);
    EXPECT_EQ(c.buttonField(Mode::A, ButtonField::ComboFirstKey, 7), 0);
    EXPECT_EQ(c.buttonField(Mode::A, ButtonField::ComboSecondKey, 7), 0x3E);
    EXPECT_EQ(c.buttonField(Mode::B, ButtonField::FireKeyCode, 6), 0xF0);
    EXPECT_EQ(c.buttonField(Mode::B, ButtonField::FirePosition, 6), 54);
    EXPECT_EQ(c.buttonField(Mode::B, ButtonField::FirePosition, 7), 37);  // "L-SHIFT"
    EXPECT_EQ(c.dpiSwitchParameter(Mode::B, 5), 3);
    EXPECT_EQ(c.buttonField(Mode::A, ButtonField::WindowsUsageLow, 0), 0);
    EXPECT_EQ(refusal(doc.dump()), "");
}

TEST(ConfigJsonTest, ValuesWithoutANameAreRefusedByName) {
    struct Case {
        std::size_t offset;
        std::uint8_t value;
        std::string field;
    };
    const std::vector<Case> cases = {
        {record::kReportRate, 3, "report_rate_hz"},
        {record::kShownMode, 2, "shown_mode"},
        {record::kStageEnabled + 2, 7, "stages.3.enabled"},
        {record::kDpiValueIndex + 1, 12, "stages.2.dpi_index"},
        {record::kLightingMode, 4, "lighting.mode"},
        {record::kNeonParameter, 30, "lighting.neon.parameter"},
        {record::kNeonEffect, 1, "lighting.neon.effect"},
        {record::kKeyBlockModeB + key_block::kFunctionCode + 2, 16, "modes.B.3.function"},
        {record::kDpiSwitchModeA + 5, 0, "modes.A.6.dpi_switch"},
        {record::kPointerSettings + pointer_settings::kDoubleClickPosition, 0,
         "pointer.double_click_position"},
    };
    for (const auto& c : cases) {
        MouseConfig config = defaultInstallRecord();
        config.bytes()[c.offset] = c.value;
        const std::string said = refusal(configToJson(config));
        EXPECT_EQ(said.substr(0, c.field.size() + 1), c.field + ":") << said;
    }
}

// A damaged document: the default's JSON with one change, and the field it must name.
struct Damage {
    std::string pointer;  // JSON pointer to change; "-" removes the member
    Json value;
    std::string field;
};

std::string damaged(const Damage& d) {
    Json doc = Json::parse(configToJson(defaultInstallRecord()));
    const Json::json_pointer at(d.pointer);
    if (d.value.is_string() && d.value == "-") {
        doc[at.parent_pointer()].erase(at.back());
    } else {
        doc[at] = d.value;
    }
    return doc.dump();
}

TEST(ConfigJsonTest, DamagedDocumentsNameTheFirstBadField) {
    const std::vector<Damage> cases = {
        {"/format", "Something else", "format"},
        {"/version", 3, "version"},
        {"/version", "2", "version"},
        {"/colour_depth", 8, "colour_depth"},
        {"/shown_mode", "-", "shown_mode"},
        {"/shown_mode", "C", "shown_mode"},
        {"/report_rate_hz", 300, "report_rate_hz"},
        {"/report_rate_hz", "1000", "report_rate_hz"},
        {"/report_rate_hz", 1000.0, "report_rate_hz"},
        {"/stages/0", Json::object(), "stages.0"},
        {"/stages/1/dpi_index", 2.5, "stages.1.dpi_index"},
        {"/stages/2/enabled", 1, "stages.2.enabled"},
        {"/stages/3/colour", "#12345g", "stages.3.colour"},
        {"/lighting/mode", "Blink", "lighting.mode"},
        {"/lighting/standard/parameter", "50%", "lighting.standard.parameter"},
        {"/lighting/respiration/effect", 256, "lighting.respiration.effect"},
        {"/lighting/neon/effect", "RGB Dazzle", "lighting.neon.effect"},
        {"/modes/A/8", "-", "modes.A.8"},
        {"/modes/A/1/function", "Jump", "modes.A.1.function"},
        {"/modes/B/6/dpi_switch", "DPI Up", "modes.B.6.dpi_switch"},
        {"/modes/A/2/key", "A", "modes.A.2.key"},
        {"/modes/A/7", Json::parse(R"({"function": "Single Key", "key": "Hyper"})"),
         "modes.A.7.key"},
        {"/modes/A/7", Json::parse(R"({"function": "Fire Key", "target": 1, "speed": 9,
                                       "times": 1})"),
         "modes.A.7.target"},
        {"/modes/A/7", Json::parse(R"({"function": "Combo Key", "modifiers": ["Ctrl"]})"),
         "modes.A.7.modifiers[0]"},
        {"/modes/A/7", Json::parse(R"({"function": "Windows", "key": "Mute"})"), "modes.A.7.key"},
        {"/modes/A/7", Json::parse(R"({"function": "Macro Key", "slot": 0, "repeat": 1})"),
         "modes.A.7.slot"},
        {"/macro_table/12", std::string(255, '0') + "x", "macro_table.12"},
        {"/macro_table/0", "", "macro_table.0"},
        {"/pointer/screen_per_notch", nullptr, "pointer.screen_per_notch"},
        {"/reserved/parameters", "00", "reserved.parameters"},
        {"/reserved/before_stages", -1, "reserved.before_stages"},
    };
    for (const auto& c : cases) {
        const std::string said = refusal(damaged(c));
        EXPECT_EQ(said.substr(0, c.field.size() + 1), c.field + ":")
            << c.pointer << " gave: " << said;
    }
}

// The default's stage 2 with `fields` in place of its DPI fields, read under `sensor`.
ConfigJsonResult stageTwoWith(const Json& fields, std::optional<int> sensor) {
    Json doc = Json::parse(configToJson(defaultInstallRecord()));
    doc["stages"]["2"].erase("dpi_index");
    doc["stages"]["2"].update(fields);
    return configFromJson(doc.dump(), [sensor] { return sensor; });
}

TEST(ConfigJsonTest, AStageGivesItsDpiByIndexOrByValueOfTheSensorsList) {
    const MouseConfig config = defaultInstallRecord();  // stage 2 at index 3
    const Json withSensor = Json::parse(configToJson(config, 1));
    EXPECT_EQ(withSensor["stages"]["2"], Json::parse(R"({"dpi_index": 3, "dpi": 1200,
                                                         "enabled": true, "colour": "#00ff00"})"));
    for (const std::optional<int> unlisted : {std::optional<int>(), std::optional<int>(7)}) {
        const Json doc = Json::parse(configToJson(config, unlisted));
        EXPECT_FALSE(doc["stages"]["2"].contains("dpi"));
    }
    // Each form reads back to the same record; the sensor is asked once, and only for "dpi".
    int asked = 0;
    const SensorSource counted = [&asked] {
        ++asked;
        return std::optional<int>(1);
    };
    EXPECT_EQ(configFromJson(configToJson(config), counted).config, config);
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(configFromJson(withSensor.dump(), counted).config, config);
    EXPECT_EQ(asked, 1);
    const auto byValue = stageTwoWith(Json::parse(R"({"dpi": 3200})"), 1);
    ASSERT_TRUE(byValue.config) << byValue.error;
    EXPECT_EQ(byValue.config->dpiValueIndex(2), 7);
    EXPECT_EQ(stageTwoWith(Json::parse(R"({"dpi": 3500})"), 0).config->dpiValueIndex(2), 10);

    const std::vector<std::tuple<Json, std::optional<int>, std::string>> refused = {
        {Json::parse(R"({"dpi": 900})"), 1,
         "stages.2.dpi: 900 is not a DPI value of sensor type 1 (600, 800, 1000, 1200, 1600, "
         "2000, 2400, 3200)"},
        {Json::parse(R"({"dpi": "800"})"), 1, "stages.2.dpi: \"800\" is not a DPI value of"},
        {Json::parse(R"({"dpi": 800})"), std::nullopt, "stages.2.dpi: needs the sensor type"},
        {Json::parse(R"({"dpi": 800})"), 7,
         "stages.2.dpi: sensor type 7 has no DPI list; give dpi_index instead"},
        {Json::parse(R"({"dpi_index": 3, "dpi": 1600})"), 1,
         "stages.2.dpi: 1600 is at dpi_index 4 of the DPI list of sensor type 1, but dpi_index "
         "is 3"},
        {Json::object(), 1, "stages.2.dpi_index: missing"},
        {Json::parse(R"({"dpi_index": 300})"), 1,
         "stages.2.dpi_index: 300 is out of range (from 0 to 7, the DPI list of sensor type 1)"},
        {Json::parse(R"({"dpi_index": -1})"), std::nullopt,
         "stages.2.dpi_index: -1 is out of range (from 0 to 11, the longest DPI list)"},
    };
    for (const auto& [fields, sensor, said] : refused) {
        const auto result = stageTwoWith(fields, sensor);
        EXPECT_FALSE(result.config) << fields.dump();
        EXPECT_EQ(result.error.substr(0, said.size()), said) << result.error;
    }
}

TEST(ConfigJsonTest, KeyNamesAreReadWithoutRegardToCaseAndASlipGetsTheClosestNames) {
    Json doc = Json::parse(configToJson(defaultInstallRecord()));
    doc["modes"]["A"]["7"] = Json::parse(R"({"function": "Single Key", "key": "num enter"})");
    doc["modes"]["A"]["8"] = Json::parse(R"({"function": "Combo Key", "modifiers": [],
                                             "first_key": "ESC", "second_key": "page UP"})");
    const auto back = configFromJson(doc.dump());
    ASSERT_TRUE(back.config) << back.error;
    EXPECT_EQ(back.config->buttonField(Mode::A, ButtonField::SingleKeyCode, 6), 0x58);
    EXPECT_EQ(back.config->buttonField(Mode::A, ButtonField::ComboFirstKey, 7), 0x29);
    EXPECT_EQ(back.config->buttonField(Mode::A, ButtonField::ComboSecondKey, 7), 0x4B);

    const std::vector<std::pair<std::string, std::string>> slips = {
        {"Escape", "modes.A.7.key: \"Escape\" is not a key name; did you mean Esc"},
        {"Pgae Up", "modes.A.7.key: \"Pgae Up\" is not a key name; did you mean Page Up"},
        {"f13", "did you mean F1, F3, F10?"},
        {"Qwertyuiop", "\"Qwertyuiop\" is not a key name; 'quorvelctl keys' lists every key name"},
    };
    for (const auto& [word, said] : slips) {
        doc["modes"]["A"]["7"]["key"] = word;
        const auto result = configFromJson(doc.dump());
        EXPECT_FALSE(result.config) << word;
        EXPECT_NE(result.error.find(said), std::string::npos) << word << ": " << result.error;
    }
}

TEST(ConfigJsonTest, TextThatIsNotAConfigurationIsRefusedWithoutThrowing) {
    const std::string deep = std::string(100000, '[') + std::string(100000, ']');
    const std::string truncated = configToJson(defaultInstallRecord()).substr(0, 500);
    for (std::string_view text :
         {std::string_view(""), std::string_view("{"), std::string_view("[1, 2]"),
          std::string_view("\"\xff\""), std::string_view("null"), std::string_view(deep),
          std::string_view(truncated)}) {
        const auto result = configFromJson(text);
        EXPECT_FALSE(result.config);
        EXPECT_FALSE(result.error.empty());
    }
}

}  // namespace
}  // namespace quorvel
