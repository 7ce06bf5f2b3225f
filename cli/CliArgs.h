#pragma once

#include "radio/Result.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What a command accepts after its name.
struct ArgRules {
    std::vector<std::string_view> Options;  // "--name VALUE" or "--name=VALUE"
    std::vector<std::string_view> Flags;    // "--name"
    std::vector<std::string_view> Required; // options that must be given
    std::size_t Positionals = 0;            // exact count of plain arguments
};

struct ParsedArgs {
    std::vector<std::string> Positionals;
    std::map<std::string, std::string, std::less<>> Options;
    std::vector<std::string> Flags;

    std::optional<std::string> Option(std::string_view name) const;
    bool Flag(std::string_view name) const;
};

// Checks the arguments against the rules; the error says what is wrong.
// An option given twice is an error, and so is an empty value: it would
// stand for a file name in every command.
Result<ParsedArgs> ParseArgs(const std::vector<std::string>& args, const ArgRules& rules);
