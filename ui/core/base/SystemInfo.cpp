#include "ui/core/base/SystemInfo.h"

#include "platform/win/WinUser.h"

#include <algorithm>

TovSystemInfo::TovSystemInfo() {
    UpdateCache(ovSPISetNonClientMetrics);
    UpdateCache(ovSPISetDropShadow);
}

void TovSystemInfo::AddListener(IovSystemInfoListener* AListener) {
    FListenerItfs.push_back(AListener);
}

void TovSystemInfo::RemoveListener(IovSystemInfoListener* AListener) {
    const auto it = std::find(FListenerItfs.begin(), FListenerItfs.end(), AListener);
    if (it != FListenerItfs.end()) FListenerItfs.erase(it);
}

bool TovSystemInfo::GetParameter(UINT AAction, void* ABuffer) {
    UINT size = 0;
    switch (AAction) {
    case SPI_GETICONTITLELOGFONT:
        size = 60;
        break;
    case SPI_GETNONCLIENTMETRICS:
        size = 340;
        static_cast<NONCLIENTMETRICS*>(ABuffer)->cbSize = 340;
        break;
    case SPI_GETANIMATION:
        size = 8;
        static_cast<ANIMATIONINFO*>(ABuffer)->cbSize = 8;
        break;
    default:
        break;
    }
    return SystemParametersInfo(AAction, size, ABuffer, 0) != FALSE;
}

bool TovSystemInfo::IsRemoteSession() {
    return GetSystemMetrics(SM_REMOTESESSION) == 1;
}

void TovSystemInfo::UpdateCache(UINT ASPICode) {
    if (ASPICode == ovSPISetNonClientMetrics) {
        GetParameter(SPI_GETNONCLIENTMETRICS, &FNonClientMetricsRecord);
    } else if (ASPICode == ovSPISetDropShadow) {
        BOOL enabled = FALSE;
        FDropShadowEnabled = GetParameter(SPI_GETDROPSHADOW, &enabled) && enabled;
    }
}

void TovSystemInfo::WndProc(TMessage& AMessage) {
    if (AMessage.Msg == WM_SETTINGCHANGE && AMessage.WParam != 0) {
        const auto code = static_cast<UINT>(AMessage.WParam);
        UpdateCache(code);
        // A listener may remove itself when told; the ones still listening are told in order.
        const auto listeners = FListenerItfs;
        for (IovSystemInfoListener* listener : listeners)
            if (std::find(FListenerItfs.begin(), FListenerItfs.end(), listener) != FListenerItfs.end())
                listener->Changed(code);
        AMessage.Result = 0;
        return;
    }
    TuiMessageWindow::WndProc(AMessage);
}
