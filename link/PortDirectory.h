#pragma once

#include "radio/Result.h"

#include <string_view>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Ports keep the name "COM" + number; the directory says which device of this
// system each number stands for.

inline constexpr int MaxPortNumber = 256;

// "COM" + number.
std::string PortName(int number);

// The number of a port name: its characters from the 4th on, in decimal
// ("COM3" gives 3). Anything else is an error the caller reports.
Result<int> PortNumberOf(const std::string& comPort);

// The number the port dialog sees in a port name: characters 4 to 6 only.
std::optional<int> DialogPortNumber(const std::string& comPort);

// The port to use at start-up: the stored name upper-cased, replaced by the
// first available port when it is not available itself; kept when none is.
std::string CheckStoredPort(const std::string& comPort, const std::vector<std::string>& available);

struct PortPin {
    int Number = 0;
    std::string Device;
    bool operator==(const PortPin&) const = default;
};

struct PortPins {
    std::vector<PortPin> Pins;
    std::vector<std::string> Problems; // lines that were ignored, and why
};

// The pins of the settings file's [Ports] section, "COM3=/dev/ttyUSB0", given
// as (key, value) pairs in file order. The first pin of a number or a device
// wins; bad lines are skipped and reported.
PortPins ParsePortPins(const std::vector<std::pair<std::string, std::string>>& entries);

class IniFile;
inline constexpr std::string_view PortsSection = "Ports";
// The pins of the settings file.
PortPins ReadPortPins(const IniFile& settings);

class PortDirectory {
public:
    // Pinned devices keep their numbers. The system's other devices take the
    // free numbers from 1 on: USB adapters first (ttyUSB, then ttyACM), then the
    // rest, each group in the order of the device's own number.
    PortDirectory(const std::vector<PortPin>& pins, std::vector<std::string> systemDevices);

    std::optional<std::string> DeviceOf(int number) const;
    // Number to device, ascending.
    const std::map<int, std::string>& Entries() const { return entries_; }

private:
    std::map<int, std::string> entries_;
};

// Appends "COM" + n, ascending, for each port whose device `canOpen` (an
// exclusive open for reading and writing) accepts. No list: nothing happens.
void EnumeratePorts(std::vector<std::string>* list, const PortDirectory& directory,
                    const std::function<bool(const std::string& device)>& canOpen);
