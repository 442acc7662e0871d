// Numeric helpers shared by every gauge.
#pragma once

#include <cstdint>

namespace drennomar {

/// A real truncated toward zero to a signed 32-bit integer, defined for every
/// double: values in range truncate, NaN gives 0, and values beyond the range
/// (infinities included) saturate to the nearest 32-bit limit. The panel
/// hands the module any double, and a plain cast of those is undefined.
constexpr std::int32_t TruncateToInt32(double value) {
#if defined(DRENNOMAR_PLANTED_FAULT_CAST)
    // Planted for the fuzzers to find (fuzz/planted.sh): the plain cast.
    return static_cast<std::int32_t>(value);
#endif
    if (!(value == value)) {
        return 0;
    }
    if (value >= 2147483648.0) {
        return INT32_MAX;
    }
    if (value <= -2147483649.0) {
        return INT32_MIN;
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace drennomar
