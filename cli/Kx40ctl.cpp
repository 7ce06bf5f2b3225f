#include "cli/Kx40ctl.h"

#include "cli/ExportCommand.h"
#include "cli/ImportCommand.h"
#include "cli/NewCommand.h"
#include "cli/PortsCommand.h"
#include "cli/ReadCommand.h"
#include "cli/ReportCommand.h"
#include "cli/ShowCommand.h"
#include "cli/VerifyCommand.h"
#include "cli/WriteCommand.h"

#include <functional>
#include <memory>
#include <string_view>
#include <utility>

namespace {

using Factory = std::function<std::unique_ptr<CliCommand>(CliContext&, std::vector<std::string>)>;

template <class C> std::pair<std::string_view, Factory> Entry(std::string_view name) {
    return {name, [](CliContext& ctx, std::vector<std::string> args) {
                return std::make_unique<C>(ctx, std::move(args));
            }};
}

const std::vector<std::pair<std::string_view, Factory>>& Commands() {
    static const std::vector<std::pair<std::string_view, Factory>> commands = {
        Entry<PortsCommand>("ports"),   Entry<ReadCommand>("read"),
        Entry<WriteCommand>("write"),   Entry<VerifyCommand>("verify"),
        Entry<NewCommand>("new"),       Entry<ShowCommand>("show"),
        Entry<ExportCommand>("export"), Entry<ImportCommand>("import"),
        Entry<ReportCommand>("report"),
    };
    return commands;
}

} // namespace

int RunKx40ctl(const std::vector<std::string>& args, CliContext& ctx) {
    if (!args.empty()) {
        for (const auto& [name, make] : Commands()) {
            if (args[0] == name) {
                return make(ctx, {args.begin() + 1, args.end()})->execute();
            }
        }
        if (args[0] != "--help" && args[0] != "help") {
            ctx.Err << "kx40ctl: unknown command \"" << args[0] << "\"\n";
        }
    }
    ctx.Err << "usage:\n";
    for (const auto& [name, make] : Commands()) {
        ctx.Err << "  " << make(ctx, {})->Usage() << "\n";
    }
    return args.size() == 1 && (args[0] == "--help" || args[0] == "help") ? 0 : 2;
}
