#pragma once

#include "cli/CliContext.h"
#include "cli/Kx40ctl.h"

#include "TempDir.h"

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

// Runs kx40ctl in-process in a temporary folder that is also its program
// folder, with a fixed clock.
struct CliRig {
    struct Run {
        int Code;
        std::string Out;
        std::string Err;
    };

    Run operator()(std::vector<std::string> args) {
        std::ostringstream out;
        std::ostringstream err;
        CliContext ctx{out, err, dir.Dir(), [] { return Now; }, false};
        const int code = RunKx40ctl(args, ctx);
        return {code, out.str(), err.str()};
    }

    std::string Path(std::string_view name) const { return dir.Path(name); }
    bool Exists(std::string_view name) const { return std::filesystem::exists(Path(name)); }

    static constexpr DateTimeBytes Now{0xEA, 0x07, 0x0C, 0x09, 0x08, 0x26, 0x0A};
    TempDir dir;
};
