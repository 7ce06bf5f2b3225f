#pragma once

#include "cli/CliCommand.h"

// kx40ctl show: what a data file holds, as the windows show it.
class ShowCommand : public CliCommand {
public:
    using CliCommand::CliCommand;
    std::string_view Usage() const override { return "kx40ctl show FILE.dat"; }

protected:
    ArgRules Rules() const override { return {{}, {}, {}, 1}; }
    int Run(const ParsedArgs& args) override;
};
