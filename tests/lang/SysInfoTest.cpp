#include "lang/SysInfo.h"

#include "app/TALL.h"

#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

TALL StateIn(const TempDir& tmp) {
    TALL all;
    all.AppDir = tmp.Dir();
    return all;
}

TEST(SysInfo, WithoutFileEverySettingIsItsDefaultAndExitCreatesTheFile) {
    TempDir tmp;
    TALL all = StateIn(tmp);
    LoadSysInfo(all);
    EXPECT_EQ(all.ComPort, "Com1");
    EXPECT_EQ(all.LanguageIndex, 0);
    EXPECT_EQ(all.LanguageName, "Chinese");
    EXPECT_EQ(all.HelpName, "VQ");
    EXPECT_EQ(all.PicId, 1);
    all.ComPort = "COM1";
    ASSERT_TRUE(SaveSysInfo(all).has_value());
    EXPECT_EQ(tmp.Read("SysInfo.Ini"), "[SysInfo]\nCom=COM1\nDefaultLanguage=0\nPicID=0\n");
}

TEST(SysInfo, ValuesAndTheirFallbacks) {
    struct Case {
        const char* body;
        std::int32_t index;
        const char* name;
        std::int32_t picId;
    };
    for (const Case& c : {
             Case{"DefaultLanguage=1", 1, "English", 1},
             Case{"DefaultLanguage=2", 2, "", 1},
             Case{"DefaultLanguage=-1", -1, "", 1},
             Case{"DefaultLanguage=x", 0, "Chinese", 1},
             Case{"DefaultLanguage=1.0", 0, "Chinese", 1},
             Case{"DefaultLanguage=99999999999", 0, "Chinese", 1},
             Case{"Language=English|Chinese\nDefaultLanguage=0", 0, "English", 1},
             Case{"Language=A||B\nDefaultLanguage=1", 1, "", 1},
             Case{"Language=A||B\nDefaultLanguage=2", 2, "B", 1},
             Case{"Language=A|B|\nDefaultLanguage=2", 2, "", 1},
             Case{"PicID=7", 0, "Chinese", 8},
             Case{"PicID=", 0, "Chinese", 1},
             Case{"PicID=+3", 0, "Chinese", 4},
             Case{"PicID=2147483647", 0, "Chinese", 1},
             Case{"PicID=-2147483648", 0, "Chinese", -2147483647},
         }) {
        TempDir tmp;
        tmp.Write("SysInfo.Ini", std::string("[SysInfo]\n") + c.body + "\n");
        TALL all = StateIn(tmp);
        LoadSysInfo(all);
        EXPECT_EQ(all.LanguageIndex, c.index) << c.body;
        EXPECT_EQ(all.LanguageName, c.name) << c.body;
        EXPECT_EQ(all.PicId, c.picId) << c.body;
    }
}

TEST(SysInfo, SaveWritesItsThreeKeysAndKeepsTheRest) {
    TempDir tmp;
    const std::string before = "[SysInfo]\r\n"
                               "Com=Com4\r\n"
                               "; chosen by the dealer\r\n"
                               "Language=Chinese|English\r\n"
                               "English=Chinese|English\r\n"
                               "PicID=7\r\n"
                               "Help=VQ\r\n"
                               "[Ports]\r\n"
                               "COM3=/dev/ttyUSB0\r\n";
    tmp.Write("SysInfo.Ini", before);
    TALL all = StateIn(tmp);
    LoadSysInfo(all);
    EXPECT_EQ(all.ComPort, "Com4");
    EXPECT_EQ(all.PicId, 8);
    all.ComPort = "COM2";
    all.LanguageIndex = 1;
    ASSERT_TRUE(SaveSysInfo(all).has_value());
    EXPECT_EQ(tmp.Read("SysInfo.Ini"), "[SysInfo]\r\n"
                                       "Com=COM2\r\n"
                                       "; chosen by the dealer\r\n"
                                       "Language=Chinese|English\r\n"
                                       "English=Chinese|English\r\n"
                                       "PicID=7\r\n"
                                       "Help=VQ\r\n"
                                       "DefaultLanguage=1\r\n"
                                       "[Ports]\r\n"
                                       "COM3=/dev/ttyUSB0\r\n");
}

TEST(SysInfo, ListSplitting) {
    using V = std::vector<std::string>;
    EXPECT_EQ(SplitList("Chinese|English"), (V{"Chinese", "English"}));
    EXPECT_EQ(SplitList("A||B"), (V{"A", "", "B"}));
    EXPECT_EQ(SplitList("A|B|"), (V{"A", "B"}));
    EXPECT_EQ(SplitList("|A"), (V{"", "A"}));
    EXPECT_EQ(SplitList(""), V{});
}

TEST(SysInfo, LanguageListsAppendInTheCurrentLanguage) {
    TempDir tmp;
    TALL all = StateIn(tmp);
    std::vector<std::string> display{"kept"};
    std::vector<std::string> names;
    ReadLanguageLists(all, display, names);
    EXPECT_EQ(display, (std::vector<std::string>{"kept", "中文", "英文"}));
    EXPECT_EQ(names, (std::vector<std::string>{"Chinese", "English"}));

    tmp.Write("SysInfo.Ini",
              "[SysInfo]\nLanguage=Chinese|English|French\nEnglish=Chinese|English\n");
    all.LanguageName = "English";
    display.clear();
    names.clear();
    ReadLanguageLists(all, display, names);
    EXPECT_EQ(display, (std::vector<std::string>{"Chinese", "English"}));
    EXPECT_EQ(names, (std::vector<std::string>{"Chinese", "English", "French"}));
}

TEST(SysInfo, ReadOnlyProgramFolderUsesThePerUserFileSeededFromTheShippedOne) {
    TempDir program;
    TempDir config;
    program.Write("SysInfo.Ini", "[SysInfo]\nLanguage=Chinese|English\nDefaultLanguage=1\n");

    IniFile first = OpenSysInfo(program.Dir(), false, config.Dir() + "cfg");
    EXPECT_EQ(first.Path(), config.Path("cfg/kx40/SysInfo.Ini"));
    EXPECT_EQ(first.ReadString("SysInfo", "DefaultLanguage", ""), "1");
    first.WriteString("SysInfo", "DefaultLanguage", "0");
    std::filesystem::create_directories(config.Path("cfg/kx40"));
    ASSERT_TRUE(first.Save().has_value());

    EXPECT_EQ(program.Read("SysInfo.Ini"),
              "[SysInfo]\nLanguage=Chinese|English\nDefaultLanguage=1\n");
    const IniFile again = OpenSysInfo(program.Dir(), false, config.Dir() + "cfg");
    EXPECT_EQ(again.ReadString("SysInfo", "DefaultLanguage", ""), "0");
    EXPECT_EQ(OpenSysInfo(program.Dir(), true, config.Dir() + "cfg").Path(),
              program.Path("SysInfo.Ini"));
}

TEST(SysInfo, UserConfigHomeFollowsXdg) {
    const std::string saved = std::getenv("XDG_CONFIG_HOME") ? std::getenv("XDG_CONFIG_HOME") : "";
    ::setenv("XDG_CONFIG_HOME", "/x/cfg", 1);
    EXPECT_EQ(UserConfigHome(), "/x/cfg");
    ::setenv("XDG_CONFIG_HOME", "relative", 1);
    EXPECT_EQ(UserConfigHome(), std::string(std::getenv("HOME")) + "/.config");
    ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
}

} // namespace
