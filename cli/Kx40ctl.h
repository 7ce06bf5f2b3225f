#pragma once

#include "cli/CliContext.h"

#include <string>
#include <vector>

// Runs the subcommand named by the first argument; returns the exit code.
// Without a known subcommand it lists the usage of every one on stderr.
int RunKx40ctl(const std::vector<std::string>& args, CliContext& ctx);
