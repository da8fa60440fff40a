#include "ui/painters/effects/AnimationTransition.h"

#include "platform/rtl/Clock.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

namespace animation_transition_detail {

// The runtime clock counts milliseconds.
constexpr std::int64_t ClockFrequency = 1000;

TovAnimationController* Controller = nullptr;

} // namespace animation_transition_detail

std::int64_t ReadClockTicks() {
    return static_cast<std::int64_t>(CurrentClock().TickCount64());
}

std::int64_t MillisecondsToTicks(std::int64_t AMilliseconds) {
    return ScaleInt64(animation_transition_detail::ClockFrequency, AMilliseconds, 1000);
}

std::int64_t ScaleInt64(std::int64_t A, std::int64_t B, std::int64_t C) {
    if (C == 0) return 0;
    return static_cast<std::int64_t>(std::trunc(static_cast<double>(A) * static_cast<double>(B) / C));
}

int ovAnimationEffectPosition(int AEffectKind, int ALength, std::int64_t AElapsed, std::int64_t ATotal) {
    if (ATotal <= 0) return ALength;
    const double L = ALength;
    const double t = static_cast<double>(AElapsed) / static_cast<double>(ATotal);
    switch (AEffectKind) {
    case 1:
        return static_cast<int>(std::nearbyint(L * (1 - std::pow(t - 1, 6))));
    case 2: {
        const double c = std::cbrt(AElapsed * ((L - 1) * (L - 1) * (L - 1) + 1) / ATotal - 1);
        return static_cast<int>(std::trunc(c + 1.5));
    }
    case 3:
        return static_cast<int>(
            std::trunc(L * (std::tanh(6 * t - 3) + std::tanh(3.0)) / (2 * std::tanh(3.0)) + 0.5));
    default:
        return static_cast<int>(ScaleInt64(AElapsed, ALength, ATotal));
    }
}

// ---- Controller

TovAnimationController::~TovAnimationController() {
    // Each transition leaves the list as it goes.
    while (!FTransitions.empty())
        delete FTransitions.back();
}

void TovAnimationController::Add(TovAnimationTransition* ATransition) {
    FTransitions.push_back(ATransition);
}

void TovAnimationController::FinishConflicting(TovAnimationTransition* ANewcomer) {
    // Finishing one lets its handlers run, which may free others: each is checked as its turn comes.
    const std::vector<TovAnimationTransition*> running = FTransitions;
    for (TovAnimationTransition* other : running)
        if (other != ANewcomer &&
            std::find(FTransitions.begin(), FTransitions.end(), other) != FTransitions.end() &&
            !other->CanRunWith(ANewcomer))
            other->SetFinished(true);
}

void TovAnimationController::Remove(TovAnimationTransition* ATransition) {
    const auto it = std::find(FTransitions.begin(), FTransitions.end(), ATransition);
    if (it != FTransitions.end()) FTransitions.erase(it);
}

TovAnimationController* GetAnimationController() {
    using animation_transition_detail::Controller;
    if (Controller == nullptr) Controller = new TovAnimationController();
    return Controller;
}

void ovFreeAnimationController() {
    using animation_transition_detail::Controller;
    TovAnimationController* controller = Controller;
    Controller = nullptr;
    delete controller;
}

// ---- Transition

TovAnimationTransition::TovAnimationTransition(int ATime, int ALength, int AEffectKind)
    : FTime(ATime), FLength(ALength), FEffectKind(std::clamp(AEffectKind, 0, 3)) {
    GetAnimationController()->Add(this);
}

TovAnimationTransition::~TovAnimationTransition() {
    if (animation_transition_detail::Controller != nullptr)
        animation_transition_detail::Controller->Remove(this);
}

void TovAnimationTransition::RunAnimationToEnd() {
    ResetTimes();
    Step();
    while (!FFinished) {
        // Every position still gets its step; the thread just does not spin between them.
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        Step();
    }
    if (FFinished && FreeWhenFinished) delete this;
}

void TovAnimationTransition::Start() {
    if (FStarted) return;
    FStarted = true;
    if (animation_transition_detail::Controller != nullptr)
        animation_transition_detail::Controller->FinishConflicting(this);
}

void TovAnimationTransition::ResetTimes() {
    Start();
    const std::int64_t now = ReadClockTicks();
    if (FCurrentTime == 0)
        FStartTime = now;
    else {
        FStartTime = now - (FCurrentTime - FStartTime);
        FCurrentTime = now;
    }
    FFinishTime = FStartTime + MillisecondsToTicks(FTime);
}

void TovAnimationTransition::SetFinished(bool AValue) {
    if (AValue == FFinished) return;
    FCurrentTime = FFinishTime;
    FFinished = AValue;
    if (!AValue) {
        FCurrentTime = 0;
        FTerminationTold = false;
        ResetTimes();
    }
    Step();
}

void TovAnimationTransition::Step() {
    Start();
    FCurrentTime = std::min(ReadClockTicks(), FFinishTime);
    FFinished = FFinished || FCurrentTime >= FFinishTime;
    int position;
    if (FFinished) {
        FCurrentTime = FFinishTime;
        position = FLength;
    } else
        position = ovAnimationEffectPosition(FEffectKind, FLength, FCurrentTime - FStartTime,
                                             FFinishTime - FStartTime);
    if (position == FPosition && FPosition != 0 && !FFinished) return;
    FPosition = position;
    DoBeforeAnimate();
    DoAnimate();
    DoAfterAnimate();
}

void TovAnimationTransition::DoBeforeAnimate() {
    bool finished = FFinished;
    OnBeforeStep(this, FPosition, finished);
    SetFinished(finished);
}

void TovAnimationTransition::DoAnimate() {
    bool finished = FFinished;
    OnStep(this, FPosition, finished);
    SetFinished(finished);
}

void TovAnimationTransition::DoAfterAnimate() {
    bool finished = FFinished;
    OnAfterStep(this, FPosition, finished);
    FFinished = finished;
    if (FFinished && !FTerminationTold) {
        FTerminationTold = true;
        OnTerminated(this);
    }
}
