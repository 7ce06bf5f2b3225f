#include "link/PortDirectory.h"

#include "lang/IniFile.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <tuple>

namespace {

const std::string Prefix = "COM";

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

// A decimal number of at most `maxDigits` digits, nothing else.
std::optional<int> Decimal(const std::string& text, std::size_t maxDigits) {
    if (text.empty() || text.size() > maxDigits)
        return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// Sort key of a device: its group (ttyUSB, ttyACM, others), then its number.
std::tuple<int, int, long long, std::string> DeviceOrder(const std::string& device) {
    const std::string name = device.substr(device.find_last_of('/') + 1);
    const int group = name.starts_with("ttyUSB") ? 0 : name.starts_with("ttyACM") ? 1 : 2;
    std::size_t digits = name.size();
    while (digits > 0 && std::isdigit(static_cast<unsigned char>(name[digits - 1])))
        --digits;
    const auto number = Decimal(name.substr(digits), 9);
    return {group, number ? 0 : 1, number.value_or(0), name};
}

} // namespace

std::string PortName(int number) {
    return Prefix + std::to_string(number);
}

Result<int> PortNumberOf(const std::string& comPort) {
    const auto number = comPort.size() > 3 ? Decimal(comPort.substr(3), 9) : std::nullopt;
    if (!number || *number < 1 || *number > MaxPortNumber)
        return Error{"\"" + comPort + "\" is not a serial port name (COM1 to COM" +
                     std::to_string(MaxPortNumber) + ")."};
    return *number;
}

std::optional<int> DialogPortNumber(const std::string& comPort) {
    return comPort.size() > 3 ? Decimal(comPort.substr(3, 3), 3) : std::nullopt;
}

std::string CheckStoredPort(const std::string& comPort, const std::vector<std::string>& available) {
    const std::string port = Upper(comPort);
    if (available.empty() || std::find(available.begin(), available.end(), port) != available.end())
        return port;
    return available.front();
}

PortPins ParsePortPins(const std::vector<std::pair<std::string, std::string>>& entries) {
    PortPins result;
    std::set<int> numbers;
    std::set<std::string> devices;
    for (const auto& [key, device] : entries) {
        const std::string name = Upper(key);
        const auto number = name.starts_with(Prefix) ? PortNumberOf(name) : Result<int>(Error{});
        if (!number) {
            result.Problems.push_back(key + ": not a port name (COM1 to COM" +
                                      std::to_string(MaxPortNumber) + ")");
        } else if (device.empty() || device.front() != '/') {
            result.Problems.push_back(key + ": \"" + device + "\" is not a device path");
        } else if (!numbers.insert(*number).second) {
            result.Problems.push_back(key + ": pinned twice, the first pin is used");
        } else if (!devices.insert(device).second) {
            numbers.erase(*number);
            result.Problems.push_back(key + ": " + device + " is already pinned");
        } else {
            result.Pins.push_back({*number, device});
        }
    }
    return result;
}

PortPins ReadPortPins(const IniFile& settings) {
    return ParsePortPins(settings.Items(PortsSection));
}

PortDirectory::PortDirectory(const std::vector<PortPin>& pins,
                             std::vector<std::string> systemDevices) {
    std::set<std::string> pinned;
    for (const auto& pin : pins) {
        if (entries_.emplace(pin.Number, pin.Device).second)
            pinned.insert(pin.Device);
    }
    std::sort(
        systemDevices.begin(), systemDevices.end(),
        [](const std::string& a, const std::string& b) { return DeviceOrder(a) < DeviceOrder(b); });
    systemDevices.erase(std::unique(systemDevices.begin(), systemDevices.end()),
                        systemDevices.end());
    int next = 1;
    for (const auto& device : systemDevices) {
        if (pinned.contains(device))
            continue;
        while (entries_.contains(next))
            ++next;
        if (next > MaxPortNumber)
            break;
        entries_.emplace(next, device);
    }
}

std::optional<std::string> PortDirectory::DeviceOf(int number) const {
    const auto it = entries_.find(number);
    if (it == entries_.end())
        return std::nullopt;
    return it->second;
}

void EnumeratePorts(std::vector<std::string>* list, const PortDirectory& directory,
                    const std::function<bool(const std::string& device)>& canOpen) {
    if (!list)
        return;
    for (const auto& [number, device] : directory.Entries()) {
        if (canOpen(device))
            list->push_back(PortName(number));
    }
}
