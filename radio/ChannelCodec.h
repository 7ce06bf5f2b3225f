#pragma once

#include "radio/RadioImage.h"
#include "radio/Result.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

struct TALL;

// A channel record as the editors show it.
struct TChannelData {
    double RxFreq = -1.0;
    double TxFreq = -1.0; // -1.0: no transmit frequency
    std::string RxTone;   // empty: no tone
    std::string TxTone;
    // Bits 0 to 6 of ChannelFlags, each 0 or 1 (BusyLock .. Scrambler).
    std::array<int, 7> Flags{};
};

// The record's fields, or nothing when the channel is empty (its receive
// frequency does not decode). Never fails on stored bytes: a malformed
// transmit frequency reads -1.0, a malformed tone an empty text.
std::optional<TChannelData>
DecodeChannel(std::span<const std::uint8_t, RadioImage::ChannelSize> record);

// The field numbers the channel grid and the channel edit window pass.
enum ChannelFieldKind : int {
    FieldRxFreq = 0,
    FieldTxFreq = 1,
    FieldRxTone = 2,
    FieldTxTone = 3,
    FieldFirstFlag = 4, // kinds 4..11 are the bits 0..7 of ChannelFlags
    FieldLastFlag = 11,
};

// Stores one field of channel n (1..16) from its text. An empty receive
// frequency empties the whole record; an empty transmit frequency also
// clears the transmit tone; a flag is set by "1" and cleared by any other
// text. A kind outside 0..11 changes nothing. A text that does not convert,
// or a channel outside the channel records, is an error and the record keeps
// its bytes.
Result<void> SetChannelField(TALL& all, int n, int kind, std::string_view text);
