#include "net/NetBuffer.h"
#include "net/NetExceptions.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

namespace {

std::vector<int> BlockCounts(TNetBufferHandler& pool) {
    // Drains a copy of the busy chain's layout by peeking and removing block by block.
    std::vector<int> counts;
    const std::uint8_t* p = nullptr;
    for (int n; (n = pool.PeekFront(p)) > 0;) {
        counts.push_back(n);
        pool.Remove(n);
    }
    return counts;
}

} // namespace

TEST(NetBuffer, BlockCapacityDefaultsAndCounts) {
    for (int capacity : {0, -5}) {
        TNetBuffer block(capacity);
        EXPECT_EQ(block.Capacity(), 1460);
    }
    TNetBuffer block(8);
    const char data[] = "0123456789";
    EXPECT_EQ(block.WriteFrom(data, 2, 10), 8);
    EXPECT_EQ(block.WriteFrom(data, 0, 1), 0);
    const std::uint8_t* p = nullptr;
    ASSERT_EQ(block.PeekData(p), 8);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(p), 8), "23456789");
    EXPECT_EQ(block.Consume(3), 3);
    EXPECT_EQ(block.Consume(100), 5);
    EXPECT_EQ(block.DataCount(), 0);
    EXPECT_EQ(block.WriteFrom(data, 0, 8), 8); // emptied: writable from its start again
}

TEST(NetBufferHandler, AppendFillsLastBlockFirst) {
    struct Case {
        std::vector<int> appends;
        std::vector<int> blocks;
    };
    const Case cases[] = {{{1460}, {1460}},
                          {{1460, 1}, {1460, 1}},
                          {{3000}, {1460, 1460, 80}},
                          {{3000, 10}, {1460, 1460, 90}},
                          {{1, 1, 1}, {3}}};
    for (const auto& c : cases) {
        TNetBufferHandler pool(nullptr);
        std::string all;
        for (int n : c.appends) {
            std::string chunk(n, '\0');
            for (int i = 0; i < n; ++i)
                chunk[i] = static_cast<char>((all.size() + i) * 7);
            pool.AppendData(chunk.data(), n);
            all += chunk;
        }
        EXPECT_EQ(pool.BusyCount(), static_cast<int>(c.blocks.size()));
        // The data comes back in order, a front block at a time.
        std::string drained;
        std::vector<int> counts;
        const std::uint8_t* p = nullptr;
        for (int n; (n = pool.PeekFront(p)) > 0;) {
            counts.push_back(n);
            drained.append(reinterpret_cast<const char*>(p), n);
            pool.Remove(n);
        }
        EXPECT_EQ(counts, c.blocks);
        EXPECT_EQ(drained, all);
        EXPECT_TRUE(pool.IsEmpty());
    }
}

TEST(NetBufferHandler, RemoveLimitsAndErrors) {
    TNetBufferHandler pool(nullptr);
    try {
        pool.Remove(1);
        FAIL();
    } catch (const ENetBufferException& e) {
        EXPECT_EQ(e.Message(), "TNetBufferHandler.Remove: nothing to remove");
    }
    const std::string data(1540, 'x');
    pool.AppendData(data.data(), 1540);
    pool.Remove(0);
    const std::uint8_t* p = nullptr;
    EXPECT_EQ(pool.PeekFront(p), 1460);
    try {
        pool.Remove(-1);
        FAIL();
    } catch (const ENetBufferException& e) {
        EXPECT_EQ(e.Message(), "TNetBufferHandler.Remove: Invalid Len -1");
    }
    pool.Remove(5000); // only the front block goes
    EXPECT_EQ(pool.PeekFront(p), 80);
    EXPECT_EQ(pool.FreeCount(), 1);
    EXPECT_EQ(pool.BusyCount(), 1);
}

TEST(NetBufferHandler, DiscardAndReuseWithoutNewBlocks) {
    TNetBufferHandler pool(nullptr);
    const std::string data(3000, 'y');
    pool.AppendData(data.data(), 3000);
    pool.DiscardAll();
    EXPECT_TRUE(pool.IsEmpty());
    EXPECT_EQ(pool.FreeCount(), 3);
    pool.SetBufSize(4096);
    pool.AppendData(data.data(), 3000);
    EXPECT_EQ(pool.FreeCount(), 0); // all three reused, still 1460 bytes each
    EXPECT_EQ(BlockCounts(pool), (std::vector<int>{1460, 1460, 80}));
    EXPECT_EQ(pool.FreeCount(), 3);
    // Only a block created now gets the new size.
    const std::string big(1460 * 3 + 10, 'z');
    pool.AppendData(big.data(), static_cast<int>(big.size()));
    EXPECT_EQ(BlockCounts(pool), (std::vector<int>{1460, 1460, 1460, 10}));
}
