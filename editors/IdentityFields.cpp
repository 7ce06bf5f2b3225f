#include "editors/IdentityFields.h"

#include "app/TALL.h"
#include "radio/DateTimeCodec.h"
#include "radio/HexText.h"
#include "radio/RadioImage.h"

#include <cstdint>

namespace {

std::string Filtered(const RadioImageView& image, ImageRegion region) {
    std::string text;
    for (std::uint8_t b : image.Bytes(region))
        text += FilterChar(b);
    return text;
}

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The image holds one byte per character. Whatever the user typed or pasted
// beyond printable ASCII becomes one space per character, so a multi-byte
// character can neither be cut in half nor shift the fields that follow.
std::string ImageChars(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else if (c < 0x80 || c >= 0xC0) {
            out += ' ';
        }
    }
    return out;
}

} // namespace

std::string SerialNumberText(const RadioImageView& image) {
    return Filtered(image, RadioImage::SerialNumber);
}

std::string WriteTimeText(const RadioImageView& image) {
    return BytesToDateTime(image.Field<RadioImageView::WriteTime>());
}

bool StoreSerialNumber(std::string_view text, TALL& all) {
    if (!all.SerialEditable)
        return false;
    RadioImage(all.Image).SetText(RadioImage::SerialNumber, ImageChars(text));
    all.Modified = true;
    return true;
}

std::string PasswordText(const RadioImageView& image) {
    return std::string(Trimmed(Filtered(image, RadioImage::Password)));
}

std::string NewPasswordText(const RadioImageView& image) {
    return std::string(Trimmed(Filtered(image, RadioImage::NewPassword)));
}

void StorePasswords(std::string_view password, std::string_view newPassword, TALL& all) {
    RadioImage image(all.Image);
    image.SetText(RadioImage::Password, Trimmed(ImageChars(password)));
    if (all.NewPasswordEnabled)
        image.SetText(RadioImage::NewPassword, Trimmed(ImageChars(newPassword)));
}
