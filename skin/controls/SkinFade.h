// The fade of a skinned control between its normal face (fraction 0) and its active face (1): a 20 ms
// timer moves the fraction by a fifth per tick towards the face the control's state asks for, so a
// full fade takes five ticks; the control paints the two faces mixed by the fraction meanwhile.
#pragma once

#include "platform/rtl/Component.h"

#include <functional>

class TTimer;

class TskFadeTimer {
public:
    // Lit: the active face is wanted. CanMorph: the control has a description that morphs.
    TskFadeTimer(TComponent* Owner, std::function<bool()> Lit, std::function<bool()> CanMorph,
                 std::function<void()> Repaint);
    ~TskFadeTimer();
    TskFadeTimer(const TskFadeTimer&) = delete;
    TskFadeTimer& operator=(const TskFadeTimer&) = delete;

    double Fraction() const { return FFraction; }
    void SetFraction(double Value) { FFraction = Value; }
    // Between the faces: neither 0 nor 1.
    bool Fading() const { return FFraction > 0 && FFraction < 1; }
    bool Running() const;
    // With a morphing description the timer starts (unless it runs); otherwise the control repaints.
    void Start();
    void Stop();
    // Stops at the normal face.
    void Reset() {
        Stop();
        FFraction = 0;
    }
    // One step of the fade (the timer's tick).
    void Tick();

private:
    TTimer* FTimer;
    std::function<bool()> FLit, FCanMorph;
    std::function<void()> FRepaint;
    double FFraction = 0;
};
