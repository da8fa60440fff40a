#include "ui/core/base/Geometry.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/MemoryStream.h"
#include "ui/core/base/GeometryObjects.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(GeometryTest, FloorHalfRoundsTowardMinusInfinity) {
    const std::vector<std::pair<int, int>> cases = {{7, 3}, {-7, -4}, {6, 3}, {-6, -3},
                                                    {1, 0}, {-1, -1}, {0, 0}};
    for (const auto& [a, half] : cases)
        EXPECT_EQ(uiFloorHalf(a), half) << a;
}

TEST(GeometryTest, IntersectionAndUnion) {
    struct Case {
        TRect a, b;
        bool meet;
        TRect common, united;
    };
    const std::vector<Case> cases = {
        {{0, 0, 10, 10}, {10, 0, 20, 10}, false, {0, 0, 0, 0}, {0, 0, 20, 10}},
        {{0, 0, 10, 10}, {5, 5, 20, 20}, true, {5, 5, 10, 10}, {0, 0, 20, 20}},
        {{0, 0, 10, 10}, {20, 20, 20, 30}, false, {0, 0, 0, 0}, {0, 0, 10, 10}}, // zero-width second
        {{0, 0, 0, 0}, {5, 5, 8, 8}, false, {0, 0, 0, 0}, {0, 0, 8, 8}},         // empty first counts
        {{-10, -10, -2, -2}, {-5, -20, 5, -4}, true, {-5, -10, -2, -4}, {-10, -20, 5, -2}},
    };
    for (const Case& c : cases) {
        TRect common{1, 1, 1, 1};
        EXPECT_EQ(uiIntersectRects(common, c.a, c.b), c.meet);
        EXPECT_EQ(common, c.common);
        EXPECT_EQ(uiDoRectsOverlap(c.a, c.b), c.meet);
        EXPECT_EQ(uiUniteRects(c.a, c.b), c.united);
    }
}

TEST(GeometryTest, PointTestsExcludeRightAndBottomEdges) {
    const TRect r{0, 0, 10, 10};
    EXPECT_FALSE(uiIsPointInRect(r, TPoint{10, 5}));
    EXPECT_FALSE(uiIsPointInRect(r, TPoint{5, 10}));
    EXPECT_TRUE(uiIsPointInRect(r, TPoint{0, 0}));
    EXPECT_TRUE(uiIsXYInRect(r, 9, 9));
    EXPECT_TRUE(uiIsRectEmpty(TRect{5, 0, 4, 10})); // inverted counts as empty
    EXPECT_TRUE(uiDoesRectEnclose(r, TRect{0, 0, 10, 10}));
    EXPECT_TRUE(uiDoesRectEnclose(r, TRect{3, 3, 3, 3}));
    EXPECT_FALSE(uiDoesRectEnclose(r, TRect{-1, 3, 3, 3}));
}

TEST(GeometryTest, CentringRoundsDownIncludingNegativeCoordinates) {
    struct Case {
        TRect bounds;
        int w, h;
        TRect centred;
    };
    const std::vector<Case> cases = {
        {{0, 0, 9, 9}, 4, 4, {2, 2, 6, 6}},
        {{0, 0, 10, 10}, 4, 4, {3, 3, 7, 7}},
        {{-9, -9, 0, 0}, 4, 4, {-7, -7, -3, -3}},
        {{0, 0, 3, 3}, 6, 6, {-2, -2, 4, 4}}, // larger than its bounds
        {{-3, 0, 0, 1}, 0, 0, {-2, 0, -2, 0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(uiCentreRectIn(c.bounds, c.w, c.h), c.centred);
        EXPECT_EQ(uiCentreSizeIn(c.bounds, TSize{c.w, c.h}), c.centred);
        const TRect horz = uiCentreRectHorz(c.bounds, c.w);
        EXPECT_EQ(horz.left, c.centred.left);
        EXPECT_EQ(horz.top, c.bounds.top);
        const TRect vert = uiCentreRectVert(c.bounds, c.h);
        EXPECT_EQ(vert.top, c.centred.top);
        EXPECT_EQ(vert.right, c.bounds.right);
    }
    EXPECT_EQ(uiMidpointOfRect(TRect{-3, 0, 0, 1}), (TPoint{-2, 0}));
}

TEST(GeometryTest, FitAspectKeepsTheTopLeftCorner) {
    struct Case {
        TRect r;
        int w, h;
        TRect fitted;
    };
    const std::vector<Case> cases = {
        {{0, 0, 100, 50}, 4, 3, {0, 0, 66, 50}},        {{0, 0, 100, 50}, 4, 0, {0, 0, 100, 50}},
        {{0, 0, 100, 50}, 0, 3, {0, 0, 100, 50}},       {{10, 10, 10, 60}, 4, 3, {10, 10, 10, 60}},
        {{10, 20, 40, 120}, 4, 3, {10, 20, 40, 42}}, // taller than wanted: 30 / (4/3) = 22.5 -> 22
        {{-50, -50, 50, 50}, 1, 1, {-50, -50, 50, 50}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(uiFitAspectWH(c.r, c.w, c.h), c.fitted);
        EXPECT_EQ(uiFitAspect(c.r, TSize{c.w, c.h}), c.fitted);
    }
}

TEST(GeometryTest, MovingPlacingAndScaling) {
    const TRect r{10, 20, 30, 60};
    EXPECT_EQ(uiShiftRect(r, 5, -5, false), (TRect{5, 25, 25, 65}));
    EXPECT_EQ(uiMoveRectToZero(r), (TRect{0, 0, 20, 40}));
    EXPECT_EQ(uiMoveRectBottomEdge(r, 0), (TRect{10, -40, 30, 0}));
    EXPECT_EQ(uiPlaceRectRightWidth(r, 0, 5), (TRect{-5, 20, 0, 60}));
    EXPECT_EQ(uiShrinkRectByMargins(r, TRect{1, 2, 3, 4}), (TRect{11, 22, 27, 56}));
    EXPECT_EQ(uiGrowRectByMargins(r, TRect{1, 2, 3, 4}), (TRect{9, 18, 33, 64}));
    EXPECT_EQ(uiSwapRectAxes(r), (TRect{20, 10, 60, 30}));
    // MulDiv rounds halves away from zero and gives -1 for a zero denominator.
    EXPECT_EQ(uiScaleRect(TRect{1, -1, 3, -3}, 1, 2), (TRect{1, -1, 2, -2}));
    EXPECT_EQ(uiScaleRect(r, 1, 0), (TRect{-1, -1, -1, -1}));
    EXPECT_EQ(uiScaleRectXY(r, 2, 1, 1, 2), (TRect{20, 10, 60, 30}));
}

TEST(GeometryObjectsTest, SizeClampsAndNotifiesOnlyOnChange) {
    TuiSize size;
    int changes = 0;
    size.OnChange = [&](TObject*) { ++changes; };
    size.SetWidth(-5);
    EXPECT_EQ(size.Width(), 0);
    EXPECT_EQ(changes, 0);
    size.SetWidth(7);
    size.SetWidth(7);
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(size.IsValueStored(1));
    EXPECT_FALSE(size.IsValueStored(0));
}

TEST(GeometryObjectsTest, MarginAllReadsMinusOneWhenSidesDiffer) {
    TuiMargin margin(nullptr, 2);
    int changes = 0;
    margin.OnChange = [&](TObject*) { ++changes; };
    EXPECT_EQ(margin.All(), 2);
    EXPECT_FALSE(margin.IsValueStored(0)); // the default
    margin.SetAll(-1);
    EXPECT_EQ(margin.Margin(), (TRect{-1, -1, -1, -1}));
    EXPECT_EQ(changes, 1);
    margin.SetMargin(TRect{1, 2, 1, 2});
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(margin.All(), -1);
    margin.SetAll(-1); // equals the All reading: nothing happens
    EXPECT_EQ(margin.Margin(), (TRect{1, 2, 1, 2}));
    EXPECT_EQ(changes, 2);
    EXPECT_TRUE(margin.IsValueStored(2));
    margin.SetValue(2, 1);
    margin.SetValue(4, 1);
    EXPECT_EQ(margin.All(), 1);
    EXPECT_FALSE(margin.IsValueStored(1)); // equal sides are stored through All alone
    EXPECT_TRUE(margin.IsValueStored(0));
}

TEST(GeometryObjectsTest, StreamsRoundTripAndLoadingTheSameValueIsQuiet) {
    TuiRect rect;
    rect.SetRect(TRect{-1, 2, 300000, 4});
    TMemoryStream stream;
    rect.SaveToStream(&stream);
    ASSERT_EQ(stream.Size(), 16);
    const auto* bytes = static_cast<const unsigned char*>(stream.Memory());
    EXPECT_EQ(bytes[0], 0xFF); // little-endian -1
    EXPECT_EQ(bytes[8], 0xE0); // 300000 = 0x000493E0
    int changes = 0;
    rect.OnChange = [&](TObject*) { ++changes; };
    stream.SetPosition(0);
    rect.LoadFromStream(&stream);
    EXPECT_EQ(changes, 0);
    TuiRect other;
    stream.SetPosition(0);
    other.LoadFromStream(&stream);
    EXPECT_TRUE(other.IsEqual(&rect));
    EXPECT_THROW(other.LoadFromStream(&stream), EReadError); // nothing left to read

    TuiSize size;
    TMemoryStream sizeStream;
    const std::int32_t raw[2] = {5, -3};
    sizeStream.WriteBuffer(raw, 8);
    sizeStream.SetPosition(0);
    size.LoadFromStream(&sizeStream);
    EXPECT_EQ(size.GetSize(), (TSize{5, 0}));
}

TEST(GeometryObjectsTest, AssignCopiesValuesAndRefusesOtherClasses) {
    TuiRect a, b;
    b.SetRect(TRect{1, 2, 3, 4});
    int changes = 0;
    a.OnChange = [&](TObject*) { ++changes; };
    a.Assign(&b);
    a.Assign(&b);
    EXPECT_EQ(a.Rect(), b.Rect());
    EXPECT_EQ(changes, 1);
    TuiMargin m(nullptr, 0);
    EXPECT_THROW(a.Assign(&m), EConvertError);
}

} // namespace
