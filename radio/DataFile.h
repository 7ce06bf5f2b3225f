#pragma once

#include "radio/DateTimeCodec.h"
#include "radio/Result.h"

#include <string>

struct TALL;
class TMacList;
class TFrqList;

// A data file (*.dat) is 448 bytes: the 16-byte file header, then image bytes
// 16..447 in image order.
inline constexpr std::size_t DataFileSize = 448;

// Writes the image with a header naming the current model, band and `now`
// (to the minute), then clears Modified. The file is replaced whole, so a
// failed save leaves the previous file as it was; Modified stays set.
Result<void> SaveDataFile(TALL& all, const std::string& fileName, const DateTimeBytes& now);

// Why an open failed. The window shows the ModError message when
// `UnknownModel` is set (the file names a model or band this program does not
// support, or is too short to name one) and `Reason` otherwise.
struct LoadError {
    bool UnknownModel = false;
    std::string Reason;
};

// Reads a data file into the image and makes its model and band (the band code
// in the image, not the header's band digits) current: header bytes 0..7 go to
// image 0..7, the file body to image 16.. as far as the file reaches, the image
// is sanitised, FileDate is set and Modified cleared. On any failure nothing
// in the application state changes; the caller then forgets the file name, so
// that a later Save cannot overwrite the file that failed to open.
Result<void, LoadError> LoadDataFile(TALL& all, const TMacList& models, const TFrqList& bands,
                                     const std::string& fileName);
