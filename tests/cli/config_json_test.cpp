#include "cli/config_json.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "config/install_data.h"
#include "support/random_record.h"

namespace quorvel {
namespace {

using Json = nlohmann::ordered_json;

constexpr int kRandomRecords = 250;

TEST(ConfigJsonTest, InstalledDefaultRoundTripsAndReadsInWords) {
    const MouseConfig config = defaultInstallRecord();
    const std::string text = configToJson(config);
    const auto back = configFromJson(text);
    ASSERT_TRUE(back.config) << back.error;
    EXPECT_EQ(*back.config, config);
    EXPECT_TRUE(back.error.empty());

    const Json doc = Json::parse(text);
    EXPECT_EQ(doc["format"], "QuorvelMouse configuration");
    EXPECT_EQ(doc["version"], 1);
    EXPECT_EQ(doc["report_rate_hz"], 1000);
    EXPECT_EQ(doc["modes"]["B"][5]["function"], "DPI Switch");
    EXPECT_EQ(doc["modes"]["B"][5]["dpi_switch"], 3);
    EXPECT_EQ(doc["stages"][3]["colour"], "#ff00ff");
    EXPECT_EQ(doc["lighting"]["neon_effect"], "RGB Flash");
    EXPECT_EQ(doc["pointer"]["precision"], true);
    EXPECT_EQ(text.back(), '\n');
}

TEST(ConfigJsonTest, RandomRecordsRoundTripByteForByte) {
    std::mt19937 rng(20261208);
    for (int i = 0; i < kRandomRecords; ++i) {
        const MouseConfig config = testing::randomValidRecord(rng);
        const std::string text = configToJson(config);
        const auto back = configFromJson(text);
        ASSERT_TRUE(back.config) << "record " << i << ": " << back.error;
        ASSERT_EQ(*back.config, config) << "record " << i;
        ASSERT_EQ(configToJson(*back.config), text) << "record " << i;
    }
}

TEST(ConfigJsonTest, ValuesOutsideTheirRangesExportAsNullAndAreRefusedByName) {
    struct Case {
        std::size_t offset;
        std::uint8_t value;
        std::string field;
    };
    const std::vector<Case> cases = {
        {record::kReportRate, 3, "report_rate_hz"},
        {record::kShownMode, 2, "shown_mode"},
        {record::kStageEnabled + 2, 7, "stages[2].enabled"},
        {record::kDpiValueIndex + 1, 12, "stages[1].dpi_index"},
        {record::kLightingMode, 4, "lighting.mode"},
        {record::kNeonParameter, 30, "lighting.neon_parameter"},
        {record::kNeonEffect, 1, "lighting.neon_effect"},
        {record::kKeyBlockModeB + key_block::kFunctionCode + 2, 16, "modes.B[2].function"},
        {record::kDpiSwitchModeA + 5, 0, "modes.A[5].dpi_switch"},
        {record::kPointerSettings + pointer_settings::kDoubleClickPosition, 0,
         "pointer.double_click_position"},
    };
    for (const auto& c : cases) {
        MouseConfig config = defaultInstallRecord();
        config.bytes()[c.offset] = c.value;
        const auto back = configFromJson(configToJson(config));
        EXPECT_FALSE(back.config) << c.field;
        EXPECT_EQ(back.error.substr(0, c.field.size() + 1), c.field + ":") << back.error;
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
        Json& parent = doc[at.parent_pointer()];
        if (parent.is_array()) {
            parent.erase(std::stoul(at.back()));
        } else {
            parent.erase(at.back());
        }
    } else {
        doc[at] = d.value;
    }
    return doc.dump();
}

TEST(ConfigJsonTest, DamagedDocumentsNameTheFirstBadField) {
    const std::vector<Damage> cases = {
        {"/format", "Something else", "format"},
        {"/version", 2, "version"},
        {"/version", "1", "version"},
        {"/colour_depth", 8, "colour_depth"},
        {"/shown_mode", "-", "shown_mode"},
        {"/shown_mode", "C", "shown_mode"},
        {"/report_rate_hz", 300, "report_rate_hz"},
        {"/report_rate_hz", -125, "report_rate_hz"},
        {"/report_rate_hz", 1000.0, "report_rate_hz"},
        {"/stages", Json::array(), "stages"},
        {"/stages/0/dpi_index", 12, "stages[0].dpi_index"},
        {"/stages/1/dpi_index", 2.5, "stages[1].dpi_index"},
        {"/stages/2/enabled", 1, "stages[2].enabled"},
        {"/stages/3/colour", "#12345", "stages[3].colour"},
        {"/stages/3/colour", "#12345g", "stages[3].colour"},
        {"/stages/3/colour", "red", "stages[3].colour"},
        {"/lighting/mode", "Blink", "lighting.mode"},
        {"/lighting/standard_parameter", 10, "lighting.standard_parameter"},
        {"/lighting/respiration_effect", 256, "lighting.respiration_effect"},
        {"/lighting/neon_effect", "RGB Effect", "lighting.neon_effect"},
        {"/modes/A/7", "-", "modes.A"},
        {"/modes/C", Json::array(), "modes.C"},
        {"/modes/A/0/function", "Jump", "modes.A[0].function"},
        {"/modes/B/5/dpi_switch", 4, "modes.B[5].dpi_switch"},
        {"/modes/A/1/dpi_switch", 256, "modes.A[1].dpi_switch"},
        {"/modes/A/2/fire/sped", 10, "modes.A[2].fire.sped"},
        {"/modes/A/2/windows/usage", 65536, "modes.A[2].windows.usage"},
        {"/modes/A/3/macro/slot", 18446744073709551615ULL, "modes.A[3].macro.slot"},
        {"/modes/B/4/combo", 0, "modes.B[4].combo"},
        {"/macro_table/3", std::string(254, '0'), "macro_table[3]"},
        {"/macro_table/11", std::string(255, '0') + "x", "macro_table[11]"},
        {"/pointer/speed_position", 0, "pointer.speed_position"},
        {"/pointer/screen_per_notch", nullptr, "pointer.screen_per_notch"},
        {"/reserved/after_mode_a", "00", "reserved.after_mode_a"},
        {"/reserved/before_stages", -1, "reserved.before_stages"},
    };
    for (const auto& c : cases) {
        const auto result = configFromJson(damaged(c));
        EXPECT_FALSE(result.config) << c.pointer;
        EXPECT_EQ(result.error.substr(0, c.field.size() + 1), c.field + ":")
            << c.pointer << " gave: " << result.error;
    }
}

TEST(ConfigJsonTest, ParametersAreHeldToTheFunctionThatUsesThem) {
    Json doc = Json::parse(configToJson(defaultInstallRecord()));
    // Button 6 is "Key Off": its fire-key speed is a plain byte.
    doc["modes"]["A"][6]["fire"]["speed"] = 0;
    EXPECT_TRUE(configFromJson(doc.dump()).config);
    doc["modes"]["A"][6]["function"] = "Fire Key";
    const auto result = configFromJson(doc.dump());
    EXPECT_FALSE(result.config);
    EXPECT_EQ(result.error,
              "modes.A[6].fire.speed: 0 is out of range (from 5 to 255 for a Fire Key button)");
    doc["modes"]["A"][6]["fire"]["speed"] = 5;
    doc["modes"]["A"][6]["windows"]["usage"] = 0x0192;
    const auto fire = configFromJson(doc.dump());
    ASSERT_TRUE(fire.config) << fire.error;
    EXPECT_EQ(fire.config->functionCode(Mode::A, 6), codeByte(FunctionCode::FireKey));
    EXPECT_EQ(fire.config->buttonField(Mode::A, ButtonField::FireSpeed, 6), 5);
    EXPECT_EQ(fire.config->buttonField(Mode::A, ButtonField::WindowsUsageLow, 6), 0x92);
    EXPECT_EQ(fire.config->buttonField(Mode::A, ButtonField::WindowsUsageHigh, 6), 0x01);
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
    EXPECT_NE(configFromJson("{").error.find("not valid JSON"), std::string::npos);
}

}  // namespace
}  // namespace quorvel
