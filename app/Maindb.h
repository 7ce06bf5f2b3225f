#pragma once

#include "app/TALL.h"

#include <string>

// The data module: owns the objects that live for the whole run. Tests build
// their own with a temporary AppDir; there are no globals.
class TfMaindb {
public:
    explicit TfMaindb(std::string appDir);

    TALL All;
};
