// Floating values become whole numbers by truncation toward zero, for the registry and for the controls
// alike: the one rule both follow, and the saturation that keeps stored data from overflowing it.
#pragma once

#include <cstdint>
#include <limits>

// Truncation toward zero that cannot overflow: NaN gives 0, values beyond the range its nearest end.
// Stored settings may hold anything.
inline int32_t SaturatingTruncate(double x) {
    if (x != x) return 0;
    if (x >= static_cast<double>(std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    if (x <= static_cast<double>(std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(x);
}

// The whole number that stands for `value`, whose scaled form is `product`: the product truncated toward
// zero, with one exception. Where that number does not give the value back (valueOf) but the next one away
// from zero does, the next one. Products such as 0.57 × 100 = 56.99999999999999 would otherwise come out one
// low, and every save of unchanged settings, or every visit of a page, would wear such values down a step.
template <class ValueOf>
int32_t WholeNumberFor(double value, double product, ValueOf valueOf) {
    const int32_t truncated = SaturatingTruncate(product);
    if (valueOf(truncated) == value) return truncated;
    const int64_t next = int64_t{truncated} + (product < 0 ? -1 : 1);
    if (next >= std::numeric_limits<int32_t>::min() && next <= std::numeric_limits<int32_t>::max() &&
        valueOf(static_cast<int32_t>(next)) == value)
        return static_cast<int32_t>(next);
    return truncated;
}
