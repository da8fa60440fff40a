#include "audio/views/AudioEditorSurface.h"

#include "audio/AudioEditor2.h"
#include "audio/views/EditorScalePainter.h"
#include "audio/views/ScaleTicks.h"
#include "audio/views/WavePainter.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Timer.h"
#include "platform/win/WinUser.h"

#include <algorithm>
#include <cmath>

using TColors = TAudioEditor2Colors;

TAudioEditorSurface::TAudioEditorSurface(TAudioEditor2& editor)
    : TCustomControl(&editor), FEditor(editor), FBuffer(std::make_unique<TPaintBuffer>()),
      FSpectrogram(std::make_unique<TSpectrogram>()) {
    ControlStyle() += TControlStyle{csOpaque};
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clBlack);
}

TAudioEditorSurface::~TAudioEditorSurface() = default;

// ---------------------------------------------------------------------------------------------------
// Geometry

std::vector<int> TAudioEditorSurface::ShownChannels() const {
    if (!FEditor.HasDocument() || FEditor.Document().Channels() < 2) return {0};
    std::vector<int> channels;
    for (int c = 1; c <= 2; ++c)
        if (const_cast<TAudioEditor2&>(FEditor).Channel().GetChannel(c)) channels.push_back(c - 1);
    return channels;
}

double TAudioEditorSurface::Amplitude() const {
    return std::clamp(FEditor.VerticalZoomPercent(), 5, 1000) / 100.0;
}

TAudioEditorSurface::TMetrics TAudioEditorSurface::Measure() {
    FBuffer->Prepare(Width(), Height());
    TCanvas& canvas = FBuffer->Canvas();
    TMetrics m;
    TAudioEditor2Scale& time = FEditor.ScaleX();
    TAudioEditor2Scale& amplitude = FEditor.ScaleY();
    UseFont(canvas, time.Font());
    const int timeText = canvas.TextHeight("0:00");
    m.MarkerHeight = timeText + 5; // marker names use the time scale's font
    if (time.GetVisible()) m.TimeHeight = time.GetSize() > 0 ? time.GetSize() : timeText + 4;
    if (amplitude.GetVisible()) {
        if (amplitude.GetSize() > 0) {
            m.AmplitudeWidth = amplitude.GetSize();
        } else {
            UseFont(canvas, amplitude.Font());
            const std::string widest =
                FEditor.TypeView() == 1
                    ? scale_ticks::WidestFrequencyLabel()
                    : scale_ticks::WidestAmplitudeLabel(amplitude.GetFormat(), Amplitude());
            m.AmplitudeWidth = std::max(canvas.TextWidth(widest), canvas.TextWidth("-96")) + 12;
        }
    }
    return m;
}

TWaveLayout TAudioEditorSurface::CurrentLayout() {
    const TMetrics m = Measure();
    return LayoutWave(ClientRect(), m.MarkerHeight, m.TimeHeight, m.AmplitudeWidth, ShownChannels());
}

TViewMapping TAudioEditorSurface::CurrentMapping(const TWaveLayout& layout) const {
    TAudioEditor2& editor = const_cast<TAudioEditor2&>(FEditor);
    if (!editor.HasDocument()) return TViewMapping(0, 1, layout.Wave.left, layout.WaveWidth());
    return TViewMapping(editor.Position().GetViewStart(), editor.Position().GetViewEnd(), layout.Wave.left,
                        layout.WaveWidth());
}

POINT TAudioEditorSurface::ToEditor(int X, int Y) const {
    return POINT{X + Left(), Y + Top()};
}

void TAudioEditorSurface::FlushCaches() {
    FColumns.Clear();
    FSpectrogram->Clear();
}

// ---------------------------------------------------------------------------------------------------
// Painting

void TAudioEditorSurface::Paint() {
    const RECT client = ClientRect();
    if (client.right <= 0 || client.bottom <= 0) return;
    FBuffer->Prepare(client.right, client.bottom);
    TPixelPainter painter(FBuffer->Pixels(), client);
    TCanvas& canvas = FBuffer->Canvas();
    if (FEditor.HasDocument())
        PaintDocument(painter, canvas);
    else
        painter.FillRect(client, FEditor.Colors().Pixel(TColors::NoDocument));
    if (Focused()) {
        // The cue sits inside the lanes, where it does not hide a scale label.
        const RECT cue = FEditor.HasDocument() ? CurrentLayout().Wave : client;
        painter.DottedFrame(cue, FEditor.Colors().Pixel(TColors::FocusCue));
    }
    FBuffer->CopyTo(Canvas()->Handle());
}

void TAudioEditorSurface::PaintDocument(TPixelPainter& painter, TCanvas& canvas) {
    const TColors& colors = FEditor.Colors();
    const TAudioDocument& doc = FEditor.Document();
    const TWaveLayout layout = CurrentLayout();
    const TViewMapping view = CurrentMapping(layout);
    painter.FillRect(layout.TopCorner, colors.Pixel(TColors::MarkerBarBackground));
    painter.FillRect(layout.BottomCorner, colors.Pixel(TColors::ScaleBackground));
    // Lines between lanes.
    for (std::size_t i = 0; i + 1 < layout.LaneList.size(); ++i)
        painter.HorizontalLine(layout.Wave.left, layout.Wave.right - 1, layout.LaneList[i].Rect.bottom,
                               colors.Pixel(TColors::Separator));

    TAudioEditor2Scale& time = FEditor.ScaleX();
    UseFont(canvas, time.Font());
    const std::vector<TScaleTick> timeTicks =
        scale_ticks::Time(double(view.Start()), double(view.Span()), view.Width(), time.GetFormat(),
                          doc.SampleRate(), [&](const std::string& text) { return canvas.TextWidth(text); });
    std::vector<int> gridColumns;
    for (const TScaleTick& tick : timeTicks)
        if (tick.Major) gridColumns.push_back(layout.Wave.left + int(std::lround(tick.Offset)));

    PaintLanes(painter, layout, view, gridColumns);
    PaintMarkers(canvas, painter, layout.Markers, layout.Wave, doc.Markers().Items(), view, colors,
                 time.Font());

    // Cursor, then the play position over it.
    TPixelPainter lanes = painter.Within(layout.Wave);
    TAudioEditor2Position& position = FEditor.Position();
    const int cursor = view.XOf(position.GetSelectionStart());
    if (FEditor.TypeView() == 1)
        lanes.InvertVertical(cursor, layout.Wave.top, layout.Wave.bottom - 1); // shows on any heat colour
    else
        lanes.VerticalSpan(cursor, layout.Wave.top, layout.Wave.bottom - 1, colors.Pixel(TColors::Cursor));
    const int state = FEditor.PlayState();
    if (state == 1 || state == 5)
        lanes.VerticalSpan(view.XOf(position.GetPosition()), layout.Wave.top, layout.Wave.bottom - 1,
                           colors.Pixel(TColors::PlayPosition));

    if (time.GetVisible())
        PaintTimeScale(canvas, painter, layout.Time, timeTicks, time.Font(),
                       colors.Pixel(TColors::ScaleBackground));
    TAudioEditor2Scale& amplitude = FEditor.ScaleY();
    if (amplitude.GetVisible()) {
        UseFont(canvas, amplitude.Font());
        const int textHeight = canvas.TextHeight("0");
        std::vector<TAmplitudeLane> lanesScale;
        for (const TWaveLane& lane : layout.LaneList) {
            TAmplitudeLane a;
            a.Rect = lane.Rect;
            if (doc.Channels() == 2) a.Name = lane.Channel == 0 ? "L" : "R";
            const int height = lane.Rect.bottom - lane.Rect.top;
            a.Ticks = FEditor.TypeView() == 1
                          ? scale_ticks::Frequency(doc.SampleRate() / 2.0, height, textHeight)
                          : scale_ticks::Amplitude(amplitude.GetFormat(), Amplitude(), height, textHeight);
            lanesScale.push_back(std::move(a));
        }
        PaintAmplitudeScale(canvas, painter, layout.Amplitude, lanesScale, amplitude.Font(),
                            colors.Pixel(TColors::ScaleBackground));
    }
}

void TAudioEditorSurface::PaintLanes(TPixelPainter& painter, const TWaveLayout& layout,
                                     const TViewMapping& view, const std::vector<int>& gridColumns) {
    const TColors& colors = FEditor.Colors();
    const TAudioDocument& doc = FEditor.Document();
    TAudioEditor2Position& position = FEditor.Position();
    std::int64_t selStart = position.GetSelectionStart(), selEnd = position.GetSelectionEnd();
    if (selEnd < selStart) std::swap(selStart, selEnd);
    int selLeft = 0, selRight = 0;
    if (selEnd > selStart) {
        selLeft = view.XOf(selStart);
        selRight = std::max(selLeft + 1, view.XOf(selEnd)); // a selection never vanishes
    }
    std::vector<int> channels;
    for (const TWaveLane& lane : layout.LaneList)
        channels.push_back(lane.Channel);

    if (FEditor.TypeView() == 1) {
        for (std::size_t i = 0; i < layout.LaneList.size(); ++i) {
            const RECT& r = layout.LaneList[i].Rect;
            const int height = r.bottom - r.top;
            const std::vector<std::uint32_t>& picture = FSpectrogram->Picture(
                doc.Samples(), FEditor.ContentSerial(), int(i), channels[i], view, height);
            for (int y = 0; y < height; ++y)
                std::copy_n(picture.data() + std::size_t(y) * std::size_t(view.Width()), view.Width(),
                            painter.Row(r.top + y) + r.left);
            if (selRight > selLeft)
                painter.Within(r).TintRect(RECT{selLeft, r.top, selRight, r.bottom},
                                           colors.Pixel(TColors::SelectedWave), 80);
        }
        return;
    }

    FColumns.Update(doc.Samples(), FEditor.ContentSerial(), view, channels);
    TWaveLook look;
    look.Colors = &colors;
    look.Amplitude = Amplitude();
    look.SelectionLeft = selLeft;
    look.SelectionRight = selRight;
    look.GridColumns = gridColumns;
    for (std::size_t i = 0; i < layout.LaneList.size(); ++i) {
        const TWaveLane& lane = layout.LaneList[i];
        look.GridRows.clear();
        const int height = lane.Rect.bottom - lane.Rect.top;
        for (const TScaleTick& tick :
             scale_ticks::Amplitude(FEditor.ScaleY().GetFormat(), look.Amplitude, height, 12))
            if (tick.Major && std::abs(tick.Offset - (height - 1) / 2.0) > 1)
                look.GridRows.push_back(int(std::lround(tick.Offset)));
        PaintWaveLane(painter, lane, int(i), FColumns, view, look);
    }
}

// ---------------------------------------------------------------------------------------------------
// Mouse and focus

std::int64_t TAudioEditorSurface::FrameAt(const TViewMapping& view, int x) const {
    return std::clamp<std::int64_t>(view.PositionAt(x), 0, FEditor.Document().Length());
}

void TAudioEditorSurface::SelectTo(std::int64_t frame) {
    TAudioEditor2Position& position = FEditor.Position();
    if (frame == FAnchor) {
        position.SetSelection(0);
        position.SetCursor(frame);
        return;
    }
    // The ends first and the switch last, so that listeners see the new selection at once.
    position.SetSelectionStart(std::min(FAnchor, frame));
    position.SetSelectionEnd(std::max(FAnchor, frame));
    position.SetSelection(-1);
}

void TAudioEditorSurface::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Shift.Contains(ssDouble)) return; // the double click itself was handled; keep its result
    if (CanFocus() && !Focused()) SetFocus();
    const TWaveLayout layout = CurrentLayout();
    FPressPart = layout.PartAt(POINT{X, Y});
    FPressButton = Button;
    if (Button != mbLeft || !FEditor.HasDocument()) return;
    if (FPressPart != TWaveLayout::Lanes && FPressPart != TWaveLayout::MarkerBar) return;
    const TViewMapping view = CurrentMapping(layout);
    const std::int64_t frame = FrameAt(view, X);
    TAudioEditor2Position& position = FEditor.Position();
    if (Shift.Contains(ssShift)) {
        // Extend: the end of the selection farther from the click stays (the cursor, without one).
        const std::int64_t start = position.GetSelectionStart(), end = position.GetSelectionEnd();
        FAnchor = std::abs(frame - start) >= std::abs(frame - end) ? start : end;
    } else {
        FAnchor = frame;
    }
    FSelecting = true;
    FDragX = X;
    SelectTo(frame);
}

void TAudioEditorSurface::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomControl::MouseMove(Shift, X, Y);
    if (!FSelecting || !FEditor.HasDocument()) return;
    FDragX = X;
    const TWaveLayout layout = CurrentLayout();
    const TViewMapping view = CurrentMapping(layout);
    SelectTo(FrameAt(view, std::clamp<int>(X, layout.Wave.left, layout.Wave.right)));
    const bool outside = X < layout.Wave.left || X >= layout.Wave.right;
    if (!outside) {
        StopAutoScroll();
        return;
    }
    if (!FAutoScroll) {
        FAutoScroll = new TTimer(this);
        FAutoScroll->SetInterval(AutoScrollMs);
        FAutoScroll->OnTimer = TNotifyEvent(this, &TAudioEditorSurface::AutoScroll);
    }
    FAutoScroll->SetEnabled(true);
}

void TAudioEditorSurface::AutoScroll(TObject*) {
    if (!FSelecting || !FEditor.HasDocument()) return StopAutoScroll();
    const TWaveLayout layout = CurrentLayout();
    const TViewMapping view = CurrentMapping(layout);
    const std::int64_t length = FEditor.Document().Length();
    // Farther past the edge scrolls faster: a twentieth of the view a tick, up to half of it.
    const int beyond = FDragX < layout.Wave.left ? layout.Wave.left - FDragX : FDragX - layout.Wave.right + 1;
    const std::int64_t step =
        std::max<std::int64_t>(1, view.Span() * std::clamp(beyond, 1, 200) / 400 + view.Span() / 20);
    std::int64_t start = view.Start() + (FDragX < layout.Wave.left ? -step : step);
    start = std::clamp<std::int64_t>(start, 0, std::max<std::int64_t>(0, length - view.Span()));
    FEditor.ZoomToRange(start, std::min(length, start + view.Span()));
    SelectTo(FDragX < layout.Wave.left ? start : std::min(length, start + view.Span()));
}

void TAudioEditorSurface::StopAutoScroll() {
    if (FAutoScroll) FAutoScroll->SetEnabled(false);
}

void TAudioEditorSurface::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (Button == mbLeft) {
        FSelecting = false;
        StopAutoScroll();
    }
    const TWaveLayout::TPart part = CurrentLayout().PartAt(POINT{X, Y});
    const bool onScale = part == TWaveLayout::TimeScale || part == TWaveLayout::AmplitudeScale;
    if (onScale && part == FPressPart && Button == FPressButton) {
        FPressPart = TWaveLayout::None;
        if (part == TWaveLayout::TimeScale && FEditor.OnScaleXClick) FEditor.OnScaleXClick();
        if (part == TWaveLayout::AmplitudeScale && FEditor.OnScaleYClick) FEditor.OnScaleYClick();
        return;
    }
    FPressPart = TWaveLayout::None;
    const POINT p = ToEditor(X, Y);
    FEditor.OnMouseUp(&FEditor, Button, Shift, p.x, p.y);
}

void TAudioEditorSurface::DblClick() {
    TCustomControl::DblClick();
    POINT p{};
    ::GetCursorPos(&p);
    p = ScreenToClient(p);
    const TWaveLayout::TPart part = CurrentLayout().PartAt(p);
    if (part == TWaveLayout::Lanes || part == TWaveLayout::MarkerBar) FEditor.OnDblClick(&FEditor);
}

bool TAudioEditorSurface::DoMouseWheel(TShiftState Shift, int WheelDelta, POINT MousePos) {
    if (TCustomControl::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
    if (!FEditor.HasDocument() || WheelDelta == 0) return true;
    const TWaveLayout layout = CurrentLayout();
    const TViewMapping view = CurrentMapping(layout);
    const std::int64_t length = FEditor.Document().Length();
    const double notches = WheelDelta / 120.0;
    double start = double(view.Start()), span = double(view.Span());
    if (Shift.Contains(ssCtrl)) {
        // Zoom by two a notch, keeping the frame under the pointer where it is.
        const POINT p = ScreenToClient(MousePos);
        const double fraction = std::clamp(double(p.x - layout.Wave.left) / view.Width(), 0.0, 1.0);
        const double pivot = start + fraction * span;
        const double closest = std::max(1.0, double(view.Width()) / MaxPixelsPerFrame);
        span = std::clamp(span * std::pow(0.5, notches),
                          std::min(closest, double(std::max<std::int64_t>(1, length))),
                          double(std::max<std::int64_t>(1, length)));
        start = pivot - fraction * span;
    } else {
        // A tenth of the view a notch; away from the user goes back towards the start.
        start -= notches * span / 10;
    }
    const std::int64_t newSpan = std::llround(span);
    const std::int64_t newStart =
        std::clamp<std::int64_t>(std::llround(start), 0, std::max<std::int64_t>(0, length - newSpan));
    FEditor.ZoomToRange(newStart, std::min(length, newStart + newSpan));
    return true;
}

void TAudioEditorSurface::DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) {
    const POINT p = ToEditor(X, Y);
    FEditor.DragOver(Source, p.x, p.y, State, Accept);
}

void TAudioEditorSurface::DoEnter() {
    TCustomControl::DoEnter();
    Invalidate(); // the focus cue
}

void TAudioEditorSurface::DoExit() {
    TCustomControl::DoExit();
    Invalidate();
}
