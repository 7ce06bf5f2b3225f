#include "CatalogueFixture.h"
#include "CodecTestSupport.h"

#include "radio/DataFile.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <sys/resource.h>

namespace fs = std::filesystem;

namespace {

constexpr DateTimeBytes SaveTime{0xEA, 0x07, 0x0C, 0x09, 0x08, 0x26, 0x0A};
constexpr std::size_t Body = 16; // where the image part of a file begins

std::vector<std::uint8_t> ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

fs::path Fixture(const std::string& name) {
    return fs::path(KX40_TEST_DATA) / name;
}

// What an open must leave alone when it fails.
struct StateSnapshot {
    explicit StateSnapshot(const TALL& all)
        : Image(all.Image), BandText(all.BandText), BandLow(all.BandLow), BandHigh(all.BandHigh),
          ModelCode(all.ModelCode), FileDate(all.FileDate), Modified(all.Modified) {}
    bool operator==(const StateSnapshot&) const = default;

    ImageBytes Image;
    std::string BandText;
    double BandLow;
    double BandHigh;
    std::string ModelCode;
    std::string FileDate;
    bool Modified;
};

class DataFile : public ::testing::Test {
protected:
    DataFile() {
        char folder[] = "/tmp/kx40-datafile-XXXXXX";
        dir = ::mkdtemp(folder);
        EXPECT_TRUE(ApplyModel(db.All, db.Models, db.Bands, 247, true));
        // Something in every region, so that a lost or shifted byte shows.
        for (std::size_t i = 0; i < ImageSize; ++i) {
            db.All.Image[i] = static_cast<std::uint8_t>(i * 7 + 3);
        }
        const std::vector<std::uint8_t> settings = {1,    1,    0,    0, 5, 1,    1,    1, 0, 1,
                                                    0xAB, 0xCD, 0x21, 1, 3, 0x77, 0x55, 5, 1, 6};
        std::ranges::copy(settings, db.All.Image.begin() + RadioImage::SettingsBlock.Offset);
        db.All.Image[RadioImage::IdentBandCode] = 247;
        db.All.Modified = true;
    }
    ~DataFile() override { fs::remove_all(dir); }

    Result<void, LoadError> Load(const fs::path& path) {
        return LoadDataFile(db.All, db.Models, db.Bands, path.string());
    }

    std::vector<std::string> FilesInDir() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir)) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

    CatalogueFixture db;
    fs::path dir;
};

} // namespace

TEST_F(DataFile, SaveThenOpenRestoresTheImage) {
    const fs::path file = dir / "plan.dat";
    const ImageBytes saved = db.All.Image;
    ASSERT_TRUE(SaveDataFile(db.All, file.string(), SaveTime));
    EXPECT_FALSE(db.All.Modified);

    const auto bytes = ReadBytes(file);
    ASSERT_EQ(bytes.size(), DataFileSize);
    EXPECT_EQ(Hex(std::span(bytes).first(Body)), "50 57 5A 52 45 40 04 70 EA 07 0C 09 08 26 FF FF");
    EXPECT_TRUE(std::equal(bytes.begin() + Body, bytes.end(), saved.begin() + Body));

    std::ranges::fill(db.All.Image, 0x00);
    db.All.Modified = true;
    ASSERT_TRUE(ApplyModel(db.All, db.Models, db.Bands, 249, true));
    ASSERT_TRUE(Load(file));

    EXPECT_TRUE(std::equal(saved.begin() + Body, saved.end(), db.All.Image.begin() + Body));
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.begin() + 8, db.All.Image.begin()));
    EXPECT_EQ(Hex(std::span(db.All.Image).subspan(8, 8)), "00 00 00 00 00 00 00 00");
    EXPECT_EQ(db.All.BandText, "400 - 470MHz");
    EXPECT_EQ(db.All.FileDate, "2026-12-09 08:38");
    EXPECT_FALSE(db.All.Modified);
}

TEST_F(DataFile, HeaderCarriesModelBandAndMinute) {
    const std::vector<std::tuple<double, double, std::string>> cases = {
        {400, 470, "40 04 70"}, {27, 72, "02 70 72"}, {440, 530, "44 05 30"}, {0, 999, "00 09 99"}};
    for (const auto& [low, high, digits] : cases) {
        db.All.BandLow = low;
        db.All.BandHigh = high;
        ASSERT_TRUE(SaveDataFile(db.All, (dir / "b.dat").string(), {0xEB, 0x07, 1, 2, 3, 4, 59}));
        const auto bytes = ReadBytes(dir / "b.dat");
        EXPECT_EQ(Hex(std::span(bytes).first(Body)),
                  "50 57 5A 52 45 " + digits + " EB 07 01 02 03 04 FF FF");
    }
}

TEST_F(DataFile, OpensAFileAndTheBandCodeWins) {
    ASSERT_TRUE(Load(Fixture("kx40_two_channels.dat")));
    const auto bytes = ReadBytes(Fixture("kx40_two_channels.dat"));
    EXPECT_TRUE(std::equal(bytes.begin() + Body, bytes.end(), db.All.Image.begin() + Body));

    db.All.Modified = true;
    ASSERT_TRUE(Load(Fixture("band_code_wins.dat")));
    EXPECT_EQ(db.All.BandText, "400 - 470MHz");
    EXPECT_EQ(db.All.BandLow, 400);
    EXPECT_EQ(db.All.BandHigh, 470);
    EXPECT_EQ(Hex(std::span(db.All.Image).first(8)), "50 57 5A 52 45 44 05 30");
    EXPECT_EQ(db.All.Image[RadioImage::SignalShape], 0x00) << "the opened image is sanitised";
    EXPECT_FALSE(db.All.Modified);
}

TEST_F(DataFile, AHeaderOnlyFileKeepsTheImageBody) {
    const ImageBytes before = db.All.Image;
    ASSERT_TRUE(Load(Fixture("header_only.dat")));
    EXPECT_EQ(Hex(std::span(db.All.Image).first(8)), "50 57 5A 52 45 40 04 70");
    EXPECT_TRUE(std::equal(before.begin() + 8, before.end(), db.All.Image.begin() + 8));
    EXPECT_FALSE(db.All.Modified);
}

TEST_F(DataFile, RefusedFilesChangeNothing) {
    ASSERT_TRUE(ApplyModel(db.All, db.Models, db.Bands, 249, true));
    db.All.FileDate = "earlier";
    const StateSnapshot before(db.All);
    const std::vector<std::pair<fs::path, bool>> cases = {
        {Fixture("short.dat"), true},        {Fixture("unregistered_model.dat"), true},
        {Fixture("foreign_band.dat"), true}, {Fixture("bad_band_digits.dat"), false},
        {dir / "missing.dat", false},        {dir, false},
    };
    for (const auto& [path, unknownModel] : cases) {
        const auto loaded = Load(path);
        ASSERT_FALSE(loaded) << path;
        EXPECT_EQ(loaded.error().UnknownModel, unknownModel) << path;
        EXPECT_NE(loaded.error().Reason.find(path.string()), std::string::npos)
            << loaded.error().Reason;
        EXPECT_TRUE(StateSnapshot(db.All) == before) << path;
    }
}

TEST_F(DataFile, AFailedSaveLeavesTheOldFileIntact) {
    const fs::path file = dir / "plan.dat";
    const std::vector<std::uint8_t> old(DataFileSize, 0x5A);
    WriteBytes(file, old);

    // The disk fills up half-way through the write.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 100;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const auto full = SaveDataFile(db.All, file.string(), SaveTime);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ASSERT_FALSE(full);
    EXPECT_NE(full.error().Reason.find("plan.dat"), std::string::npos) << full.error().Reason;

    // A band whose edges do not fit the header.
    db.All.BandHigh = 1000;
    EXPECT_FALSE(SaveDataFile(db.All, file.string(), SaveTime));

    EXPECT_EQ(ReadBytes(file), old);
    EXPECT_EQ(FilesInDir(), std::vector<std::string>{"plan.dat"});
    EXPECT_TRUE(db.All.Modified);

    EXPECT_FALSE(SaveDataFile(db.All, (dir / "no-such-folder" / "x.dat").string(), SaveTime));
    EXPECT_FALSE(SaveDataFile(db.All, "", SaveTime));
}
