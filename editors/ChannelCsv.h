#pragma once

#include "radio/Result.h"

#include <string>
#include <string_view>
#include <vector>

struct TALL;

// The channel plan as CSV in the column layout that repeater directories and
// other radio programmers read and write, plus the radio's own three options.

// The header of an exported file, in column order.
const std::vector<std::string_view>& ChannelCsvColumns();

// One row per existing channel, comma-separated, LF line ends.
std::string ExportChannelCsv(const TALL& all);

// Replaces the whole channel plan of the image with the rows of `text`:
// channels the file does not list become empty, settings and identity stay.
// Each row is checked as the channel grid checks an entry; a frequency off the
// raster is snapped and a frequency outside the band kept, each with a
// warning. Returns the warnings, each naming its line. On any error the image
// is left as it was and the reason names the line.
Result<std::vector<std::string>> ImportChannelCsv(TALL& all, std::string_view text);
