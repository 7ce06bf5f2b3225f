#pragma once

#include <string>
#include <string_view>

// Texts are UTF-8 inside the program. Settings and language files written by
// older Chinese systems are GBK; these convert between the two. GB18030 is used
// for both directions: it decodes every GBK file the same way and can encode
// any text, so nothing written back is ever lost.

bool IsValidUtf8(std::string_view bytes);

// Bytes that are not valid GBK become U+FFFD.
std::string GbkToUtf8(std::string_view bytes);

std::string Utf8ToGbk(std::string_view text);
