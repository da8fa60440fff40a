// TovScreenTipWindow: the hint window the screen-tip style installs. For each tooltip it shows a full
// screen tip, a plain tooltip in the screen-tip look (when descriptions are hidden or no tip is linked),
// or the class library's standard tooltip (when no hint style is active).
#pragma once

#include "ui/painters/hints/HintWindows.h"

#include <memory>

class TovCustomHintViewInfo;
class TovScreenTip;

class TovScreenTipWindow : public TuiCustomHintWindow {
public:
    explicit TovScreenTipWindow(TComponent* AOwner);
    ~TovScreenTipWindow() override;

    RECT CalcHintRect(int MaxWidth, const std::string& Hint, void* Data) override;
    // A maximum width of 0 stands for the screen's width.
    void ShowHintAt(int X, int Y, int AMaxWidth, const std::string& AHint,
                    const std::string& AExtraText) override;
    void CorrectHintWindowRect(TRect& R) override;
    bool HasWindowRegion() override { return true; }
    void EnableRegion() override;

    // The tip to show; without one the style finds the tip of the hinted control.
    TovScreenTip* ScreenTip() const { return FScreenTip; }
    void SetScreenTip(TovScreenTip* AValue) { FScreenTip = AValue; }
    int BorderWidth() const { return FBorderWidth; }
    TovCustomHintViewInfo* ViewInfo() const { return FViewInfo.get(); }

protected:
    void Paint() override;
    void Dispatch(TMessage& Message) override;

private:
    void BuildViewInfo(const std::string& AHint);

    int FBorderWidth = 1;
    TovScreenTip* FScreenTip = nullptr;
    std::unique_ptr<TovCustomHintViewInfo> FViewInfo;
};
