#include "platform/rtl/Numerics.h"

#include "platform/rtl/Exceptions.h"

#include <cmath>
#include <limits>

namespace numerics_detail {

// The doubles that convert to int64 without overflow lie in [-2^63, 2^63).
double CheckedForInt64(double value) {
    if (!std::isfinite(value) || value < -9223372036854775808.0 || value >= 9223372036854775808.0)
        throw EInvalidArgument("Invalid floating point operation");
    return value;
}

int CheckedForInt(double value) {
    if (!std::isfinite(value) || value < std::numeric_limits<int>::min() ||
        value > std::numeric_limits<int>::max())
        throw EInvalidArgument("Invalid floating point operation");
    return static_cast<int>(value);
}

} // namespace numerics_detail

int MulDiv(int a, int b, int c) {
    if (c == 0) return -1;
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const std::int64_t divisor = c;
    std::int64_t quotient = product / divisor;
    const std::int64_t remainder = product % divisor;
    // Round half away from zero: compare twice the remainder with the divisor, both as magnitudes.
    const std::uint64_t twiceRemainder =
        2 * static_cast<std::uint64_t>(remainder < 0 ? -remainder : remainder);
    const std::uint64_t absDivisor = static_cast<std::uint64_t>(divisor < 0 ? -divisor : divisor);
    if (twiceRemainder >= absDivisor) quotient += ((product < 0) != (divisor < 0)) ? -1 : 1;
    if (quotient < std::numeric_limits<int>::min() || quotient > std::numeric_limits<int>::max()) return -1;
    return static_cast<int>(quotient);
}

std::int64_t Round(double value) {
    numerics_detail::CheckedForInt64(value);
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0)) whole += 1;
    return static_cast<std::int64_t>(numerics_detail::CheckedForInt64(whole));
}

std::int64_t Trunc(double value) {
    return static_cast<std::int64_t>(numerics_detail::CheckedForInt64(std::trunc(value)));
}

int Ceil(double value) {
    return numerics_detail::CheckedForInt(std::ceil(value));
}

int Floor(double value) {
    return numerics_detail::CheckedForInt(std::floor(value));
}
