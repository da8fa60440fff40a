// A set of enumeration values, stored as a bitset: the value type of every "set of" property.
// `Capacity` bounds the enumeration's underlying values (0 .. Capacity-1).
#pragma once

#include "platform/rtl/Exceptions.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <type_traits>

template <class E, std::size_t Capacity = 64>
requires std::is_enum_v<E>
class Set {
public:
    constexpr Set() = default;
    constexpr Set(std::initializer_list<E> elements) {
        for (E element : elements)
            Include(element);
    }

    constexpr void Include(E element) {
        if (IndexOf(element) >= Capacity) throw ERangeError("Set element out of range");
        FWords[WordOf(element)] |= BitOf(element);
    }
    constexpr void Exclude(E element) {
        if (IndexOf(element) < Capacity) FWords[WordOf(element)] &= ~BitOf(element);
    }
    constexpr bool Contains(E element) const {
        const std::size_t index = IndexOf(element);
        return index < Capacity && (FWords[index / 64] & BitOf(element)) != 0;
    }
    constexpr bool empty() const {
        for (std::uint64_t word : FWords)
            if (word != 0) return false;
        return true;
    }
    constexpr void clear() { FWords = {}; }

    friend constexpr Set operator+(Set a, const Set& b) {
        for (std::size_t i = 0; i < kWords; ++i)
            a.FWords[i] |= b.FWords[i];
        return a;
    }
    friend constexpr Set operator-(Set a, const Set& b) {
        for (std::size_t i = 0; i < kWords; ++i)
            a.FWords[i] &= ~b.FWords[i];
        return a;
    }
    friend constexpr Set operator*(Set a, const Set& b) {
        for (std::size_t i = 0; i < kWords; ++i)
            a.FWords[i] &= b.FWords[i];
        return a;
    }
    friend constexpr Set operator+(Set a, E element) {
        a.Include(element);
        return a;
    }
    friend constexpr Set operator-(Set a, E element) {
        a.Exclude(element);
        return a;
    }
    constexpr Set& operator+=(const Set& other) { return *this = *this + other; }
    constexpr Set& operator-=(const Set& other) { return *this = *this - other; }
    constexpr Set& operator*=(const Set& other) { return *this = *this * other; }
    constexpr Set& operator+=(E element) {
        Include(element);
        return *this;
    }
    constexpr Set& operator-=(E element) {
        Exclude(element);
        return *this;
    }
    friend constexpr bool operator==(const Set&, const Set&) = default;

private:
    static constexpr std::size_t kWords = (Capacity + 63) / 64;

    static constexpr std::size_t IndexOf(E element) {
        return static_cast<std::size_t>(static_cast<std::underlying_type_t<E>>(element));
    }
    static constexpr std::size_t WordOf(E element) { return IndexOf(element) / 64; }
    static constexpr std::uint64_t BitOf(E element) { return std::uint64_t{1} << (IndexOf(element) % 64); }

    std::array<std::uint64_t, kWords> FWords{};
};
