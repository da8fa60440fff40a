// The sound editor's drawing surface: a child window that fills the editor inside its border, paints
// the document (waveform or spectrum lanes, marker bar, scales, selection, cursor, play position) and
// takes the mouse and the keyboard focus.
//
// Mouse: a click sets the cursor, a drag selects (scrolling the view while the pointer is past an edge),
// a shift-click extends the selection, a double click raises the editor's OnDblClick, a button released
// over the lanes raises the editor's OnMouseUp, a click on a scale its OnScaleXClick or OnScaleYClick;
// the wheel scrolls and with Ctrl zooms around the pointer. Being a window of its own, it receives the
// double clicks that a filter on the editor's own window keeps away from that window.
#pragma once

#include "audio/views/PaintBuffer.h"
#include "audio/views/PixelPainter.h"
#include "audio/views/FrequencyTimeView.h"
#include "audio/views/WaveColumns.h"
#include "audio/views/WaveLayout.h"
#include "platform/vcl/CustomControl.h"

#include <memory>

class TAudioEditor2;
class TTimer;

class TAudioEditorSurface : public TCustomControl {
public:
    explicit TAudioEditorSurface(TAudioEditor2& editor);
    ~TAudioEditorSurface() override;

    // Where the parts lie now (from the size, the scales and the channels shown), and the mapping of
    // the lanes' pixel columns onto the view range.
    TWaveLayout CurrentLayout();
    TViewMapping CurrentMapping(const TWaveLayout& layout) const;
    // Vertical zoom as drawn: the editor's percentage clamped to 5..1000, as the amplitude at the
    // lanes' edges (1 = full scale).
    double Amplitude() const;
    // Drops every kept picture and summary, so that the next paint starts from the samples' summaries.
    void FlushCaches();

    // Interval of the scrolling while a drag holds the pointer past an edge.
    static constexpr unsigned AutoScrollMs = 40;
    // Closest zoom: this many pixels a frame.
    static constexpr int MaxPixelsPerFrame = 32;

    void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void DblClick() override;
    bool DoMouseWheel(TShiftState Shift, int WheelDelta, POINT MousePos) override;
    void DoEnter() override;
    void DoExit() override;

private:
    struct TMetrics {
        int MarkerHeight = 0, TimeHeight = 0, AmplitudeWidth = 0;
    };
    TMetrics Measure();
    std::vector<int> ShownChannels() const;
    POINT ToEditor(int X, int Y) const;
    void PaintDocument(TPixelPainter& painter, TCanvas& canvas);
    void PaintLanes(TPixelPainter& painter, const TWaveLayout& layout, const TViewMapping& view,
                    const std::vector<int>& gridColumns);
    // The frame under pixel x, within the document.
    std::int64_t FrameAt(const TViewMapping& view, int x) const;
    void SelectTo(std::int64_t frame);
    void AutoScroll(TObject*);
    void StopAutoScroll();

    TAudioEditor2& FEditor;
    std::unique_ptr<TPaintBuffer> FBuffer;
    TWaveColumns FColumns;
    std::unique_ptr<TSpectrogram> FSpectrogram;

    bool FSelecting = false;
    std::int64_t FAnchor = 0;
    TWaveLayout::TPart FPressPart = TWaveLayout::None;
    TMouseButton FPressButton = mbLeft;
    int FDragX = 0;
    TTimer* FAutoScroll = nullptr; // made on the first drag
};
