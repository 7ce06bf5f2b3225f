#pragma once

#include "link/PortDirectory.h"

#include <string>
#include <vector>

// The serial devices this system lists (USB adapters, built-in ports).
std::vector<std::string> SystemSerialDevices();

// The directory of the ports now: the pins, then the listed devices.
PortDirectory SystemPortDirectory(const std::vector<PortPin>& pins);

struct TALL;
// The pins of the settings file in the program folder (or the user's).
PortPins LoadPortPins(const std::string& appDir);
// The directory of the ports now, with the pins of the settings file.
PortDirectory CurrentPortDirectory(const TALL& all);

// True when the device can be opened for reading and writing with exclusive
// access, that is, it exists and no other program holds it. It is closed again.
bool CanOpenExclusively(const std::string& device);

// Appends the ports that can be opened now, "COM" + n ascending.
void EnumerateSystemPorts(std::vector<std::string>* list, const std::vector<PortPin>& pins);
