#pragma once

#include "cli/CliCommand.h"

// kx40ctl verify: does the radio hold what a data file would write?
class VerifyCommand : public CliCommand {
public:
    using CliCommand::CliCommand;
    std::string_view Usage() const override { return "kx40ctl verify --port PORT FILE.dat"; }

protected:
    ArgRules Rules() const override { return {{"port"}, {}, {"port"}, 1}; }
    int Run(const ParsedArgs& args) override;
};
