// Signed 32-bit sums that stop at the ends of the range instead of wrapping:
// an enormous step or a far-off window must never turn into a jump to the
// opposite side of the screen (or undefined behaviour).
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

namespace lumo {

inline std::int32_t saturatingAdd(std::int32_t a, std::int32_t b) {
    const std::int64_t sum = std::int64_t{a} + std::int64_t{b};
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(sum, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

inline std::int32_t saturatingSub(std::int32_t a, std::int32_t b) {
    const std::int64_t difference = std::int64_t{a} - std::int64_t{b};
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(difference, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

}  // namespace lumo
