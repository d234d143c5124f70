#include "cli/config_io.h"

#include <gtest/gtest.h>

#include "support/fake_files.h"

namespace quorvel {
namespace {

// A file that cannot be written keeps its content, and no backup of it is left behind.
TEST(ConfigIoTest, AFailedSaveLeavesNoBackup) {
    testing::FakeFiles files;
    files.put("config.bin", "old");
    files.failReplaceWith = 13;
    const auto failed = cli::saveFileWithBackup(files, "config.bin", {'n', 'e', 'w'});
    EXPECT_FALSE(failed.saved);
    EXPECT_FALSE(failed.error.empty());
    EXPECT_EQ(files.text("config.bin"), "old");
    EXPECT_FALSE(files.exists("config.bin.bak"));

    files.failReplaceWith = 0;
    const auto saved = cli::saveFileWithBackup(files, "config.bin", {'n', 'e', 'w'});
    EXPECT_TRUE(saved.saved && saved.backedUp);
    EXPECT_EQ(files.text("config.bin"), "new");
    EXPECT_EQ(files.text("config.bin.bak"), "old");
}

}  // namespace
}  // namespace quorvel
