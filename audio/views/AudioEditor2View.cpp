// The window side of the sound editor: its frame, its drawing surface, its view settings and the
// position event.
#include "audio/AudioEditor2.h"

#include "audio/AudioError.h"
#include "audio/views/AudioEditorSurface.h"
#include "platform/gdi/GdiControls.h"
#include "platform/vcl/Brush.h"

#include <string>

namespace {

// Pixels the frame of each border type takes from every side.
int BorderWidth(int type) {
    static const int widths[] = {0, 1, 2, 2, 1};
    return widths[type];
}

} // namespace

void TAudioEditor2::CreateView() {
    FScaleX = std::make_unique<TAudioEditor2Scale>(TAudioEditor2Scale::Time);
    FScaleY = std::make_unique<TAudioEditor2Scale>(TAudioEditor2Scale::Amplitude);
    FColors = std::make_unique<TAudioEditor2Colors>();
    FScaleX->OnChange = FScaleY->OnChange = FColors->OnChange = [this] { InvalidateView(); };
    ControlStyle() += TControlStyle{csOpaque};
    SetBounds(0, 0, 400, 200);
    FSurface = new TAudioEditorSurface(*this);
    FSurface->SetAlign(alClient);
    FSurface->SetParent(this);
}

void TAudioEditor2::DestroyView() {
    TAudioEditorSurface* surface = FSurface;
    FSurface = nullptr;
    if (surface != nullptr) surface->Free();
}

void TAudioEditor2::InvalidateView() {
    if (FSurface != nullptr) FSurface->Invalidate();
}

TAudioEditor2::TPositionState TAudioEditor2::CurrentPositions() const {
    TPositionState state;
    state.SelectionOn = FSelectionOn;
    state.SelStart = FSelectionOn ? FSelStart : FCursor;
    state.SelEnd = FSelectionOn ? FSelEnd : FCursor;
    state.Cursor = FCursor;
    state.Length = FDocument ? FDocument->Length() : 0;
    state.Serial = FContentSerial;
    return state;
}

void TAudioEditor2::ViewChanged() {
    InvalidateView();
    if (FOperationDepth > 0) return; // the operation reports once, at its end
    const TPositionState now = CurrentPositions();
    if (now == FReportedPositions) return;
    // Remembered before the event, so that a handler that moves a position again is reported again
    // and never loops.
    FReportedPositions = now;
    if (OnChangePosition) OnChangePosition();
}

void TAudioEditor2::SetTypeView(int value) {
    if (value != 0 && value != 1)
        throw EAudioError("View type " + std::to_string(value) + " does not exist.");
    if (value == FTypeView) return;
    FTypeView = value;
    InvalidateView();
}

void TAudioEditor2::SetTypeBorder(int value) {
    if (value < 0 || value > 4)
        throw EAudioError("Border type " + std::to_string(value) + " does not exist.");
    if (value == FTypeBorder) return;
    FTypeBorder = value;
    Realign();
    Invalidate();
}

void TAudioEditor2::AdjustClientRect(RECT& Rect) {
    const int width = BorderWidth(FTypeBorder);
    Rect.left += width;
    Rect.top += width;
    Rect.right -= width;
    Rect.bottom -= width;
}

void TAudioEditor2::Paint() {
    RECT r = ClientRect();
    HDC dc = Canvas()->Handle();
    switch (FTypeBorder) {
    case 1: {
        Canvas()->Brush()->SetColor(FColors->GetColor(TAudioEditor2Colors::Separator));
        Canvas()->FrameRect(r);
        break;
    }
    case 2:
        DrawEdge(dc, &r, EDGE_RAISED, BF_RECT);
        break;
    case 3:
        DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT);
        break;
    case 4:
        DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
        break;
    default:
        break;
    }
}

bool TAudioEditor2::Focused() {
    return FSurface != nullptr && FSurface->Focused();
}

void TAudioEditor2::SetFocus() {
    if (FSurface != nullptr && FSurface->CanFocus())
        FSurface->SetFocus();
    else
        TCustomControl::SetFocus();
}
