#include "ui/core/controls/BaseControl.h"

#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiRegions.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/Mouse.h"
#include "platform/vcl/PopupMenu.h"
#include "platform/vcl/Screen.h"
#include "platform/win/Cursors.h"
#include "platform/win/Painting.h"
#include "platform/win/WinUser.h"
#include "ui/core/base/CoreServices.h"
#include "ui/core/base/ObjectLinks.h"
#include "ui/core/base/ResourceStrings.h"
#include "ui/core/base/ServiceObjects.h"
#include "ui/core/base/SystemInfo.h"
#include "ui/core/controls/ControlScrollBars.h"
#include "ui/core/controls/ControlServices.h"
#include "ui/core/controls/DragAndDrop.h"
#include "ui/core/controls/GlassPainting.h"
#include "ui/core/controls/WindowUtils.h"
#include "ui/core/graphics/AlphaBlend.h"
#include "ui/core/graphics/Bitmaps.h"
#include "ui/core/graphics/ControlCanvas.h"
#include "ui/core/graphics/PaintCanvas.h"
#include "ui/core/graphics/Region.h"
#include "ui/core/graphics/ScreenCanvas.h"
#include "ui/core/graphics/WindowPainting.h"
#include "ui/core/platform/ThemeManager.h"

#include <cstdlib>

namespace {
// Posted after the frame changed, sent when a system parameter changed: the scroll bars follow the
// system metrics.
constexpr UINT WM_BOUNDSCHANGED = 0x8065;
constexpr UINT WM_TABLET_QUERYSYSTEMGESTURESTATUS = 0x02CC;
constexpr int LargestMessageCoordinate = 32768;
constexpr WPARAM VK_EXECUTE = 0x2B;
} // namespace

// The control answers the gesture interfaces through this adapter, so that their operation names do not
// mix with the control's own (its AllowPan and ScreenToClient are other operations).
class TuiControl::TGestureAdapter : public IovGestureOwner, public IovGestureClient {
public:
    explicit TGestureAdapter(TuiControl* AControl) : FControl(AControl) {}
    IovGestureClient* GetGestureClient(const TPoint& P) override { return FControl->GetGestureClient(P); }
    HWND GetHandle() override { return FControl->GetHandle(); }
    bool IsGestureTarget(HWND AWnd) override { return FControl->IsOwnHandle(AWnd); }
    TPoint ScreenToClient(const TPoint& P) override { return FControl->TControl::ScreenToClient(P); }
    bool AllowGesture(DWORD AID) override { return FControl->AllowGesture(AID); }
    bool AllowPan(TScrollBarKind AKind) override { return FControl->AllowGestureScroll(AKind); }
    void BeginGestureScroll(const TPoint&) override { FControl->ResetGesturePanOffset(); }
    void EndGestureScroll() override { FControl->EndGestureScroll(); }
    void GestureScroll(int ADeltaX, int ADeltaY) override { FControl->DoPan(ADeltaX, ADeltaY); }
    int GetPanOptions() override { return FControl->GetGesturePanOptions(); }
    bool IsPanArea(const TPoint& P) override { return FControl->IsPointInClientArea(P); }
    bool NeedPanningFeedback(TScrollBarKind AKind) override { return FControl->NeedPanningFeedback(AKind); }

private:
    TuiControl* FControl;
};

// Hears system-parameter and resource-string changes for the control.
class TuiControl::TServiceListener : public IovSystemInfoListener, public IovResourceStringsListener {
public:
    explicit TServiceListener(TuiControl* AControl) : FControl(AControl) {}
    void Changed(UINT) override { FControl->PostBoundsChanged(); }
    void ResourceStringsChanged() override { FControl->ResourceStringsChanged(); }

private:
    TuiControl* FControl;
};

TuiControl::TuiControl(TComponent* AOwner) : TCustomControl(AOwner) {
    // Every message reaches the gesture helper first, and the steps below already send some (the tab
    // stop, the scroll bars): it exists before them and goes after everything that could send one.
    FGestureAdapter = std::make_unique<TGestureAdapter>(this);
    FGestureHelper = std::make_unique<TovGestureHelper>(FGestureAdapter.get());
    FControlCanvas = std::make_unique<TuiControlCanvas>(Canvas());
    FLookAndFeel = std::make_unique<TuiLookAndFeel>(this);
    FLookAndFeel->OnChanged = TuiLookAndFeelChangedEvent(
        [this](TuiLookAndFeel* Sender, TuiLookAndFeelValues AValues) {
            if (IsDestroying() || Application() == nullptr) return;
            LookAndFeelChanged(Sender, AValues);
        },
        this);
    if (HasDragImages()) ControlStyle().Include(csDisplayDragImage);
    FServiceListener = std::make_unique<TServiceListener>(this);
    FScrollBarsManager = std::make_unique<TuiControlScrollBarsManager>(this);
    if (NeedsScrollBars()) CreateScrollBarSet();
    SetTabStop(MayFocus());
    if (TovResourceStringsRepository* strings = ovResourceStringsRepository())
        strings->AddListener(FServiceListener.get());
}

TuiControl::~TuiControl() {
    if (TovResourceStringsRepository* strings = ovResourceStringsRepository())
        strings->RemoveListener(FServiceListener.get());
    EndDrag(false);
    DropScrollBarSet();
    FScrollBarsManager.reset();
    FFontListeners.clear();
    FScreenCanvas.reset();
    FControlCanvas.reset();
    FLookAndFeel.reset();
    uiClearObjectLinks(this);
    FGestureHelper.reset();
    FGestureAdapter.reset();
}

// ---- Canvases, invalidation, properties

TuiCanvas* TuiControl::GetCanvas() {
    if (HandleAllocated()) {
        FScreenCanvas.reset();
        return FControlCanvas.get();
    }
    if (!FScreenCanvas) FScreenCanvas = std::make_unique<TuiScreenCanvas>();
    return FScreenCanvas.get();
}

void TuiControl::InvalidateRect(const TRect& R, bool AErase) {
    if (HandleAllocated()) uiInvalidateArea(Handle(), R, AErase);
}

void TuiControl::RedrawWithChildren() {
    if (HandleAllocated())
        RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_NOERASE);
}

void TuiControl::SetBorderStyle(TuiControlBorderStyle AValue) {
    if (AValue == FBorderStyle) return;
    FBorderStyle = AValue;
    BoundsChanged();
    Invalidate();
}

void TuiControl::SetPopupMenu(TComponent* AValue) {
    if (AValue != nullptr && !uiIsPopupMenu(AValue)) AValue = nullptr;
    if (AValue == FPopupMenuComponent) return;
    if (FPopupMenuComponent != nullptr) FPopupMenuComponent->RemoveFreeNotification(this);
    FPopupMenuComponent = AValue;
    if (FPopupMenuComponent != nullptr) FPopupMenuComponent->FreeNotification(this);
    TCustomControl::SetPopupMenu(dynamic_cast<TPopupMenu*>(AValue));
}

void TuiControl::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FPopupMenuComponent) FPopupMenuComponent = nullptr;
}

void TuiControl::RemoveFontListener(IuiFontListener* AListener) {
    std::erase(FFontListeners, AListener);
}

void TuiControl::SetParentBackground(bool AValue) {
    const bool changed = AValue != ParentBackground();
    TCustomControl::SetParentBackground(AValue);
    if (changed) ParentBackgroundChanged();
}

void TuiControl::SetMouseCaptureObject(TObject* AValue) {
    if (AValue == FMouseCaptureObject) return;
    if (auto* previous = dynamic_cast<IuiMouseCaptureObject*>(FMouseCaptureObject)) previous->DoCancelMode();
    const bool wasCaptured = MouseCapture();
    FMouseCaptureObject = AValue;
    SetMouseCapture(AValue != nullptr);
    if (wasCaptured && !MouseCapture() && FDragAndDropState == 1 && CancelDragDetectOnCaptureRelease())
        Perform(WM_CANCELMODE, 0, 0);
}

// ---- Gestures

void TuiControl::ResetGesturePanOffset() {
    FGesturePanOffset = TPoint{};
}

void TuiControl::DoGesture(TScrollBarKind AKind, int ANewPos, int AMin, int AMax, int ADeltaX, int ADeltaY) {
    FGestureHelper->CheckOverpan(AKind, ANewPos, AMin, AMax, ADeltaX, ADeltaY);
}

void TuiControl::DoGestureScroll(TScrollBarKind AKind, int APos) {
    Scroll(AKind, scTrack, APos);
}

void TuiControl::DoPan(int ADeltaX, int ADeltaY) {
    if (auto* pixels = dynamic_cast<IuiPixelScrollingControl*>(this)) {
        TovScrollHelper::Pan(pixels, ADeltaX, ADeltaY);
        return;
    }
    for (TScrollBarKind kind : {sbHorizontal, sbVertical}) {
        const int delta = kind == sbHorizontal ? ADeltaX : ADeltaY;
        if (!AllowPan(kind)) {
            DoPanWithoutScrollBar(kind, delta);
            continue;
        }
        IuiControlScrollBar* bar = GetScrollBar(kind);
        if (bar == nullptr) continue;
        const bool usable =
            (bar->GetVisible() && bar->GetEnabled()) || (IsScrollBarDataUsed() && bar->GetData()->IsValid);
        if (!usable) continue;
        int& offset = kind == sbHorizontal ? FGesturePanOffset.x : FGesturePanOffset.y;
        offset += delta;
        GestureStep(kind, offset, ADeltaX, ADeltaY);
    }
}

bool TuiControl::GestureStep(TScrollBarKind AKind, int& AAccumulated, int ADeltaX, int ADeltaY) {
    IuiControlScrollBar* bar = GetScrollBar(AKind);
    int min, max, page, position;
    if (IsScrollBarDataUsed()) {
        const TuiScrollBarData* data = bar->GetData();
        min = data->Min, max = data->Max, page = data->PageSize, position = data->Position;
    } else {
        min = bar->GetMin(), max = bar->GetMax(), page = bar->GetPageSize(), position = bar->GetPosition();
    }
    const TRect client = GetClientBounds();
    const int extent = AKind == sbHorizontal ? client.right - client.left : client.bottom - client.top;
    // One position is worth a page's share of the client extent (30 pixels at most), never less than one
    // pixel, even when the page is larger than the client extent.
    const int unit = page == 0 ? 30 : std::max(1, std::min(extent / page, 30));
    int newPosition = position - AAccumulated / unit;
    if (newPosition == position) return false;
    AAccumulated %= unit;
    const int last = max + 1 - min - page;
    DoGesture(AKind, newPosition, min, last, ADeltaX, ADeltaY);
    newPosition = std::max(min, std::min(newPosition, last));
    DoGestureScroll(AKind, newPosition);
    Update();
    return true;
}

bool TuiControl::IsDefaultGesture(DWORD AGestureID) {
    return AGestureID == GID_PAN || AGestureID == GID_PRESSANDTAP;
}

bool TuiControl::ProcessGestureMessage(TMessage& AMessage) {
    // The class library's own destructors still send messages after ours has run.
    return FGestureHelper != nullptr && FGestureHelper->HandleMessage(AMessage);
}

bool TuiControl::IsPanning() {
    return FGestureHelper != nullptr && FGestureHelper->IsPanning();
}

bool TuiControl::AllowGestureScroll(TScrollBarKind AKind) {
    const int wheelKind = GetMouseWheelScrollingKind();
    if (IsScrollBarDataUsed()) return AKind == sbHorizontal ? wheelKind != 2 : wheelKind == 2;
    if (AKind == sbHorizontal) return IsHScrollBarVisible() && (wheelKind == 1 || !IsVScrollBarVisible());
    return IsVScrollBarVisible() && (wheelKind == 2 || !IsHScrollBarVisible());
}

bool TuiControl::IsPointInClientArea(const TPoint& P) {
    const TRect bounds = GetClientBounds();
    return PtInRect(&bounds, P) && !IsPointOnScrollBars(P);
}

IovGestureClient* TuiControl::GetGestureClient(const TPoint&) {
    return FGestureAdapter.get();
}

// ---- Painting

bool TuiControl::DoShowPopupMenu(TComponent* AMenu, int X, int Y) {
    return uiShowPopupMenu(this, AMenu, X, Y);
}

bool TuiControl::IsDoubleBufferedNeeded() {
    return DoubleBuffered() || ovOSVersion().IsWin7OrLater;
}

void TuiControl::DesignerModified() {
    uiSetDesignerModified(this);
}

void TuiControl::EraseBackgroundDC(HDC ADC) {
    if (IsLoading()) return;
    TuiPaintCanvas* canvas = uiPaintCanvas();
    canvas->BeginPaint(ADC);
    try {
        EraseBackground(canvas, ClientRect());
    } catch (...) {
        canvas->EndPaint();
        throw;
    }
    canvas->EndPaint();
}

void TuiControl::EraseBackground(TuiCanvas* ACanvas, const TRect& R) {
    if (IsParentBackgroundDrawn())
        uiDrawTransparentControlBackground(this, ACanvas, R, true);
    else
        ACanvas->FillRect(R, Color());
}

void TuiControl::DrawScrollBars(TuiCanvas* ACanvas) {
    FScrollBarsManager->Paint(ACanvas);
    if (FScrollBarSet) FScrollBarSet->DrawSizeGrip(ACanvas);
}

void TuiControl::DoPaint() {
    TuiCanvas* canvas = FControlCanvas.get();
    DrawScrollBars(canvas);
    if (FBorderStyle == cxcbsDefault) {
        DrawBorder(canvas);
        TRect r = GetBounds();
        const int border = GetBorderSize();
        InflateRect(&r, -border, -border);
        canvas->IntersectClipRect(r);
        ClipToClientBounds();
    }
    UpdateInternalControlsState();
}

void TuiControl::DrawBorder(TuiCanvas* ACanvas) {
    if (TuiLookAndFeelPainterBase* painter = GetPainter()) painter->DrawBorderFrame(ACanvas, GetBounds());
}

int TuiControl::GetBorderSize() {
    if (FBorderStyle != cxcbsDefault) return 0;
    TuiLookAndFeelPainterBase* painter = GetPainter();
    return painter != nullptr ? painter->BorderThickness() : 0;
}

TRect TuiControl::GetBounds() {
    if (!IsRectEmpty(&FBoundsOverride)) return FBoundsOverride;
    if (HandleAllocated()) return ClientRect();
    return TRect{0, 0, Width(), Height()};
}

TRect TuiControl::GetClientBounds() {
    TRect r = GetBounds();
    const int border = GetBorderSize();
    InflateRect(&r, -border, -border);
    if (IsHScrollBarVisible()) r.bottom -= GetScrollBar(sbHorizontal)->GetHeight();
    if (IsVScrollBarVisible()) r.right -= GetScrollBar(sbVertical)->GetWidth();
    return r;
}

TCursor TuiControl::GetCurrentCursor(int X, int Y) {
    return IsPointOnScrollBars(TPoint{X, Y}) ? crArrow : Cursor();
}

void TuiControl::ClipToClientBounds() {
    FControlCanvas->IntersectClipRect(GetClientBounds());
}

bool TuiControl::CanFocusOnClick() {
    return !IsDesigning() && FFocusOnClick && MayFocus() && CanFocus();
}

bool TuiControl::IsParentBackgroundDrawn() {
    return AreVisualStylesEnabled() && Parent() != nullptr && ControlStyle().Contains(csParentBackground);
}

bool TuiControl::CanFocusEx() {
    if (!CanFocus()) return false;
    TCustomForm* form = GetParentForm();
    return form == nullptr || (form->CanFocus() && form->Enabled() && form->Visible());
}

bool TuiControl::AllowDragAt(int X, int Y) {
    return DragMode() == dmManual || IsMouseInPressedArea(X, Y);
}

bool TuiControl::IsMouseInPressedArea(int X, int Y) {
    return uiIsPointInDragDetectArea(FMouseDownPos, X, Y);
}

void TuiControl::PostBoundsChanged() {
    if (HandleAllocated()) SendNotifyMessage(Handle(), WM_BOUNDSCHANGED, 0, 0);
}

void TuiControl::AddChildComponent(TuiControlChildComponent* AChild) {
    AChild->SetControl(this);
}

void TuiControl::RemoveChildComponent(TuiControlChildComponent* AChild) {
    AChild->SetControl(nullptr);
}

void TuiControl::DoCancelMode() {
    FMouseButtonPressed = false;
    SetMouseCaptureObject(nullptr);
}

bool TuiControl::GetDesignHitTest(int X, int Y, TShiftState) {
    return FMouseButtonPressed || IsPointOnScrollBars(TPoint{X, Y});
}

void TuiControl::MouseEnter(TControl* AControl) {
    if ((AControl != this && AControl != nullptr) || FMouseEnterCounter != 0) return;
    FMouseEnterCounter = 1;
    OnMouseEnter(this);
}

void TuiControl::MouseLeave(TControl* AControl) {
    if ((AControl != this && AControl != nullptr) || FMouseEnterCounter != 1) return;
    FMouseEnterCounter = 0;
    OnMouseLeave(this);
}

void TuiControl::BoundsChanged() {
    BoundsChangedUpdateScrollBars();
    if (NeedsInvalidateOnBoundsChanged()) Invalidate();
}

void TuiControl::FocusChanged() {
    OnFocusChanged(this);
}

void TuiControl::FontChanged() {
    if (auto* self = dynamic_cast<IuiFontListener*>(this)) self->Changed(this, Font());
    for (IuiFontListener* listener : std::vector<IuiFontListener*>(FFontListeners))
        listener->Changed(this, Font());
    Invalidate();
}

// ---- Scroll bars

void TuiControl::CreateScrollBarSet() {
    if (FScrollBarSet) return;
    FScrollBarSet = std::make_unique<TuiControlWindowedScrollBars>(this);
    if (ovSystemInfo() != nullptr && FServiceListener) ovSystemInfo()->AddListener(FServiceListener.get());
}

void TuiControl::DropScrollBarSet() {
    if (!FScrollBarSet) return;
    if (ovSystemInfo() != nullptr && FServiceListener) ovSystemInfo()->RemoveListener(FServiceListener.get());
    FScrollBarSet.reset();
}

TuiControlScrollBar* TuiControl::CreateScrollBarControl(TScrollBarKind) {
    return new TuiControlScrollBar(nullptr);
}

TuiSizeGrip* TuiControl::CreateSizeGripControl() {
    return new TuiSizeGrip(nullptr);
}

IuiControlScrollBar* TuiControl::GetScrollBar(TScrollBarKind AKind) {
    return FScrollBarSet ? FScrollBarSet->GetScrollBar(AKind) : nullptr;
}

bool TuiControl::IsHScrollBarVisible() {
    return FScrollBarSet && FScrollBarSet->IsScrollBarVisible(sbHorizontal);
}

bool TuiControl::IsVScrollBarVisible() {
    return FScrollBarSet && FScrollBarSet->IsScrollBarVisible(sbVertical);
}

int TuiControl::GetMouseWheelScrollingKind() {
    return IsVScrollBarVisible() ? 2 : 0;
}

void TuiControl::SetScrollBarInfo(TScrollBarKind AKind, int AMin, int AMax, int AStep, int APage, int APos,
                                  bool AAllowShow, bool AAllowHide) {
    IuiControlScrollBar* bar = GetScrollBar(AKind);
    if (bar == nullptr) return;
    TuiScrollBarData& data = *bar->GetData();
    data.PageSize = APage;
    data.LargeChange = APage;
    data.Min = AMin;
    data.Max = AMax;
    data.Position = APos;
    data.SmallChange = AStep;
    data.IsValid = !(AMax < AMin || APage >= AMax - AMin + 1 || APos < AMin);
    const bool allowed = FScrollBars == ssBoth ||
                         (AKind == sbHorizontal ? FScrollBars == ssHorizontal : FScrollBars == ssVertical);
    data.AllowShow = AAllowShow && allowed;
    data.AllowHide = AAllowHide;
    if (!data.AllowShow) {
        data.Visible = false;
    } else if (data.IsValid) {
        data.Enabled = true;
        data.Visible = true;
    } else if (data.AllowHide) {
        data.Visible = false;
    } else {
        data.Enabled = false;
        data.Visible = true;
    }
}

TRect TuiControl::GetHScrollBarBounds() {
    TRect r = GetClientBounds();
    r.top = r.bottom;
    r.bottom = r.top + GetScrollBar(sbHorizontal)->GetHeight();
    return r;
}

TRect TuiControl::GetVScrollBarBounds() {
    TRect r = GetClientBounds();
    r.left = r.right;
    r.right = r.left + GetScrollBar(sbVertical)->GetWidth();
    return r;
}

TRect TuiControl::GetSizeGripBounds() {
    const TRect horz = GetHScrollBarBounds(), vert = GetVScrollBarBounds();
    return TRect{vert.left, horz.top, vert.left + GetScrollBar(sbVertical)->GetWidth(),
                 horz.top + GetScrollBar(sbHorizontal)->GetHeight()};
}

bool TuiControl::IsSizeGripVisible() {
    IuiControlScrollBar* horz = GetScrollBar(sbHorizontal);
    IuiControlScrollBar* vert = GetScrollBar(sbVertical);
    return horz != nullptr && vert != nullptr && horz->GetVisible() && vert->GetVisible();
}

bool TuiControl::IsPointOnScrollBars(const TPoint& P) {
    return FScrollBarsManager->IsPointOnScrollBar(P) || IsPointOnScrollBarControls(P);
}

bool TuiControl::IsPointOnScrollBarControls(const TPoint& P) {
    return FScrollBarSet && FScrollBarSet->IsPointOnInternalControls(P);
}

void TuiControl::SetInternalControlsBounds() {
    if (FScrollBarSet) FScrollBarSet->SetScrollBarsBounds();
}

void TuiControl::UpdateInternalControlsState() {
    if (FScrollBarSet && NeedsScrollBars()) FScrollBarSet->UpdateControlsState();
}

void TuiControl::BringInternalControlsToFront() {
    if (FScrollBarSet) FScrollBarSet->BringToFront();
}

void TuiControl::InitScrollBars() {
    if (FScrollBarSet && NeedsScrollBars()) FScrollBarSet->InitScrollBars();
}

bool TuiControl::IsInternalControl(TControl* AControl) {
    return FScrollBarSet && FScrollBarSet->IsInternalControl(AControl);
}

void TuiControl::BoundsChangedUpdateScrollBars() {
    if (!HasScrollBars() || !FScrollBarSet) return;
    if (FScrollBarsLockCount < 1)
        UpdateScrollBars();
    else
        FScrollBarsUpdateNeeded = true;
}

void TuiControl::UnlockScrollBars() {
    if (--FScrollBarsLockCount > 0 || !FScrollBarsUpdateNeeded) return;
    FScrollBarsUpdateNeeded = false;
    BoundsChangedUpdateScrollBars();
}

void TuiControl::CalculateScrollBars() {
    if (FScrollBarSet->InCalculation) return;
    FScrollBarSet->InCalculation = true;
    TuiScrollBarData& horz = *GetScrollBar(sbHorizontal)->GetData();
    TuiScrollBarData& vert = *GetScrollBar(sbVertical)->GetData();
    try {
        horz.Visible = vert.Visible = false;
        // Each bar's appearance shrinks the client area, which may call for the other bar: settle it.
        for (;;) {
            const bool horzBefore = horz.Visible, vertBefore = vert.Visible;
            InitScrollBarsParameters();
            if (horz.Visible == horzBefore && vert.Visible == vertBefore) break;
        }
        if (horz.Visible && horz.Enabled && horz.AllowHide && vert.Visible && vert.Enabled &&
            vert.AllowHide) {
            const int vertWidth = GetScrollBar(sbVertical)->GetWidth();
            const int horzHeight = GetScrollBar(sbHorizontal)->GetHeight();
            const bool horzLinked =
                IsScrollBarPageLinked(sbHorizontal) && horz.PageSize + vertWidth >= horz.Max - horz.Min + 1;
            const bool vertLinked =
                IsScrollBarPageLinked(sbVertical) && vert.PageSize + horzHeight >= vert.Max - vert.Min + 1;
            if (horzLinked && vertLinked) {
                SetScrollBarInfo(sbHorizontal, horz.Min, horz.Max, horz.SmallChange,
                                 horz.PageSize + vertWidth, horz.Position, horz.AllowShow, horz.AllowHide);
                SetScrollBarInfo(sbVertical, vert.Min, vert.Max, vert.SmallChange, vert.PageSize + horzHeight,
                                 vert.Position, vert.AllowShow, vert.AllowHide);
            }
        }
    } catch (...) {
        FScrollBarSet->InCalculation = false;
        throw;
    }
    FScrollBarSet->InCalculation = false;
}

void TuiControl::UpdateScrollBars() {
    if (!FScrollBarSet) return;
    IuiControlScrollBar* horz = GetScrollBar(sbHorizontal);
    IuiControlScrollBar* vert = GetScrollBar(sbVertical);
    const bool outer = !FScrollBarsUpdating;
    if (outer) {
        FInitialHorzVisible = horz->GetVisible();
        FInitialVertVisible = vert->GetVisible();
    }
    const bool previousUpdating = FScrollBarsUpdating;
    FScrollBarsUpdating = true;
    struct Restore {
        TuiControl* self;
        bool outer, previous;
        ~Restore() {
            if (outer) self->FScrollBarsSettled = false;
            self->FScrollBarsUpdating = previous;
        }
    } restore{this, outer, previousUpdating};
    const bool horzAtStart = horz->GetVisible(), vertAtStart = vert->GetVisible();
    if (!FScrollBarsSettled) {
        CalculateScrollBars();
        if (!outer && horz->GetData()->Visible == FInitialHorzVisible &&
            vert->GetData()->Visible == FInitialVertVisible) {
            // Showing one bar hid the other and back again: keep the first state, the changed bar disabled.
            FScrollBarsSettled = true;
            for (IuiControlScrollBar* bar : {horz, vert}) {
                const bool initial = bar == horz ? FInitialHorzVisible : FInitialVertVisible;
                if (bar->GetVisible() != initial) {
                    bar->SetEnabled(false);
                    bar->SetVisible(true);
                }
            }
        } else {
            FScrollBarSet->ApplyData();
        }
    }
    if (horz->GetVisible() != horzAtStart || vert->GetVisible() != vertAtStart) {
        BoundsChanged();
    } else {
        FScrollBarSet->SetSizeGripVisible(IsSizeGripVisible());
        SetInternalControlsBounds();
        if (NeedsScrollBarsOnTop()) BringInternalControlsToFront();
    }
}

void TuiControl::ScrollContent(int ADirection) {
    if (ADirection == 0 || (!NeedsScrollBars() && !CanScrollContentWithoutScrollBars(ADirection))) return;
    const TScrollBarKind kind = ADirection <= 2 ? sbHorizontal : sbVertical;
    const TScrollCode code = ADirection == 1 || ADirection == 3 ? scLineUp : scLineDown;
    IuiControlScrollBar* bar = GetScrollBar(kind);
    int position = bar != nullptr ? bar->GetPosition() : 0;
    Scroll(kind, code, position);
    Update();
}

bool TuiControl::DoMouseWheel(TShiftState Shift, int WheelDelta, POINT MousePos) {
    if (TCustomControl::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
    const int kind = GetMouseWheelScrollingKind();
    if (kind == 0) return false;
    int direction;
    if (kind == 1)
        direction = WheelDelta > 0 ? 1 : 2;
    else
        direction = WheelDelta > 0 ? 3 : 4;
    for (int i = 0; i < Mouse()->WheelScrollLines(); ++i)
        ScrollContent(direction);
    return true;
}

TPoint TuiControl::MessagePosition(const TMessage& AMessage) {
    int x = GET_X_LPARAM(AMessage.LParam), y = GET_Y_LPARAM(AMessage.LParam);
    if (Width() > LargestMessageCoordinate || Height() > LargestMessageCoordinate) {
        POINT p;
        GetCursorPos(&p);
        p = TControl::ScreenToClient(p);
        x = p.x;
        y = p.y;
    }
    return TPoint{x, y};
}

// ---- Window

void TuiControl::CreateParams(TCreateParams& Params) {
    TCustomControl::CreateParams(Params);
    Params.Style |= WS_CLIPCHILDREN;
}

void TuiControl::CreateWnd() {
    // A descendant's answer is known only once it is built: asked again here.
    if (HasDragImages()) ControlStyle().Include(csDisplayDragImage);
    FCreatingWindow = true;
    try {
        TCustomControl::CreateWnd();
    } catch (...) {
        FCreatingWindow = false;
        throw;
    }
    FCreatingWindow = false;
    if (NeedsScrollBars())
        CreateScrollBarSet();
    else
        DropScrollBarSet();
    InitScrollBars();
    if (!FNotificationsInitialized) {
        FNotificationsInitialized = true;
        DoInitializeNotifications();
    }
}

void TuiControl::DestroyWindowHandle() {
    TCustomControl::DestroyWindowHandle();
    ControlState().Exclude(csClicked);
}

void TuiControl::Resize() {
    TCustomControl::Resize();
    BoundsChanged();
}

void TuiControl::PaintWindow(HDC DC) {
    if (IsLoading()) return;
    TCustomControl::PaintWindow(DC);
}

bool uiDrawFromReadyImage(TControl* AImageSource, TControl* AControl, HDC ADC, const TRect& R) {
    auto* source = dynamic_cast<IuiReadyImage*>(AImageSource);
    TBitmap* image = nullptr;
    TControl* owner = nullptr;
    if (source == nullptr || !source->GetReadyImage(image, owner) || image == nullptr) return false;
    if (owner == AControl) {
        StretchBlt(ADC, R.left, R.top, R.right - R.left, R.bottom - R.top, image->Canvas()->Handle(), 0, 0,
                   image->Width(), image->Height(), SRCCOPY);
        return true;
    }
    // The control's place in the owner's coordinates.
    TPoint origin{0, 0};
    if (owner != nullptr) origin = owner->ScreenToClient(AControl->ClientToScreen(TPoint{0, 0}));
    uiBlitRect(ADC, image->Canvas()->Handle(), R, SRCCOPY, TPoint{origin.x + R.left, origin.y + R.top});
    return true;
}

void TuiControl::Paint() {
    if (IsLoading()) return;
    if (uiDrawFromReadyImage(this, this, Canvas()->Handle(), ClientRect())) return;
    FControlCanvas->BeginPaint();
    try {
        DoPaint();
    } catch (...) {
        FControlCanvas->EndPaint();
        throw;
    }
    FControlCanvas->EndPaint();
}

void TuiControl::WMPaint(TMessage& Message) {
    if (Message.WParam != 0 || !IsDoubleBufferedNeeded()) {
        PaintHandlerEx(Message);
    } else if (IsCompositionEnabled() && IsGlassPaintAllowed()) {
        ovPaintControlOnGlass(Handle(), PaintBlackOpaqueOnGlass());
    } else {
        uiPaintControlBuffered(this);
    }
}

// The non-client band around the client area, drawn through a bitmap of the window's size.
void TuiControl::DrawNonClientBand(HDC ADC) {
    const TRect window = uiWindowRectOf(Handle());
    const int width = window.right - window.left, height = window.bottom - window.top;
    if (width <= 0 || height <= 0) return;
    POINT origin{0, 0};
    ::ClientToScreen(Handle(), &origin);
    TRect client = ClientRect();
    OffsetRect(&client, origin.x - window.left, origin.y - window.top);
    const TRect band = GetNonClientArea();
    const int saved = SaveDC(ADC);
    ExcludeClipRect(ADC, client.left, client.top, client.right, client.bottom);
    IntersectClipRect(ADC, client.left - band.left, client.top - band.top, client.right + band.right,
                      client.bottom + band.bottom);
    TuiBitmap bitmap(width, height);
    DrawNonClientArea(bitmap.GetuiCanvas());
    BitBlt(ADC, 0, 0, width, height, bitmap.Canvas()->Handle(), 0, 0, SRCCOPY);
    RestoreDC(ADC, saved);
}

void TuiControl::PaintHandlerEx(TMessage& Message) {
    HDC dc = reinterpret_cast<HDC>(Message.WParam);
    PAINTSTRUCT ps;
    TuiRegion region;
    bool useRegion = false;
    if (dc == nullptr) {
        useRegion = uiGetUpdateRegion(this, &region);
        dc = ::BeginPaint(Handle(), &ps);
        if (useRegion) SelectClipRgn(dc, region.Handle());
    }
    int savedForBand = 0;
    if (ControlState().Contains(csPaintCopy) && HasNonClientArea()) {
        // A copy of the whole window: the band first, in window coordinates, then the client area in place.
        const TRect band = GetNonClientArea();
        const TPoint offset = uiClientOriginOffset(Handle());
        TuiPaintCanvas* canvas = uiPaintCanvas();
        canvas->BeginPaint(dc);
        POINT origin;
        GetWindowOrgEx(dc, &origin);
        SetWindowOrgEx(dc, origin.x - (band.left - offset.x), origin.y - (band.top - offset.y), nullptr);
        DrawNonClientArea(canvas);
        canvas->EndPaint();
        savedForBand = SaveDC(dc);
        GetWindowOrgEx(dc, &origin);
        SetWindowOrgEx(dc, origin.x - band.left, origin.y - band.top, nullptr);
        const TRect client = ClientRect();
        IntersectClipRect(dc, client.left, client.top, client.right, client.bottom);
    }
    std::vector<TControl*> children;
    for (int i = 0; i < ControlCount(); ++i)
        if (dynamic_cast<TWinControl*>(Controls(i)) == nullptr) children.push_back(Controls(i));
    try {
        if (children.empty()) {
            PaintWindow(dc);
        } else {
            const int saved = SaveDC(dc);
            int clip = SIMPLEREGION;
            for (TControl* child : children) {
                const bool shown =
                    child->Visible() || (IsDesigning() && !child->ControlStyle().Contains(csNoDesignVisible));
                if (!shown || !child->ControlStyle().Contains(csOpaque)) continue;
                clip = ExcludeClipRect(dc, child->Left(), child->Top(), child->Left() + child->Width(),
                                       child->Top() + child->Height());
                if (clip == NULLREGION) break;
            }
            if (clip != NULLREGION) PaintWindow(dc);
            RestoreDC(dc, saved);
        }
        PaintControls(dc, nullptr);
    } catch (...) {
        if (savedForBand != 0) RestoreDC(dc, savedForBand);
        if (Message.WParam == 0) ::EndPaint(Handle(), &ps);
        throw;
    }
    if (savedForBand != 0) RestoreDC(dc, savedForBand);
    if (Message.WParam == 0) ::EndPaint(Handle(), &ps);
}

void TuiControl::WMEraseBkgnd(TMessage& Message) {
    const bool fromOwnPainting = uiIsEraseBkgndFromPaint(Message);
    if (fromOwnPainting || IsEraseBackgroundNeeded()) {
        if (fromOwnPainting || !IsDoubleBufferedNeeded())
            EraseBackgroundDC(reinterpret_cast<HDC>(Message.WParam));
        Message.Result = 1;
    } else {
        Message.Result = 0;
    }
}

void TuiControl::WMCancelMode(TMessage& Message) {
    TCustomControl::WMCancelMode(Message);
    FinishDragAndDrop(false);
    DoCancelMode();
}

void TuiControl::CMMouseEnter(TMessage& Message) {
    // The class library's own enter event is the control's strictly alternating one.
    TControl* control = Message.LParam != 0 ? reinterpret_cast<TControl*>(Message.LParam) : this;
    if (Parent() != nullptr) Parent()->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(control));
    MouseEnter(control);
}

void TuiControl::CMMouseLeave(TMessage& Message) {
    TControl* control = Message.LParam != 0 ? reinterpret_cast<TControl*>(Message.LParam) : this;
    if (Parent() != nullptr) Parent()->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(control));
    MouseLeave(control);
}

TPoint TuiControl::MessagePos(const TMessage& Message) {
    return TPoint{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
}

void TuiControl::WndProc(TMessage& Message) {
    if (ProcessGestureMessage(Message)) return;
    if (FScrollBarsManager && FScrollBarsManager->HandleMessage(Message)) return;
    switch (Message.Msg) {
    case WM_GETDLGCODE: {
        LRESULT code = 0;
        if (FKeys.Contains(kAll)) code += DLGC_WANTALLKEYS;
        if (FKeys.Contains(kArrows)) code += DLGC_WANTARROWS;
        if (FKeys.Contains(kChars)) code += DLGC_WANTCHARS;
        if (FKeys.Contains(kTab) && GetKeyState(VK_CONTROL) >= 0) code += DLGC_WANTTAB;
        Message.Result = code;
        return;
    }
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN:
        Message.Result = 1;
        if (!HandleKeyDown(Message, Message.Msg == CN_SYSKEYDOWN)) Message.Result = 0;
        return;
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(Message.WParam) == Handle() && FDragAndDropState == 0 &&
            Screen() != nullptr && Screen()->Cursor() == crDefault) {
            POINT p;
            GetCursorPos(&p);
            p = TControl::ScreenToClient(p);
            const TCursor cursor = GetCurrentCursor(p.x, p.y);
            if (cursor != crDefault) {
                ::SetCursor(Screen()->Cursors(cursor));
                Message.Result = 1;
                return;
            }
        }
        break;
    case WM_CONTEXTMENU: {
        POINT p{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
        if (FScrollBarsManager->Capturing() ||
            (!(p.x == -1 && p.y == -1) && IsPointOnScrollBars(TControl::ScreenToClient(p)))) {
            Message.Result = 1;
            return;
        }
        break;
    }
    case WM_NCPAINT:
        TCustomControl::WndProc(Message);
        if (HasNonClientArea() && HandleAllocated()) {
            DWORD flags = DCX_WINDOW | DCX_CACHE | DCX_CLIPSIBLINGS | DCX_VALIDATE;
            HRGN region = nullptr;
            if (Message.WParam != 1) {
                region = CreateRectRgn(0, 0, 0, 0);
                CombineRgn(region, reinterpret_cast<HRGN>(Message.WParam), nullptr, RGN_COPY);
                flags |= DCX_INTERSECTRGN;
            }
            HDC dc = GetDCEx(Handle(), region, flags);
            DrawNonClientBand(dc);
            ReleaseDC(Handle(), dc);
            if (region != nullptr) DeleteObject(region);
            Message.Result = 0;
        }
        return;
    case WM_PRINT:
        TCustomControl::WndProc(Message);
        if ((Message.LParam & PRF_NONCLIENT) != 0 && HasNonClientArea() && HandleAllocated())
            DrawNonClientBand(reinterpret_cast<HDC>(Message.WParam));
        return;
    case WM_TABLET_QUERYSYSTEMGESTURESTATUS:
        Message.Result = 0x10000;
        return;
    case WM_BOUNDSCHANGED:
        if (NeedsScrollBars() && FScrollBarSet) {
            const int kinds = GetScrollBarKindsToCheck();
            bool changed = false;
            if (kinds & 1) changed = FScrollBarSet->CheckSize(sbHorizontal) || changed;
            if (kinds & 2) changed = FScrollBarSet->CheckSize(sbVertical) || changed;
            if (changed) BoundsChanged();
        }
        return;
    case WM_NCCALCSIZE:
        TCustomControl::WndProc(Message);
        if (HandleAllocated()) PostMessage(Handle(), WM_BOUNDSCHANGED, 0, 0);
        return;
    case CM_INVALIDATE:
        if (!HandleAllocated() || IsDestroying()) return;
        if (Parent() != nullptr) Parent()->Perform(CM_INVALIDATE, 1, 0);
        if (Message.WParam == 0) {
            ::InvalidateRect(Handle(), nullptr, !ControlStyle().Contains(csOpaque));
            if (NeedsInvalidateOnBoundsChanged())
                for (int i = 0; i < ControlCount(); ++i) {
                    TControl* child = Controls(i);
                    auto* transparent = dynamic_cast<IuiTransparentControl*>(child);
                    const bool seeThrough = transparent != nullptr
                                                ? transparent->IsTransparent()
                                                : dynamic_cast<TWinControl*>(child) != nullptr &&
                                                      (!child->ControlStyle().Contains(csOpaque) ||
                                                       child->ControlStyle().Contains(csParentBackground));
                    if (seeThrough) child->Invalidate();
                }
        }
        return;
    case CM_DESIGNHITTEST:
        TCustomControl::WndProc(Message);
        if (Message.Result == 0) {
            const TPoint p = MessagePos(Message);
            Message.Result = GetDesignHitTest(p.x, p.y, TShiftState{}) ? 1 : 0;
        }
        return;
    case CM_FONTCHANGED:
        TCustomControl::WndProc(Message);
        FontChanged();
        return;
    case CM_COLORCHANGED:
        ColorChanged();
        TCustomControl::WndProc(Message);
        return;
    case CM_CURSORCHANGED:
        CursorChanged();
        TCustomControl::WndProc(Message);
        return;
    case CM_TEXTCHANGED:
        TCustomControl::WndProc(Message);
        TextChanged();
        return;
    case CM_VISIBLECHANGED:
        TCustomControl::WndProc(Message);
        VisibleChanged();
        return;
    default:
        break;
    }
    TuiObjectLink* link = uiAddObjectLink(this);
    try {
        if (Message.Msg == WM_RBUTTONUP) FRightButtonUpHandling = true;
        if (IsOwnLeftButtonDown(Message)) {
            // The control detects a class-library drag itself (CheckDragAndAutoScroll), after its own
            // mouse handling: the press does not start the drag at once.
            ControlState().Include(csLButtonDown);
            Dispatch(Message);
            if (link->Ref != nullptr) ControlState().Exclude(csLButtonDown);
        } else {
            TCustomControl::WndProc(Message);
        }
    } catch (...) {
        uiRemoveObjectLink(link);
        throw;
    }
    if (link->Ref != nullptr && !IsDestroying()) {
        switch (Message.Msg) {
        case WM_SETFOCUS:
            FocusReceived();
            FocusChanged();
            break;
        case WM_KILLFOCUS:
            FocusLost();
            FocusChanged();
            break;
        case WM_RBUTTONUP:
            FRightButtonUpHandling = false;
            break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN: {
            const TMouseButton button = Message.Msg == WM_LBUTTONDOWN   ? mbLeft
                                        : Message.Msg == WM_RBUTTONDOWN ? mbRight
                                                                        : mbMiddle;
            const TPoint p = MessagePosition(Message);
            CheckDragAndAutoScroll(button, p.x, p.y);
            break;
        }
        default:
            break;
        }
    }
    uiRemoveObjectLink(link);
}

bool TuiControl::IsOwnLeftButtonDown(const TMessage& Message) {
    if (Message.Msg != WM_LBUTTONDOWN && Message.Msg != WM_LBUTTONDBLCLK) return false;
    if (Dragging()) return false;
    const TPoint p = MessagePosition(Message);
    if (TControl* child = ControlAtPos(p, false);
        child != nullptr && dynamic_cast<TWinControl*>(child) == nullptr)
        return false;
    if (IsDesigning()) return GetDesignHitTest(p.x, p.y, TShiftState{ssLeft});
    return DragMode() == dmAutomatic;
}

bool TuiControl::HandleKeyDown(TMessage& Message, bool ASystem) {
    if (!ASystem) UpdateUIState(static_cast<WORD>(Message.WParam));
    if (IsShortCutKey(Message)) return true;
    if (!ASystem && FDragAndDropState != 0) {
        FinishDragAndDrop(false);
        return true;
    }
    if (IsDesigning()) return false;
    if (Perform(CM_CHILDKEY, Message.WParam, reinterpret_cast<LPARAM>(this)) != 0) return true;
    LRESULT mask = 0;
    switch (Message.WParam) {
    case VK_CANCEL:
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_EXECUTE:
        mask = DLGC_WANTALLKEYS;
        break;
    case VK_TAB:
        mask = DLGC_WANTTAB;
        break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        mask = DLGC_WANTARROWS;
        break;
    default:
        break;
    }
    if (mask != 0 && Perform(CM_WANTSPECIALKEY, Message.WParam, Message.LParam) == 0 &&
        (Perform(WM_GETDLGCODE, 0, 0) & mask) == 0)
        if (TCustomForm* form = GetParentForm())
            if (form->Perform(CM_DIALOGKEY, Message.WParam, Message.LParam) != 0) return true;
    return false;
}

bool TuiControl::IsShortCutKey(TMessage& AMessage) {
    if (IsDesigning()) return false;
    for (TControl* control = this; control != nullptr; control = control->Parent()) {
        if (auto* ui = dynamic_cast<TuiControl*>(control)) {
            TPopupMenu* menu = dynamic_cast<TPopupMenu*>(ui->FPopupMenuComponent);
            if (menu != nullptr && menu->Items()->Count() > 0 && menu->IsShortCut(AMessage)) return true;
            if (ui->FPopupMenuComponent != nullptr && menu == nullptr &&
                uiPopupMenuIsShortCut(ui->FPopupMenuComponent, AMessage))
                return true;
        }
    }
    if (TCustomForm* form = GetParentForm())
        if (form->IsShortCut(AMessage)) return true;
    return Application() != nullptr &&
           SendMessage(Application()->Handle(), CM_APPKEYDOWN, AMessage.WParam, AMessage.LParam) != 0;
}

void TuiControl::DoContextPopup(POINT MousePos, bool& Handled) {
    TCustomControl::DoContextPopup(MousePos, Handled);
    if (Handled) return;
    if (MousePos.x == -1 && MousePos.y == -1) MousePos = POINT{0, 0};
    const POINT screen = ClientToScreen(MousePos);
    Handled = DoShowPopupMenu(FPopupMenuComponent, screen.x, screen.y);
}

// ---- Mouse

namespace {
// Mouse messages carry 16-bit coordinates: a control larger than that reads the cursor instead.
void AdjustLargePosition(TuiControl* AControl, int& X, int& Y) {
    if (AControl->Width() <= LargestMessageCoordinate && AControl->Height() <= LargestMessageCoordinate)
        return;
    POINT p;
    GetCursorPos(&p);
    p = AControl->ScreenToClient(p);
    X = p.x;
    Y = p.y;
}
} // namespace

void TuiControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    AdjustLargePosition(this, X, Y);
    FMouseDownPos = TPoint{X, Y};
    TuiObjectLink* link = uiAddObjectLink(this);
    struct Unlink {
        TuiObjectLink* link;
        ~Unlink() { uiRemoveObjectLink(link); }
    } unlink{link};
    if (CanFocusOnClickAt(X, Y) && !Shift.Contains(ssDouble)) {
        const TRect before = BoundsRect();
        SetFocus();
        if (link->Ref == nullptr) return;
        TCustomForm* form = GetParentForm();
        if (form != nullptr && form->ActiveControl() == this && !Focused()) ::SetFocus(Handle());
        if (!Focused() && !AllowMouseDownWithoutFocus()) {
            ReleaseCapture();
            return;
        }
        if (ShiftMousePosOnFocusMove()) {
            const TRect after = BoundsRect();
            X += before.left - after.left;
            Y += before.top - after.top;
        }
    }
    if (!FFinishingDragAndDrop) {
        if (Button == mbLeft && !Shift.Contains(ssDouble) && StartDragAndDrop(TPoint{X, Y})) {
            if (GetDragAndDropObject()->GetImmediateStart())
                BeginDragAndDrop();
            else
                SetDragAndDropState(1);
        } else {
            FinishDragAndDrop(false);
        }
        if (link->Ref == nullptr) return;
    }
    BeforeMouseDown(Button, Shift, X, Y);
    if (link->Ref == nullptr) return;
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (link->Ref != nullptr && MouseCapture()) FMouseButtonPressed = true;
}

void TuiControl::MouseMove(TShiftState Shift, int X, int Y) {
    AdjustLargePosition(this, X, Y);
    TCustomControl::MouseMove(Shift, X, Y);
    if (FDragAndDropState == 1 && !IsMouseInPressedArea(X, Y)) BeginDragAndDrop();
    if (FDragAndDropState == 2) {
        bool accepted = false;
        DragAndDrop(TPoint{X, Y}, accepted);
    }
}

void TuiControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    AdjustLargePosition(this, X, Y);
    FMouseButtonPressed = false;
    FinishDragAndDropOnMouseUp();
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

// ---- Child components

TuiControlChildComponent::TuiControlChildComponent(TComponent* AOwner) : TuiComponent(AOwner) {
    Initialize();
}

TuiControlChildComponent::TuiControlChildComponent(TuiControl* AControl, bool AAssignOwner)
    : TuiComponent(AAssignOwner && AControl != nullptr ? AControl->Owner() : nullptr) {
    Initialize();
    SetControl(AControl);
}

TuiControlChildComponent::~TuiControlChildComponent() {
    if (FLinkedControl != nullptr) FLinkedControl->RemoveChildComponent(this);
}

void TuiControlChildComponent::SetParentComponent(TComponent* AValue) {
    if (auto* control = dynamic_cast<TuiControl*>(AValue)) control->AddChildComponent(this);
}
