#include "config/install_data.h"

#include <gtest/gtest.h>

#include <set>

#include "config/config_file.h"
#include "config/dpi_tables.h"
#include "config/ini_file.h"
#include "config/settings_file.h"
#include "ports/std_files.h"
#include "support/fake_files.h"
#include "support/recording_message_box.h"

namespace quorvel {
namespace {

std::vector<std::uint8_t> committed(const char* name) {
    StdFilesPort files;
    return files.read(std::string(QUORVEL_SOURCE_DIR) + "/data/" + name)
        .value_or(std::vector<std::uint8_t>{});
}

TEST(InstallDataTest, CommittedFilesAreWhatTheToolMakes) {
    EXPECT_EQ(committed("config.bin"), defaultConfigFileBytes()) << "run make_default_config data";
    EXPECT_EQ(committed("str.ini"), defaultSettingsFileBytes()) << "run make_default_config data";
}

TEST(InstallDataTest, DefaultConfigLoadsAsAFirstRun) {
    testing::FakeFiles files;
    testing::RecordingMessageBox messages;
    const auto paths = ProgramPaths::fromExecutable("C:\\q\\QuorvelMouse.exe");
    files.files[paths.configFile] = defaultConfigFileBytes();
    MouseConfig config;
    const auto state = loadConfigFile(files, messages, paths, config);
    EXPECT_EQ(state.firstRunFlag, 0);
    EXPECT_FALSE(state.diagnostic.empty());
    EXPECT_EQ(config, defaultInstallRecord());

    for (const Mode mode : {Mode::A, Mode::B}) {
        for (int button = 0; button < kButtonCount; ++button) {
            EXPECT_EQ(config.functionCode(mode, button),
                      kDefaultFunctionCodes[static_cast<std::size_t>(button)]);
        }
        EXPECT_EQ(dpiSwitchName(config.dpiSwitchParameter(mode, 5)), "DPI Loop");
    }
    EXPECT_EQ(config.reportRate(), 1);
    std::set<std::uint8_t> indexes;
    std::set<std::tuple<int, int, int>> colours;
    for (int stage = 1; stage <= kStageCount; ++stage) {
        EXPECT_TRUE(config.stageEnabled(stage));
        EXPECT_FALSE(dpiTextOfStage(config, stage, 1).empty());  // valid for every sensor
        indexes.insert(config.dpiValueIndex(stage));
        const Colour c = config.stageColour(stage);
        colours.insert({c.red, c.green, c.blue});
    }
    EXPECT_EQ(indexes.size(), 4u);
    EXPECT_EQ(colours.size(), 4u);
    EXPECT_EQ(config.lightingMode(), 1);
    EXPECT_LE(config.standardParameter(), 9);
    EXPECT_EQ(config.neonEffect(), 2);
    EXPECT_EQ(config.pointerSetting(pointer_settings::kPrecision), 1);
    EXPECT_EQ(config.pointerSetting(pointer_settings::kScreenPerNotch), 0);
    // Speed position 6 writes 10, the middle of 1..20; position 6 is what 500 ms reads as.
    EXPECT_EQ(config.pointerSetting(pointer_settings::kSpeedPosition), 6);
    EXPECT_EQ(config.pointerSetting(pointer_settings::kScrollLinesPosition), 3);
    EXPECT_EQ(config.pointerSetting(pointer_settings::kDoubleClickPosition), 6);
    EXPECT_EQ(config.shownMode(), Mode::A);
}

TEST(InstallDataTest, DefaultSettingsHoldSkinColourAndLabelsOfEveryLanguage) {
    testing::FakeFiles files;
    files.files["str.ini"] = defaultSettingsFileBytes();
    ASSERT_GE(files.files["str.ini"].size(), 2u);
    EXPECT_EQ(files.files["str.ini"][0], 0xFF);
    EXPECT_EQ(files.files["str.ini"][1], 0xFE);
    IniFile ini(files, "str.ini");
    EXPECT_EQ(readLanguageCode(ini), "");
    EXPECT_EQ(ini.keyNames("Skins"),
              (std::vector<std::string>{"Lan", "Path", "RColor", "GColor", "BColor"}));
    const SettingsTexts english = readSettings(ini, "Setting-EN");
    EXPECT_EQ(english.skinName, "Default");
    EXPECT_EQ(english.red, "230");
    EXPECT_EQ(english.labels, defaultButtonLabels());
    const SettingsTexts simplified = readSettings(ini, "Setting-CHS");
    EXPECT_EQ(simplified.labels.label(Mode::A, 0), "左键");
    EXPECT_EQ(simplified.labels.label(Mode::B, 7), "按键关闭");
    const SettingsTexts traditional = readSettings(ini, "Setting-CHT");
    EXPECT_EQ(traditional.labels.label(Mode::A, 4), "後退方向鍵");
    EXPECT_EQ(traditional.labels.label(Mode::A, 5), "DPI Loop");
    EXPECT_EQ(traditional.labels.label(Mode::B, 6), "按鍵關閉");
}

}  // namespace
}  // namespace quorvel
