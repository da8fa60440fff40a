// A cache of the system parameters the painters read often (non-client metrics, drop shadows) that
// refreshes itself when the user changes a setting and tells its listeners which one changed.
#pragma once

#include "platform/win/Screen.h"
#include "ui/core/base/MessageWindow.h"

#include <vector>

class IovSystemInfoListener {
public:
    virtual ~IovSystemInfoListener() = default;
    // ASPICode: the SystemParametersInfo action that changed.
    virtual void Changed(UINT ASPICode) = 0;
};

// The SPI codes of WM_SETTINGCHANGE that refresh the cache.
constexpr UINT ovSPISetNonClientMetrics = 0x002A;
constexpr UINT ovSPISetDropShadow = 0x1025;

class TovSystemInfo : public TuiMessageWindow {
public:
    TovSystemInfo();
    // Listeners are not owned; each removes itself before it goes.
    void AddListener(IovSystemInfoListener* AListener);
    void RemoveListener(IovSystemInfoListener* AListener);
    int ListenerCount() const { return static_cast<int>(FListenerItfs.size()); }

    // SystemParametersInfo with the size the action needs filled in; the call's success.
    static bool GetParameter(UINT AAction, void* ABuffer);
    static bool IsRemoteSession();
    const NONCLIENTMETRICS& NonClientMetrics() const { return FNonClientMetricsRecord; }
    bool IsDropShadow() const { return FDropShadowEnabled; }

protected:
    void WndProc(TMessage& AMessage) override;

private:
    void UpdateCache(UINT ASPICode);

    std::vector<IovSystemInfoListener*> FListenerItfs;
    NONCLIENTMETRICS FNonClientMetricsRecord;
    bool FDropShadowEnabled = false;
};
