// Animation transitions: elapsed time mapped to a position from 0 to a length along an easing curve,
// every new position reported to the owner through events. The ribbon's auto-hide slide and the
// in-ribbon gallery's scrolling run theirs to the end at once (RunAnimationToEnd). The controller keeps
// the register of live transitions and finishes those that cannot run beside a newcomer. All time is
// read from the runtime clock.
#pragma once

#include "platform/rtl/Object.h"
#include "platform/rtl/ObjectEvent.h"

#include <cstdint>
#include <functional>
#include <vector>

class TovAnimationTransition;

// Clock counts of the runtime clock (milliseconds) and the count of a span of milliseconds.
std::int64_t ReadClockTicks();
std::int64_t MillisecondsToTicks(std::int64_t AMilliseconds);
// trunc(A × B / C) with the product taken as a floating value (0 for C = 0).
std::int64_t ScaleInt64(std::int64_t A, std::int64_t B, std::int64_t C);

// The position of an easing curve: kind 0 linear, 1 fast start and slow end, 2 cube-root ease out,
// 3 slow start and end; elapsed and total in clock counts.
int ovAnimationEffectPosition(int AEffectKind, int ALength, std::int64_t AElapsed, std::int64_t ATotal);

// (sender, position, finished): a handler may change both.
using TovAnimationStepEvent = TEvent<TObject*, int&, bool&>;

class TovAnimationController : public TObject {
public:
    ~TovAnimationController() override;
    void Add(TovAnimationTransition* ATransition);
    // The live transitions that cannot run beside the newcomer are finished.
    void FinishConflicting(TovAnimationTransition* ANewcomer);
    void Remove(TovAnimationTransition* ATransition);
    int Count() const { return static_cast<int>(FTransitions.size()); }
    TovAnimationTransition* Items(int AIndex) const { return FTransitions[AIndex]; }

private:
    // Live transitions; those left at the end are freed with the controller.
    std::vector<TovAnimationTransition*> FTransitions;
};

// The controller, made on first use; null again after the unit's end frees it.
TovAnimationController* GetAnimationController();
void ovFreeAnimationController();

class TovAnimationTransition : public TObject {
public:
    // Time in milliseconds, the length of the position range, the effect kind (0..3). The transition
    // joins the controller's register at once; the live ones that cannot run beside it are finished when
    // it starts (its first ResetTimes or Step), when it is complete and CanRunWith can see what it is.
    TovAnimationTransition(int ATime, int ALength, int AEffectKind);
    ~TovAnimationTransition() override;
    TovAnimationTransition(const TovAnimationTransition&) = delete;
    TovAnimationTransition& operator=(const TovAnimationTransition&) = delete;

    virtual bool CanRunWith(TovAnimationTransition* AOther) { return true; }

    // Steps until finished, waiting about a millisecond between steps; then, when FreeWhenFinished,
    // frees the transition: the caller must not touch it afterwards.
    void RunAnimationToEnd();
    void ResetTimes();
    // Finishing jumps to the end; un-finishing restarts from the beginning. Both then take a step.
    void SetFinished(bool AValue);
    void Step();

    int Time() const { return FTime; }
    int Length() const { return FLength; }
    int EffectKind() const { return FEffectKind; }
    int Position() const { return FPosition; }
    bool Finished() const { return FFinished; }
    std::int64_t StartTime() const { return FStartTime; }
    std::int64_t CurrentTime() const { return FCurrentTime; }
    std::int64_t FinishTime() const { return FFinishTime; }
    bool FreeWhenFinished = true;

    TovAnimationStepEvent OnBeforeStep;
    TovAnimationStepEvent OnStep;
    TovAnimationStepEvent OnAfterStep;
    TNotifyEvent OnTerminated;

protected:
    virtual void DoAfterAnimate();
    virtual void DoAnimate();
    virtual void DoBeforeAnimate();

private:
    int FTime;
    int FLength;
    int FEffectKind;
    std::int64_t FStartTime = 0, FCurrentTime = 0, FFinishTime = 0;
    int FPosition = 0;
    bool FFinished = false;
    // OnTerminated is told once per run, also when a handler finishes the transition from inside a step.
    bool FTerminationTold = false;
    bool FStarted = false;
    void Start();
};
