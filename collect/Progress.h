// Progress units: every dropped name owns a band of 1024 units, starting at its index times 1024.
#pragma once

#include <cstdint>
#include <limits>

constexpr std::int32_t kProgressBand = 1024;

// Band arithmetic runs in 64 bits; the bar's range is 32 bits, so units saturate rather than wrap.
constexpr std::int32_t ProgressUnits(std::int64_t units) {
    constexpr std::int64_t top = std::numeric_limits<std::int32_t>::max();
    return units > top ? static_cast<std::int32_t>(top) : static_cast<std::int32_t>(units);
}
