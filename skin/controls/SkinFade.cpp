#include "skin/controls/SkinFade.h"

#include "platform/vcl/Timer.h"

#include <cmath>

TskFadeTimer::TskFadeTimer(TComponent* Owner, std::function<bool()> Lit, std::function<bool()> CanMorph,
                           std::function<void()> Repaint)
    : FTimer(new TTimer(Owner)), FLit(std::move(Lit)), FCanMorph(std::move(CanMorph)),
      FRepaint(std::move(Repaint)) {
    FTimer->SetEnabled(false);
    FTimer->SetInterval(20);
    FTimer->OnTimer = TNotifyEvent([this](TObject*) { Tick(); }, this);
}

TskFadeTimer::~TskFadeTimer() {
    FTimer->OnTimer = nullptr;
    FTimer->SetEnabled(false);
}

bool TskFadeTimer::Running() const {
    return FTimer->Enabled();
}

void TskFadeTimer::Start() {
    if (!FCanMorph()) {
        FRepaint();
        return;
    }
    if (!Running()) FTimer->SetEnabled(true);
}

void TskFadeTimer::Stop() {
    FTimer->SetEnabled(false);
}

void TskFadeTimer::Tick() {
    const bool lit = FLit();
    if (!FCanMorph()) {
        FFraction = lit ? 1 : 0;
        Stop();
        return;
    }
    // Whole fifths: five steps reach the end exactly.
    if (lit && FFraction < 1)
        FFraction = std::min(1.0, std::round(FFraction * 5 + 1) / 5);
    else if (!lit && FFraction > 0)
        FFraction = std::max(0.0, std::round(FFraction * 5 - 1) / 5);
    else {
        FFraction = lit ? 1 : 0;
        Stop();
    }
    FRepaint();
}
