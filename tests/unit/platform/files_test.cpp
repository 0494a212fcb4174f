#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

#include "model/model_test_support.h"
#include "platform/Files.h"

namespace kv {
namespace {

TEST(Files, ReplaceWritesTheExactBytesAndLeavesNoTemporaryFile) {
    TempFolder folder;
    const std::string path = folder.File("list.lis");
    const std::string bytes("a\r\n\0b\xff", 6);
    std::string error;
    ASSERT_TRUE(ReplaceFileSafely(path, bytes, error)) << error;
    ASSERT_TRUE(ReplaceFileSafely(path, "shorter", error)) << error;
    std::string read;
    ASSERT_TRUE(ReadWholeFile(path, read, error)) << error;
    EXPECT_EQ(read, "shorter");
    ASSERT_TRUE(ReplaceFileSafely(path, bytes, error)) << error;
    ASSERT_TRUE(ReadWholeFile(path, read, error)) << error;
    EXPECT_EQ(read, bytes);
    EXPECT_FALSE(Exists(path + ".tmp"));
}

TEST(Files, ReadOfAMissingFileGivesTheSystemsMessage) {
    TempFolder folder;
    std::string content = "stale", error;
    EXPECT_FALSE(ReadWholeFile(folder.File("missing"), content, error));
    EXPECT_EQ(error, "No such file or directory");
    EXPECT_TRUE(content.empty());
    EXPECT_FALSE(PathExists(folder.File("missing")));
}

// A disk that fills up in the middle of the write: the old file survives.
TEST(Files, WriteFailingHalfwayLeavesTheOldFile) {
    TempFolder folder;
    const std::string path = folder.File("list.lis");
    WriteBytes(path, "previous");

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 16;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string error;
    const bool written = ReplaceFileSafely(path, std::string(4096, 'x'), error);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(error, "File too large");
    EXPECT_EQ(ReadBytes(path), "previous");
    EXPECT_FALSE(Exists(path + ".tmp"));
}

TEST(Files, ReplacingAFolderFailsAndRemovesTheTemporaryFile) {
    TempFolder folder;
    const std::string path = folder.File("target");
    std::filesystem::create_directory(path);
    std::string error;
    EXPECT_FALSE(ReplaceFileSafely(path, "x", error));
    EXPECT_EQ(error, "Is a directory");
    EXPECT_FALSE(Exists(path + ".tmp"));
}

TEST(Files, CopyTellsWhichSideFailed) {
    TempFolder folder;
    const std::string from = folder.File("from"), to = folder.File("to");
    std::string error;
    bool readFailed = false;
    EXPECT_FALSE(CopyFileSafely(from, to, error, readFailed));
    EXPECT_TRUE(readFailed);

    WriteBytes(from, "content\r\n");
    EXPECT_FALSE(CopyFileSafely(from, folder.File("no/such/folder"), error, readFailed));
    EXPECT_FALSE(readFailed);

    WriteBytes(to, "older and longer content");
    ASSERT_TRUE(CopyFileSafely(from, to, error, readFailed)) << error;
    EXPECT_EQ(ReadBytes(to), "content\r\n");
}

}  // namespace
}  // namespace kv
