// The fixture of the ribbon head's tests: the library on a fake clock and the demo form, with shortcuts to
// the ribbon's view information, tab row and controller, and to the sizes a test computes its
// expectations from (the tab font's text widths).
#pragma once

#include "../demo/RibbonDemoForm.h"

#include "platform/rtl/WinTypes.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class TovCustomRibbon;
class TovRibbonController;
class TovRibbonTabsViewInfo;
class TovRibbonViewInfo;

namespace ribbon_head_test {

class RibbonHeadTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void MakeDemo(const ribbon_demo::TRibbonDemoOptions& AOptions = PlainOptions());
    // The demo without the quick access toolbar (the tab row at the top).
    static ribbon_demo::TRibbonDemoOptions PlainOptions();
    TovCustomRibbon* Ribbon() const;
    TovRibbonViewInfo* ViewInfo() const;
    TovRibbonTabsViewInfo* Tabs() const;
    TovRibbonController* Controller() const;
    // Only the first tabs show, with these captions (the context hidden, the other tabs hidden).
    void ShowTabs(const std::vector<std::string>& ACaptions);
    // Widths in the tab header font.
    int TextWidth(const std::string& AText) const;
    // The ribbon lays out again.
    void Recalculate();
    TFakeClock* Clock() const { return library->Clock(); }
    // Moves the clock and runs the timers that came due.
    void Advance(unsigned AMilliseconds);

    std::unique_ptr<ribbon_demo::TRibbonDemoLibrary> library;
    std::unique_ptr<ribbon_demo::TRibbonDemoForm> demo;
};

} // namespace ribbon_head_test
