#include "ui/bars/itemcontrols/EditControls.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/CommCtrl.h"
#include "platform/vcl/Font.h"
#include "platform/win/Painting.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarEditItems.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/controls/CustomBarControl.h"
#include "ui/bars/itemcontrols/ItemDrawParams.h"
#include "ui/bars/itemcontrols/ItemStyleValues.h"
#include "ui/bars/painting/BarBackgrounds.h"
#include "ui/bars/painting/BarPainter.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/Canvas.h"

#include <algorithm>

namespace {

constexpr int TextFieldArea = 0, GlyphArea = 1, CaptionArea = 2;
// The strip at either edge of an edit that resizes it while customizing.
constexpr int SizingEdge = 7;

} // namespace

// ---- Custom edit: layout and sizes

TovBarCustomEditControl::TovBarCustomEditControl(TovBarItemLink* ALink) : TovBarWinControl(ALink) {}

TovBarCustomEditControl::~TovBarCustomEditControl() = default;

std::unique_ptr<TovBarItemControlDrawParams> TovBarCustomEditControl::CreateDrawParams() {
    return std::make_unique<TovBarEditLikeControlDrawParams>(this);
}

void TovBarCustomEditControl::CalcDrawParams(bool AFull) {
    TovBarWinControl::CalcDrawParams(AFull);
    auto* params = dynamic_cast<TovBarEditLikeControlDrawParams*>(DrawParams());
    if (params == nullptr) return;
    params->Focused = FFocused;
    params->HasEditIndent = HasEditIndent();
    TovBarItemLink* link = ItemLink();
    params->ViewLayout =
        GetPaintType() != iptMenu && link != nullptr ? link->ViewLayout : ivlGlyphCaptionControl;
}

void TovBarCustomEditControl::CalcStyles() {
    TovBarWinControl::CalcStyles();
    FEditTextSize = 0;
    TCustomovBarControl* parent = ParentBar();
    TovBarPainter* painter = GetPainter();
    TuiCanvas* canvas = GetCanvas();
    if (parent == nullptr || painter == nullptr || canvas == nullptr) return;
    TovBarItemStyleValues style;
    if (!ovBarItemStyleValues(Item(), 1, style) || !style.HasFont) return;
    TovBarSavedFont saved;
    SelectFont(parent->GetEditFont(), 1, saved);
    FEditTextSize = painter->GetEditTextSize(parent, canvas->TextHeight("Zq"));
    RestoreFont(saved);
}

int TovBarCustomEditControl::EditTextSize() const {
    if (FEditTextSize != 0) return FEditTextSize;
    return ParentBar() != nullptr ? ParentBar()->GetEditTextSize() : 0;
}

bool TovBarCustomEditControl::IsCaptionVisible() const {
    TovBarItem* item = Item();
    return GetPaintType() == iptMenu || (item != nullptr && item->ShowCaption());
}

TovBarItemViewStructure TovBarCustomEditControl::GetDefaultViewStructure() const {
    TovBarItemViewStructure structure;
    if (IsCaptionVisible()) structure += ivpCaption;
    if (ShowsEditGlyph() && HasGlyph(GetViewSize())) structure += ivpGlyph;
    return structure;
}

TovBarItemViewLevels TovBarCustomEditControl::GetPossibleViewLevels() const {
    TovBarItemViewLevels levels = TovBarWinControl::GetPossibleViewLevels();
    levels += ivlControlOnly;
    return levels;
}

void TovBarCustomEditControl::GetTextOffsets(int AIndex, TRect& R) const {
    R = TRect{0, 0, 0, 0};
    if (TovBarPainter* painter = GetPainter())
        painter->EditGetPartOffsets(DrawParams(), AIndex == 0 ? GlyphArea : CaptionArea, R);
}

int TovBarCustomEditControl::GetIconAreaWidth() const {
    // Menus keep their glyph column, whatever the item shows.
    if (GetPaintType() == iptMenu) return TovBarWinControl::GetIconAreaWidth();
    if (!DrawParams()->ViewStructure.Contains(ivpGlyph)) return 0;
    TRect offsets{};
    GetTextOffsets(0, offsets);
    TSize glyph{};
    GetGlyphSize(GetViewSize(), false, glyph);
    return glyph.cx + offsets.left + offsets.right;
}

int TovBarCustomEditControl::GetCaptionAreaWidth() const {
    if (!DrawParams()->ViewStructure.Contains(ivpCaption)) return 0;
    TRect offsets{};
    GetTextOffsets(1, offsets);
    const int caption = GetCaptionWidth();
    return offsets.left + (caption != 0 ? caption + offsets.right : 0);
}

int TovBarCustomEditControl::GetControlAreaWidth() const {
    TovBarItemLink* link = ItemLink();
    TovBarItem* item = Item();
    int width =
        link != nullptr && link->UserWidth() != 0 ? link->UserWidth() : (item != nullptr ? item->Width() : 0);
    return std::max(GetMinEditWidth(), width);
}

int TovBarCustomEditControl::GetMinWidth() const {
    if (GetViewSize() == ivsLarge)
        return std::max(GetIconAreaWidth(), GetCaptionAreaWidth()) + GetMinEditWidth();
    return GetIconAreaWidth() + GetCaptionAreaWidth() + GetMinEditWidth();
}

int TovBarCustomEditControl::GetWidth() const {
    return GetViewSize() == ivsLarge ? GetLargeWidth() : GetSmallWidth();
}

int TovBarCustomEditControl::GetMenuWidth() const {
    int width = GetSmallWidth();
    if (TovBarPainter* painter = GetPainter()) painter->AdjustMenuItemWidth(width);
    return width;
}

int TovBarCustomEditControl::GetHeight() const {
    int height = EditTextSize();
    TCustomovBarControl* parent = ParentBar();
    if (IsCaptionVisible() && parent != nullptr)
        height = std::max(height, parent->GetItemHeight(const_cast<TovBarCustomEditControl*>(this)));
    return height;
}

void TovBarCustomEditControl::CalcAreaParts() {
    const TRect bounds = GetBoundsRect();
    FAreaParts.assign(3, bounds);
    auto* params = static_cast<TovBarEditLikeControlDrawParams*>(DrawParams());
    if (GetViewSize() == ivsLarge) {
        FAreaParts[TextFieldArea].left = bounds.right - GetControlAreaWidth();
        FAreaParts[GlyphArea].right = FAreaParts[TextFieldArea].left;
        FAreaParts[CaptionArea].right = FAreaParts[TextFieldArea].left;
        TRect caption{0, 0, 0, 0};
        if (TovBarPainter* painter = GetPainter()) painter->CalcCaptionRect(params, caption);
        FAreaParts[CaptionArea].top = FAreaParts[CaptionArea].bottom - uiHeightOfRect(caption) - 1;
        return;
    }
    const int a = GetIconAreaWidth(), b = GetCaptionAreaWidth();
    FAreaParts[GlyphArea].right = bounds.left + a;
    if (params->ViewLayout == ivlGlyphControlCaption) {
        FAreaParts[CaptionArea].left = bounds.right - b;
        FAreaParts[TextFieldArea].left = bounds.left + a;
        FAreaParts[TextFieldArea].right = bounds.right - b;
    } else {
        FAreaParts[CaptionArea].left = bounds.left + a;
        FAreaParts[CaptionArea].right = bounds.left + a + b;
        FAreaParts[TextFieldArea].left = bounds.left + a + b;
    }
}

void TovBarCustomEditControl::CalcParts() {
    TovBarWinControl::CalcParts();
    if (PartsRef().size() < 3) return;
    CalcAreaParts();
    std::vector<TRect>& parts = PartsRef();
    parts[GlyphArea] = FAreaParts[GlyphArea];
    parts[CaptionArea] = FAreaParts[CaptionArea];
    TRect field{};
    GetEditRect(field);
    if (TovBarPainter* painter = GetPainter()) painter->EditCalcParts(DrawParams(), parts, field);
}

void TovBarCustomEditControl::GetEditRect(TRect& R) const {
    if (FAreaParts.empty()) {
        R = TRect{};
        return;
    }
    R = FAreaParts[TextFieldArea];
    TCustomovBarControl* parent = ParentBar();
    TovBarItem* item = Item();
    if (GetViewSize() != ivsLarge && item != nullptr && item->Align() == iaClient && parent != nullptr &&
        !parent->GetBehaviorOptions().Contains(bboStretchClientItems))
        R.left = std::max(R.left, R.right - GetControlAreaWidth());
}

bool TovBarCustomEditControl::IsSelected() const {
    TCustomovBarControl* parent = ParentBar();
    return TovBarWinControl::IsSelected() && parent != nullptr && !parent->IsCustomizing() &&
           IsSelectionKept();
}

bool TovBarCustomEditControl::IsSelectable() const {
    if (!TovBarWinControl::IsSelectable()) return false;
    TCustomovBarControl* parent = ParentBar();
    if (parent == nullptr || parent->IsCustomizing() || GetPaintType() == iptMenu) return true;
    return HotPartIndex() != GlyphArea && HotPartIndex() != CaptionArea;
}

LOGFONT TovBarCustomEditControl::EditLogFont() const {
    LOGFONT font{};
    TovBarItemStyleValues style;
    TCustomovBarControl* parent = ParentBar();
    if (ovBarItemStyleValues(Item(), 1, style) && style.HasFont)
        font = style.Font;
    else if (parent != nullptr && parent->GetEditFont() != nullptr)
        font = parent->GetEditFont()->LogFont();
    return font;
}

void TovBarCustomEditControl::GetEditColors(TColor& ATextColor, TColor& ABkColor) {
    ATextColor = clWindowText;
    ABkColor = clWindow;
    if (TovBarPainter* painter = GetPainter()) painter->EditGetColors(this, ATextColor, ABkColor);
}

void TovBarCustomEditControl::GetBkBrush(HBRUSH& ABrush) {
    TovBarPainter* painter = GetPainter();
    const TColor color = painter != nullptr ? painter->EditGetBkColor(this) : clWindow;
    if (!FBkBrush) FBkBrush = std::make_unique<TBrush>();
    FBkBrush->SetColor(color);
    ABrush = FBkBrush->Handle();
}

void TovBarCustomEditControl::SelectEditFont(TovBarSavedFont& ASaved) {
    TCustomovBarControl* parent = ParentBar();
    SelectFont(parent != nullptr ? parent->GetEditFont() : nullptr, 1, ASaved);
}

// ---- Painting

void TovBarCustomEditControl::DoPaint(const TRect& R, TovBarItemPaintType APaintType) {
    if (TovBarPainter* painter = GetPainter()) painter->EditDraw(DrawParams(), R);
}

void TovBarCustomEditControl::ExcludeEditFrame() {
    TovBarPainter* painter = GetPainter();
    TovBarItemControlDrawParams* params = DrawParams();
    if (painter == nullptr || params->Canvas == nullptr) return;
    TRect outer{};
    if (HasEditIndent() && GetPaintType() != iptMenu)
        outer = GetBoundsRect();
    else
        GetEditRect(outer);
    AdjustTextRect(outer);
    TRect inner = outer;
    painter->EditDrawFrame(params, inner);
    ClipOutFrameRing(params->Canvas->Handle(), outer, inner);
}

// ---- Width sizing

bool TovBarCustomEditControl::IsSizingPoint(const TPoint& P) const {
    TovBarManager* manager = GetBarManager();
    if (manager == nullptr || !manager->IsCustomizing()) return false;
    const TRect r = GetBoundsRect();
    if (P.y < r.top || P.y >= r.bottom) return false;
    return (P.x >= r.left && P.x < r.left + SizingEdge) || (P.x >= r.right - SizingEdge && P.x < r.right);
}

void TovBarCustomEditControl::BeginSizing(const TPoint& P) {
    const TRect r = GetBoundsRect();
    FRightBorderSizing = P.x >= r.right - SizingEdge;
    FSizingWidth = uiWidthOfRect(r);
    if (TCustomovBarControl* parent = ParentBar()) parent->RepaintItemControl(this);
    DrawSizingFrame(FSizingWidth);
}

void TovBarCustomEditControl::Sizing(const TPoint& P) {
    const TRect r = GetBoundsRect();
    const int width = std::max(GetMinWidth(), FRightBorderSizing ? P.x - r.left : r.right - P.x);
    if (width == FSizingWidth) return;
    DrawSizingFrame(FSizingWidth);
    FSizingWidth = width;
    DrawSizingFrame(FSizingWidth);
}

void TovBarCustomEditControl::EndSizing(bool AApply) {
    DrawSizingFrame(FSizingWidth);
    TRect field{};
    GetEditRect(field);
    const TRect r = GetBoundsRect();
    // The stored width is the text field's: the caption and glyph in front of it keep theirs.
    const int controlWidth = FSizingWidth - (field.left - r.left);
    TovBarItemLink* link = ItemLink();
    if (AApply && link != nullptr && controlWidth != GetControlAreaWidth()) {
        link->SetUserWidth(controlWidth);
        return;
    }
    Repaint();
}

void TovBarCustomEditControl::DrawSizingFrame(int AWidth) {
    TCustomovBarControl* parent = ParentBar();
    if (parent == nullptr || parent->Handle() == nullptr) return;
    const TRect r = GetBoundsRect();
    TRect frame = r;
    if (FRightBorderSizing)
        frame.right = r.left + AWidth;
    else
        frame.left = r.right - AWidth;
    HDC dc = ::GetDC(parent->Handle());
    constexpr int band = 2;
    const int w = uiWidthOfRect(frame), h = uiHeightOfRect(frame);
    PatBlt(dc, frame.left, frame.top, w, band, DSTINVERT);
    PatBlt(dc, frame.left, frame.bottom - band, w, band, DSTINVERT);
    PatBlt(dc, frame.left, frame.top + band, band, h - 2 * band, DSTINVERT);
    PatBlt(dc, frame.right - band, frame.top + band, band, h - 2 * band, DSTINVERT);
    ::ReleaseDC(parent->Handle(), dc);
}

// ---- Edit control: the "EDIT" window

TovBarEditControl::TovBarEditControl(TovBarItemLink* ALink) : TovBarCustomEditControl(ALink) {
    if (HostsWindow()) {
        CreateEditWindow();
        CreateInnerWindow();
    }
}

TovBarEditControl::~TovBarEditControl() {
    DestroyEditWindow(true);
    if (FEditFontHandle != nullptr) DeleteObject(FEditFontHandle);
}

TovBarEdit* TovBarEditControl::Edit() const {
    return dynamic_cast<TovBarEdit*>(Item());
}

bool TovBarEditControl::HostsWindow() const {
    TCustomovBarControl* parent = ParentBar();
    return parent != nullptr && parent->Handle() != nullptr;
}

void TovBarEditControl::CreateEditWindow() {
    if (FEditWindow != nullptr || !HostsWindow()) return;
    FEditWindow = ::CreateWindowEx(0, "EDIT", nullptr, GetEditStyle(), 0, 0, 100, 100, ParentBar()->Handle(),
                                   nullptr, nullptr, nullptr);
    if (FEditWindow == nullptr) return;
    FFocusing = true;
    UpdateText();
    FFocusing = false;
    MaxLengthChanged();
}

void TovBarEditControl::DestroyEditWindow(bool ADestroyWindow) {
    if (FEditWindow == nullptr) return;
    SetFocused(false);
    DestroyInnerWindow(ADestroyWindow);
    HWND window = FEditWindow;
    FEditWindow = nullptr;
    if (ADestroyWindow && ::IsWindow(window)) ::DestroyWindow(window);
}

void TovBarEditControl::CreateInnerWindow() {
    TovBarCustomEditControl::CreateInnerWindow();
}

void TovBarEditControl::DestroyInnerWindow(bool ADestroyWindow) {
    TovBarCustomEditControl::DestroyInnerWindow(ADestroyWindow);
}

void TovBarEditControl::MaxLengthChanged() {
    if (FEditWindow == nullptr) return;
    TovBarEdit* edit = Edit();
    ::SendMessage(FEditWindow, EM_LIMITTEXT, edit != nullptr ? static_cast<WPARAM>(edit->MaxLength()) : 0, 0);
}

void TovBarEditControl::SetFocused(bool AValue) {
    if (Focused() == AValue) return;
    if (AValue) {
        if (FEditWindow == nullptr && HostsWindow()) {
            CreateEditWindow();
            CreateInnerWindow();
        }
        if (FEditWindow != nullptr) {
            TovBarEdit* edit = Edit();
            const bool readOnly = (edit != nullptr && edit->ReadOnly) || !ShowsEditor();
            ::SendMessage(FEditWindow, EM_SETREADONLY, readOnly ? 1 : 0, 0);
        }
    }
    TovBarCustomEditControl::SetFocused(AValue);
}

void TovBarEditControl::ShowInnerWindow() {
    if (FEditWindow == nullptr) return;
    TCustomovBarControl* parent = ParentBar();
    FOnGlass = parent != nullptr && parent->IsOnGlass();
    CalcDrawParams(true);
    CalcParts();
    const LOGFONT font = EditLogFont();
    HFONT previous = FEditFontHandle;
    FEditFontHandle = CreateFontIndirect(&font);
    ::SendMessage(FEditWindow, WM_SETFONT, reinterpret_cast<WPARAM>(FEditFontHandle), 0);
    if (previous != nullptr) DeleteObject(previous);
    if (uiIsRectEmpty(FWindowRect) && Parts().size() > 0) FWindowRect = Parts()[TextFieldArea];
    // Without an editor the window only takes the keys: it has no size, the painter draws the text.
    const TRect r = ShowsEditor()
                        ? FWindowRect
                        : TRect{FWindowRect.left, FWindowRect.top, FWindowRect.left, FWindowRect.top};
    ::SetWindowPos(FEditWindow, nullptr, r.left, r.top, uiWidthOfRect(r), uiHeightOfRect(r),
                   SWP_NOACTIVATE | SWP_NOZORDER | SWP_SHOWWINDOW);
    UpdateInnerRect();
    FFocusing = true;
    UpdateText();
    ::SetFocus(FEditWindow);
    FFocusing = false;
}

void TovBarEditControl::HideInnerWindow(bool AStoreText) {
    TovBarCustomEditControl::HideInnerWindow(AStoreText);
}

void TovBarEditControl::UpdateInnerRect() {
    if (FEditWindow == nullptr) return;
    TRect r{0, 0, uiWidthOfRect(FWindowRect), uiHeightOfRect(FWindowRect)};
    if (TovBarPainter* painter = GetPainter()) painter->EditGetInnerRect(GetPaintType(), r);
    RECT rect = r;
    ::SendMessage(FEditWindow, EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&rect));
}

void TovBarEditControl::SetText(const std::string& AText) {
    if (FEditWindow == nullptr) return;
    const std::string previous = GetText();
    TovBarCustomEditControl::SetText(AText);
    if (TovBarPainter* painter = GetPainter()) painter->EditSelectAll(FEditWindow, previous != AText);
}

void TovBarEditControl::InnerWndProc(TMessage& AMessage) {
    if (AMessage.Msg == WM_DESTROY) {
        SetFocused(false);
        TovBarCustomEditControl::InnerWndProc(AMessage);
        DestroyInnerWindow(false);
        FEditWindow = nullptr;
        return;
    }
    TovBarCustomEditControl::InnerWndProc(AMessage);
}

void TovBarEditControl::ControlMouseDown(bool AByMouse) {
    TWeakLink<TovBarItemControl> self(this);
    TovBarCustomEditControl::ControlMouseDown(AByMouse);
    if (self && Focused() && FEditWindow != nullptr) ::SendMessage(FEditWindow, EM_SETSEL, 0, -1);
}

void TovBarEditControl::GetDropDownRect(TRect& R) const {
    R = CanDrawTextField() || Parts().empty() ? TRect{} : Parts()[TextFieldArea];
}

bool TovBarEditControl::CanDrawTextField() const {
    return !(Focused() && GetEnabled());
}

std::string TovBarEditControl::PaintedText() const {
    if (Focused() && FEditWindow != nullptr) return GetText();
    TovBarWindowItem* item = WindowItem();
    return item != nullptr ? item->GetText() : std::string();
}

void TovBarEditControl::DrawTextField() {
    if (Parts().empty()) return;
    const TRect field = Parts()[TextFieldArea];
    if (GetEnabled()) SetWindowRect(field);
    if (!CanDrawTextField()) return;
    TovBarPainter* painter = GetPainter();
    TuiCanvas* canvas = DrawParams()->Canvas;
    if (painter == nullptr || canvas == nullptr) return;
    TovBarSavedFont saved;
    SelectEditFont(saved);
    painter->EditDrawText(this, canvas, field, PaintedText());
    RestoreFont(saved);
}
