#include "radio/FreqCodec.h"

#include "app/TALL.h"
#include "radio/NumberText.h"

#include <cmath>
#include <string>

namespace {

constexpr double UnitsPerMHz = 100000.0; // the field counts 10 Hz units
constexpr long long MaxUnits = 99999999; // eight digits

constexpr std::string_view MHzSuffix = "MHz";

} // namespace

Result<FreqBytes> FreqToBcd(std::string_view text) {
    text = text.substr(0, text.find(MHzSuffix));
    if (text.empty()) {
        return FreqBytes{0xFF, 0xFF, 0xFF, 0xFF};
    }
    const auto mhz = ParseDecimalNumber(text);
    if (!mhz) {
        return Error{"\"" + std::string(text) + "\" is not a frequency."};
    }
    const double units = std::round(*mhz * UnitsPerMHz);
    if (units < 0 || units > MaxUnits) {
        return Error{"The frequency " + std::string(text) +
                     " MHz is out of the range 0 to 999.99999 MHz."};
    }
    auto rest = static_cast<unsigned long>(units);
    FreqBytes bytes{};
    for (auto& byte : bytes) {
        byte = PackBcd(rest % 100);
        rest /= 100;
    }
    return bytes;
}

double BcdToFreq(std::span<const std::uint8_t, 4> bytes) {
    double units = 0;
    for (auto it = bytes.rbegin(); it != bytes.rend(); ++it) {
        const auto pair = UnpackBcd(*it);
        if (!pair) {
            return -1.0;
        }
        units = units * 100 + *pair;
    }
    return units / UnitsPerMHz;
}

double SnapToStep(const TALL& all, double mhz) {
    const double units = std::round(mhz * UnitsPerMHz);
    if (all.FineStep <= 0 || all.CoarseStep <= 0 || !(units >= 0 && units <= MaxUnits)) {
        return mhz;
    }
    const auto a = static_cast<long long>(units);
    if (a % all.CoarseStep == 0 || a % all.FineStep == 0) {
        return mhz;
    }
    return static_cast<double>(a - a % all.FineStep) / UnitsPerMHz;
}
