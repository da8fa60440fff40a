// TProgressBar: shows how far an operation got — blocks of the highlight colour in a sunken box, or one
// smooth bar (Smooth), left to right or bottom to top. Position stays within Min..Max; StepIt and StepBy
// move it; the PBM_ messages callers send are answered.
#pragma once

#include "platform/vcl/CommCtrl.h"
#include "platform/vcl/CustomControl.h"

#include <algorithm>

enum TProgressBarOrientation { pbHorizontal, pbVertical };

class TProgressBar : public TCustomControl {
public:
    explicit TProgressBar(TComponent* AOwner);

    int Min() const { return FMin; }
    void SetMin(int Value) { SetRange(Value, std::max(Value, FMax)); }
    int Max() const { return FMax; }
    void SetMax(int Value) { SetRange(std::min(Value, FMin), Value); }
    void SetRange(int AMin, int AMax);
    int Position() const { return FPosition; }
    void SetPosition(int Value);
    int Step() const { return FStep; }
    void SetStep(int Value) { FStep = Value; }
    bool Smooth() const { return FSmooth; }
    void SetSmooth(bool Value);
    TProgressBarOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TProgressBarOrientation Value);
    void StepIt();
    void StepBy(int Delta) { SetPosition(FPosition + Delta); }
    // How many pixels of the inside are filled now.
    int FilledPixels();

protected:
    void Paint() override;
    void Dispatch(TMessage& Message) override;

private:
    int FMin = 0;
    int FMax = 100;
    int FPosition = 0;
    int FStep = 10;
    bool FSmooth = false;
    TProgressBarOrientation FOrientation = pbHorizontal;
};
