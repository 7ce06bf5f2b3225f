#include "CliRig.h"

#include <gtest/gtest.h>

namespace {

bool Contains(const std::string& text, std::string_view part) {
    return text.find(part) != std::string::npos;
}

} // namespace

TEST(FileCommands, NewThenShowPrintsModelBandAndTheChannelGrid) {
    CliRig cli;
    ASSERT_EQ(cli({"new", "--band", "440-530mhz", "--out", cli.Path("a.dat")}).Code, 0);
    const std::string file = cli.dir.Read("a.dat");
    ASSERT_EQ(file.size(), 448u);
    EXPECT_EQ(file.substr(0, 5), "PWZRE");
    EXPECT_EQ(static_cast<unsigned char>(file[341]), 249); // band code of 440 - 530

    const auto shown = cli({"show", cli.Path("a.dat")});
    ASSERT_EQ(shown.Code, 0) << shown.Err;
    EXPECT_TRUE(Contains(shown.Out, "Model: KX-40(UHF)\nBand: 440 - 530MHz\n")) << shown.Out;
    EXPECT_TRUE(Contains(shown.Out, "\nChannel No.  RX Frequency  TX Frequency  QT/DQT Dec"))
        << shown.Out;
    EXPECT_TRUE(Contains(shown.Out, "\n16\n")) << shown.Out;
    EXPECT_TRUE(shown.Err.empty());
}

TEST(FileCommands, ShowPrintsIdentitySettingsAndChannelsOfAFile) {
    CliRig cli;
    const auto shown = cli({"show", KX40_TEST_DATA "/kx40_two_channels.dat"});
    ASSERT_EQ(shown.Code, 0) << shown.Err;
    for (const std::string_view line :
         {"\nSerial number: KX40 0001\nWrite time: 2026-12-09 08:38:10\n",
          "\nFunction settings\n  Voice:                 On\n", "\n  VOX Gain Level:        6\n",
          "\n  TX Time Out:           180\n",
          "\n2            400.12500     400.12500     D754I       None        Low       Narrow  "
          "Yes"}) {
        EXPECT_TRUE(Contains(shown.Out, line)) << line << "\n" << shown.Out;
    }
}

TEST(FileCommands, ExportAndImportCarryTheChannelPlanBetweenDataFiles) {
    CliRig cli;
    ASSERT_EQ(cli({"new", "--band", "400 - 470MHz", "--out", cli.Path("base.dat")}).Code, 0);
    cli.dir.Write("plan.csv", "Location,Frequency,Duplex,Offset,Tone,rToneFreq,Power\n"
                              "2,446.00625,+,5,Tone,67.0,Low\n"
                              "16,460.003,,,,,High\n");
    const auto imported = cli({"import", cli.Path("plan.csv"), "--out", cli.Path("plan.dat"),
                               "--base", cli.Path("base.dat")});
    ASSERT_EQ(imported.Code, 0) << imported.Err;
    EXPECT_EQ(imported.Err, "kx40ctl: warning: " + cli.Path("plan.csv") +
                                ": Line 3: the frequency 460.00300 MHz is off the channel raster; "
                                "stored as 460.00000 MHz.\n");

    const auto shown = cli({"show", cli.Path("plan.dat")});
    EXPECT_TRUE(Contains(shown.Out,
                         "\n2            446.00625     451.00625     None        67.0        Low "))
        << shown.Out;

    ASSERT_EQ(cli({"export", cli.Path("plan.dat"), "--csv", cli.Path("out.csv")}).Code, 0);
    const std::string csv = cli.dir.Read("out.csv");
    EXPECT_TRUE(Contains(csv, "\n2,,446.006250,+,5.000000,Tone,67.0,88.5,")) << csv;
    EXPECT_TRUE(Contains(csv, "\n16,,460.000000,,0.000000,,")) << csv;

    // Back in, the same plan gives the same file, apart from the save time.
    ASSERT_EQ(cli({"import", cli.Path("out.csv"), "--out", cli.Path("again.dat"), "--base",
                   cli.Path("plan.dat")})
                  .Code,
              0);
    EXPECT_EQ(cli.dir.Read("again.dat"), cli.dir.Read("plan.dat"));
}

TEST(FileCommands, BadArgumentsPrintTheUsageAndCreateNothing) {
    CliRig cli;
    const std::vector<std::vector<std::string>> cases = {
        {"new", "--band", "400-470MHz"},
        {"new", "--out", cli.Path("x.dat")},
        {"new", "--band", "400-470MHz", "--out", cli.Path("x.dat"), "extra"},
        {"new", "--band", "400-470MHz", "--out", cli.Path("x.dat"), "--colour", "red"},
        {"new", "--band", "400-470MHz", "--out="},
        {"show"},
        {"export", cli.Path("x.dat")},
        {"import", "--out", cli.Path("x.dat")},
    };
    for (const auto& args : cases) {
        const auto run = cli(args);
        EXPECT_EQ(run.Code, 2);
        EXPECT_TRUE(Contains(run.Err, "\nusage: kx40ctl " + args[0] + " ")) << run.Err;
        EXPECT_FALSE(cli.Exists("x.dat"));
    }
    const auto unknown = cli({"frobnicate"});
    EXPECT_EQ(unknown.Code, 2);
    EXPECT_TRUE(Contains(unknown.Err, "unknown command \"frobnicate\"\nusage:\n"));
    EXPECT_TRUE(
        Contains(unknown.Err, "  kx40ctl import IN.csv --out FILE.dat [--base BASE.dat]\n"));
}

TEST(FileCommands, FailuresExitNonZeroAndLeaveTheOutputAlone) {
    CliRig cli;
    ASSERT_EQ(cli({"new", "--band", "400-470MHz", "--out", cli.Path("keep.dat")}).Code, 0);
    const std::string kept = cli.dir.Read("keep.dat");
    cli.dir.Write("bad.csv", "Location,Frequency\n1,446.0\n1,447.0\n");
    cli.dir.Write("short.dat", "PWZRE");
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"new", "--band", "136-174MHz", "--out", cli.Path("keep.dat")},
         "no model has the band \"136-174MHz\"; the bands are: 400 - 470MHz, 440 - 530MHz"},
        {{"import", cli.Path("bad.csv"), "--out", cli.Path("keep.dat")},
         "Line 3: channel 1 is already given on line 2."},
        {{"import", cli.Path("none.csv"), "--out", cli.Path("keep.dat")}, "cannot open"},
        {{"import", cli.Path("bad.csv"), "--out", cli.Path("new.dat"), "--base",
          cli.Path("short.dat")},
         "too short"},
        {{"export", cli.Path("short.dat"), "--csv", cli.Path("new.csv")}, "too short"},
        {{"show", cli.Path("none.dat")}, "Cannot open"},
    };
    for (const auto& [args, reason] : cases) {
        const auto run = cli(args);
        EXPECT_EQ(run.Code, 1) << args[0];
        EXPECT_TRUE(Contains(run.Err, reason)) << run.Err;
        EXPECT_TRUE(run.Out.empty());
    }
    EXPECT_EQ(cli.dir.Read("keep.dat"), kept);
    EXPECT_FALSE(cli.Exists("new.dat"));
    EXPECT_FALSE(cli.Exists("new.csv"));
}
