#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "platform/posix/disk_sync_posix.h"

namespace quorvel {
namespace {

TEST(PosixDiskSync, AFileAndItsDirectorySyncAndAMissingPathSaysWhy) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::path(::testing::TempDir()) / "disk_sync_posix";
    fs::create_directories(dir);
    StdFilesPort plain;
    ASSERT_EQ(plain.replace((dir / "f.bin").string(), {1, 2, 3}), std::nullopt);

    posix::PosixDiskSync disk;
    EXPECT_EQ(disk.sync((dir / "f.bin").string()), std::nullopt);
    EXPECT_EQ(disk.sync(dir.string()), std::nullopt);
    const std::optional<FileError> missing = disk.sync((dir / "none").string());
    ASSERT_TRUE(missing.has_value());
    EXPECT_EQ(missing->systemCode, ENOENT);

    StdFilesPort synced(nullptr, &disk);
    EXPECT_EQ(synced.replace((dir / "f.bin").string(), {4}), std::nullopt);
    EXPECT_EQ(synced.read((dir / "f.bin").string()), std::vector<std::uint8_t>{4});
    fs::remove_all(dir);
}

}  // namespace
}  // namespace quorvel
