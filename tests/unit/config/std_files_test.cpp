#include "ports/std_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "config/config_file.h"
#include "support/recording_message_box.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;

class StdFilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        directory = fs::temp_directory_path() /
                    ("quorvel-files-" +
                     std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(directory);
        fs::create_directories(directory);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(directory / "locked.bin", fs::perms::owner_write, fs::perm_options::add,
                        ignored);
        fs::remove_all(directory, ignored);
    }
    std::string path(const char* name) const { return (directory / name).string(); }

    fs::path directory;
    StdFilesPort files;
};

TEST_F(StdFilesTest, ReplaceCreatesOverwritesAndLeavesNoTemporary) {
    const std::string target = path("config.bin");
    EXPECT_FALSE(files.exists(target));
    EXPECT_FALSE(files.read(target).has_value());
    EXPECT_FALSE(files.replace(target, {1, 2, 3}).has_value());
    EXPECT_TRUE(files.exists(target));
    EXPECT_EQ(files.read(target), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_FALSE(files.replace(target, {9}).has_value());
    EXPECT_EQ(files.read(target), (std::vector<std::uint8_t>{9}));
    EXPECT_FALSE(fs::exists(target + ".tmp"));
    EXPECT_FALSE(files.exists(directory.string()));  // a directory is no file
}

TEST_F(StdFilesTest, ReplaceIntoAMissingDirectoryFailsWithACode) {
    const auto error = files.replace(path("no-such-dir/config.bin"), {1});
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->systemCode, 0);
}

TEST_F(StdFilesTest, WriteProtectedConfigFileKeepsItsContent) {
    const std::string target = path("locked.bin");
    const std::vector<std::uint8_t> old(config_file::kSize, 0x5A);
    ASSERT_FALSE(files.replace(target, old).has_value());
    fs::permissions(target,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    if (std::ofstream(target, std::ios::app)) {
        GTEST_SKIP() << "running with rights that ignore write protection";
    }
    testing::RecordingMessageBox messages;
    ProgramPaths paths = ProgramPaths::fromExecutable(path("QuorvelMouse.exe"));
    paths.configFile = target;
    saveConfigFile(files, messages, paths, MouseConfig{});
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, "NULL ==fp ");
    EXPECT_EQ(messages.shown[0].text, "Error Code is: " + std::to_string(EACCES) + " \n");
    EXPECT_EQ(files.read(target), old);
}

}  // namespace
}  // namespace quorvel
