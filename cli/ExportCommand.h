#pragma once

#include "cli/CliCommand.h"

// kx40ctl export: the channel plan of a data file as CSV.
class ExportCommand : public CliCommand {
public:
    using CliCommand::CliCommand;
    std::string_view Usage() const override { return "kx40ctl export FILE.dat --csv OUT.csv"; }

protected:
    ArgRules Rules() const override { return {{"csv"}, {}, {"csv"}, 1}; }
    int Run(const ParsedArgs& args) override;
};
