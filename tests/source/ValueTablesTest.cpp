#include "source/ValueTables.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct TableCase {
    const char* Name;
    int (*Table)(int);
    std::vector<int> Values; // value of index 0, 1, ...
    int Other;               // the fall-back for any index outside the list
};

const std::vector<TableCase>& Tables() {
    static const std::vector<TableCase> tables{
        {"wav rate",
         WavSampleRateFromIndex,
         {8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000, 96000},
         44100},
        {"wav bits", WavBitsPerSampleFromIndex, {8, 16, 24, 32}, 16},
        {"mp3 rate",
         Mp3BitRateFromIndex,
         {32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320},
         192},
        {"mp3 vbr min",
         Mp3VbrMinBitRateFromIndex,
         {32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256},
         192},
        {"mp3 vbr max",
         Mp3VbrMaxBitRateFromIndex,
         {40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320},
         192},
        {"ogg rate", OggBitRateFromIndex, {64, 96, 128, 160, 192, 256, 350}, 192},
    };
    return tables;
}

TEST(ValueTablesTest, EveryIndexAndTheFallBacks) {
    for (const TableCase& table : Tables()) {
        for (int i = 0; i < static_cast<int>(table.Values.size()); ++i)
            EXPECT_EQ(table.Table(i), table.Values[static_cast<std::size_t>(i)])
                << table.Name << " index " << i;
        for (int outside : {-1, static_cast<int>(table.Values.size()), 255, 100000}) {
            EXPECT_EQ(table.Table(outside), table.Other) << table.Name << " index " << outside;
        }
    }
}

TEST(ValueTablesTest, MaximumListIsOneStepAboveMinimumList) {
    for (int i = 0; i + 1 < Mp3VbrBitRateCount; ++i)
        EXPECT_EQ(Mp3VbrMaxBitRateFromIndex(i), Mp3VbrMinBitRateFromIndex(i + 1));
}

TEST(ValueTablesTest, ChannelModes) {
    EXPECT_EQ(ChannelsFromModeIndex(0), 2);
    EXPECT_EQ(ChannelsFromModeIndex(1), 1);
    EXPECT_EQ(ChannelsFromModeIndex(7), 2);
    for (int mode : {0, 1, 2, 4})
        EXPECT_EQ(Mp3ChannelsFromModeIndex(mode), 2);
    EXPECT_EQ(Mp3ChannelsFromModeIndex(3), 1);
}

} // namespace
