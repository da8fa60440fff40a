// A set of byte values, as the text routines take their special, break and quote characters.
#pragma once

#include <bitset>
#include <string_view>

using TByteSet = std::bitset<256>;

inline TByteSet MakeByteSet(std::string_view bytes) {
    TByteSet set;
    for (char c : bytes)
        set.set(static_cast<unsigned char>(c));
    return set;
}

inline bool InByteSet(const TByteSet& set, char c) {
    return set.test(static_cast<unsigned char>(c));
}
