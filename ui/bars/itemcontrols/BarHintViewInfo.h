// The hints of bar items and caption buttons, as the bar hint window shows them: a plain hint in the
// bar manager's font, a one-line hint drawn in screen-tip style by the bar painter, and a full screen tip
// whose colours and drawing go through the bar painter, so that tips follow the look of the bars.
//
// A hint may outlive its manager or painter (the manager's style changes while the hint shows): the view
// infos hold both weakly and fall back to the hint font and the look-and-feel painter's screen-tip look.
#pragma once

#include "platform/rtl/WeakLink.h"
#include "ui/painters/hints/ScreenTipViewInfo.h"

#include <memory>
#include <string>

class TComponent;
class TuiBaseHintWindow;
class TovBarManager;
class TovBarPainter;

// The window that shows bar hints: it takes its screen-tip look (rounded, one pixel larger) from the view
// info it is given.
class IovBarHintWindow {
public:
    virtual ~IovBarHintWindow() = default;
    virtual void SetScreenTipStyle(bool AValue) = 0;
};

class TovBarCustomHintViewInfo : public TovCustomHintViewInfo {
public:
    virtual bool IsScreenTipStyle() const { return false; }
    // Gives the window the view info's look and the handle it measures and paints with.
    virtual void InitHintWindow(TuiBaseHintWindow* AHintWindow);
};

// Screen tips in the look of the bars: each colour and drawing is the bar painter's screen-tip operation.
class TovBarScreenTipPainter : public TovScreenTipPainter {
public:
    explicit TovBarScreenTipPainter(TovBarPainter* ABarPainter);
    // Null once the painter is gone; the look-and-feel painter it came with then draws.
    TovBarPainter* BarPainter() const { return FBarPainter.Get(); }

    TColor GetTitleTextColor() override;
    int GetFooterLineSize() override;
    TColor GetDescriptionTextColor() override;
    void DrawBackgroundArea(TuiCanvas* ACanvas, const TRect& R) override;
    void DrawFooterLine(TuiCanvas* ACanvas, const TRect& R) override;

private:
    TWeakLink<TovBarPainter> FBarPainter;
};

// Plain hints in the manager's font (the system's hint font when the manager uses the system font).
class TovBarHintViewInfoHelper : public TovHintViewInfoHelper {
public:
    TovBarHintViewInfoHelper(TovBarManager* AManager, const std::string& AText, const TPoint& APosition,
                             const std::string& ASuffix);
    TovBarManager* BarManager() const { return FBarManager.Get(); }
    void PrepareCanvasFont(TuiCanvas* ACanvas) override;

private:
    TWeakLink<TovBarManager> FBarManager;
};

// One-line hints in screen-tip style, in the manager's font like the plain ones.
class TovBarLikeHintScreenTipViewInfoHelper : public TovScreenTipLikeHintViewInfoHelper {
public:
    TovBarLikeHintScreenTipViewInfoHelper(TovBarManager* AManager, const std::string& AText,
                                          const TPoint& APosition, const std::string& ASuffix,
                                          TovScreenTipPainter* APainter);
    TovBarManager* BarManager() const { return FBarManager.Get(); }
    void PrepareCanvasFont(TuiCanvas* ACanvas) override;

private:
    TWeakLink<TovBarManager> FBarManager;
};

class TovBarHintViewInfo : public TovBarCustomHintViewInfo {
public:
    // The text shown is AHint followed by AShortCut (a shortcut text such as " (Ctrl+S)").
    TovBarHintViewInfo(TovBarManager* AManager, const TPoint& ACursorPos, const std::string& AShortCut,
                       const std::string& AHint);
    TovBarManager* BarManager() const { return FBarManager.Get(); }
    const std::string& Hint() const { return FHint; }
    const std::string& ShortCut() const { return FShortCut; }
    const TPoint& CursorPos() const { return FCursorPos; }
    // The helper's text on the application's hint colour.
    void InitHintWindow(TuiBaseHintWindow* AHintWindow) override;

protected:
    TovCustomHintViewInfoHelper* CreateViewHelper() override;

private:
    TWeakLink<TovBarManager> FBarManager;
    TPoint FCursorPos;
    std::string FShortCut;
    std::string FHint;
};

class TovBarLikeHintScreenTipViewInfo : public TovBarHintViewInfo {
public:
    TovBarLikeHintScreenTipViewInfo(TovBarManager* AManager, const TPoint& ACursorPos,
                                    const std::string& AShortCut, const std::string& AHint,
                                    TovBarPainter* ABarPainter);
    ~TovBarLikeHintScreenTipViewInfo() override;
    bool IsScreenTipStyle() const override { return true; }
    TovBarScreenTipPainter* Painter() const { return FPainter.get(); }

protected:
    TovCustomHintViewInfoHelper* CreateViewHelper() override;
    // The helper draws with the painter: it goes first.
    void DestroyViewHelper() override;

private:
    std::unique_ptr<TovBarScreenTipPainter> FPainter;
};

class TovBarScreenTipViewInfo : public TovBarCustomHintViewInfo {
public:
    TovBarScreenTipViewInfo(TovScreenTip* AScreenTip, const std::string& AShortCut, const std::string& AHint,
                            TovBarPainter* ABarPainter);
    bool IsScreenTipStyle() const override { return true; }
    TovScreenTip* ScreenTip() const { return FScreenTip; }
    TovScreenTipViewInfoHelper* ScreenTipHelper() {
        return static_cast<TovScreenTipViewInfoHelper*>(Helper());
    }

protected:
    TovCustomHintViewInfoHelper* CreateViewHelper() override;

private:
    TovScreenTip* FScreenTip;
    std::string FShortCut;
    std::string FHint;
    TWeakLink<TovBarPainter> FBarPainter;
    std::unique_ptr<TovBarScreenTipPainter> FPainter; // handed to the helper, which frees it
};

// The hint of an item with a screen tip (AScreenTip may be null or not a screen tip): the full tip when its
// description has text; otherwise a one-line hint in screen-tip style at the mouse cursor, showing the
// tip's header unless the tip uses the hint as its header or has no header text.
std::unique_ptr<TovBarCustomHintViewInfo>
CreateBarHintViewInfo(TovBarManager* AManager, const std::string& AText, const std::string& AShortCut,
                      TovBarPainter* APainter, TComponent* AScreenTip);
