#pragma once

#include "cli/CliCommand.h"

// kx40ctl write: a data file into the radio.
class WriteCommand : public CliCommand {
public:
    using CliCommand::CliCommand;
    std::string_view Usage() const override {
        return "kx40ctl write --port PORT FILE.dat [--new-password TEXT] [--force]";
    }

protected:
    ArgRules Rules() const override { return {{"port", "new-password"}, {"force"}, {"port"}, 1}; }
    int Run(const ParsedArgs& args) override;
};
