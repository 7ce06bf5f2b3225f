#pragma once

#include <string>
#include <string_view>
#include <vector>

// The drop-down list of the grid's and the edit window's tone boxes: "None",
// 39 CTCSS tones, 83 normal and 82 inverted DCS codes (205 entries).
const std::vector<std::string>& ToneBoxList();

// The tone picker's hidden source list (133 entries): "index-tone-code" CTCSS
// rows, three blanks, "index-Dxxx" DCS rows, three blanks.
const std::vector<std::string>& ToneSource();

// What a tone box holds after the user leaves or confirms it: an empty text or
// the "None" text stands for no tone, anything else is normalised.
std::string NormalizeToneBox(std::string_view text, const std::string& noneText);

// Characters the tone boxes and the frequency entries let through. Control
// characters (Backspace, Enter, shortcuts) are left to the caller.
bool ToneKeyAllowed(char32_t ch);
bool FreqKeyAllowed(char32_t ch);

// The text with leading and trailing blanks removed.
std::string_view TrimText(std::string_view text);
