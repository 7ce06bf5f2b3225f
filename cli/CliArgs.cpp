#include "cli/CliArgs.h"

#include <algorithm>

namespace {

bool Lists(const std::vector<std::string_view>& names, std::string_view name) {
    return std::ranges::find(names, name) != names.end();
}

} // namespace

std::optional<std::string> ParsedArgs::Option(std::string_view name) const {
    const auto it = Options.find(name);
    if (it == Options.end()) {
        return std::nullopt;
    }
    return it->second;
}

bool ParsedArgs::Flag(std::string_view name) const {
    return std::ranges::find(Flags, name) != Flags.end();
}

Result<ParsedArgs> ParseArgs(const std::vector<std::string>& args, const ArgRules& rules) {
    ParsedArgs parsed;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || !arg.starts_with("--")) {
            parsed.Positionals.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const auto equals = arg.find('=');
        const std::string name = arg.substr(2, equals == std::string::npos ? arg.npos : equals - 2);
        if (Lists(rules.Flags, name)) {
            if (equals != std::string::npos) {
                return Error{"--" + name + " takes no value"};
            }
            parsed.Flags.push_back(name);
            continue;
        }
        if (!Lists(rules.Options, name)) {
            return Error{"unknown option --" + name};
        }
        std::string value;
        if (equals != std::string::npos) {
            value = arg.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            return Error{"--" + name + " needs a value"};
        }
        if (value.empty()) {
            return Error{"--" + name + " needs a value"};
        }
        if (!parsed.Options.emplace(name, value).second) {
            return Error{"--" + name + " is given twice"};
        }
    }
    for (const std::string_view name : rules.Required) {
        if (!parsed.Option(name)) {
            return Error{"--" + std::string(name) + " is missing"};
        }
    }
    if (parsed.Positionals.size() != rules.Positionals) {
        return Error{parsed.Positionals.size() < rules.Positionals ? "a file name is missing"
                                                                   : "too many arguments"};
    }
    if (std::ranges::any_of(parsed.Positionals, [](const std::string& p) { return p.empty(); })) {
        return Error{"an empty file name"};
    }
    return parsed;
}
