#include "app/Maindb.h"

#include <gtest/gtest.h>

TEST(Maindb, StartValues) {
    TfMaindb db("/tmp/kx40/");
    EXPECT_EQ(db.All.AppDir, "/tmp/kx40/");
    EXPECT_EQ(db.All.CurrentChannel, 1);
    EXPECT_EQ(db.All.LanguageName, "Chinese");
    EXPECT_FALSE(db.All.Modified);
}
