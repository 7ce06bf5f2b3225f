#pragma once

#include "cli/CliCommand.h"

// kx40ctl read: the radio's memory into a data file.
class ReadCommand : public CliCommand {
public:
    using CliCommand::CliCommand;
    std::string_view Usage() const override { return "kx40ctl read --port PORT --out FILE.dat"; }

protected:
    ArgRules Rules() const override { return {{"port", "out"}, {}, {"port", "out"}, 0}; }
    int Run(const ParsedArgs& args) override;
};
