#include "../demo/RibbonDemoForm.h"

#include <gtest/gtest.h>

using namespace ribbon_demo;

TEST(RibbonHeadPicturesTest, TabRowAtFourWidths) {
    TRibbonDemoLibrary library;
    TRibbonDemoForm demo;
    for (int width : {1600, 1000, 700, 400}) {
        demo.SetWidth(width);
        EXPECT_FALSE(demo.SaveRibbonPicture("ribbon/head/tabs-" + std::to_string(width) + ".png", 8).empty());
    }
}
