#include "ui/core/platform/TouchGestures.h"

#include "platform/rtl/Numerics.h"
#include "platform/rtl/Registry.h"
#include "platform/win/WinStructs.h"
#include "platform/win/WinUser.h"
#include "ui/core/base/CoreServices.h"
#include "ui/core/graphics/ScreenMetrics.h"
#include "ui/core/platform/SystemHooks.h"
#include "ui/core/platform/UxTheme.h"

#include <cmath>
#include <cstdlib>
#include <numbers>

namespace {

TGestureEntryPoints Entries;
int AppliedDPI = 96;
bool DPIScaling = false;
TPoint TouchPoint{};

struct TGestureRow {
    DWORD id;
    DWORD offered;
};
constexpr TGestureRow GestureTable[] = {
    {GID_PAN, GC_PAN | GC_PAN_WITH_SINGLE_FINGER_VERTICALLY | GC_PAN_WITH_SINGLE_FINGER_HORIZONTALLY |
                  GC_PAN_WITH_GUTTER | GC_PAN_WITH_INERTIA},
    {GID_ZOOM, GC_ALLGESTURES},
    {GID_ROTATE, GC_ALLGESTURES},
    {GID_TWOFINGERTAP, GC_ALLGESTURES},
    {GID_PRESSANDTAP, GC_ALLGESTURES},
};

void TouchWndProcHook(int ACode, WPARAM, LPARAM ALParam, LRESULT&) {
    if (ACode != HC_ACTION) return;
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(ALParam);
    if (call == nullptr || call->message != WM_GESTURENOTIFY || call->lParam == 0) return;
    const auto* notify = reinterpret_cast<const GESTURENOTIFYSTRUCT*>(call->lParam);
    TouchPoint = TPoint{notify->ptsLocation.x, notify->ptsLocation.y};
}

} // namespace

void ovSuspendGestures(HWND AWnd, TMessage& AMessage) {
    GESTURECONFIG config{0, 0, 1};
    if (Entries.SetGestureConfig) Entries.SetGestureConfig(AWnd, 0, 1, &config, sizeof(GESTURECONFIG));
    AMessage.Result = 1;
}

bool ovConfigureGestures(HWND AWnd, TovGestureConfigs& AConfigs) {
    if (!Entries.SetGestureConfig) return false;
    return Entries.SetGestureConfig(AWnd, 0, static_cast<UINT>(AConfigs.size()), AConfigs.data(),
                                    sizeof(GESTURECONFIG)) != FALSE;
}

bool ovProcessIsDPIAware() {
    return Entries.IsProcessDPIAware && Entries.IsProcessDPIAware() != FALSE;
}

int ovGetAppliedDPI() {
    TRegistry registry;
    registry.SetRootKey(HKEY_CURRENT_USER);
    if (registry.OpenKeyReadOnly("Control Panel\\Desktop\\WindowMetrics") &&
        registry.ValueExists("AppliedDPI"))
        return registry.ReadInteger("AppliedDPI");
    return uiCurrentDPI();
}

TPoint ovTouchPoint() {
    return TouchPoint;
}

void ovTouchStart() {
    Entries = olva::win::GestureEntryPoints();
    AppliedDPI = ovGetAppliedDPI();
    DPIScaling = !ovOSVersion().IsWin8OrLater && !ovProcessIsDPIAware();
    TouchPoint = TPoint{};
    ovSetHook(hkCallWndProc, &TouchWndProcHook);
}

void ovTouchEnd() {
    ovReleaseHook(&TouchWndProcHook);
    Entries = TGestureEntryPoints();
}

// ---- TovGestureHelper

bool TovGestureHelper::AllowGesture(DWORD AID) {
    return FNotifyClient != nullptr && FNotifyClient->AllowGesture(AID);
}

bool TovGestureHelper::AllowPan(TScrollBarKind AScrollKind) {
    return FNotifyClient != nullptr && FNotifyClient->AllowPan(AScrollKind);
}

HWND TovGestureHelper::GetHandle() {
    return FOwner->GetHandle();
}

int TovGestureHelper::GetPanOptions() {
    return FNotifyClient != nullptr ? FNotifyClient->GetPanOptions() : 0;
}

bool TovGestureHelper::IsGestureTarget(HWND AWnd) {
    return FOwner->IsGestureTarget(AWnd);
}

bool TovGestureHelper::IsPanArea(const TPoint& APoint) {
    return FNotifyClient != nullptr && FNotifyClient->IsPanArea(APoint);
}

bool TovGestureHelper::NeedPanningFeedback(TScrollBarKind AScrollKind) {
    return FGestureClient != nullptr && FGestureClient->NeedPanningFeedback(AScrollKind);
}

TPoint TovGestureHelper::ScreenToClient(const TPoint& APoint) {
    return FOwner->ScreenToClient(APoint);
}

bool TovGestureHelper::HandleMessage(TMessage& AMessage) {
    switch (AMessage.Msg) {
    case WM_GESTURE:
        return ProcessGesture(AMessage);
    case WM_GESTURENOTIFY:
        return ProcessGestureNotify(AMessage);
    case WM_DESTROY:
        if (FPanning) EndGestureScroll();
        return false;
    default:
        return false;
    }
}

TPoint TovGestureHelper::GetTouchStartPoint() {
    TPoint p = TouchPoint;
    if (Entries.PhysicalToLogicalPoint) Entries.PhysicalToLogicalPoint(GetHandle(), &p);
    return ScreenToClient(p);
}

DWORD TovGestureHelper::GetPanFlags(const TPoint& APoint) {
    DWORD flags = static_cast<DWORD>(GetPanOptions());
    if (IsPanArea(APoint)) {
        if (!AllowPan(sbVertical)) flags &= ~GC_PAN_WITH_SINGLE_FINGER_VERTICALLY;
        if (!AllowPan(sbHorizontal)) flags &= ~GC_PAN_WITH_SINGLE_FINGER_HORIZONTALLY;
    } else {
        flags &= ~(GC_PAN_WITH_SINGLE_FINGER_VERTICALLY | GC_PAN_WITH_SINGLE_FINGER_HORIZONTALLY);
    }
    return flags;
}

bool TovGestureHelper::ProcessGestureNotify(TMessage& AMessage) {
    FNotifyClient = FOwner->GetGestureClient(GetTouchStartPoint());
    const auto* notify = reinterpret_cast<const GESTURENOTIFYSTRUCT*>(AMessage.LParam);
    if (FNotifyClient == nullptr || notify == nullptr || !IsGestureTarget(notify->hwndTarget)) return false;
    TovGestureConfigs configs;
    for (const TGestureRow& row : GestureTable) {
        const DWORD flags = row.id == GID_PAN ? GetPanFlags(GetTouchStartPoint()) : row.offered;
        GESTURECONFIG config;
        config.dwID = row.id;
        config.dwWant = AllowGesture(row.id) ? flags : 0;
        config.dwBlock = row.offered & ~config.dwWant;
        configs.push_back(config);
    }
    ovConfigureGestures(GetHandle(), configs);
    AMessage.Result = 1;
    return true;
}

bool TovGestureHelper::ProcessGesture(TMessage& AMessage) {
    const auto handle = reinterpret_cast<HGESTUREINFO>(AMessage.LParam);
    GESTUREINFO info;
    info.cbSize = 48;
    // The handle is closed whatever happens, also when its record cannot be read.
    struct CloseHandle {
        HGESTUREINFO handle;
        ~CloseHandle() {
            if (Entries.CloseGestureInfoHandle) Entries.CloseGestureInfoHandle(handle);
        }
    } closer{handle};
    if (!Entries.GetGestureInfo || !Entries.GetGestureInfo(handle, &info)) return true;
    AMessage.Result = 0;
    const bool begin = (info.dwFlags & GF_BEGIN) != 0;
    if ((FGestureClient != nullptr || (begin && FNotifyClient != nullptr)) &&
        IsGestureTarget(info.hwndTarget)) {
        const TPoint point = ScreenToClient(TPoint{info.ptsLocation.x, info.ptsLocation.y});
        const bool end = (info.dwFlags & GF_END) != 0;
        const bool inertia = (info.dwFlags & GF_INERTIA) != 0;
        bool handled = false;
        switch (info.dwID) {
        case GID_ZOOM:
            handled = ProcessZoom(static_cast<int>(info.ullArguments & 0xFFFFFFFFu), begin, end);
            break;
        case GID_PAN:
            handled = ProcessPan(point, begin, inertia, end);
            break;
        case GID_ROTATE: {
            const double argument = static_cast<double>(info.ullArguments & 0xFFFFu);
            const double angle = argument / 65535.0 * 4.0 * std::numbers::pi - 2.0 * std::numbers::pi;
            handled = ProcessRotate(begin, end, angle);
            break;
        }
        default:
            break;
        }
        AMessage.Result = handled ? 1 : 0;
    }
    if (AMessage.Result != 1)
        AMessage.Result = DefWindowProc(GetHandle(), AMessage.Msg, AMessage.WParam, AMessage.LParam);
    return true;
}

bool TovGestureHelper::ProcessPan(TPoint APoint, bool ABegin, bool AInertia, bool AEnd) {
    if (DPIScaling) {
        APoint.x = MulDiv(APoint.x, uiCurrentDPI(), AppliedDPI);
        APoint.y = MulDiv(APoint.y, uiCurrentDPI(), AppliedDPI);
    }
    FInertia = AInertia;
    if (ABegin) {
        FGestureClient = FNotifyClient;
        BeginGestureScroll(APoint);
    } else if (FGestureClient != nullptr) {
        int dx = APoint.x - FLastPanPoint.x;
        int dy = APoint.y - FLastPanPoint.y;
        if (AEnd) FOverPan = TPoint{};
        ConsumeOverPan(sbHorizontal, dx);
        ConsumeOverPan(sbVertical, dy);
        FGestureClient->GestureScroll(dx, dy);
        if (AEnd) {
            EndGestureScroll();
            FGestureClient = nullptr;
        }
    }
    FLastPanPoint = APoint;
    return true;
}

void TovGestureHelper::ConsumeOverPan(TScrollBarKind AScrollKind, int& ADelta) {
    const int over = AScrollKind == sbHorizontal ? FOverPan.x : FOverPan.y;
    if (over == 0 || ADelta == 0 || (over > 0) == (ADelta > 0) || !NeedPanningFeedback(AScrollKind)) return;
    const int d = std::abs(over) >= std::abs(ADelta) ? ADelta : -over;
    UpdateOverPan(AScrollKind, d);
    ADelta -= d;
}

void TovGestureHelper::UpdateOverPan(TScrollBarKind AScrollKind, int ADelta) {
    (AScrollKind == sbHorizontal ? FOverPan.x : FOverPan.y) += ADelta;
    ovUpdatePanFeedback(GetHandle(), FOverPan, FInertia);
}

void TovGestureHelper::CheckOverpan(TScrollBarKind AScrollKind, int ANewPos, int AMinPos, int AMaxPos,
                                    int ADeltaX, int ADeltaY) {
    if (!NeedPanningFeedback(AScrollKind)) return;
    if (ANewPos > AMinPos && ANewPos < AMaxPos) return;
    UpdateOverPan(AScrollKind, AScrollKind == sbHorizontal ? ADeltaX : ADeltaY);
}

void TovGestureHelper::BeginGestureScroll(const TPoint& APoint) {
    FPanning = true;
    if (FGestureClient != nullptr) FGestureClient->BeginGestureScroll(APoint);
    if (NeedPanningFeedback(sbHorizontal) || NeedPanningFeedback(sbVertical)) ovStartPanFeedback(GetHandle());
    FOverPan = TPoint{};
}

void TovGestureHelper::EndGestureScroll() {
    FPanning = false;
    if (FGestureClient != nullptr) FGestureClient->EndGestureScroll();
    if (NeedPanningFeedback(sbHorizontal) || NeedPanningFeedback(sbVertical))
        ovStopPanFeedback(GetHandle(), true);
}

bool TovGestureHelper::ProcessZoom(int ADistance, bool ABegin, bool AEnd) {
    if (ABegin) {
        FLastZoomDistance = ADistance;
        FGestureClient = FNotifyClient;
    }
    bool handled = false;
    if (auto* zoom = dynamic_cast<IovZoomGestureClient*>(FGestureClient))
        zoom->Zoom(ADistance - FLastZoomDistance, handled);
    FLastZoomDistance = ADistance;
    if (AEnd) FGestureClient = nullptr;
    return handled;
}

bool TovGestureHelper::ProcessRotate(bool ABegin, bool AEnd, double AAngle) {
    if (ABegin) FGestureClient = FNotifyClient;
    bool handled = false;
    if (auto* rotate = dynamic_cast<IovRotateGestureClient*>(FGestureClient)) rotate->Rotate(AAngle, handled);
    if (AEnd) FGestureClient = nullptr;
    return handled;
}
