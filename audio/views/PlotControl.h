// The dark plot the spectrum and envelope displays draw on: level labels at the left, ticks and labels
// of places along the bottom, an optional dotted grid, in the control's own font (light on dark,
// whatever the form's font).
#pragma once

#include "audio/views/PixelPainter.h"
#include "audio/views/ScaleTicks.h"
#include "platform/vcl/CustomControl.h"

#include <climits>
#include <memory>
#include <string>
#include <vector>

class TPaintBuffer;

class TPlotControl : public TCustomControl {
public:
    TPlotControl(TComponent* AOwner, int AWidth, int AHeight);
    ~TPlotControl() override;

    // The plot inside the labels.
    RECT PlotRect();

protected:
    static const std::uint32_t GridPixel;

    // The widest label at the left, which the plot leaves room for.
    virtual std::string WidestLeftLabel() const = 0;
    TPaintBuffer& Buffer() { return *FBuffer; }
    // A painter on the whole picture, its background filled; the canvas takes the font.
    TPixelPainter BeginPicture();
    // Shows the picture.
    void EndPicture();
    int TextHeight();
    int TextWidth(const std::string& Text);
    // A label left of the plot, centred on row y and kept inside the control.
    void LeftLabel(const RECT& plot, int y, const std::string& Text);
    // Ticks below the plot with their labels centred on them; labels keep apart and end before
    // `labelsEnd`; majors get dotted lines up the plot when `grid` is set.
    void BottomAxis(TPixelPainter& painter, const RECT& plot, const std::vector<TScaleTick>& ticks, bool grid,
                    int labelsEnd = INT_MAX);

private:
    std::unique_ptr<TPaintBuffer> FBuffer;
};
