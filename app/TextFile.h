#pragma once

#include "radio/Result.h"

#include <cstddef>
#include <string>

// A whole text file such as a CSV file. A file larger than `maxBytes` is
// refused rather than read: no channel plan comes near it.
Result<std::string> ReadTextFile(const std::string& fileName, std::size_t maxBytes = 1 << 20);
