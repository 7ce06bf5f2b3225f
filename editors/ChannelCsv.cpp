#include "editors/ChannelCsv.h"

#include "app/TALL.h"
#include "editors/CsvTable.h"
#include "editors/FreqEntry.h"
#include "radio/ChannelCodec.h"
#include "radio/NumberText.h"
#include "radio/RadioImage.h"
#include "radio/ToneCodec.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <map>
#include <optional>

namespace {

using Flag = RadioImage::ChannelFlag;

// Frequencies are handled in the image's unit, 10 Hz, so that offsets add up
// exactly.
using FreqUnits = long long;
constexpr double UnitsPerMhz = 1e5;
constexpr FreqUnits CoarseRasterUnits = 500; // 5 kHz
constexpr double MaxMhz = 1e6;

FreqUnits ToUnits(double mhz) {
    return std::llround(mhz * UnitsPerMhz);
}

double ToMhz(FreqUnits units) {
    return static_cast<double>(units) / UnitsPerMhz;
}

std::string SixDecimals(FreqUnits units) {
    char text[48];
    std::snprintf(text, sizeof text, "%.6f", ToMhz(units));
    return text;
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::ranges::transform(lower, lower.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// One side of a channel's squelch: nothing, a CTCSS tone or a DCS code.
struct Tone {
    enum Kind { None, Ctcss, Dcs } Type = None;
    std::string Value;   // "88.5" or "023"
    char Polarity = 'N'; // N normal, R inverted

    static Tone FromText(const std::string& text) {
        if (text.empty()) {
            return {};
        }
        if (text[0] == 'D') {
            return {Dcs, text.substr(1, 3), text[4] == 'I' ? 'R' : 'N'};
        }
        return {Ctcss, text, 'N'};
    }
    std::string Text() const {
        switch (Type) {
        case Ctcss:
            return Value;
        case Dcs:
            return "D" + Value + (Polarity == 'R' ? 'I' : 'N');
        default:
            return {};
        }
    }
    std::string KindWord() const { return Type == Ctcss ? "Tone" : Type == Dcs ? "DTCS" : ""; }
};

enum Col {
    Location,
    Name,
    Frequency,
    Duplex,
    Offset,
    ToneMode,
    RToneFreq,
    CToneFreq,
    DtcsCode,
    DtcsPolarity,
    RxDtcsCode,
    CrossMode,
    Mode,
    TStep,
    Skip,
    Power,
    Comment,
    UrCall,
    Rpt1Call,
    Rpt2Call,
    DvCode,
    BusyLock,
    Compander,
    Scrambler,
    ColumnCount
};

// Written into the tone columns a row does not use, as other programs expect.
constexpr std::string_view PlaceholderCtcss = "88.5";
constexpr std::string_view PlaceholderDcs = "023";

std::string YesNo(bool on) {
    return on ? "Yes" : "No";
}

void ExportTones(const Tone& encode, const Tone& decode, std::array<std::string, ColumnCount>& f) {
    f[RToneFreq] = f[CToneFreq] = PlaceholderCtcss;
    f[DtcsCode] = f[RxDtcsCode] = PlaceholderDcs;
    f[DtcsPolarity] = "NN";
    f[CrossMode] = "Tone->Tone";
    if (encode.Type == Tone::None && decode.Type == Tone::None) {
        return;
    }
    if (encode.Type == Tone::Ctcss && decode.Type == Tone::None) {
        f[ToneMode] = "Tone";
        f[RToneFreq] = encode.Value;
        return;
    }
    if (encode.Type == Tone::Ctcss && decode.Type == Tone::Ctcss && encode.Value == decode.Value) {
        f[ToneMode] = "TSQL";
        f[RToneFreq] = f[CToneFreq] = encode.Value;
        return;
    }
    f[DtcsPolarity] = std::string{encode.Polarity, decode.Polarity};
    if (encode.Type == Tone::Dcs && decode.Type == Tone::Dcs && encode.Value == decode.Value) {
        f[ToneMode] = "DTCS";
        f[DtcsCode] = f[RxDtcsCode] = encode.Value;
        return;
    }
    f[ToneMode] = "Cross";
    f[CrossMode] = encode.KindWord() + "->" + decode.KindWord();
    if (encode.Type == Tone::Ctcss) {
        f[RToneFreq] = encode.Value;
    }
    if (decode.Type == Tone::Ctcss) {
        f[CToneFreq] = decode.Value;
    }
    if (encode.Type == Tone::Dcs) {
        f[DtcsCode] = encode.Value;
    }
    if (decode.Type == Tone::Dcs) {
        f[RxDtcsCode] = decode.Value;
    }
}

std::string ExportRow(int channel, const TChannelData& data) {
    const auto flagOn = [&](Flag flag) { return data.Flags[static_cast<std::size_t>(flag)] == 0; };
    std::array<std::string, ColumnCount> f;
    f[Location] = std::to_string(channel);
    const FreqUnits rx = ToUnits(data.RxFreq);
    f[Frequency] = SixDecimals(rx);
    f[Offset] = SixDecimals(0);
    if (data.TxFreq < 0) {
        f[Duplex] = "off";
    } else if (const FreqUnits tx = ToUnits(data.TxFreq); tx != rx) {
        f[Duplex] = tx > rx ? "+" : "-";
        f[Offset] = SixDecimals(tx > rx ? tx - rx : rx - tx);
    }
    ExportTones(Tone::FromText(data.TxTone), Tone::FromText(data.RxTone), f);
    // The flags hold 1 for Narrow and High but 0 for the Yes/No options that are on.
    f[Mode] = flagOn(Flag::Narrow) ? "FM" : "NFM";
    f[TStep] = rx % CoarseRasterUnits == 0 ? "5.00" : "6.25";
    f[Skip] = flagOn(Flag::ScanAdd) ? "" : "S";
    f[Power] = flagOn(Flag::HighPower) ? "Low" : "High";
    f[BusyLock] = YesNo(flagOn(Flag::BusyLock));
    f[Compander] = YesNo(flagOn(Flag::Compander));
    f[Scrambler] = YesNo(flagOn(Flag::Scrambler));
    std::string line;
    for (std::size_t i = 0; i < f.size(); ++i) {
        line += (i ? "," : "") + f[i];
    }
    return line + "\n";
}

// A channel as a row of the file describes it.
struct CsvChannel {
    int Channel = 0;
    int Line = 0;
    FreqUnits Rx = 0;
    std::optional<FreqUnits> Tx;
    Tone Encode;
    Tone Decode;
    bool Narrow = false;
    bool HighPower = true;
    bool ScanAdd = false;
    bool BusyLock = false;
    bool Compander = false;
    bool Scrambler = false;
};

// Reads one data row; errors and warnings carry its line number.
class RowParser {
public:
    RowParser(const TALL& all, const CsvTable& table, const CsvTable::Row& row,
              std::vector<std::string>& warnings)
        : all_(all), table_(table), row_(row), warnings_(warnings) {}

    Result<CsvChannel> Parse() {
        CsvChannel ch;
        ch.Line = row_.Line;
        const auto location = ParseDigits(Field("Location"));
        if (!location || *location < 1 ||
            *location > static_cast<std::uint32_t>(
                            std::clamp(all_.ChannelCount, 0, RadioImage::MaxChannels))) {
            return Fail(
                "the location \"" + Field("Location") + "\" is not a channel number from 1 to " +
                std::to_string(std::clamp(all_.ChannelCount, 0, RadioImage::MaxChannels)) + ".");
        }
        ch.Channel = static_cast<int>(*location);
        if (Field("Frequency").empty()) {
            return Fail("the row has no frequency.");
        }
        auto rx = Frequency(Field("Frequency"), "frequency");
        if (!rx) {
            return rx.error();
        }
        ch.Rx = *rx;
        auto tx = Transmit(ch.Rx);
        if (!tx) {
            return tx.error();
        }
        ch.Tx = *tx;
        if (auto tones = Tones(ch); !tones) {
            return tones.error();
        }
        if (!ch.Tx && ch.Encode.Type != Tone::None) {
            Warn("without a transmit frequency the encode tone is dropped.");
            ch.Encode = {};
        }
        return Options(ch);
    }

private:
    std::string Field(std::string_view name) const {
        const auto column = table_.Column(name);
        if (!column || *column >= row_.Fields.size()) {
            return {};
        }
        return row_.Fields[*column];
    }
    bool HasColumn(std::string_view name) const { return table_.Column(name).has_value(); }

    Error Fail(const std::string& what) const {
        return Error{"Line " + std::to_string(row_.Line) + ": " + what};
    }
    void Warn(const std::string& what) {
        warnings_.push_back("Line " + std::to_string(row_.Line) + ": " + what);
    }

    // A number as the file writes it: with ';' as separator the decimal
    // separator may be a comma.
    std::string Decimal(std::string text) const {
        if (table_.Separator == ';') {
            std::ranges::replace(text, ',', '.');
        }
        return text;
    }

    // A frequency or an offset in MHz. Far beyond any radio it is no
    // frequency at all, which also keeps the sums of units in range.
    std::optional<FreqUnits> Units(const std::string& text) const {
        const auto mhz = ParseFreqText(Decimal(text));
        if (!mhz || *mhz > MaxMhz) {
            return std::nullopt;
        }
        return ToUnits(*mhz);
    }

    Result<FreqUnits> Frequency(const std::string& text, const std::string& what) {
        const auto units = Units(text);
        if (!units) {
            return Fail("the " + what + " \"" + text + "\" is not a frequency in MHz.");
        }
        return Checked(*units, what);
    }

    // The checks of a grid entry, except that a frequency beyond the radio's
    // limits is refused rather than moved to the band edge.
    Result<FreqUnits> Checked(FreqUnits units, const std::string& what) {
        const FreqCheck check = CheckFreqValue(ToMhz(units), all_);
        const std::string shown = FormatFreq(ToMhz(units)) + " MHz";
        if (check.Msg == FreqMsg::ErrRange) {
            return Fail("the " + what + " " + shown + " is outside the radio's limits " +
                        FormatFreq(all_.MinFreq) + " to " + FormatFreq(all_.MaxFreq) + " MHz.");
        }
        if (check.Msg == FreqMsg::OutRange) {
            Warn("the " + what + " " + shown + " lies outside the band " + all_.BandText + ".");
        }
        const FreqUnits snapped = ToUnits(check.Freq);
        if (snapped != units) {
            Warn("the " + what + " " + shown + " is off the channel raster; stored as " +
                 FormatFreq(check.Freq) + " MHz.");
        }
        return snapped;
    }

    Result<std::optional<FreqUnits>> Transmit(FreqUnits rx) {
        const std::string duplex = Lower(Field("Duplex"));
        const std::string offsetText = Field("Offset");
        if (duplex == "off") {
            return std::optional<FreqUnits>();
        }
        if (duplex == "split") {
            if (offsetText.empty()) {
                return Fail("Duplex split needs the transmit frequency in Offset.");
            }
            auto tx = Frequency(offsetText, "transmit frequency");
            if (!tx) {
                return tx.error();
            }
            return std::optional<FreqUnits>(*tx);
        }
        if (!duplex.empty() && duplex != "+" && duplex != "-") {
            return Fail("the duplex \"" + Field("Duplex") + "\" is not one of +, -, split, off.");
        }
        FreqUnits offset = 0;
        if (!duplex.empty() && !offsetText.empty()) {
            const auto units = Units(offsetText);
            if (!units) {
                return Fail("the offset \"" + offsetText + "\" is not a frequency in MHz.");
            }
            offset = *units;
        }
        auto tx = Checked(duplex == "-" ? rx - offset : rx + offset, "transmit frequency");
        if (!tx) {
            return tx.error();
        }
        return std::optional<FreqUnits>(*tx);
    }

    Result<Tone> Ctcss(std::string_view column) {
        const std::string text = Field(column);
        const auto hz = ParseDecimalNumber(Decimal(text));
        const double tenths = hz ? std::round(*hz * 10) : -1;
        // A tone the tone box would keep as it is; it stores tenths of Hz.
        if (!hz || tenths < 0 || std::abs(*hz * 10 - tenths) > 1e-6 ||
            NormalizeTone(TenthsText(static_cast<unsigned>(tenths))) !=
                TenthsText(static_cast<unsigned>(tenths))) {
            return Fail("the " + std::string(column) + " \"" + text +
                        "\" is not a CTCSS tone this radio can hold.");
        }
        return Tone{Tone::Ctcss, TenthsText(static_cast<unsigned>(tenths)), 'N'};
    }

    Result<Tone> Dcs(std::string_view column, std::size_t polarityIndex) {
        const std::string code = Field(column);
        const std::string polarity =
            Field("DtcsPolarity").empty() ? "nn" : Lower(Field("DtcsPolarity"));
        if (polarity.size() != 2 || polarity.find_first_not_of("nr") != std::string::npos) {
            return Fail("the DtcsPolarity \"" + Field("DtcsPolarity") +
                        "\" is not two of N and R.");
        }
        const auto value = ParseDigits(code);
        Tone tone{Tone::Dcs, value && code.size() <= 3 ? ZeroPadded(*value, 3) : code,
                  polarity[polarityIndex] == 'r' ? 'R' : 'N'};
        if (!value || code.size() > 3 || !ToneToBytes(tone.Text())) {
            return Fail("the " + std::string(column) + " \"" + code +
                        "\" is not a DCS code this radio can hold.");
        }
        return tone;
    }

    // One side of a Cross row: the encode side reads rToneFreq and DtcsCode,
    // the decode side cToneFreq and RxDtcsCode.
    Result<Tone> CrossSide(const std::string& kind, bool encode) {
        if (kind.empty()) {
            return Tone{};
        }
        if (kind == "tone") {
            return Ctcss(encode ? "rToneFreq" : "cToneFreq");
        }
        if (kind == "dtcs") {
            return Dcs(encode ? "DtcsCode" : "RxDtcsCode", encode ? 0 : 1);
        }
        return Fail("the CrossMode \"" + Field("CrossMode") +
                    "\" is not a pair of Tone, DTCS or nothing.");
    }

    Result<void> Tones(CsvChannel& ch) {
        const std::string mode = Lower(Field("Tone"));
        auto take = [](Result<Tone> tone, Tone& into) -> Result<void> {
            if (!tone) {
                return tone.error();
            }
            into = *tone;
            return {};
        };
        if (mode.empty()) {
            return {};
        }
        if (mode == "tone") {
            return take(Ctcss("rToneFreq"), ch.Encode);
        }
        if (mode == "tsql") {
            auto tone = Ctcss(Field("cToneFreq").empty() ? "rToneFreq" : "cToneFreq");
            if (auto taken = take(tone, ch.Encode); !taken) {
                return taken;
            }
            ch.Decode = ch.Encode;
            return {};
        }
        if (mode == "dtcs") {
            if (auto taken = take(Dcs("DtcsCode", 0), ch.Encode); !taken) {
                return taken;
            }
            return take(Dcs("DtcsCode", 1), ch.Decode);
        }
        if (mode == "cross") {
            const std::string cross = Lower(Field("CrossMode"));
            const auto arrow = cross.find("->");
            if (arrow == std::string::npos) {
                return Fail("the CrossMode \"" + Field("CrossMode") +
                            "\" is not of the form A->B.");
            }
            if (auto taken = take(CrossSide(cross.substr(0, arrow), true), ch.Encode); !taken) {
                return taken;
            }
            return take(CrossSide(cross.substr(arrow + 2), false), ch.Decode);
        }
        if (mode == "tsql-r" || mode == "dtcs-r") {
            return Fail("the tone mode " + Field("Tone") +
                        " needs reverse squelch, which this radio does not have.");
        }
        return Fail("the tone mode \"" + Field("Tone") + "\" is unknown.");
    }

    // A word of `column` that must be one of two; an empty cell or a missing
    // column keeps the new-channel default.
    Result<void> Choice(std::string_view column, std::string_view on, std::string_view off,
                        bool& value) {
        const std::string word = Lower(Field(column));
        if (word.empty()) {
            return {};
        }
        if (word != Lower(on) && word != Lower(off)) {
            return Fail("the " + std::string(column) + " \"" + Field(column) + "\" is not " +
                        std::string(on) + " or " + std::string(off) + ".");
        }
        value = word == Lower(on);
        return {};
    }

    Result<CsvChannel> Options(CsvChannel ch) {
        for (auto result :
             {Choice("Mode", "NFM", "FM", ch.Narrow), Choice("Power", "High", "Low", ch.HighPower),
              Choice("BusyLock", "Yes", "No", ch.BusyLock),
              Choice("Compander", "Yes", "No", ch.Compander),
              Choice("Scrambler", "Yes", "No", ch.Scrambler)}) {
            if (!result) {
                return result.error();
            }
        }
        // An empty Skip cell means the channel is scanned.
        if (HasColumn("Skip")) {
            const std::string skip = Lower(Field("Skip"));
            if (skip != "" && skip != "s" && skip != "p") {
                return Fail("the Skip \"" + Field("Skip") + "\" is not empty, S or P.");
            }
            ch.ScanAdd = skip != "s";
        }
        return ch;
    }

    const TALL& all_;
    const CsvTable& table_;
    const CsvTable::Row& row_;
    std::vector<std::string>& warnings_;
};

Result<void> StoreChannel(TALL& all, const CsvChannel& ch) {
    const auto bit = [](bool set) { return set ? "1" : "0"; };
    const std::array<std::pair<int, std::string>, 10> fields = {{
        {FieldRxFreq, FormatFreq(ToMhz(ch.Rx))},
        {FieldTxFreq, ch.Tx ? FormatFreq(ToMhz(*ch.Tx)) : std::string()},
        {FieldRxTone, ch.Decode.Text()},
        {FieldTxTone, ch.Encode.Text()},
        {FieldFirstFlag + static_cast<int>(Flag::BusyLock), bit(!ch.BusyLock)},
        {FieldFirstFlag + static_cast<int>(Flag::Narrow), bit(ch.Narrow)},
        {FieldFirstFlag + static_cast<int>(Flag::HighPower), bit(ch.HighPower)},
        {FieldFirstFlag + static_cast<int>(Flag::ScanAdd), bit(!ch.ScanAdd)},
        {FieldFirstFlag + static_cast<int>(Flag::Compander), bit(!ch.Compander)},
        {FieldFirstFlag + static_cast<int>(Flag::Scrambler), bit(!ch.Scrambler)},
    }};
    for (const auto& [kind, text] : fields) {
        if (auto stored = SetChannelField(all, ch.Channel, kind, text); !stored) {
            return Error{"Line " + std::to_string(ch.Line) + ": " + stored.error().Reason};
        }
    }
    return {};
}

int ChannelRows(const TALL& all) {
    return std::clamp(all.ChannelCount, 0, RadioImage::MaxChannels);
}

} // namespace

const std::vector<std::string_view>& ChannelCsvColumns() {
    static const std::vector<std::string_view> columns = {
        "Location",  "Name",      "Frequency", "Duplex",       "Offset",     "Tone",
        "rToneFreq", "cToneFreq", "DtcsCode",  "DtcsPolarity", "RxDtcsCode", "CrossMode",
        "Mode",      "TStep",     "Skip",      "Power",        "Comment",    "URCALL",
        "RPT1CALL",  "RPT2CALL",  "DVCODE",    "BusyLock",     "Compander",  "Scrambler"};
    return columns;
}

std::string ExportChannelCsv(const TALL& all) {
    std::string csv;
    for (const std::string_view column : ChannelCsvColumns()) {
        csv += (csv.empty() ? "" : ",") + std::string(column);
    }
    csv += "\n";
    const RadioImageView image(all.Image);
    for (int channel = 1; channel <= ChannelRows(all); ++channel) {
        if (const auto data =
                DecodeChannel(image.Channel(channel).first<RadioImage::ChannelSize>())) {
            csv += ExportRow(channel, *data);
        }
    }
    return csv;
}

Result<std::vector<std::string>> ImportChannelCsv(TALL& all, std::string_view text) {
    auto table = ReadCsvTable(text);
    if (!table) {
        return table.error();
    }
    for (const std::string_view required : {"Location", "Frequency"}) {
        if (!table->Column(required)) {
            return Error{"The file has no " + std::string(required) + " column."};
        }
    }
    std::vector<std::string> warnings;
    std::vector<CsvChannel> channels;
    std::map<int, int> lineOf;
    for (const CsvTable::Row& row : table->Rows) {
        auto channel = RowParser(all, *table, row, warnings).Parse();
        if (!channel) {
            return channel.error();
        }
        if (const auto [it, added] = lineOf.emplace(channel->Channel, row.Line); !added) {
            return Error{"Line " + std::to_string(row.Line) + ": channel " +
                         std::to_string(channel->Channel) + " is already given on line " +
                         std::to_string(it->second) + "."};
        }
        channels.push_back(*channel);
    }

    const ImageBytes before = all.Image;
    for (int channel = 1; channel <= RadioImage::MaxChannels; ++channel) {
        (void)SetChannelField(all, channel, FieldRxFreq, "");
    }
    for (const CsvChannel& channel : channels) {
        if (auto stored = StoreChannel(all, channel); !stored) {
            all.Image = before;
            return stored.error();
        }
    }
    all.Modified = true;
    return warnings;
}
