#include "editors/ToneLists.h"

#include "radio/HexText.h"
#include "radio/ToneCodec.h"

#include <array>
#include <cstdint>

namespace {

constexpr std::array<const char*, 39> BoxCtcss = {
    "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
    "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "162.2", "167.9", "173.8", "179.9",
    "186.2", "192.8", "203.5", "210.7", "218.1", "225.7", "233.6", "241.8", "250.3"};

constexpr std::array<const char*, 83> BoxDcsNormal = {
    "023", "025", "026", "031", "032", "043", "047", "051", "054", "065", "071", "072",
    "073", "074", "114", "115", "116", "125", "131", "132", "134", "143", "152", "155",
    "156", "162", "165", "172", "174", "205", "223", "226", "243", "244", "245", "251",
    "261", "263", "265", "271", "306", "311", "315", "331", "343", "346", "351", "364",
    "365", "371", "411", "412", "413", "423", "431", "432", "445", "464", "465", "466",
    "503", "506", "516", "532", "546", "565", "606", "612", "624", "627", "631", "632",
    "654", "662", "664", "703", "712", "723", "731", "732", "734", "743", "754"};

// The picker's rows: tone and its two-character code, indexed 01..2A.
struct PickerTone {
    const char* Tone;
    const char* Code;
};
constexpr std::array<PickerTone, 42> PickerCtcss = {{
    {"67.0", "XZ"},  {"69.3", "WZ"},  {"71.9", "XA"},  {"74.4", "WA"},  {"77.0", "XB"},
    {"79.7", "WB"},  {"82.5", "YZ"},  {"85.4", "YA"},  {"88.5", "YB"},  {"91.5", "ZZ"},
    {"94.8", "ZA"},  {"97.4", "ZB"},  {"100.0", "1Z"}, {"103.5", "1A"}, {"107.2", "1B"},
    {"110.9", "2Z"}, {"114.8", "2A"}, {"118.8", "2B"}, {"123.0", "3Z"}, {"127.3", "3A"},
    {"131.8", "3B"}, {"136.5", "4Z"}, {"141.3", "4A"}, {"146.2", "4B"}, {"151.4", "5Z"},
    {"156.7", "5A"}, {"162.2", "5B"}, {"167.9", "6Z"}, {"173.8", "6A"}, {"179.9", "6B"},
    {"186.2", "7Z"}, {"192.8", "7A"}, {"203.5", "M1"}, {"206.5", "8Z"}, {"210.7", "M2"},
    {"218.1", "M3"}, {"225.7", "M4"}, {"229.1", "9Z"}, {"233.6", "M5"}, {"241.8", "M6"},
    {"250.3", "M7"}, {"254.1", "0Z"},
}};

constexpr std::array<const char*, 85> PickerDcs = {
    "023", "025", "026", "031", "032", "043", "047", "051", "054", "065", "071", "072", "073",
    "074", "114", "115", "116", "125", "131", "132", "134", "143", "152", "155", "156", "162",
    "165", "172", "174", "205", "223", "226", "243", "244", "245", "251", "261", "263", "265",
    "271", "306", "311", "315", "331", "343", "346", "351", "364", "365", "371", "411", "412",
    "413", "423", "431", "432", "445", "464", "465", "466", "503", "506", "516", "525", "532",
    "546", "565", "606", "612", "624", "627", "631", "632", "645", "654", "662", "664", "703",
    "712", "723", "731", "732", "734", "743", "754"};

std::vector<std::string> MakeToneBoxList() {
    std::vector<std::string> list{"None"};
    for (const char* tone : BoxCtcss) {
        list.emplace_back(tone);
    }
    for (const char* code : BoxDcsNormal) {
        list.push_back(std::string("D") + code + "N");
    }
    // The radio's inverted list offers 145 where the normal one has 245, and no 351.
    for (std::string code : BoxDcsNormal) {
        if (code == "351") {
            continue;
        }
        list.push_back("D" + (code == "245" ? std::string("145") : code) + "I");
    }
    return list;
}

std::vector<std::string> MakeToneSource() {
    std::vector<std::string> list;
    for (std::size_t i = 0; i < PickerCtcss.size(); ++i) {
        list.push_back(ByteToHex(static_cast<std::uint8_t>(i + 1)) + "-" + PickerCtcss[i].Tone +
                       "-" + PickerCtcss[i].Code);
    }
    list.insert(list.end(), 3, std::string());
    for (std::size_t i = 0; i < PickerDcs.size(); ++i) {
        list.push_back(std::to_string(i + 1) + "-D" + PickerDcs[i]);
    }
    list.insert(list.end(), 3, std::string());
    return list;
}

} // namespace

const std::vector<std::string>& ToneBoxList() {
    static const std::vector<std::string> list = MakeToneBoxList();
    return list;
}

const std::vector<std::string>& ToneSource() {
    static const std::vector<std::string> list = MakeToneSource();
    return list;
}

std::string_view TrimText(std::string_view text) {
    constexpr std::string_view blanks = " \t\r\n";
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::string NormalizeToneBox(std::string_view text, const std::string& noneText) {
    const std::string_view trimmed = TrimText(text);
    if (trimmed.empty() || trimmed == noneText) {
        return noneText;
    }
    return NormalizeTone(trimmed);
}

bool ToneKeyAllowed(char32_t ch) {
    switch (ch) {
    case U'.':
    case U'D':
    case U'I':
    case U'N':
    case U'd':
    case U'i':
    case U'n':
        return true;
    default:
        return ch >= U'0' && ch <= U'9';
    }
}

bool FreqKeyAllowed(char32_t ch) {
    return ch == U'.' || (ch >= U'0' && ch <= U'9');
}
