#include "platform/win32/files_win32.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "config/config_file.h"
#include "config/ini_file.h"
#include "config/settings_file.h"
#include "macro/macro_library.h"
#include "platform/win32/unique_handle.h"
#include "support/recording_message_box.h"
#include "support/replace_step_hooks.h"

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

fs::path pathOf(const std::string& utf8Path) {
    return fs::path(std::u8string(utf8Path.begin(), utf8Path.end()));
}

std::vector<std::uint8_t> bytesOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST_F(Win32FilesTest, AFailedStepOfTheReplaceKeepsTheConfigFileWhole) {
    const fs::path target = directory / "config.bin";
    const std::vector<std::uint8_t> old(config_file::kSize, 0x44);
    const ProgramPaths paths = ProgramPaths::fromExecutable(utf8(directory / "QuorvelMouse.exe"));
    ASSERT_FALSE(files.replace(utf8(target), old).has_value());
    testing::RecordingSteps recording;
    ASSERT_FALSE(win32::Win32FilesPort(&recording).replace(utf8(target), old).has_value());
    // The Win32 flush reaches the disk: there is no separate sync.
    EXPECT_EQ(recording.steps,
              (std::vector<ReplaceStep>{ReplaceStep::CheckWritable, ReplaceStep::CreateTemporary,
                                        ReplaceStep::Write, ReplaceStep::Flush, ReplaceStep::Close,
                                        ReplaceStep::Rename}));
    for (const ReplaceStep step : recording.steps) {
        SCOPED_TRACE(std::string(replaceStepName(step)));
        ASSERT_FALSE(files.replace(utf8(target), old).has_value());
        testing::FailingStep failing(step, ERROR_DISK_FULL);
        win32::Win32FilesPort failingFiles(&failing);
        testing::RecordingMessageBox messages;
        saveConfigFile(failingFiles, messages, paths, MouseConfig{});
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text, "Error Code is: 112 \n");
        EXPECT_EQ(bytesOf(target), old);
        EXPECT_FALSE(fs::exists(directory / "config.bin.tmp"));
    }
}

TEST_F(Win32FilesTest, ReadOnlySettingsAndMacroFilesKeepTheirContent) {
    const ProgramPaths paths = ProgramPaths::fromExecutable(utf8(directory / "QuorvelMouse.exe"));
    const std::string settings = "[Setting-EN]\r\nItem1=Left Click\r\n";
    const std::string record = "[Copy]\r\nItemCount=1\r\nItem0=C   Dn\r\n";
    std::ofstream(pathOf(paths.settingsFile), std::ios::binary) << settings;
    std::ofstream(pathOf(paths.recordFile), std::ios::binary) << record;
    for (const std::string& path : {paths.settingsFile, paths.recordFile})
        ASSERT_TRUE(SetFileAttributesW(win32::widePath(path).c_str(), FILE_ATTRIBUTE_READONLY));

    IniFile ini(files, paths.settingsFile);
    EXPECT_FALSE(writeButtonLabels(ini, kEnglishSection, defaultButtonLabels()));
    EXPECT_FALSE(writeSkinChoice(ini, {Colour{1, 2, 3}, "Ember"}));
    MouseConfig config;
    MacroLibrary library(files, paths.recordFile, config);
    const std::vector<std::string> items = {"V   Dn"};
    EXPECT_EQ(library.writeMacro("Paste", items).status, MacroFileStatus::WriteFailed);
    EXPECT_EQ(library.deleteMacro("Copy"), MacroFileStatus::WriteFailed);

    const auto text = [](const std::string& path) {
        const auto bytes = bytesOf(pathOf(path));
        return std::string(bytes.begin(), bytes.end());
    };
    EXPECT_EQ(text(paths.settingsFile), settings);
    EXPECT_EQ(text(paths.recordFile), record);
    for (const std::string& path : {paths.settingsFile, paths.recordFile})
        SetFileAttributesW(win32::widePath(path).c_str(), FILE_ATTRIBUTE_NORMAL);
}

// Another program holds the file open without sharing it: the save is refused with the
// system's code, and the file keeps what it had.
TEST_F(Win32FilesTest, LockedConfigFileIsRefusedWithTheSystemsCode) {
    const fs::path target = directory / "config.bin";
    const std::vector<std::uint8_t> old(config_file::kSize, 0x55);
    ASSERT_FALSE(files.replace(utf8(target), old).has_value());
    win32::UniqueKernelHandle lock(CreateFileW(target.wstring().c_str(), GENERIC_READ, 0, nullptr,
                                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(lock.valid());
    testing::RecordingMessageBox messages;
    const ProgramPaths paths = ProgramPaths::fromExecutable(utf8(directory / "QuorvelMouse.exe"));
    saveConfigFile(files, messages, paths, MouseConfig{});
    ASSERT_TRUE(lock.close());
    ASSERT_EQ(messages.shown.size(), 1u);
    // Access denied where the rename meets the open file, a sharing violation elsewhere.
    EXPECT_THAT(messages.shown[0].text,
                ::testing::AnyOf("Error Code is: 5 \n", "Error Code is: 32 \n"));
    EXPECT_EQ(messages.shown[0].caption, "NULL ==fp ");
    EXPECT_EQ(bytesOf(target), old);
    EXPECT_FALSE(fs::exists(directory / "config.bin.tmp"));
}

}  // namespace
}  // namespace quorvel
