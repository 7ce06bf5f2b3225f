#include "app/Maindb.h"

#include "lang/SysInfo.h"
#include "radio/Catalogue.h"

#include <utility>

TfMaindb::TfMaindb(std::string appDir) {
    All.AppDir = std::move(appDir);
    All.TestOnline = false;
    All.NewPasswordEnabled = false;
    All.CurrentChannel = 1;
    FillBandTable(Bands);
    RegisterModels(Models, All);
    LoadSysInfo(All);
    LoadLanguage(Language, All.AppDir, All.LanguageName);
}

Result<void> TfMaindb::CompleteStartup(const DateTimeBytes& now) {
    if (auto applied = ApplyModel(All, Models, Bands, 0, false); !applied) {
        return applied.error();
    }
    ResetImage(All, Bands, now);
    const auto range = ParseBandRange(All.BandText);
    if (!range) {
        return range.error();
    }
    All.BandLow = range->Low;
    All.BandHigh = range->High;
    All.Modified = false;
    return {};
}
