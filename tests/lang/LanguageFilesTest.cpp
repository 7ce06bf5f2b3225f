#include "app/EditorHost.h"
#include "app/FrmAbout.h"
#include "app/MainFrm.h"
#include "app/Maindb.h"
#include "app/SystemDesktop.h"
#include "editors/BFunSet.h"
#include "editors/BInfoEdit.h"
#include "editors/ChInfo.h"
#include "editors/EmbeddedMessage.h"
#include "editors/InfoMsg.h"
#include "editors/PassWord.h"
#include "editors/ToneOption.h"
#include "lang/IniFile.h"
#include "lang/Language.h"
#include "lang/SetLanguage.h"
#include "link/ReadRadio.h"
#include "link/SetPort.h"
#include "link/TestFrequency.h"
#include "link/TestFrm.h"
#include "link/WriteRadio.h"
#include "radio/Model.h"
#include "sim/LoopbackLink.h"
#include "sim/VirtualScheduler.h"

#include "TempDir.h"

#include <QWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <set>

// The language files shipped with the program: the message texts are complete,
// and every key of a window's section names that window or one of its controls.

namespace {

const std::string LangDir = KX40_LANG_DIR;

IniFile Shipped(const char* language) {
    IniFile ini = IniFile::Load(LangDir + language + ".Ini");
    EXPECT_EQ(ini.LoadError(), "");
    return ini;
}

std::set<std::string> KeysOf(const IniFile& ini, const std::string& section) {
    std::set<std::string> keys;
    for (const auto& item : ini.Items(section)) {
        keys.insert(item.first);
    }
    return keys;
}

// A port and a clock for the radio dialogs, which are built but never shown.
VirtualClock& IdleClock() {
    static VirtualClock clock;
    return clock;
}
SerialLink& IdleLink() {
    static LoopbackLink link(IdleClock());
    return link;
}
Scheduler& IdleScheduler() {
    static VirtualScheduler scheduler(IdleClock());
    return scheduler;
}

// The editor windows here are never shown, so nothing reaches their host.
class IdleHost : public EditorHost {
public:
    void RefreshEditors(int) override {}
    void SelectChannelNode(bool) override {}
};
IdleHost idleHost;

// Each window that has a section in the language files, built on a scratch
// data module. A new window adds itself here with its section.
using Factory = std::function<std::unique_ptr<QWidget>(TfMaindb&)>;

const std::map<std::string, Factory>& Windows() {
    static const std::map<std::string, Factory> windows{
        {"fSetLanguage", [](TfMaindb& db) { return std::make_unique<TfSetLanguage>(db); }},
        {"fReadRadio",
         [](TfMaindb& db) {
             return std::make_unique<TfReadRadio>(db, IdleLink(), IdleScheduler());
         }},
        {"fWriteRadio",
         [](TfMaindb& db) {
             return std::make_unique<TfWriteRadio>(db, IdleLink(), IdleScheduler(),
                                                   [] { return DateTimeBytes{}; });
         }},
        {"fSetPort",
         [](TfMaindb& db) {
             return std::make_unique<TfSetPort>(db.All, PortDirectory({}, {}),
                                                [](const std::string&) { return false; });
         }},
        {"fBFunSet", [](TfMaindb& db) { return std::make_unique<TfBFunSet>(db); }},
        {"fInfoMsg", [](TfMaindb& db) { return std::make_unique<TfInfoMsg>(db); }},
        {"fPassWord", [](TfMaindb& db) { return std::make_unique<TfPassWord>(db); }},
        {"fEmbeddedMessage",
         [](TfMaindb& db) { return std::make_unique<TfEmbeddedMessage>(db.All); }},
        {"fMainFrm",
         [](TfMaindb& db) {
             return std::make_unique<TfMainFrm>(db, TfWindows{}, std::make_unique<SystemDesktop>());
         }},
        {"fFrmAbout", [](TfMaindb& db) { return std::make_unique<TfFrmAbout>(db, nullptr); }},
        {"fModel", [](TfMaindb& db) { return std::make_unique<TfModel>(db, nullptr); }},
        {"fChInfo", [](TfMaindb& db) { return std::make_unique<TfChInfo>(db, idleHost); }},
        {"fBInfoEdit", [](TfMaindb& db) { return std::make_unique<TfBInfoEdit>(db, idleHost); }},
        {"fToneOption", [](TfMaindb& db) { return std::make_unique<TfToneOption>(db); }},
        {"fTestFrm",
         [](TfMaindb& db) { return std::make_unique<TfTestFrm>(db, IdleLink(), IdleScheduler()); }},
        {"fTestFrequency", [](TfMaindb& db) { return std::make_unique<TfTestFrequency>(db); }},
    };
    return windows;
}

// The window sections of a language file; each must have its window above.
std::vector<std::string> FormSections(const char* language) {
    std::vector<std::string> sections;
    for (const std::string& section : Shipped(language).Sections()) {
        if (section == "Language") {
            continue;
        }
        EXPECT_TRUE(Windows().count(section))
            << language << ".Ini: add the window of [" << section << "] to Windows() here";
        sections.push_back(section);
    }
    std::sort(sections.begin(), sections.end());
    return sections;
}

TEST(LanguageFiles, MessageTextsAreComplete) {
    std::set<std::string> all;
    for (const auto& entry : LanguageKeys) {
        all.emplace(entry.first);
    }
    const IniFile english = Shipped("English");
    const IniFile chinese = Shipped("Chinese");
    EXPECT_EQ(KeysOf(english, "Language"), all);
    EXPECT_EQ(KeysOf(chinese, "Language"), all);
    TLanguage texts;
    const TLanguage builtIn;
    LoadLanguage(texts, LangDir, "Chinese");
    for (const auto& [key, member] : LanguageKeys) {
        EXPECT_EQ(texts.*member, builtIn.*member) << key;
    }
    LoadLanguage(texts, LangDir, "English");
    for (const auto& [key, member] : LanguageKeys) {
        const std::string& text = texts.*member;
        EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](char c) { return c > 0; })) << key;
    }
}

TEST(LanguageFiles, FormSectionsNameTheirControls) {
    EXPECT_EQ(FormSections("English"), FormSections("Chinese"));
    for (const auto& section : FormSections("English")) {
        if (!Windows().count(section)) {
            continue;
        }
        TempDir tmp;
        TfMaindb db(tmp.Dir());
        const std::unique_ptr<QWidget> form = Windows().at(section)(db);
        ASSERT_EQ(form->objectName().toStdString(), section);
        const auto keys = KeysOf(Shipped("English"), section);
        EXPECT_EQ(keys, KeysOf(Shipped("Chinese"), section)) << section;
        for (const std::string& key : keys) {
            const QString control = QString::fromStdString(key.substr(0, key.find('.')));
            EXPECT_TRUE(control == form->objectName() || form->findChild<QObject*>(control))
                << section << ": " << key;
        }
    }
}

} // namespace
