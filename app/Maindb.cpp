#include "app/Maindb.h"

#include "radio/Catalogue.h"

#include <utility>

TfMaindb::TfMaindb(std::string appDir) {
    All.AppDir = std::move(appDir);
    All.TestOnline = false;
    All.NewPasswordEnabled = false;
    All.CurrentChannel = 1;
    FillBandTable(Bands);
    RegisterModels(Models, All);
}
