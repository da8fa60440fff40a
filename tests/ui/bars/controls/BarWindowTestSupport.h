// Fixture of the bar window tests: the painting fixture's manager and painter, menus that are real bar
// windows on the headless screen (a stand-in menu's links and layout, the base window, painting and
// input), and scripted mouse and keys that go through hit testing, capture and the bar hooks.
#pragma once

#include "../BarPaintingTestSupport.h"

#include "ui/bars/controls/CustomBarControl.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TovBarButton;

namespace bars_test {

// A menu window: the stand-in menu's links and layout in a top-most window that paints through the base
// pipeline and records how it closed.
class TWindowedMenu : public bar_standins::TStandInMenu {
public:
    explicit TWindowedMenu(TovBarManager* AManager) : TStandInMenu(AManager) {}
    ~TWindowedMenu() override;
    void Paint(TuiCanvas* ACanvas) override { TCustomovBarControl::Paint(ACanvas); }
    std::vector<TovBarCloseUpReason> CloseUps;
    std::function<void()> OnDestroyed;

protected:
    void DoCloseUp() override {
        CloseUps.push_back(CloseUpReason());
        TCustomovBarControl::DoCloseUp();
    }
};

class BarWindowTest : public BarPaintingTest {
protected:
    // The form is shown and active: keys go to it, and through the hooks to the active bar.
    void SetUp() override;
    void TearDown() override;

    // A menu window at the screen point with one button per caption; opened from AParent when given,
    // shown and active.
    TWindowedMenu* OpenMenu(int X, int Y, const std::vector<std::string>& ACaptions,
                            TCustomovBarControl* AParent = nullptr);
    // The screen centre of the menu's item.
    TPoint ItemCentre(TCustomovBarControl* AMenu, int AIndex) const;
    TovBarItemControl* ItemControl(TCustomovBarControl* AMenu, int AIndex) const;
    TovBarButton* ButtonOf(TCustomovBarControl* AMenu, int AIndex) const;
    // Scripted input, each pumped through the window system.
    void MoveTo(const TPoint& P);
    void Click(const TPoint& P);
    void PressKey(int AKey);
    // Frees a menu now (a handler's way of destroying its own bar).
    void FreeMenu(TWindowedMenu* AMenu);

    std::vector<std::unique_ptr<TWindowedMenu>> menus;
    // Clicks per button, by caption.
    std::vector<std::pair<std::string, int>> clicks;
    int ClicksOf(const std::string& ACaption) const;
};

} // namespace bars_test
