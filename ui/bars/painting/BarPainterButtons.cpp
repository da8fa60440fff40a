// Button, glyph and text painting of the bar painter: the order in which a button-like item is drawn
// (lowered frame, glyph, caption, drop-down arrow or split part), where its glyph goes in small and large
// views, how a glyph and the check mark of glyph-less menu items are drawn, how item text is written
// (alignment, accelerator, rotated text, the embossed disabled look), and the pressed shifts.
#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiControls.h"
#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiRegions.h"
#include "platform/gdi/GdiShapes.h"
#include "platform/gdi/GdiText.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/ImageList.h"
#include "ui/bars/BarComponents.h"
#include "ui/bars/BarItem.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarRoutines.h"
#include "ui/bars/controls/SubMenuControl.h"
#include "ui/bars/itemcontrols/ItemControlViewInfo.h"
#include "ui/bars/itemcontrols/ItemDrawParams.h"
#include "ui/bars/painting/BarArrows.h"
#include "ui/bars/painting/BarBackgrounds.h"
#include "ui/bars/painting/BarGlyphs.h"
#include "ui/bars/painting/BarPainter.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/controls/FadingObject.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/core/graphics/ImageDrawing.h"
#include "ui/painters/office11/Office11Colors.h"

#include <cmath>
#include <cstdlib>

namespace {

TovBarButtonLikeControlDrawParams* ButtonParams(TovBarItemControlDrawParams* ADrawParams) {
    return dynamic_cast<TovBarButtonLikeControlDrawParams*>(ADrawParams);
}

// The button-like fields of draw params, or their neutral values for other controls.
struct TButtonState {
    bool Down = false, DropDownPressed = false, DropDownEnabled = true, ShowDroppedDown = false;
    bool UseGrayScaleGlyph = false, KeepTextColorWhenSelected = false, Lowered = false,
         IsMainMenuItem = false;
    bool IsTextSelected = false, Split = false;
    TSize ArrowSize{0, 0};
    TRect Margins{0, 0, 0, 0};
};

TButtonState StateOf(TovBarItemControlDrawParams* ADrawParams) {
    TButtonState state;
    if (auto* b = ButtonParams(ADrawParams)) {
        state.Down = b->Down;
        state.DropDownPressed = b->DropDownPressed;
        state.DropDownEnabled = b->DropDownEnabled;
        state.ShowDroppedDown = b->ShowDroppedDown;
        state.UseGrayScaleGlyph = b->UseGrayScaleGlyph;
        state.KeepTextColorWhenSelected = b->KeepTextColorWhenSelected;
        state.Lowered = b->Lowered;
        state.IsMainMenuItem = b->IsMainMenuItem;
        state.IsTextSelected = b->IsTextSelected;
        state.Split = b->Split;
        state.ArrowSize = b->ArrowSize;
        state.Margins = b->Margins;
    } else {
        state.IsTextSelected = ADrawParams->DrawSelected;
    }
    return state;
}

int TextSizeOf(TovBarItemControl* AControl) {
    TCustomovBarControl* parent = AControl != nullptr ? AControl->ParentBar() : nullptr;
    return parent != nullptr ? parent->GetTextSize() : (AControl != nullptr ? AControl->TextSize() : 0);
}

int FontHeightOf(TovBarItemControl* AControl) {
    TCustomovBarControl* parent = AControl != nullptr ? AControl->ParentBar() : nullptr;
    TFont* font = parent != nullptr ? parent->GetFont() : nullptr;
    return font != nullptr ? font->Height() : 0;
}

} // namespace

// ---- Drawing a button

void TovBarPainter::DrawButton(TovBarItemControlDrawParams* ADrawParams, TRect R) {
    const TButtonState state = StateOf(ADrawParams);
    TovBarItemControl* control = ADrawParams->BarItemControl;
    TuiCanvas* canvas = ADrawParams->Canvas;
    HDC dc = canvas->Handle();
    if (state.Lowered) PaintLoweredFrame(dc, R);
    TRect content = uiShrinkRectByMargins(R, state.Margins);
    if (ADrawParams->PaintType == iptMenu) {
        DrawButtonInMenu(ADrawParams, R);
    } else {
        const bool split = ADrawParams->IsDropDown && state.Split;
        if (split && control->Parts().size() > 1) content.right -= uiWidthOfRect(control->Parts()[1]);
        TovItemGlyphArgs glyph;
        glyph.ViewSize = ADrawParams->ViewSize();
        glyph.ViewStructure = ADrawParams->ViewStructure;
        glyph.PaintType = ADrawParams->PaintType;
        glyph.GrayScale = state.UseGrayScaleGlyph;
        glyph.DroppedDown = ADrawParams->DroppedDown;
        glyph.Pressed = state.DropDownPressed;
        glyph.Down = state.Down;
        glyph.Selected = ADrawParams->DrawSelected;
        glyph.NoGlyph = !ADrawParams->ViewStructure.Contains(ivpGlyph);
        if (glyph.ViewSize == ivsLarge) {
            glyph.Area = content;
            content = uiGrowRect(content, -1, -1);
            OffsetPressedContent(state.Down, state.DropDownPressed, content);
        } else {
            glyph.Area = R;
        }
        if (state.ShowDroppedDown) {
            glyph.HasFadeRect = true;
            glyph.FadeRect = R;
        } else if (glyph.ViewSize == ivsLarge) {
            glyph.HasFadeRect = true;
            glyph.FadeRect = content;
        }
        DrawItemGlyphRect(control, dc, glyph);
        if (ADrawParams->ViewStructure.Contains(ivpCaption)) {
            int placement = ovCaptionLeft;
            TRect text = content;
            CalcButtonTextRect(ADrawParams, control->ViewInfo()->ImageBounds, placement, text);
            DrawItemText(control, canvas, ADrawParams->Caption, text, placement, ADrawParams->Enabled,
                         state.IsTextSelected, ADrawParams->PaintType == iptVertical, false,
                         state.KeepTextColorWhenSelected, DT_SINGLELINE);
        }
    }
    if (!ADrawParams->IsDropDown || state.IsMainMenuItem) return;
    if (!state.Split || ADrawParams->PaintType == iptMenu) {
        DrawButtonArrow(ADrawParams, ADrawParams->PaintType == iptMenu ? R : content);
        return;
    }
    IovFader* fader = control->GetFader();
    bool faded = false;
    if (fader != nullptr && control->Parts().size() > 1) {
        HRGN saved = nullptr;
        bool exists = false;
        SaveCurrentClipRegion(dc, saved, exists);
        const TRect part = control->Parts()[1];
        IntersectClipRect(dc, part.left, part.top, part.right, part.bottom);
        faded = fader->DrawFadeStep(control, dc, R);
        RestoreSavedClipRegion(dc, saved, exists);
    }
    if (!faded) DrawDropDownButton(ADrawParams, R);
}

void TovBarPainter::DrawButtonCaptionOnly(TovBarItemControlDrawParams* ADrawParams, const TRect& R) {
    if (!ADrawParams->ViewStructure.Contains(ivpCaption)) return;
    int placement = ovCaptionLeft;
    TRect text = R;
    CalcButtonTextRect(ADrawParams, ADrawParams->BarItemControl->ViewInfo()->ImageBounds, placement, text);
    DrawCaption(ADrawParams, text, DT_SINGLELINE | DT_END_ELLIPSIS, placement);
}

void TovBarPainter::DrawCaption(TovBarItemControlDrawParams* ADrawParams, const TRect& R, UINT AFormat,
                                int AAlignment) {
    const TButtonState state = StateOf(ADrawParams);
    DrawItemText(ADrawParams->BarItemControl, ADrawParams->Canvas, ADrawParams->Caption, R, AAlignment,
                 ADrawParams->Enabled, state.IsTextSelected, ADrawParams->PaintType == iptVertical, false,
                 state.KeepTextColorWhenSelected, AFormat);
}

void TovBarPainter::CalcButtonTextRect(TovBarItemControlDrawParams* ADrawParams, const TRect& AGlyphRect,
                                       int& APlacement, TRect& ATextRect) {
    const bool vertical = ADrawParams->PaintType == iptVertical;
    if (ADrawParams->ViewSize() == ivsLarge) {
        switch (GetGlyphLayout(ADrawParams)) {
        case glLeft:
            APlacement = ovCaptionLeft;
            if (vertical)
                ATextRect.top = AGlyphRect.bottom + 3;
            else
                ATextRect.left = AGlyphRect.right + 3;
            break;
        case glRight:
            APlacement = ovCaptionRight;
            if (vertical)
                ATextRect.bottom = AGlyphRect.top - 3;
            else
                ATextRect.right = AGlyphRect.left - 3;
            break;
        case glTop:
            APlacement = ovCaptionCentre;
            if (vertical)
                ATextRect.right = AGlyphRect.left;
            else
                ATextRect.top = AGlyphRect.bottom;
            break;
        case glBottom:
            APlacement = ovCaptionCentre;
            if (vertical)
                ATextRect.left = AGlyphRect.right;
            else
                ATextRect.bottom = AGlyphRect.top;
            break;
        }
        return;
    }
    APlacement = ovCaptionLeft;
    TovBarItemControl* control = ADrawParams->BarItemControl;
    const int start = ADrawParams->ViewStructure.Contains(ivpGlyph)
                          ? (vertical ? ADrawParams->GlyphSize.cy : ADrawParams->GlyphSize.cx)
                          : control->GetTextIndent();
    if (vertical)
        ATextRect.top += start;
    else
        ATextRect.left += start;
    if (!IsSelectedWithoutPressShift(control)) {
        const TButtonState state = StateOf(ADrawParams);
        OffsetPressedContent(state.Down, state.DropDownPressed, ATextRect);
    }
}

void TovBarPainter::AdjustButtonContentLeft(TovBarItemControlDrawParams* ADrawParams, int& ALeft) {
    if (!ADrawParams->IsDropDown) return;
    const TButtonState state = StateOf(ADrawParams);
    if (state.Split && ADrawParams->PaintType != iptMenu) {
        TRect offsets{};
        GetButtonCaptionOffsets(offsets);
        ALeft += offsets.right + state.ArrowSize.cx;
    } else if (!state.IsMainMenuItem) {
        // Room for the arrow drawn inside a whole-button drop-down (and a sub-item's arrow).
        ALeft += TextSizeOf(ADrawParams->BarItemControl) / 2;
    }
}

// ---- Glyph rectangle and glyph

void TovBarPainter::DrawItemGlyph(TovBarItemControl* AControl, HDC ADC, TovItemGlyphArgs AArgs) {
    AArgs.ViewStructure = AControl->DrawParams()->ViewStructure;
    AArgs.ViewSize = AControl->DrawParams()->ViewSize();
    DrawItemGlyphRect(AControl, ADC, AArgs);
}

void TovBarPainter::CalcLargeGlyphRect(TovBarItemControl* AControl, const TSize& AGlyphSize, TRect& R) {
    const TRect area = R;
    R = uiCentreRectIn(area, AGlyphSize.cx, AGlyphSize.cy);
    if (!AControl->DrawParams()->ViewStructure.Contains(ivpCaption)) return;
    const bool vertical = AControl->DrawParams()->PaintType == iptVertical;
    switch (GetGlyphLayout(AControl->DrawParams())) {
    case glLeft:
        R = vertical ? uiPlaceRectTopHeight(R, area.top + 4, AGlyphSize.cy)
                     : uiPlaceRectLeftWidth(R, area.left + 4, AGlyphSize.cx);
        break;
    case glRight:
        R = vertical ? uiPlaceRectTopHeight(R, area.bottom - 4 - AGlyphSize.cy, AGlyphSize.cy)
                     : uiPlaceRectLeftWidth(R, area.right - 4 - AGlyphSize.cx, AGlyphSize.cx);
        break;
    case glTop:
        R = vertical ? uiPlaceRectLeftWidth(R, area.right - 2 - AGlyphSize.cx, AGlyphSize.cx)
                     : uiPlaceRectTopHeight(R, area.top + 2, AGlyphSize.cy);
        break;
    case glBottom:
        R = vertical ? uiPlaceRectLeftWidth(R, area.left + 2, AGlyphSize.cx)
                     : uiPlaceRectTopHeight(R, area.bottom - 2 - AGlyphSize.cy, AGlyphSize.cy);
        break;
    }
}

void TovBarPainter::DrawItemGlyphRect(TovBarItemControl* AControl, HDC ADC, const TovItemGlyphArgs& AArgs) {
    TovItemGlyphArgs args = AArgs;
    TSize glyphSize{};
    AControl->GetGlyphSize(args.ViewSize, args.Selected, glyphSize);
    int index = -1;
    TCustomImageList* images = nullptr;
    TBitmap* glyph = nullptr;
    if (!AControl->GetImageInfo(args.ViewSize, args.Selected, index, images, glyph)) args.NoGlyph = true;
    TovBarManager* manager = AControl->GetBarManager();
    const bool inMenu = args.PaintType == iptMenu;
    TRect r{};
    if (args.ViewSize == ivsLarge && !inMenu) {
        r = args.Area;
        CalcLargeGlyphRect(AControl, glyphSize, r);
    } else {
        // The glyph is centred in its own part of the area (GlyphSize along the bar); its background and
        // frame still cover the whole area, so that a hot or pressed button looks so under its caption too.
        const TSize area = AControl->DrawParams()->GlyphSize;
        TRect available = args.Area;
        if (!args.NoGlyph) {
            if (args.PaintType == iptHorizontal)
                available.right = available.left + area.cx;
            else if (args.PaintType == iptVertical)
                available.bottom = available.top + area.cy;
        }
        TSize size = glyphSize;
        if (inMenu && manager != nullptr && manager->GetStretchGlyphs() && AControl->ParentBar() != nullptr) {
            const double ratio = AControl->ParentBar()->GetRatio();
            TSize scaled{static_cast<int>(std::lround(size.cx * ratio)),
                         static_cast<int>(std::lround(size.cy * ratio))};
            if (scaled.cx > size.cx && (uiWidthOfRect(available) - scaled.cx) % 2 != 0 &&
                (uiHeightOfRect(available) - scaled.cy) % 2 != 0) {
                --scaled.cx;
                --scaled.cy;
            }
            size = scaled;
        } else if (!inMenu && manager != nullptr && manager->LargeIcons() && AllowLargeIcons()) {
            if (manager->LargeImages() != nullptr)
                size = TSize{manager->LargeImages()->Width(), manager->LargeImages()->Height()};
            else if (!(manager->ImageOptions()->UseLargeImagesForLargeIcons() &&
                       uiIsGlyphAssigned(AControl->GetLargeGlyph())))
                size = TSize{size.cx * 2, size.cy * 2};
        }
        glyphSize = size;
        r = TRect{available.left + (uiWidthOfRect(available) - size.cx) / 2,
                  available.top + (uiHeightOfRect(available) - size.cy) / 2, 0, 0};
        r.right = r.left + size.cx;
        r.bottom = r.top + size.cy;
        if (args.Pressed) {
            const int offset = GetPressedGlyphOffset(AControl);
            r = uiShiftRect(r, offset, offset);
        } else if (args.Down) {
            const int offset = GetDownGlyphOffset(AControl, args.Selected);
            r = uiShiftRect(r, offset, offset);
        }
    }
    AControl->ViewInfo()->ImageBounds = r;
    DrawItemGlyphImage(AControl, ADC, args, r, glyphSize, images, index, glyph);
}

void TovBarPainter::DrawItemGlyphImage(TovBarItemControl* AControl, HDC ADC, const TovItemGlyphArgs& AArgs,
                                       const TRect& AGlyphRect, const TSize& AGlyphSize,
                                       TCustomImageList* AImages, int AImageIndex, TBitmap* AGlyph) {
    HBRUSH brush = GetItemBackgroundBrush(AControl);
    TovBarManager* manager = AControl->GetBarManager();
    TRect area = AArgs.Area;
    TSize compare = AGlyphSize;
    if (AArgs.NoGlyph) {
        const int size = manager != nullptr ? manager->GetGlyphSize() : GetSmallImageSize();
        compare = TSize{size, size};
    }
    // The frame goes around the whole area; Border tells it whether the area holds the one-pixel ring.
    TovItemGlyphArgs frame = AArgs;
    frame.Border =
        AArgs.Border && uiWidthOfRect(area) >= compare.cx + 2 && uiHeightOfRect(area) >= compare.cy + 2;
    if (frame.Border) area = uiGrowRect(area, -1, -1);
    const bool native = UsesNativeBackground();
    if (native) {
        IovFader* fader = AControl->GetFader();
        if (fader == nullptr || !AArgs.HasFadeRect || !fader->DrawFadeStep(AControl, ADC, AArgs.FadeRect))
            PaintGlyphFrame(AControl, ADC, AArgs.Area, frame);
    }
    const bool backgroundFilled = IsGlyphBackgroundFilled(AControl);
    if (!native && (AArgs.NoGlyph || backgroundFilled))
        FillItemBackground(
            AControl, ADC,
            UseGlyphBackgroundBrush(AControl, AArgs.NoGlyph, AArgs.Down, AArgs.Pressed, AArgs.Selected),
            brush, area);
    if (AArgs.NoGlyph) {
        DrawCheckMark(AControl, ADC, AArgs.Down, AArgs.PaintType, area);
    } else {
        TovGlyphDrawState state;
        state.Enabled = AControl->IsGlyphDrawnEnabled(AArgs.ViewSize);
        state.GrayScale = AArgs.GrayScale;
        state.FlatGlyphs = IsGlyphBackgroundTransparent();
        state.Selected = AArgs.Selected;
        state.Down = AArgs.Down;
        state.Pressed = AArgs.Pressed;
        state.Shadow = UseGlyphShadow();
        state.Faded = GetMakeDisabledImagesFaded(AControl->ParentBar());
        TovGlyphDrawOptions options;
        options.Brush = backgroundFilled || native ? nullptr : brush;
        if (manager != nullptr) {
            options.TransparentColor = manager->GetImageListBkColor();
            options.SmoothGlyphs = manager->ImageOptions()->SmoothGlyphs;
            options.UseGlyphTransparentColor = manager->ImageOptions()->UseLeftBottomPixelAsTransparent();
        }
        ovBarDrawGlyph(AControl, ADC, area, AGlyphRect, AGlyph, AImages, AImageIndex, state, options);
    }
    if (!native) PaintGlyphFrame(AControl, ADC, AArgs.Area, frame);
}

// ---- Item text

void TovBarPainter::DrawItemText(TovBarItemControl* AControl, TuiCanvas* ACanvas, const std::string& AText,
                                 TRect R, int AAlignment, bool AEnabled, bool ASelected, bool AVertical,
                                 bool AClip, bool AKeepColor, UINT AFormat) {
    if (ACanvas == nullptr || AText.empty()) return;
    HDC dc = TextDC(ACanvas);
    UINT flags = AFormat | DT_NOCLIP;
    HRGN savedClip = nullptr;
    bool clipExists = false;
    const bool clipRegion = AClip && AVertical;
    if (clipRegion) {
        SaveCurrentClipRegion(dc, savedClip, clipExists);
        IntersectClipRect(dc, R.left, R.top, R.right, R.bottom);
    } else if (AClip) {
        flags &= ~DT_NOCLIP;
    }
    std::string text = AText;
    int accelerator = 0;
    TSize extent{};
    TPoint underlineFrom{}, underlineTo{};
    if (!AVertical) {
        flags |= (AAlignment == ovCaptionCentre  ? DT_CENTER
                  : AAlignment == ovCaptionRight ? DT_RIGHT
                                                 : DT_LEFT) |
                 DT_VCENTER;
    } else {
        // The font is turned a quarter: the text runs down from its origin and its cell lies left of it.
        accelerator = FindAccelCharPos(text, true);
        GetTextExtentPoint32(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        const int width = uiWidthOfRect(R), height = uiHeightOfRect(R);
        const int down = AAlignment == ovCaptionCentre  ? (height - extent.cx) / 2
                         : AAlignment == ovCaptionRight ? height - extent.cx
                                                        : 0;
        R = uiShiftRect(R, (width + extent.cy) / 2, down);
        flags |= DT_NOPREFIX | DT_NOCLIP;
        if (accelerator > 0) {
            TEXTMETRIC metrics{};
            GetTextMetrics(dc, &metrics);
            SIZE before{}, character{};
            GetTextExtentPoint32(dc, text.c_str(), accelerator - 1, &before);
            GetTextExtentPoint32(dc, text.c_str() + accelerator - 1, 1, &character);
            const int x = R.left - extent.cy + metrics.tmDescent - 2;
            underlineFrom = TPoint{x, R.top + before.cx};
            underlineTo = TPoint{x, R.top + before.cx + character.cx};
        }
    }
    TColor color = clDefault, shadow = clDefault;
    AControl->GetTextColors(AEnabled, ASelected, AKeepColor && IsFlatStyle(), color, shadow);
    const int previousMode = SetBkMode(dc, TRANSPARENT);
    auto write = [&](const TRect& ARect, TColor AColor, int AShift) {
        SetTextColor(dc, ColorToRGB(AColor));
        TRect r = ARect;
        DrawText(dc, text.c_str(), static_cast<int>(text.size()), &r, flags);
        if (AVertical && accelerator > 0) {
            HPEN pen = CreatePen(PS_SOLID, 1, ColorToRGB(AColor));
            HGDIOBJ previous = SelectObject(dc, pen);
            MoveToEx(dc, underlineFrom.x + AShift, underlineFrom.y + AShift, nullptr);
            LineTo(dc, underlineTo.x + AShift, underlineTo.y + AShift);
            SelectObject(dc, previous);
            DeleteObject(pen);
        }
    };
    const COLORREF previousColor = ::GetTextColor(dc);
    if (ColorToRGB(shadow) != ColorToRGB(color)) write(uiShiftRect(R, 1, 1), shadow, 1);
    write(R, color, 0);
    SetTextColor(dc, previousColor);
    SetBkMode(dc, previousMode);
    if (clipRegion) RestoreSavedClipRegion(dc, savedClip, clipExists);
}

// ---- Pressed shifts

void TovBarPainter::OffsetPressedContent(bool ADown, bool APressed, TRect& R) {
    if (IsFlatStyle()) return;
    if (ADown || APressed) R = uiShiftRect(R, 1, 1);
    if (ADown && APressed && !IsArrowFlat()) R = uiShiftRect(R, 1, 1);
}

void TovBarPainter::OffsetPressedRect(bool APressed, TRect& R) {
    if (APressed && !IsFlatStyle()) R = uiShiftRect(R, 1, 1);
}

// ---- Drop-down arrows

void TovBarPainter::DrawButtonArrow(TovBarItemControlDrawParams* ADrawParams, TRect R) {
    const TButtonState state = StateOf(ADrawParams);
    TovBarItemControl* control = ADrawParams->BarItemControl;
    const bool inMenu = ADrawParams->PaintType == iptMenu;
    if (!inMenu) OffsetPressedContent(false, ADrawParams->DroppedDown, R);
    const int direction = ADrawParams->PaintType == iptHorizontal ? ovBarArrowDown : ovBarArrowRight;
    const int size = state.ArrowSize.cy - (inMenu ? 0 : 1);
    const int textSize = TextSizeOf(control);
    TRect arrow = R;
    if (inMenu)
        arrow.left = R.right + state.ArrowSize.cy - textSize;
    else if (ADrawParams->PaintType == iptHorizontal)
        arrow.left = R.right + FontHeightOf(control) / 2 - textSize / 2;
    else
        arrow.top = R.bottom + FontHeightOf(control) / 2 - textSize / 2;
    const bool selected = inMenu ? ADrawParams->DrawSelected && !IsFlatTextStyle() : state.IsTextSelected;
    DrawArrow(ADrawParams->Canvas->Handle(), arrow, GetItemTextColor(ADrawParams), IsFlatStyle(),
              ADrawParams->Enabled, selected, size, direction);
}

void TovBarPainter::DrawDropDownButton(TovBarItemControlDrawParams* ADrawParams, const TRect& R) {
    const TButtonState state = StateOf(ADrawParams);
    const TRect part{R.right - state.ArrowSize.cx, R.top, R.right, R.bottom};
    DrawDropDownButtonBackground(ADrawParams, part, GetDropDownButtonBrush(ADrawParams->BarItemControl));
    DrawDropDownButtonArrow(ADrawParams, part);
}

void TovBarPainter::DrawDropDownButtonBackground(TovBarItemControlDrawParams* ADrawParams, TRect R,
                                                 HBRUSH ABrush) {
    if (IsFlatStyle() && ADrawParams->PaintType != iptMenu) {
        --R.left;
        if (ADrawParams->DroppedDown) return;
    }
    FillItemBackground(ADrawParams->BarItemControl, ADrawParams->Canvas->Handle(),
                       IsDropDownButtonFilled(ADrawParams), ABrush, R);
}

void TovBarPainter::DrawDropDownButtonArrow(TovBarItemControlDrawParams* ADrawParams, TRect R) {
    const TButtonState state = StateOf(ADrawParams);
    const bool inMenu = ADrawParams->PaintType == iptMenu;
    if (!IsArrowFlat() && ADrawParams->DroppedDown && (uiWidthOfRect(R) > 9 || inMenu))
        R = uiShiftRect(R, 1, 1);
    const TColor color = GetItemTextColor(ADrawParams);
    const bool enabled = ADrawParams->Enabled && state.DropDownEnabled;
    HDC dc = ADrawParams->Canvas->Handle();
    if (inMenu)
        DrawArrow(dc, R, color, IsArrowFlat(), enabled, IsArrowSelected(ADrawParams), state.ArrowSize.cy,
                  ovBarArrowRight);
    else
        DrawDropDownArrow(dc, R, color, IsArrowFlat(), IsArrowSelected(ADrawParams), enabled, ovBarArrowDown);
}

bool TovBarPainter::IsDropDownButtonFilled(TovBarItemControlDrawParams* ADrawParams) {
    return ADrawParams->BarItemControl->NonRecent() ||
           (IsFlatStyle() && (ADrawParams->DroppedDown || ADrawParams->DrawSelected));
}

bool TovBarPainter::IsArrowSelected(TovBarItemControlDrawParams* ADrawParams) {
    const bool inMenu = ADrawParams->PaintType == iptMenu;
    if (IsFlatStyle())
        return (ADrawParams->DroppedDown && inMenu) ||
               (HighContrastIsWhite() && ADrawParams->DrawSelected && (inMenu || !ADrawParams->DroppedDown));
    return IsArrowFlat() && ADrawParams->DroppedDown;
}
