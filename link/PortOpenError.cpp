#include "link/PortOpenError.h"

std::string PortFailureReason(PortFailure failure, const std::string& port,
                              const std::string& device, const std::string& detail) {
    const std::string where = port + " (" + device + ")";
    switch (failure) {
    case PortFailure::NotAPort:
        return detail;
    case PortFailure::NoDevice:
        return "No serial device is known as " + port +
               ". Connect the programming cable, or pin a device in the [Ports] section of "
               "SysInfo.Ini, for example " +
               port + "=/dev/ttyUSB0.";
    case PortFailure::Missing:
        return where + " is not there. Check that the programming cable is plugged in.";
    case PortFailure::PermissionDenied: {
        const std::string group = detail.empty() ? "dialout" : detail;
        return "Permission denied for " + where +
               ". Serial ports belong to a group, usually \"dialout\" (here \"" + group +
               "\"): add your user to it with \"sudo usermod -aG " + group +
               " $USER\", then log out and in again.";
    }
    case PortFailure::InUse:
        return where + " is in use by another program.";
    case PortFailure::Other:
        break;
    }
    return where + ": " + detail;
}

std::string WithReason(const std::string& message, const std::string& reason) {
    return reason.empty() ? message : message + "\n\n" + reason;
}
