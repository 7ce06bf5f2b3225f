#pragma once

// The characters the embedded message lines accept: letters, digits and the
// space, plus the Backspace and Enter keys. Anything else, any code above 127
// included, never reaches the line.
bool AcceptMessageKey(char32_t key);

inline constexpr int MessageLineLength = 32;
