#include "cli/PortsCommand.h"

#include "link/SystemPorts.h"

int PortsCommand::Run(const ParsedArgs&) {
    const PortPins pins = LoadPortPins(ctx_.AppDir);
    for (const std::string& problem : pins.Problems) {
        Warn(problem);
    }
    const PortDirectory directory = SystemPortDirectory(pins.Pins);
    for (const auto& [number, device] : directory.Entries()) {
        ctx_.Out << PortName(number) << "  " << device << "  "
                 << (CanOpenExclusively(device) ? "can be opened" : "cannot be opened now") << "\n";
    }
    return ExitOk;
}
