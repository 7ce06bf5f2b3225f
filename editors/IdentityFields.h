#pragma once

#include <string>
#include <string_view>

class RadioImageView;
struct TALL;

// The identity texts the radio information and password windows show and
// edit. A text field shows letters and digits as they are and every other
// byte as a space, so a blank field (all 0xFF) shows as spaces.

std::string SerialNumberText(const RadioImageView& image);
// "yyyy-MM-dd HH:mm:ss"; a blank record gives 65535-255-255 255:255:255.
std::string WriteTimeText(const RadioImageView& image);

// Writes the serial number, padded with spaces and cut to its 16 characters,
// and sets Modified. Does nothing and returns false unless the model lets the
// serial number be edited.
bool StoreSerialNumber(std::string_view text, TALL& all);

// The password fields as the password window shows them: filtered and trimmed.
std::string PasswordText(const RadioImageView& image);
std::string NewPasswordText(const RadioImageView& image);

// Writes the password and, only while the new password is enabled, the new
// password; both trimmed and padded with spaces. Modified is left alone: the
// passwords are not part of a data file.
void StorePasswords(std::string_view password, std::string_view newPassword, TALL& all);
