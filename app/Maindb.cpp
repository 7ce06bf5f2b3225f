#include "app/Maindb.h"

#include <utility>

TfMaindb::TfMaindb(std::string appDir) {
    All.AppDir = std::move(appDir);
    All.TestOnline = false;
    All.NewPasswordEnabled = false;
    All.CurrentChannel = 1;
}
