// TCustomControl: a windowed control that paints itself on its canvas in Paint.
#pragma once

#include "platform/vcl/ControlCanvas.h"
#include "platform/vcl/WinControl.h"

#include <memory>

class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* AOwner);
    ~TCustomControl() override;

    TCanvas* Canvas() const { return FCanvas.get(); }

protected:
    void Paint() override {}
    void PaintWindow(HDC DC) override;

private:
    std::unique_ptr<TControlCanvas> FCanvas;
};
