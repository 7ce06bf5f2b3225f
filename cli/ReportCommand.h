#pragma once

#include "cli/CliCommand.h"

// kx40ctl report: the settings report of a data file as a PDF file.
class ReportCommand : public CliCommand {
public:
    using CliCommand::CliCommand;
    std::string_view Usage() const override { return "kx40ctl report FILE.dat --pdf OUT.pdf"; }

protected:
    ArgRules Rules() const override { return {{"pdf"}, {}, {"pdf"}, 1}; }
    int Run(const ParsedArgs& args) override;
};
