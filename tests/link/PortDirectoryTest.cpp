#include "link/PortDirectory.h"
#include "lang/IniFile.h"
#include "link/PortOpenError.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(PortNames, NumberIsReadFromTheFourthCharacterOn) {
    struct Case {
        const char* name;
        int number; // 0: not a port
    };
    for (const Case& c :
         {Case{"COM3", 3}, Case{"COM12", 12}, Case{"COM256", 256}, Case{"com7", 7},
          Case{"COM03", 3}, Case{"COM", 0}, Case{"COM0", 0}, Case{"COM257", 0}, Case{"COMx", 0},
          Case{"COM3 ", 0}, Case{"", 0}, Case{"COM99999999999", 0}}) {
        const auto number = PortNumberOf(c.name);
        EXPECT_EQ(number ? *number : 0, c.number) << c.name;
        if (!number) {
            EXPECT_NE(number.error().Reason.find(c.name), std::string::npos);
        }
    }
    EXPECT_EQ(PortName(21), "COM21");
}

TEST(PortNames, TheDialogReadsCharactersFourToSix) {
    EXPECT_EQ(DialogPortNumber("COM7"), 7);
    EXPECT_EQ(DialogPortNumber("COM25"), 25);
    EXPECT_EQ(DialogPortNumber("COM1234"), 123);
    EXPECT_EQ(DialogPortNumber("COMx"), std::nullopt);
    EXPECT_EQ(DialogPortNumber("Com"), std::nullopt);
}

TEST(StartupPortCheck, KeepsAnAvailablePortElseTakesTheFirst) {
    struct Case {
        const char* stored;
        std::vector<std::string> available;
        const char* expected;
    };
    for (const Case& c :
         {Case{"com3", {"COM1", "COM3"}, "COM3"}, Case{"COM7", {"COM1", "COM3"}, "COM1"},
          Case{"COM7", {}, "COM7"}, Case{"Com1", {}, "COM1"}, Case{"junk", {"COM2"}, "COM2"}}) {
        EXPECT_EQ(CheckStoredPort(c.stored, c.available), c.expected) << c.stored;
    }
}

TEST(PortDirectory, PinsKeepTheirNumbersAndUsbAdaptersComeFirst) {
    const PortDirectory directory({{3, "/dev/pts/4"}, {1, "/dev/ttyS0"}},
                                  {"/dev/ttyS1", "/dev/ttyS0", "/dev/ttyACM0", "/dev/ttyUSB10",
                                   "/dev/ttyUSB2", "/dev/ttyUSB2", "/dev/rfcomm"});
    const std::map<int, std::string> expected{
        {1, "/dev/ttyS0"},   {2, "/dev/ttyUSB2"}, {3, "/dev/pts/4"}, {4, "/dev/ttyUSB10"},
        {5, "/dev/ttyACM0"}, {6, "/dev/ttyS1"},   {7, "/dev/rfcomm"}};
    EXPECT_EQ(directory.Entries(), expected);
    EXPECT_EQ(directory.DeviceOf(3), "/dev/pts/4");
    EXPECT_EQ(directory.DeviceOf(8), std::nullopt);
}

TEST(PortDirectory, NumbersGoPastTwentyAndStopAtTheLast) {
    std::vector<std::string> devices;
    for (int i = 0; i < 300; ++i)
        devices.push_back("/dev/ttyUSB" + std::to_string(i));
    const PortDirectory directory({{25, "/dev/pts/9"}}, devices);
    EXPECT_EQ(directory.Entries().size(), static_cast<std::size_t>(MaxPortNumber));
    EXPECT_EQ(directory.DeviceOf(21), "/dev/ttyUSB20");
    EXPECT_EQ(directory.DeviceOf(25), "/dev/pts/9");
    EXPECT_EQ(directory.DeviceOf(26), "/dev/ttyUSB24");
    EXPECT_EQ(directory.DeviceOf(MaxPortNumber), "/dev/ttyUSB254");
}

TEST(PortDirectory, BadPinLinesAreSkippedAndReported) {
    const auto parsed = ParsePortPins({{"com3", "/dev/pts/4"},
                                       {"COM3", "/dev/pts/5"},
                                       {"COM4", "/dev/pts/4"},
                                       {"COM5", "ttyUSB0"},
                                       {"COM300", "/dev/ttyUSB1"},
                                       {"Printer", "/dev/lp0"},
                                       {"COM21", "/dev/ttyUSB7"}});
    EXPECT_EQ(parsed.Pins, (std::vector<PortPin>{{3, "/dev/pts/4"}, {21, "/dev/ttyUSB7"}}));
    EXPECT_EQ(parsed.Problems.size(), 5u);
}

TEST(PortDirectory, PinsComeFromThePortsSectionOfTheSettings) {
    IniFile settings("/nonexistent/SysInfo.Ini");
    settings.WriteString("SysInfo", "Com", "COM3");
    settings.WriteString("ports", "Com3", "/dev/pts/7");
    settings.WriteString("ports", "COM1", "/dev/ttyUSB3");
    const auto pins = ReadPortPins(settings);
    EXPECT_EQ(pins.Pins, (std::vector<PortPin>{{3, "/dev/pts/7"}, {1, "/dev/ttyUSB3"}}));
    EXPECT_TRUE(pins.Problems.empty());
}

TEST(EnumeratePorts, AppendsTheOpenablePortsInAscendingOrder) {
    const PortDirectory directory({{21, "/dev/pts/1"}},
                                  {"/dev/ttyUSB0", "/dev/ttyUSB1", "/dev/ttyS0"});
    const std::set<std::string> busy{"/dev/ttyUSB1"};
    std::vector<std::string> list{"kept"};
    EnumeratePorts(&list, directory,
                   [&](const std::string& device) { return !busy.contains(device); });
    EXPECT_EQ(list, (std::vector<std::string>{"kept", "COM1", "COM3", "COM21"}));
    EnumeratePorts(nullptr, directory, [](const std::string&) { return true; });
}

TEST(PortOpenError, ReasonsNameThePortTheDeviceAndTheRemedy) {
    const auto denied =
        PortFailureReason(PortFailure::PermissionDenied, "COM1", "/dev/ttyUSB0", "uucp");
    EXPECT_NE(denied.find("/dev/ttyUSB0"), std::string::npos);
    EXPECT_NE(denied.find("dialout"), std::string::npos);
    EXPECT_NE(denied.find("usermod -aG uucp"), std::string::npos);
    EXPECT_NE(denied.find("log out and in again"), std::string::npos);
    EXPECT_NE(PortFailureReason(PortFailure::InUse, "COM2", "/dev/ttyACM0", "").find("in use"),
              std::string::npos);
    EXPECT_NE(PortFailureReason(PortFailure::NoDevice, "COM9", "", "").find("[Ports]"),
              std::string::npos);
    EXPECT_EQ(WithReason("Cannot open the port!", "COM2 is in use."),
              "Cannot open the port!\n\nCOM2 is in use.");
    EXPECT_EQ(WithReason("Cannot open the port!", ""), "Cannot open the port!");
}

} // namespace
