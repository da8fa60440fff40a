// Numeric helpers with the class library's rounding rules.
#pragma once

#include <cstdint>
#include <type_traits>

// a * b / c with a 64-bit intermediate, rounded half away from zero. Returns -1 when c is zero or the
// result does not fit an int.
int MulDiv(int a, int b, int c);

// Nearest integer, halves to the even neighbour (Round(2.5) = 2, Round(3.5) = 4). NaN, infinities and
// values beyond the 64-bit range raise EInvalidArgument.
std::int64_t Round(double value);
// Toward zero, toward +infinity and toward -infinity; same errors as Round.
std::int64_t Trunc(double value);
int Ceil(double value);
int Floor(double value);

template <class A, class B> constexpr std::common_type_t<A, B> Min(A a, B b) {
    using T = std::common_type_t<A, B>;
    return static_cast<T>(b) < static_cast<T>(a) ? static_cast<T>(b) : static_cast<T>(a);
}

template <class A, class B> constexpr std::common_type_t<A, B> Max(A a, B b) {
    using T = std::common_type_t<A, B>;
    return static_cast<T>(a) < static_cast<T>(b) ? static_cast<T>(b) : static_cast<T>(a);
}

// `value` clipped to [low, high].
template <class T> constexpr T EnsureRange(T value, T low, T high) {
    if (value < low) return low;
    if (value > high) return high;
    return value;
}

// Whether low <= value <= high.
template <class T> constexpr bool InRange(T value, T low, T high) {
    return !(value < low) && !(high < value);
}

// -1, 0 or 1.
template <class T> constexpr int Sign(T value) {
    return value < T{} ? -1 : (T{} < value ? 1 : 0);
}
