#include "app/AtomicFile.h"

#include "TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

TEST(AtomicFile, ReplacesContentAndKeepsPermissions) {
    TempDir tmp;
    tmp.Write("a.dat", "old content");
    ::chmod(tmp.Path("a.dat").c_str(), 0640);
    ASSERT_TRUE(WriteFileAtomic(tmp.Path("a.dat"), "new").has_value());
    EXPECT_EQ(tmp.Read("a.dat"), "new");
    EXPECT_EQ(fs::status(tmp.Path("a.dat")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(std::distance(fs::directory_iterator(tmp.Dir()), fs::directory_iterator()), 1);
}

TEST(AtomicFile, WritesThroughASymbolicLink) {
    TempDir tmp;
    tmp.Write("real.ini", "old");
    fs::create_symlink(tmp.Path("real.ini"), tmp.Path("link.ini"));
    ASSERT_TRUE(WriteFileAtomic(tmp.Path("link.ini"), "new").has_value());
    EXPECT_TRUE(fs::is_symlink(tmp.Path("link.ini")));
    EXPECT_EQ(tmp.Read("real.ini"), "new");
}

TEST(AtomicFile, FailureLeavesTheTargetAndNoTemporaryFile) {
    TempDir tmp;
    tmp.Write("busy/inside", "keep");
    const auto result = WriteFileAtomic(tmp.Path("busy"), "new");
    ASSERT_FALSE(result.has_value());
    EXPECT_NE(result.error().Reason.find("busy"), std::string::npos);
    EXPECT_EQ(tmp.Read("busy/inside"), "keep");
    EXPECT_EQ(std::distance(fs::directory_iterator(tmp.Dir()), fs::directory_iterator()), 1);
}

} // namespace
