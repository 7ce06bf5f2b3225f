#include "radio/Result.h"

#include <gtest/gtest.h>

#include <string>

TEST(Result, CarriesValueOrReason) {
    Result<int> good = 7;
    ASSERT_TRUE(good);
    EXPECT_EQ(*good, 7);

    Result<std::string> bad = Error{"not a number"};
    ASSERT_FALSE(bad);
    EXPECT_EQ(bad.error().Reason, "not a number");

    Result<void> done;
    EXPECT_TRUE(done);
    Result<void> failed = Error{"disk full"};
    ASSERT_FALSE(failed);
    EXPECT_EQ(failed.error().Reason, "disk full");
}
