// A painter for the controls' tests: every scroll-bar part flat in a colour of its own (the colour
// telling part and state apart), a registry that holds the painters a test gives it, and a fader that
// records what it was asked.
#pragma once

#include "platform/rtl/StrUtils.h"
#include "ui/core/controls/FadingObject.h"
#include "ui/core/controls/LookAndFeelPainterBase.h"
#include "ui/core/graphics/Canvas.h"

#include <string>
#include <vector>

namespace ui_core_test {

class TFakePainter : public TuiLookAndFeelPainterBase {
public:
    TFakePainter(std::string AName, TuiLookAndFeelStyle AStyle) : FName(std::move(AName)), FStyle(AStyle) {}
    std::string PainterStyleName() override { return FName; }
    TuiLookAndFeelStyle LookAndFeelStyle() override { return FStyle; }
    bool ButtonHotTracks() override { return hotTracks; }
    int BorderThickness() override { return borderWidth; }
    void DrawBorderFrame(TuiCanvas* ACanvas, const TRect& R) override {
        ACanvas->FrameRect(R, kBorderColor, borderWidth);
    }
    int ScrollBarMinimalThumbSize(bool) override { return minimalThumb; }
    void DrawScrollBarBackground(TuiCanvas* ACanvas, const TRect& R, bool) override {
        ACanvas->FillRect(R, kBackgroundColor);
    }
    void DrawScrollBarElement(TuiCanvas* ACanvas, bool, const TRect& R, TuiScrollBarPart APart,
                              TuiPainterButtonState AState) override {
        parts.push_back({APart, AState, R});
        ACanvas->FillRect(R, PartColor(APart, AState));
    }
    TColor DefaultSizeGripAreaColor() override { return kGripColor; }

    // Part colours: a hue per part, darker for hot, darkest for pressed, grey when disabled.
    static TColor PartColor(TuiScrollBarPart APart, TuiPainterButtonState AState) {
        static constexpr TColor Base[] = {0x000000, 0xE0A060, 0x60A0E0, 0x50B050, 0xD8D8F0, 0xF0D8D8};
        if (AState == cxbsDisabled) return 0xC0C0C0;
        const TColor base = Base[APart];
        const int shift = AState == cxbsHot ? 1 : AState == cxbsPressed ? 2 : 0;
        const int r = (base & 0xFF) >> shift, g = ((base >> 8) & 0xFF) >> shift,
                  b = ((base >> 16) & 0xFF) >> shift;
        return r | (g << 8) | (b << 16);
    }
    static constexpr TColor kBackgroundColor = 0x404040;
    static constexpr TColor kBorderColor = 0x0000C0;
    static constexpr TColor kGripColor = 0x00C0C0;

    struct Drawn {
        TuiScrollBarPart part;
        TuiPainterButtonState state;
        TRect rect;
    };
    std::vector<Drawn> parts;
    bool hotTracks = false;
    int borderWidth = 0;
    int minimalThumb = 8;

private:
    std::string FName;
    TuiLookAndFeelStyle FStyle;
};

// Installs itself while it lives.
class TFakePaintersRegistry : public TuiPaintersRegistry {
public:
    TFakePaintersRegistry() { uiSetPaintersRegistry(this); }
    ~TFakePaintersRegistry() override { uiSetPaintersRegistry(nullptr); }
    TuiLookAndFeelPainterBase* GetPainterByStyle(TuiLookAndFeelStyle AStyle) override {
        for (TFakePainter* painter : painters)
            if (painter->LookAndFeelStyle() == AStyle) return painter;
        return nullptr;
    }
    TuiLookAndFeelPainterBase* GetPainterByName(const std::string& AName) override {
        for (TFakePainter* painter : painters)
            if (SameText(painter->PainterStyleName(), AName)) return painter;
        return nullptr;
    }
    std::vector<TFakePainter*> painters;
};

// Records the fader calls; DrawFadeStep paints a fixed colour while a fade "runs".
class TFakeFader : public IovFader {
public:
    TFakeFader() { ovSetFaderSlot(this); }
    ~TFakeFader() override { ovSetFaderSlot(nullptr); }
    void FadeIn(IovFadingObject* AObject) override {
        calls.push_back("in");
        running = AObject;
    }
    void FadeOut(IovFadingObject* AObject) override {
        calls.push_back("out");
        running = AObject;
    }
    void Remove(IovFadingObject* AObject, bool ADestroying) override {
        calls.push_back(ADestroying ? "remove-destroying" : "remove");
        if (running == AObject) running = nullptr;
    }
    bool DrawFadeStep(IovFadingObject* AObject, HDC, const TRect&) override {
        ++drawAsked;
        return running == AObject && drawsFrames;
    }
    std::vector<std::string> calls;
    IovFadingObject* running = nullptr;
    bool drawsFrames = false;
    int drawAsked = 0;
};

} // namespace ui_core_test
