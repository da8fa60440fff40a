#include "source/ValueTables.h"

#include <array>
#include <cstddef>

namespace value_tables_detail {

template <std::size_t N> int Lookup(const std::array<int, N>& table, int index, int fallBack) {
    if (index < 0 || index >= static_cast<int>(N)) return fallBack;
    return table[static_cast<std::size_t>(index)];
}

constexpr std::array<int, WavSampleRateCount> WavRates{8000,  11025, 12000, 16000, 22050,
                                                       24000, 32000, 44100, 48000, 96000};
constexpr std::array<int, WavBitsPerSampleCount> WavBits{8, 16, 24, 32};
constexpr std::array<int, Mp3BitRateCount> Mp3Rates{32,  40,  48,  56,  64,  80,  96,
                                                    112, 128, 160, 192, 224, 256, 320};
constexpr std::array<int, Mp3VbrBitRateCount> Mp3VbrMin{32,  40,  48,  56,  64,  80, 96,
                                                        112, 128, 160, 192, 224, 256};
constexpr std::array<int, Mp3VbrBitRateCount> Mp3VbrMax{40,  48,  56,  64,  80,  96, 112,
                                                        128, 160, 192, 224, 256, 320};
constexpr std::array<int, OggBitRateCount> OggRates{64, 96, 128, 160, 192, 256, 350};

} // namespace value_tables_detail

int ChannelsFromModeIndex(int index) {
    return index == 1 ? 1 : 2;
}
int Mp3ChannelsFromModeIndex(int index) {
    return index == 3 ? 1 : 2;
}

int Mp3ChannelModeFromIndex(int index) {
    return index == 1 ? 2 : index == 2 ? 4 : 1;
}

int WavSampleRateFromIndex(int index) {
    return value_tables_detail::Lookup(value_tables_detail::WavRates, index, 44100);
}
int WavBitsPerSampleFromIndex(int index) {
    return value_tables_detail::Lookup(value_tables_detail::WavBits, index, 16);
}
int Mp3BitRateFromIndex(int index) {
    return value_tables_detail::Lookup(value_tables_detail::Mp3Rates, index, 192);
}
int Mp3VbrMinBitRateFromIndex(int index) {
    return value_tables_detail::Lookup(value_tables_detail::Mp3VbrMin, index, 192);
}
int Mp3VbrMaxBitRateFromIndex(int index) {
    return value_tables_detail::Lookup(value_tables_detail::Mp3VbrMax, index, 192);
}
int OggBitRateFromIndex(int index) {
    return value_tables_detail::Lookup(value_tables_detail::OggRates, index, 192);
}
