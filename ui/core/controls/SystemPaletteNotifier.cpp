#include "ui/core/controls/SystemPaletteNotifier.h"

#include "platform/win/WinUser.h"
#include "ui/core/base/MessageWindow.h"
#include "ui/core/controls/LookAndFeelPainterBase.h"

#include <algorithm>
#include <memory>
#include <vector>

class TuiSystemPaletteChangedListener : public TuiMessageWindow {
public:
    TuiSystemPaletteChangedListener() { uiReferenceOffice11Colors(); }
    ~TuiSystemPaletteChangedListener() override { uiReleaseOffice11Palette(); }

    std::vector<TuiSystemPaletteChangedNotifier*> Primary;
    std::vector<TuiSystemPaletteChangedNotifier*> Others;
    int RefCount = 0;

protected:
    void WndProc(TMessage& AMessage) override {
        try {
            if (AMessage.Msg == WM_SYSCOLORCHANGE) NotifyAll();
        } catch (...) {
            TuiMessageWindow::WndProc(AMessage);
            throw;
        }
        TuiMessageWindow::WndProc(AMessage);
    }

private:
    void NotifyAll() {
        uiRefreshOffice11Colors();
        // Last to first, so a notifier that frees itself (or one made meanwhile) does not disturb the walk.
        for (int i = static_cast<int>(Primary.size()) - 1; i >= 0; --i)
            if (i < static_cast<int>(Primary.size())) Primary[i]->DoChanged();
        for (int i = static_cast<int>(Others.size()) - 1; i >= 0; --i)
            if (i < static_cast<int>(Others.size())) Others[i]->DoChanged();
    }
};

namespace {
std::unique_ptr<TuiSystemPaletteChangedListener> Listener;
} // namespace

TuiSystemPaletteChangedNotifier::TuiSystemPaletteChangedNotifier(bool AIsPrimary) : FIsPrimary(AIsPrimary) {
    if (!Listener) Listener = std::make_unique<TuiSystemPaletteChangedListener>();
    ++Listener->RefCount;
    (FIsPrimary ? Listener->Primary : Listener->Others).push_back(this);
}

TuiSystemPaletteChangedNotifier::~TuiSystemPaletteChangedNotifier() {
    if (!Listener) return;
    auto& list = FIsPrimary ? Listener->Primary : Listener->Others;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    if (--Listener->RefCount == 0) Listener.reset();
}

void TuiSystemPaletteChangedNotifier::DoChanged() {
    if (OnSystemPaletteChanged) OnSystemPaletteChanged();
}

HWND uiSystemPaletteListenerHandle() {
    return Listener ? Listener->Handle() : nullptr;
}
