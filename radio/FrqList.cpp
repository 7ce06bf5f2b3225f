#include "radio/FrqList.h"

#include "radio/NumberText.h"

#include <optional>
#include <utility>

void TFrqList::Add(std::string text, std::uint8_t code) {
    pairs_.push_back({std::move(text), code});
}

std::uint8_t TFrqList::CodeOf(std::string_view text) const {
    for (const Pair& pair : pairs_) {
        if (pair.Text == text) {
            return pair.Code;
        }
    }
    return pairs_.size() > UnknownTextPosition ? pairs_[UnknownTextPosition].Code : 0;
}

std::string TFrqList::TextOf(std::uint8_t code) const {
    for (const Pair& pair : pairs_) {
        if (pair.Code == code) {
            return pair.Text;
        }
    }
    return pairs_.size() > UnknownCodePosition ? pairs_[UnknownCodePosition].Text : std::string();
}

void FillBandTable(TFrqList& bands) {
    bands.Add(" 27 -  72MHz", 0xFD);
    bands.Add("136 - 150MHz", 0xF1);
    bands.Add("136 - 174MHz", 0xF2);
    bands.Add("150 - 174MHz", 0xF0);
    bands.Add("216 - 223MHz", 0xF3);
    bands.Add("350 - 370MHz", 0xFA);
    bands.Add("350 - 390MHz", 0xFB);
    bands.Add("370 - 390MHz", 0xFC);
    bands.Add("400 - 420MHz", 0xF8);
    bands.Add("400 - 470MHz", 0xF7);
    bands.Add("440 - 530MHz", 0xF9);
    bands.Add("450 - 470MHz", 0xF4);
    bands.Add("450 - 490MHz", 0xF5);
    bands.Add("470 - 650MHz", 0xF6);
}

Result<BandRange> ParseBandRange(std::string_view text) {
    const auto dash = text.find('-');
    const auto unit = text.find("MHz", dash == std::string_view::npos ? 0 : dash + 1);
    std::optional<double> low;
    std::optional<double> high;
    if (dash != std::string_view::npos && unit != std::string_view::npos) {
        low = ParseDecimalNumber(text.substr(0, dash));
        high = ParseDecimalNumber(text.substr(dash + 1, unit - dash - 1));
    }
    if (!low || !high) {
        return Error{"\"" + std::string(text) + "\" is not a band of the form \"400 - 470MHz\"."};
    }
    return BandRange{*low, *high};
}
