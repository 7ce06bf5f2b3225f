#include "editors/MessageFilter.h"

#include <gtest/gtest.h>

TEST(MessageFilter, AcceptsLettersDigitsSpaceBackspaceAndEnterOnly) {
    for (char32_t key : {U'A', U'Z', U'a', U'z', U'0', U'9', U' ', char32_t{8}, char32_t{13}})
        EXPECT_TRUE(AcceptMessageKey(key)) << static_cast<unsigned>(key);
    for (char32_t key : {U'-', U'.', U'@', U'[', U'`', U'{', U'/', U':', char32_t{0}, char32_t{9},
                         char32_t{10}, char32_t{127}, char32_t{0xE9}, U'中', U'Ａ'})
        EXPECT_FALSE(AcceptMessageKey(key)) << static_cast<unsigned>(key);
}
