#include "lang/IniFile.h"
#include "lang/TextCodec.h"

#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

const char* const Sample = "; settings\r\n"
                           "[SysInfo]\r\n"
                           "  com  =  COM3  \r\n"
                           "Com=COM9\r\n"
                           "Language=Chinese|English\r\n"
                           "Odd line without equals\r\n"
                           "\r\n"
                           "[sysinfo]\r\n"
                           "Help=Second\r\n"
                           "[Other]\r\n"
                           "Help=Other\r\n";

TEST(IniFile, ReadsWithProfileConventions) {
    TempDir tmp;
    tmp.Write("a.ini", Sample);
    const IniFile ini = IniFile::Load(tmp.Path("a.ini"));
    EXPECT_EQ(ini.LoadError(), "");
    struct Case {
        const char* section;
        const char* key;
        const char* expected;
    };
    for (const Case& c : {
             Case{"SysInfo", "Com", "COM3"},     // case-insensitive key, blanks dropped
             Case{"SYSINFO", "COM", "COM3"},     // first of two duplicates wins
             Case{"SysInfo", "Help", "dflt"},    // only the first matching section counts
             Case{"Other", "help", "Other"},     //
             Case{"SysInfo", "Missing", "dflt"}, //
             Case{"Nowhere", "Com", "dflt"},     //
             Case{"SysInfo", "Odd line without equals", "dflt"},
         }) {
        EXPECT_EQ(ini.ReadString(c.section, c.key, "dflt"), c.expected)
            << c.section << "/" << c.key;
    }
    EXPECT_EQ(ini.Sections(), (std::vector<std::string>{"SysInfo", "sysinfo", "Other"}));
    using Items = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(ini.Items("sysinfo"),
              (Items{{"com", "COM3"}, {"Com", "COM9"}, {"Language", "Chinese|English"}}));
}

TEST(IniFile, MissingFileReadsDefaultsAndIsCreatedOnSave) {
    TempDir tmp;
    IniFile ini = IniFile::Load(tmp.Path("new.ini"));
    EXPECT_EQ(ini.LoadError(), "");
    EXPECT_EQ(ini.ReadString("S", "k", "d"), "d");
    ini.WriteString("SysInfo", "Com", "COM1");
    ini.WriteString("SysInfo", "PicID", "0");
    ASSERT_TRUE(ini.Save().has_value());
    EXPECT_EQ(tmp.Read("new.ini"), "[SysInfo]\nCom=COM1\nPicID=0\n");
}

TEST(IniFile, WritingChangesOnlyTheKeyLine) {
    TempDir tmp;
    tmp.Write("a.ini", Sample);
    IniFile ini = IniFile::Load(tmp.Path("a.ini"));
    ini.WriteString("sysinfo", "COM", "COM1");  // the first duplicate, blanks kept
    ini.WriteString("SysInfo", "PicID", "7");   // appended after the section's last key
    ini.WriteString("Other", "Help", "New");    //
    ini.WriteString("Fresh", "Key", "v\nmore"); // new section; a line break cannot split it
    ASSERT_TRUE(ini.Save().has_value());
    EXPECT_EQ(tmp.Read("a.ini"), "; settings\r\n"
                                 "[SysInfo]\r\n"
                                 "  com  =  COM1\r\n"
                                 "Com=COM9\r\n"
                                 "Language=Chinese|English\r\n"
                                 "PicID=7\r\n"
                                 "Odd line without equals\r\n"
                                 "\r\n"
                                 "[sysinfo]\r\n"
                                 "Help=Second\r\n"
                                 "[Other]\r\n"
                                 "Help=New\r\n"
                                 "[Fresh]\r\n"
                                 "Key=v more\r\n");
}

TEST(IniFile, UnterminatedLastLineGetsAnEndBeforeAppending) {
    TempDir tmp;
    tmp.Write("a.ini", "[S]\na=1");
    IniFile ini = IniFile::Load(tmp.Path("a.ini"));
    ini.WriteString("S", "b", "2");
    EXPECT_EQ(ini.Bytes(), "[S]\na=1\nb=2\n");
}

TEST(IniFile, UnchangedFileIsNotRewritten) {
    TempDir tmp;
    tmp.Write("a.ini", "[S]\na=1\n");
    IniFile ini = IniFile::Load(tmp.Path("a.ini"));
    ini.WriteString("S", "a", "1");
    std::filesystem::remove(tmp.Path("a.ini"));
    ASSERT_TRUE(ini.Save().has_value());
    EXPECT_FALSE(std::filesystem::exists(tmp.Path("a.ini")));
}

TEST(IniFile, GbkFileIsReadAsChineseAndKeepsItsBytes) {
    TempDir tmp;
    // "[SysInfo]", "Chinese=中文|英文" in GBK, a GBK comment, then a key to change.
    const std::string gbk =
        "; \xD6\xD0\xCE\xC4\r\n[SysInfo]\r\nChinese=\xD6\xD0\xCE\xC4|\xD3\xA2\xCE\xC4\r\n"
        "Com=COM2\r\n";
    tmp.Write("g.ini", gbk);
    IniFile ini = IniFile::Load(tmp.Path("g.ini"));
    EXPECT_EQ(ini.ReadString("SysInfo", "Chinese", ""), "中文|英文");
    ini.WriteString("SysInfo", "Com", "COM5");
    ini.WriteString("SysInfo", "Note", "英文");
    ASSERT_TRUE(ini.Save().has_value());
    EXPECT_EQ(tmp.Read("g.ini"),
              "; \xD6\xD0\xCE\xC4\r\n[SysInfo]\r\nChinese=\xD6\xD0\xCE\xC4|\xD3\xA2\xCE\xC4\r\n"
              "Com=COM5\r\nNote=\xD3\xA2\xCE\xC4\r\n");
}

TEST(IniFile, Utf8WithByteOrderMark) {
    TempDir tmp;
    tmp.Write("u.ini", "\xEF\xBB\xBF[Language]\nConfirmation=提示\n");
    const IniFile ini = IniFile::Load(tmp.Path("u.ini"));
    EXPECT_EQ(ini.ReadString("Language", "Confirmation", ""), "提示");
}

TEST(IniFile, UnreadableFileIsNeverSavedOver) {
    TempDir tmp;
    std::filesystem::create_directory(tmp.Path("dir.ini"));
    IniFile ini = IniFile::Load(tmp.Path("dir.ini"));
    EXPECT_NE(ini.LoadError(), "");
    EXPECT_EQ(ini.ReadString("S", "k", "d"), "d");
    ini.WriteString("S", "k", "v");
    const auto saved = ini.Save();
    ASSERT_FALSE(saved.has_value());
    EXPECT_NE(saved.error().Reason.find("dir.ini"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(tmp.Path("dir.ini")));
}

TEST(IniFile, SaveIntoAMissingFolderSaysWhy) {
    TempDir tmp;
    IniFile ini(tmp.Path("no/such/folder/a.ini"));
    ini.WriteString("S", "k", "v");
    const auto saved = ini.Save();
    ASSERT_FALSE(saved.has_value());
    EXPECT_NE(saved.error().Reason.find("no/such/folder"), std::string::npos);
}

TEST(IniFile, FileNamesMatchWithoutCase) {
    TempDir tmp;
    tmp.Write("english.INI", "[Language]\nAll=All\n");
    EXPECT_EQ(FindFileNoCase(tmp.Dir(), "English.Ini"), tmp.Path("english.INI"));
    EXPECT_EQ(FindFileNoCase(tmp.Dir(), "Chinese.Ini"), tmp.Path("Chinese.Ini"));
    EXPECT_EQ(FindFileNoCase(tmp.Path("missing/"), "x.Ini"), tmp.Path("missing/x.Ini"));
}

TEST(TextCodec, Utf8CheckAndGbkRoundTrip) {
    EXPECT_TRUE(IsValidUtf8("plain 中文"));
    for (const char* bad : {"\xD6\xD0", "\xC0\xAF", "\xED\xA0\x80", "\xE4\xB8"}) {
        EXPECT_FALSE(IsValidUtf8(bad)) << bad;
    }
    EXPECT_EQ(Utf8ToGbk("中文!"), "\xD6\xD0\xCE\xC4!");
    EXPECT_EQ(GbkToUtf8("\xD6\xD0\xCE\xC4!"), "中文!");
    // A damaged byte becomes a replacement character; the rest still reads.
    EXPECT_EQ(GbkToUtf8("a\xFF"
                        "b\xD6"),
              "a\xEF\xBF\xBD"
              "b\xEF\xBF\xBD");
}

} // namespace
