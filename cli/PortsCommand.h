#pragma once

#include "cli/CliCommand.h"

// kx40ctl ports: the serial ports by their numbers, with their devices.
class PortsCommand : public CliCommand {
public:
    using CliCommand::CliCommand;
    std::string_view Usage() const override { return "kx40ctl ports"; }

protected:
    ArgRules Rules() const override { return {}; }
    int Run(const ParsedArgs& args) override;
};
