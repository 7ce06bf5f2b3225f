#include "CliRig.h"
#include "sim/PtyRadioLine.h"

#include <QSerialPort>
#include <gtest/gtest.h>

TEST(PortsCommand, ListsAPinnedPortWithItsDeviceAndWhetherItIsFree) {
    CliRig cli;
    PtyRadioLine pty;
    ASSERT_TRUE(pty.Open());
    cli.dir.Write("SysInfo.Ini", "[Ports]\nCOM7=" + pty.DevicePath() + "\nCOMX=/dev/null\n");
    const std::string line = "COM7  " + pty.DevicePath() + "  ";

    auto run = cli({"ports"});
    ASSERT_EQ(run.Code, 0);
    EXPECT_NE(run.Out.find(line + "can be opened\n"), std::string::npos) << run.Out;
    EXPECT_NE(run.Err.find("kx40ctl: warning: COMX: not a port name"), std::string::npos)
        << run.Err;

    QSerialPort holder(QString::fromStdString(pty.DevicePath()));
    ASSERT_TRUE(holder.open(QIODevice::ReadWrite));
    run = cli({"ports"});
    EXPECT_NE(run.Out.find(line + "cannot be opened now\n"), std::string::npos) << run.Out;

    EXPECT_EQ(cli({"ports", "extra"}).Code, 2);
}
