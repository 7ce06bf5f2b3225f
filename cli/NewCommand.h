#pragma once

#include "cli/CliCommand.h"

// kx40ctl new: a data file with the defaults of a new radio on a band.
class NewCommand : public CliCommand {
public:
    using CliCommand::CliCommand;
    std::string_view Usage() const override { return "kx40ctl new --band TEXT --out FILE.dat"; }

protected:
    ArgRules Rules() const override { return {{"band", "out"}, {}, {"band", "out"}, 0}; }
    int Run(const ParsedArgs& args) override;
};
