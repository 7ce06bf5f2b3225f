#include "lang/Language.h"

#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

TEST(Language, BuiltInTextsWithoutAFile) {
    TempDir tmp;
    TLanguage texts;
    texts.ComError = "stale";
    LoadLanguage(texts, tmp.Dir(), "English");
    const TLanguage builtIn;
    for (const auto& [key, member] : LanguageKeys) {
        EXPECT_EQ(texts.*member, builtIn.*member) << key;
    }
    EXPECT_EQ(builtIn.Confirmation, "\xE6\x8F\x90\xE7\xA4\xBA"); // 提示 in UTF-8
    EXPECT_EQ(builtIn.ModError, "机型错误!");
    EXPECT_EQ(builtIn.OutRange, "频率超出范围！");
}

TEST(Language, PartialFileChangesOnlyItsKeys) {
    TempDir tmp;
    tmp.Write("English.Ini", "[Language]\ncomerror = Check the cable!\n[fMainFrm]\nOpen=x\n");
    TLanguage texts;
    LoadLanguage(texts, tmp.Dir(), "English");
    const TLanguage builtIn;
    for (const auto& [key, member] : LanguageKeys) {
        EXPECT_EQ(texts.*member, key == "ComError" ? "Check the cable!" : builtIn.*member) << key;
    }
}

TEST(Language, EmptyNameReadsTheFileDotIni) {
    TempDir tmp;
    tmp.Write(".Ini", "[Language]\nAll=Everything\n");
    TLanguage texts;
    LoadLanguage(texts, tmp.Dir(), "");
    EXPECT_EQ(texts.All, "Everything");
}

} // namespace
