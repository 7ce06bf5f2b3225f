#include "link/SystemPorts.h"

#include "app/TALL.h"
#include "lang/SysInfo.h"

#include <QSerialPort>
#include <QSerialPortInfo>

std::vector<std::string> SystemSerialDevices() {
    std::vector<std::string> devices;
    for (const auto& info : QSerialPortInfo::availablePorts())
        devices.push_back(info.systemLocation().toStdString());
    return devices;
}

PortDirectory SystemPortDirectory(const std::vector<PortPin>& pins) {
    return PortDirectory(pins, SystemSerialDevices());
}

PortPins LoadPortPins(const std::string& appDir) {
    return ReadPortPins(OpenSysInfo(appDir));
}

PortDirectory CurrentPortDirectory(const TALL& all) {
    return SystemPortDirectory(LoadPortPins(all.AppDir).Pins);
}

bool CanOpenExclusively(const std::string& device) {
    QSerialPort port(QString::fromStdString(device));
    if (!port.open(QIODevice::ReadWrite))
        return false;
    port.close();
    return true;
}

void EnumerateSystemPorts(std::vector<std::string>* list, const std::vector<PortPin>& pins) {
    EnumeratePorts(list, SystemPortDirectory(pins), CanOpenExclusively);
}
