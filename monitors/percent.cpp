#include "monitors/percent.h"

#include <limits>

std::int32_t MulDiv(std::int32_t number, std::int32_t numerator, std::int32_t denominator) {
    if (denominator == 0) return -1;
    const std::int64_t product = static_cast<std::int64_t>(number) * numerator;
    std::int64_t magnitude = product < 0 ? -product : product;
    const std::int64_t divisor = denominator < 0 ? -static_cast<std::int64_t>(denominator) : denominator;
    std::int64_t quotient = (magnitude + divisor / 2) / divisor;
    if ((product < 0) != (denominator < 0)) quotient = -quotient;
    if (quotient > std::numeric_limits<std::int32_t>::max() || quotient < std::numeric_limits<std::int32_t>::min()) return -1;
    return static_cast<std::int32_t>(quotient);
}

std::int32_t ScaledToRaw(std::int32_t value, std::int32_t minimum, std::int32_t maximum, std::int32_t scale) {
    return MulDiv(value, maximum - minimum, scale) + minimum;
}

std::int32_t RawToScaled(std::int32_t raw, std::int32_t minimum, std::int32_t maximum, std::int32_t scale) {
    return MulDiv(raw - minimum, scale, maximum - minimum);
}
