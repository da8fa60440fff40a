// Asking an object for its skin at the moment of drawing, and the fade timing the skin hands out.
#include "SkinTestSupport.h"
#include "TestSkin.h"

#include "ui/painters/effects/FadingOptions.h"
#include "ui/bars/skin/SkinInterface.h"

using namespace skin_test;

namespace skin_interface_test {

using SkinInterfaceTest = SkinTest;

TEST_F(SkinInterfaceTest, TheSkinIsTheObjectsAnswerAtTheMomentOfAsking) {
    EXPECT_EQ(ovQuerySkin(nullptr), nullptr);
    TObject plain;
    EXPECT_EQ(ovQuerySkin(&plain), nullptr);
    TTestSkin skin;
    EXPECT_EQ(ovQuerySkin(&skin), static_cast<IovSkin*>(&skin));

    // An object between two skins answers none; every question reaches it.
    TTestSkinnedObject ribbon;
    EXPECT_EQ(ovQuerySkin(&ribbon), nullptr);
    ribbon.Skin = &skin;
    EXPECT_EQ(ovQuerySkin(&ribbon), static_cast<IovSkin*>(&skin));
    TRecordingTestSkin other;
    ribbon.Skin = &other;
    EXPECT_EQ(ovQuerySkin(&ribbon), static_cast<IovSkin*>(&other));
    EXPECT_EQ(ribbon.Queries, 3);
}

TEST_F(SkinInterfaceTest, FadingOptionsKeepTheirValuesInRangeAndCopyThroughTheSetters) {
    TovFadingOptions options;
    EXPECT_EQ(options.FadeInFrameCount(), 4);
    EXPECT_EQ(options.FadeInFrameDelay(), 15);
    EXPECT_EQ(options.FadeOutFrameCount(), 12);
    EXPECT_EQ(options.FadeOutFrameDelay(), 20);
    const struct {
        int Value, Count, Delay;
    } cases[] = {{-3, 0, 10},  {0, 0, 10},     {9, 9, 10},    {32, 32, 32},
                 {33, 32, 33}, {300, 32, 300}, {301, 32, 300}};
    for (const auto& c : cases) {
        options.SetFadeInFrameCount(c.Value);
        options.SetFadeOutFrameCount(c.Value);
        options.SetFadeInFrameDelay(c.Value);
        options.SetFadeOutFrameDelay(c.Value);
        EXPECT_EQ(options.FadeInFrameCount(), c.Count) << c.Value;
        EXPECT_EQ(options.FadeOutFrameCount(), c.Count) << c.Value;
        EXPECT_EQ(options.FadeInFrameDelay(), c.Delay) << c.Value;
        EXPECT_EQ(options.FadeOutFrameDelay(), c.Delay) << c.Value;
    }
    TovFadingOptions copy;
    options.SetFadeInFrameCount(7);
    options.SetFadeOutFrameDelay(45);
    copy.Assign(&options);
    EXPECT_EQ(copy.FadeInFrameCount(), 7);
    EXPECT_EQ(copy.FadeInFrameDelay(), 300);
    EXPECT_EQ(copy.FadeOutFrameCount(), 32);
    EXPECT_EQ(copy.FadeOutFrameDelay(), 45);
    TObject plain;
    TPersistent other;
    EXPECT_THROW(copy.Assign(&other), EConvertError);
}

} // namespace skin_interface_test
