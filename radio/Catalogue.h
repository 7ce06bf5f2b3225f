#pragma once

#include "radio/Result.h"

#include <cstdint>

struct TALL;
class TMacList;
class TFrqList;

// Registers the one model this program supports and sets the application-wide
// values that come with it.
void RegisterModels(TMacList& models, TALL& all);

// Makes the model that lists the band of `bandCode` current, with its default
// band, or with that band itself when `useBandCode` is set. An unknown code
// stands for "440 - 530MHz". When no model lists the band the state is left
// as it was and the error names the band.
Result<void> ApplyModel(TALL& all, const TMacList& models, const TFrqList& bands,
                        std::uint8_t bandCode, bool useBandCode);
