#pragma once

#include <string>

// Why a serial port could not be opened, as the system reported it.
enum class PortFailure {
    NotAPort,         // the port name has no usable number
    NoDevice,         // no device stands for the number
    Missing,          // the device is not there (unplugged)
    PermissionDenied, // the user may not open the device
    InUse,            // another program holds it
    Other,
};

// The line under the "cannot open the port" message: what went wrong with
// `port` (behind `device`) and what the user can do. `detail` is the system's
// text for Other, the owning group for PermissionDenied, the reason for NotAPort.
std::string PortFailureReason(PortFailure failure, const std::string& port,
                              const std::string& device, const std::string& detail);

// The program's message with the reason under it.
std::string WithReason(const std::string& message, const std::string& reason);
