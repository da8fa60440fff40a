// TovBarHintWindow: the window in which the bar system shows item hints and screen tips. It only sizes
// and hosts a bar hint view info, made again for every hint: a plain hint (square, in the info colour)
// or a screen tip (a 2 x 2 rounded shape, one pixel larger than its view info), and it stays up longer
// for screen tips.
#pragma once

#include "ui/bars/itemcontrols/BarHintViewInfo.h"
#include "ui/painters/hints/HintWindows.h"

#include <functional>
#include <memory>
#include <string>

class TovBarManager;

// What makes the view info of a hint from its text and shortcut text (a manager's screen-tip face).
using TovBarHintViewInfoFace = std::function<std::unique_ptr<TovBarCustomHintViewInfo>(
    const std::string& AHint, const std::string& AShortCut)>;

class TovBarHintWindow : public TuiBaseHintWindow, public IovBarHintWindow {
public:
    explicit TovBarHintWindow(TComponent* AOwner);
    ~TovBarHintWindow() override;

    // Data is the TovBarManager whose hint this is (may be null).
    RECT CalcHintRect(int MaxWidth, const std::string& Hint, void* Data) override;
    void CorrectHintWindowRect(TRect& R) override;
    void EnableRegion() override;
    bool HasWindowRegion() override { return FScreenTipStyle; }

    // How long a shown hint stays, and how long the pointer rests before one shows.
    virtual unsigned HideTimeout() const { return FScreenTipStyle ? 200000u : 10000u; }
    virtual unsigned ShowPause() const { return FScreenTipStyle ? 900u : 1000u; }

    void SetScreenTipStyle(bool AValue) override { FScreenTipStyle = AValue; }
    bool ScreenTipStyle() const { return FScreenTipStyle; }
    TovBarCustomHintViewInfo* ViewInfo() const { return FViewInfo.get(); }
    // The shortcut text shown after the hint (the manager's current one).
    void SetShortCutText(const std::string& AValue) { FShortCutText = AValue; }
    // A face that makes the view infos instead of the plain hint's (empty: none).
    void SetViewInfoFace(TovBarHintViewInfoFace AFace) { FFace = std::move(AFace); }

protected:
    void Paint() override;
    void Dispatch(TMessage& Message) override;

private:
    std::unique_ptr<TovBarCustomHintViewInfo> FViewInfo;
    TovBarHintViewInfoFace FFace;
    std::string FShortCutText;
    bool FScreenTipStyle = false;
};
