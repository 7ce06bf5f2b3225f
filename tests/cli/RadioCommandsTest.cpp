#include "CliRig.h"

#include "WaitFor.h"

#include <QProcess>
#include <gtest/gtest.h>

#include <filesystem>

namespace {

bool Contains(const std::string& text, std::string_view part) {
    return text.find(part) != std::string::npos;
}

// The radio window of a data file: file offsets equal image offsets.
std::string RadioWindow(const std::string& file) {
    return file.substr(16, 368);
}

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// kx40ctl in-process against kx40-radio-sim on a pseudo-terminal.
class RadioCommandsTest : public ::testing::Test {
protected:
    void StartSim(QStringList arguments) {
        arguments << "--dump" << QString::fromStdString(cli.Path("radio.bin"));
        sim.start(QStringLiteral(KX40_RADIO_SIM), arguments);
        ASSERT_TRUE(sim.waitForStarted());
        ASSERT_TRUE(WaitFor([&] { return sim.canReadLine(); }, 10000));
        device = sim.readLine().trimmed().toStdString();
    }
    // What the radio holds after its last session, as it dumps it.
    std::string Dumped() {
        WaitFor([&] { return cli.dir.Read("radio.bin").size() == 368; });
        return cli.dir.Read("radio.bin");
    }
    void ForgetDump() { std::filesystem::remove(cli.Path("radio.bin")); }
    void TearDown() override {
        sim.kill();
        sim.waitForFinished();
    }

    CliRig cli;
    QProcess sim;
    std::string device;
};

const std::string Fixture = KX40_TEST_DATA "/kx40_two_channels.dat";

} // namespace

TEST_F(RadioCommandsTest, ReadSavesTheRadioMemoryByteForByte) {
    StartSim({"--memory", QString::fromStdString(Fixture)});
    const auto run = cli({"read", "--port", device, "--out", cli.Path("read.dat")});
    ASSERT_EQ(run.Code, 0) << run.Err;
    EXPECT_EQ(run.Out, "read KX-40(UHF), 400 - 470MHz into " + cli.Path("read.dat") + "\n");
    const std::string read = cli.dir.Read("read.dat");
    ASSERT_EQ(read.size(), 448u);
    EXPECT_EQ(RadioWindow(read), RadioWindow(Read(Fixture)));
    EXPECT_EQ(read.substr(384, 48), std::string(48, '\0'));

    const auto shown = cli({"show", cli.Path("read.dat")});
    EXPECT_TRUE(
        Contains(shown.Out, "\n1            446.00625     446.00625     67.0        D023N"));
}

TEST_F(RadioCommandsTest, WriteSendsTheFileAndVerifyFindsItThere) {
    StartSim({});
    ASSERT_EQ(cli({"new", "--band", "440-530MHz", "--out", cli.Path("plan.dat")}).Code, 0);
    cli.dir.Write("plan.csv", "Location,Frequency,Tone,cToneFreq\n1,446.00625,TSQL,71.9\n");
    ASSERT_EQ(cli({"import", cli.Path("plan.csv"), "--out", cli.Path("plan.dat"), "--base",
                   cli.Path("plan.dat")})
                  .Code,
              0);
    const auto written = cli({"write", "--port", device, cli.Path("plan.dat")});
    ASSERT_EQ(written.Code, 0) << written.Err;
    const std::string plan = RadioWindow(cli.dir.Read("plan.dat"));
    const std::string radio = Dumped();
    ASSERT_EQ(radio.size(), 368u);
    // Everything but the write time, which the write stamps.
    EXPECT_EQ(radio.substr(0, 352), plan.substr(0, 352));
    EXPECT_EQ(radio.substr(359), plan.substr(359));

    const auto verified = cli({"verify", "--port", device, cli.Path("plan.dat")});
    EXPECT_EQ(verified.Code, 0) << verified.Err;
    EXPECT_EQ(verified.Out, "the radio holds " + cli.Path("plan.dat") + "\n");

    const auto other = cli({"verify", "--port", device, Fixture});
    EXPECT_EQ(other.Code, 1);
    EXPECT_TRUE(Contains(other.Out, "0x020: file 00, radio FF\n")) << other.Out;
    EXPECT_TRUE(Contains(other.Err, "bytes of the radio differ from " + Fixture)) << other.Err;
}

TEST_F(RadioCommandsTest, AnotherModelIsRefusedUnlessForced) {
    StartSim({"--model", "ABCD"});
    const auto read = cli({"read", "--port", device, "--out", cli.Path("read.dat")});
    EXPECT_EQ(read.Code, 1);
    EXPECT_TRUE(Contains(read.Err, "model")) << read.Err;
    EXPECT_FALSE(cli.Exists("read.dat"));

    ForgetDump();
    const auto refused = cli({"write", "--port", device, Fixture});
    EXPECT_EQ(refused.Code, 1);
    EXPECT_TRUE(Contains(refused.Err, "--force writes it anyway")) << refused.Err;
    EXPECT_FALSE(cli.Exists("radio.bin"));

    const auto forced = cli({"write", "--port", device, Fixture, "--force"});
    EXPECT_EQ(forced.Code, 0) << forced.Err;
    EXPECT_EQ(Dumped().substr(0x30, 16), RadioWindow(Read(Fixture)).substr(0x30, 16));
}

TEST_F(RadioCommandsTest, ASilentRadioOrABadPortFailsAndSavesNothing) {
    StartSim({"--silent"});
    const auto silent = cli({"read", "--port", device, "--out", cli.Path("read.dat")});
    EXPECT_EQ(silent.Code, 1);
    EXPECT_TRUE(Contains(silent.Err, "the radio does not answer")) << silent.Err;

    const auto missing = cli({"read", "--port", "COM200", "--out", cli.Path("read.dat")});
    EXPECT_EQ(missing.Code, 1);
    EXPECT_TRUE(Contains(missing.Err, "cannot open the port")) << missing.Err;

    const auto bad = cli({"read", "--port", "ttyUSB0", "--out", cli.Path("read.dat")});
    EXPECT_EQ(bad.Code, 1);
    EXPECT_TRUE(Contains(bad.Err, "\"ttyUSB0\" is neither a port COM1 to COM256 nor a device"));
    EXPECT_FALSE(cli.Exists("read.dat"));
}

TEST_F(RadioCommandsTest, ANewPasswordTravelsScrambledInPlaceOfTheRadioPassword) {
    StartSim({"--memory", QString::fromStdString(Fixture)});
    const auto written = cli({"write", "--port", device, Fixture, "--new-password", "1234"});
    ASSERT_EQ(written.Code, 0) << written.Err;
    EXPECT_NE(Dumped().substr(0x148, 8), RadioWindow(Read(Fixture)).substr(0x148, 8));

    EXPECT_EQ(cli({"write", "--port", device, Fixture, "--new-password", "123456789"}).Code, 1);
}

TEST(ReportCommand, TheProgramWritesTheReportOfAFileWithoutADisplay) {
    CliRig cli;
    QProcess ctl;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("DISPLAY"));
    ctl.setProcessEnvironment(env);
    ctl.start(QStringLiteral(KX40CTL), {"report", QString::fromStdString(Fixture), "--pdf",
                                        QString::fromStdString(cli.Path("report.pdf"))});
    ASSERT_TRUE(ctl.waitForFinished(60000));
    EXPECT_EQ(ctl.exitCode(), 0) << ctl.readAllStandardError().toStdString();

    QProcess text;
    text.start(QStringLiteral("pdftotext"),
               {"-layout", QString::fromStdString(cli.Path("report.pdf")), "-"});
    ASSERT_TRUE(text.waitForFinished(30000));
    const std::string pages = text.readAllStandardOutput().toStdString();
    EXPECT_TRUE(Contains(pages, "446.00625")) << pages;
    EXPECT_TRUE(Contains(pages, "D754I")) << pages;

    // A file that does not open: no report.
    EXPECT_EQ(cli({"report", cli.Path("none.dat"), "--pdf", cli.Path("none.pdf")}).Code, 1);
    EXPECT_FALSE(cli.Exists("none.pdf"));
}
