#pragma once

#include "cli/CliCommand.h"

// kx40ctl import: a data file whose channel plan comes from a CSV file and
// whose settings and identity come from a base file or a new image.
class ImportCommand : public CliCommand {
public:
    using CliCommand::CliCommand;
    std::string_view Usage() const override {
        return "kx40ctl import IN.csv --out FILE.dat [--base BASE.dat]";
    }

protected:
    ArgRules Rules() const override { return {{"out", "base"}, {}, {"out"}, 1}; }
    int Run(const ParsedArgs& args) override;
};
