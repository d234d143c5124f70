#include "config/config_file.h"

#include <gtest/gtest.h>

#include "support/fake_files.h"
#include "support/recording_message_box.h"

namespace quorvel {
namespace {

using testing::FakeFiles;
using testing::RecordingMessageBox;
using testing::ShownMessage;

TEST(ProgramPathsTest, FilesLieInTheExecutablesDirectoryWhateverItsName) {
    const auto paths = ProgramPaths::fromExecutable("C:\\Games\\Mouse\\Renamed Tool.exe");
    EXPECT_EQ(paths.configFile, "C:\\Games\\Mouse\\config.bin");
    EXPECT_EQ(paths.recordFile, "C:\\Games\\Mouse\\record.ini");
    EXPECT_EQ(paths.settingsFile, "C:\\Games\\Mouse\\str.ini");
    EXPECT_EQ(ProgramPaths::fromExecutable("/opt/q/QuorvelMouse.exe").settingsFile,
              "/opt/q/str.ini");
    EXPECT_EQ(ProgramPaths::fromExecutable("QuorvelMouse.exe").configFile, "config.bin");
}

class ConfigFileTest : public ::testing::Test {
  protected:
    FakeFiles files;
    RecordingMessageBox messages;
    ProgramPaths paths = ProgramPaths::fromExecutable("C:\\q\\QuorvelMouse.exe");
    MouseConfig config;

    std::vector<std::uint8_t> patterned(std::uint8_t flag) {
        std::vector<std::uint8_t> bytes(config_file::kSize);
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            bytes[i] = static_cast<std::uint8_t>(i * 7 + 3);
        }
        bytes[0] = flag;
        return bytes;
    }
    const std::vector<ShownMessage> missing = {{"Config file is not exist.", "QuorvelMouse"}};
};

TEST_F(ConfigFileTest, LoadCopiesTheRecordAndKeepsTheFlag) {
    files.files[paths.configFile] = patterned(0);
    const auto state = loadConfigFile(files, messages, paths, config);
    EXPECT_EQ(state.firstRunFlag, 0);
    EXPECT_EQ(config.bytes()[0], patterned(0)[1]);
    EXPECT_EQ(config.bytes()[record::kSize - 1], patterned(0)[config_file::kSize - 1]);
    EXPECT_EQ(state.diagnostic, "Prpgram First Run Flag:0\nRead Size is: 1849");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ConfigFileTest, MissingFileAtLoadIsReportedAndLeavesTheRecord) {
    const auto state = loadConfigFile(files, messages, paths, config);
    EXPECT_EQ(messages.shown, missing);
    EXPECT_EQ(state.firstRunFlag, 0);
    EXPECT_EQ(config, MouseConfig{});
    EXPECT_TRUE(files.files.empty());
}

TEST_F(ConfigFileTest, WrongSizeOrUnreadableFileIsIgnoredSilently) {
    for (const std::size_t size : {std::size_t{0}, std::size_t{1849}, std::size_t{1851}}) {
        SCOPED_TRACE(size);
        auto bytes = patterned(1);
        bytes.resize(size, 0xAB);
        files.files[paths.configFile] = bytes;
        const auto state = loadConfigFile(files, messages, paths, config);
        EXPECT_EQ(state.firstRunFlag, 0);
        EXPECT_TRUE(state.diagnostic.empty());
        EXPECT_EQ(config, MouseConfig{});
    }
    files.files[paths.configFile] = patterned(1);
    files.unreadable.insert(paths.configFile);
    EXPECT_EQ(loadConfigFile(files, messages, paths, config).firstRunFlag, 0);
    EXPECT_EQ(config, MouseConfig{});
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ConfigFileTest, SavingTwiceGivesTheSameFileWithFlagOne) {
    files.files[paths.configFile] = patterned(0);
    const auto state = loadConfigFile(files, messages, paths, config);
    EXPECT_EQ(saveConfigFile(files, messages, paths, config),
              "Data num:1 BYTE -1849 BYTE\n Struct size:1849 BYTE");
    const auto first = files.files.at(paths.configFile);
    saveConfigFile(files, messages, paths, config);
    EXPECT_EQ(files.files.at(paths.configFile), first);
    ASSERT_EQ(first.size(), 1850u);
    EXPECT_EQ(first[0], 1);
    EXPECT_TRUE(std::equal(first.begin() + 1, first.end(), patterned(0).begin() + 1));
    EXPECT_EQ(state.firstRunFlag, 0);  // the loaded flag does not follow the save
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ConfigFileTest, ReservedBytesPassThroughLoadAndSave) {
    auto bytes = std::vector<std::uint8_t>(config_file::kSize, 0);
    const std::size_t reserved[] = {128, 129, 130, 131, 132, 134, 162};
    for (const std::size_t offset : reserved) {
        bytes[config_file::kRecord + offset] = static_cast<std::uint8_t>(0xA0 + offset % 16);
    }
    files.files[paths.configFile] = bytes;
    loadConfigFile(files, messages, paths, config);
    config.setReportRate(2);  // an edit elsewhere in the record
    saveConfigFile(files, messages, paths, config);
    const auto& saved = files.files.at(paths.configFile);
    for (const std::size_t offset : reserved) {
        EXPECT_EQ(saved[config_file::kRecord + offset], bytes[config_file::kRecord + offset])
            << offset;
    }
    EXPECT_EQ(saved[config_file::kRecord + record::kReportRate], 2);
}

TEST_F(ConfigFileTest, SaveNeverCreatesAMissingFile) {
    config.setReportRate(1);
    EXPECT_EQ(saveConfigFile(files, messages, paths, config), "");
    EXPECT_EQ(messages.shown, missing);
    EXPECT_TRUE(files.files.empty());
    EXPECT_EQ(files.replaces, 0);
}

TEST_F(ConfigFileTest, FailedWriteShowsTheCodeAndKeepsTheOldContent) {
    files.files[paths.configFile] = patterned(0);
    files.failReplaceWith = 5;
    config.setReportRate(8);
    EXPECT_EQ(saveConfigFile(files, messages, paths, config), "");
    EXPECT_EQ(messages.shown, (std::vector<ShownMessage>{{"Error Code is: 5 \n", "NULL ==fp "}}));
    EXPECT_EQ(files.files.at(paths.configFile), patterned(0));
}

}  // namespace
}  // namespace quorvel
