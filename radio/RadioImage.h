#pragma once

#include "radio/DateTimeCodec.h"
#include "radio/Result.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

inline constexpr std::size_t ImageSize = 448;
using ImageBytes = std::array<std::uint8_t, ImageSize>;

struct TALL;
class TFrqList;

// A run of image bytes: [Offset, Offset + Size).
struct ImageRegion {
    std::size_t Offset;
    std::size_t Size;
    constexpr std::size_t End() const { return Offset + Size; }
};

// The one description of the 448-byte radio image and a read-only typed view
// over it. Offsets are image offsets; the radio sees 16..383 as addresses
// 0x000..0x16F.
class RadioImageView {
public:
    // Regions, in image order.
    static constexpr ImageRegion Password{0, 8};
    static constexpr ImageRegion NewPassword{8, 8};
    static constexpr ImageRegion HeadBlock{16, 16};
    static constexpr ImageRegion Channels{32, 256};
    static constexpr ImageRegion SpareBlock{288, 16};
    static constexpr ImageRegion SettingsBlock{304, 20};
    static constexpr ImageRegion SettingsSpare{324, 12};
    static constexpr ImageRegion Ident{336, 8};
    static constexpr std::size_t IdentMark = 336;
    static constexpr ImageRegion IdentModelCode{337, 4};
    static constexpr std::size_t IdentBandCode = 341;
    static constexpr ImageRegion IdentPad{342, 2};
    static constexpr ImageRegion RadioPassword{344, 8};
    static constexpr ImageRegion SerialNumber{352, 16};
    static constexpr ImageRegion WriteTime{368, 7};
    static constexpr ImageRegion WindowSpare{375, 9};
    static constexpr ImageRegion LocalTail{384, 48};
    static constexpr ImageRegion FileTail{432, 16};

    // The part of the image that mirrors the radio's memory.
    static constexpr ImageRegion RadioWindow{16, 368};
    static constexpr std::size_t RadioBase = RadioWindow.Offset;
    static constexpr std::size_t ToRadioAddress(std::size_t offset) { return offset - RadioBase; }
    static constexpr std::size_t ToImageOffset(std::size_t address) { return address + RadioBase; }
    // The radio moves its memory in blocks of this size, addresses 0x000..0x168.
    static constexpr std::size_t BlockSize = 8;
    static constexpr std::size_t BlockCount = RadioWindow.Size / BlockSize;
    // What a data file carries after its header.
    static constexpr ImageRegion FileBody{16, 432};

    static constexpr std::uint8_t IdentMarkValue = 0x50; // 'P'
    static constexpr std::uint8_t Empty = 0xFF;

    // Channel records: channel n (1..MaxChannels) at 16 + 16 * n.
    static constexpr int MaxChannels = 16;
    static constexpr std::size_t ChannelSize = 16;
    static constexpr std::size_t ChannelOffset(int n) {
        return RadioBase + ChannelSize * static_cast<std::size_t>(n);
    }
    static constexpr ImageRegion ChannelRecord(int n) { return {ChannelOffset(n), ChannelSize}; }

    // Fields inside a channel record, relative to its start.
    struct Record {
        static constexpr ImageRegion RxFreq{0, 4};
        static constexpr ImageRegion TxFreq{4, 4};
        static constexpr ImageRegion RxTone{8, 2};
        static constexpr ImageRegion TxTone{10, 2};
        static constexpr std::size_t ChannelFlags = 12;
        static constexpr ImageRegion Spare{13, 3};
    };

    // Bits of ChannelFlags. The yes/no options are stored inverted: 0 means on.
    enum class ChannelFlag : std::uint8_t {
        BusyLock = 0,
        SpareFlag = 1,
        Narrow = 2,
        HighPower = 3,
        ScanAdd = 4,
        Compander = 5,
        Scrambler = 6,
        ChannelWhisper = 7,
    };

    // The settings block, one byte per function setting.
    enum Setting : std::size_t {
        VoiceSwitch = 304,
        VoiceLanguage = 305,
        ScanSwitch = 306,
        VoxFunction = 307,
        VoxGainLevel = 308,
        VoxInhibitOnReceive = 309,
        LowVolInhibitTx = 310,
        HighVolInhibitTx = 311,
        InceptAlarm = 312,
        FmRadio = 313,
        SettingsSpare1 = 314,
        SettingsSpare2 = 315,
        SignalShape = 316,
        Epilogue = 317,
        BatterySave = 318,
        WhisperSetting = 319,
        ClewVoice = 320,
        SquelchLevel = 321,
        SideKey = 322,
        TxTimeOut = 323,
    };

    explicit RadioImageView(const ImageBytes& bytes) : bytes_(&bytes) {}

    std::uint8_t Byte(std::size_t offset) const { return bytes_->at(offset); }
    // Throws std::out_of_range for a region past the image: a programming
    // error, never a matter of input.
    std::span<const std::uint8_t> Bytes(ImageRegion region) const;
    // A character field with its bytes as they are.
    std::string Text(ImageRegion region) const;
    std::span<const std::uint8_t> Channel(int n) const { return Bytes(ChannelRecord(n)); }
    bool ChannelFlagBit(int n, ChannelFlag flag) const;

    // A field of fixed width, checked at compile time; the codecs take these.
    template <ImageRegion R> std::span<const std::uint8_t, R.Size> Field() const {
        static_assert(R.End() <= ImageSize);
        return std::span<const std::uint8_t, R.Size>(bytes_->data() + R.Offset, R.Size);
    }

private:
    const ImageBytes* bytes_;
};

// The same view with write access.
class RadioImage : public RadioImageView {
public:
    explicit RadioImage(ImageBytes& bytes) : RadioImageView(bytes), bytes_(&bytes) {}

    using RadioImageView::Bytes;
    using RadioImageView::Channel;

    void SetByte(std::size_t offset, std::uint8_t value) { bytes_->at(offset) = value; }
    std::span<std::uint8_t> Bytes(ImageRegion region);
    void Fill(ImageRegion region, std::uint8_t value);
    // Pads with spaces and cuts at the field width.
    void SetText(ImageRegion region, std::string_view text);
    std::span<std::uint8_t> Channel(int n) { return Bytes(ChannelRecord(n)); }
    void SetChannelFlagBit(int n, ChannelFlag flag, bool set);

    using RadioImageView::Field;
    template <ImageRegion R> std::span<std::uint8_t, R.Size> Field() {
        static_assert(R.End() <= ImageSize);
        return std::span<std::uint8_t, R.Size>(bytes_->data() + R.Offset, R.Size);
    }

private:
    ImageBytes* bytes_;
};

// Fills the image with the defaults of a new radio, stamped with the current
// model and band and with `now` (date-time codec bytes) as the write time. Bytes 432..447 are kept.
void ResetImage(TALL& all, const TFrqList& bands, const DateTimeBytes& now);

// Writes the identity block from the current model code and band.
void StampIdent(TALL& all, const TFrqList& bands);

// One block as the write to the radio sends it, for a radio address that is
// a multiple of BlockSize inside the radio window. With NewPasswordEnabled the
// password block carries the scrambled NewPassword; the image is not changed.
using RadioBlock = std::array<std::uint8_t, RadioImage::BlockSize>;
Result<RadioBlock> BlockToWrite(const TALL& all, std::size_t address);

// Stores the memory read from a radio: the radio window takes the bytes and
// the local tail is cleared; the passwords and the file tail are kept.
void StoreRadioMemory(TALL& all,
                      std::span<const std::uint8_t, RadioImage::RadioWindow.Size> memory);

// Brings the settings block of a read or opened image into range and makes the
// band code name the current band.
void SanitizeImage(TALL& all, const TFrqList& bands);
