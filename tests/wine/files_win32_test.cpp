#include "platform/win32/files_win32.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "config/config_file.h"
#include "config/ini_file.h"
#include "support/recording_message_box.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;

std::string utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

class Win32FilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        directory = fs::temp_directory_path() / "quorvel-win32-files";
        fs::create_directories(directory);
    }
    void TearDown() override {
        std::error_code ignored;
        for (const auto& entry : fs::directory_iterator(directory, ignored)) {
            fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add, ignored);
        }
        fs::remove_all(directory, ignored);
    }
    fs::path directory;
    win32::Win32FilesPort files;
};

TEST_F(Win32FilesTest, ReplaceOverwritesAndHandlesNonAsciiPaths) {
    const std::string target = utf8(directory / u8"配置 config.bin");
    EXPECT_FALSE(files.exists(target));
    EXPECT_FALSE(files.replace(target, {1, 2}).has_value());
    EXPECT_FALSE(files.replace(target, {3}).has_value());
    EXPECT_EQ(files.read(target), (std::vector<std::uint8_t>{3}));
    EXPECT_TRUE(fs::exists(directory / u8"配置 config.bin"));
    EXPECT_FALSE(fs::exists(directory / u8"配置 config.bin.tmp"));
}

TEST_F(Win32FilesTest, WriteProtectedConfigFileShowsAccessDenied) {
    const fs::path target = directory / "config.bin";
    const std::vector<std::uint8_t> old(config_file::kSize, 0x33);
    ASSERT_FALSE(files.replace(utf8(target), old).has_value());
    fs::permissions(target,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    testing::RecordingMessageBox messages;
    ProgramPaths paths = ProgramPaths::fromExecutable(utf8(directory / "QuorvelMouse.exe"));
    saveConfigFile(files, messages, paths, MouseConfig{});
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Error Code is: 5 \n");
    EXPECT_EQ(messages.shown[0].caption, "NULL ==fp ");
    EXPECT_EQ(files.read(utf8(target)), old);
}

TEST_F(Win32FilesTest, SaveOverAnExistingFileSetsTheFlag) {
    const fs::path target = directory / "config.bin";
    ASSERT_FALSE(
        files.replace(utf8(target), std::vector<std::uint8_t>(config_file::kSize, 0)).has_value());
    testing::RecordingMessageBox messages;
    const ProgramPaths paths = ProgramPaths::fromExecutable(utf8(directory / "QuorvelMouse.exe"));
    MouseConfig config;
    config.setReportRate(4);
    saveConfigFile(files, messages, paths, config);
    EXPECT_TRUE(messages.shown.empty());
    const auto bytes = files.read(utf8(target));
    ASSERT_TRUE(bytes && bytes->size() == config_file::kSize);
    EXPECT_EQ((*bytes)[0], 1);
    EXPECT_EQ((*bytes)[config_file::kRecord + record::kReportRate], 4);
}

}  // namespace
}  // namespace quorvel
