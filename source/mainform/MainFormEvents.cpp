// What the main window does with the editor's events: the position labels of the bottom panel, the two
// scroll bars that show and move the selection's ends, the selection fields typed over the labels, the
// level meters during playback, the double click and the right-click menus.
#include "audio/AudioEditor2.h"
#include "platform/rtl/Numerics.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/ScrollBar.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinPanel.h"
#include "skin/framed/FrProgressBar.h"
#include "source/TimeText.h"
#include "source/editing/SelectionTimes.h"
#include "source/mainform/MainForm.h"
#include "source/mainform/ViewZoom.h"

#include <cstdlib>
#include <string>

namespace main_form_events_detail {

constexpr int ScrollRange = 65535;

std::string TimeText(std::int64_t Ms) {
    return FormatTime(static_cast<int>(Ms));
}

// Clears a flag on the way out of a handler, also when the handler fails.
struct TFlagGuard {
    bool& Flag;
    explicit TFlagGuard(bool& F) : Flag(F) { Flag = true; }
    ~TFlagGuard() { Flag = false; }
};

} // namespace main_form_events_detail

void TMainForm::BindEditorEvents() {
    using namespace main_form_events_detail;
    AudioEditor->OnChangePosition = [this] { EditorPositionChanged(); };
    AudioEditor->OnChangePlayPosition = [this] {
        TAudioEditor2Position& position = AudioEditor->Position();
        LabelStart->SetCaption(TimeText(position.SamplesToMs(position.GetPosition())));
        RefreshFrequencyAnalysis();
    };
    AudioEditor->OnMeter = [this](int Left, int Right) {
        LeftBar->SetPercent(static_cast<std::int16_t>(Left));
        RightBar->SetPercent(static_cast<std::int16_t>(Right));
    };
    AudioEditor->OnEndPlay = [this] {
        LeftBar->SetPercent(0);
        RightBar->SetPercent(0);
    };
    AudioEditor->OnDblClick = TNotifyEvent([this](TObject*) { ActionSelectAll->Execute(); }, AudioEditor);
    AudioEditor->OnDragOver = TDragOverEvent(
        [](TObject*, TObject*, int, int, TDragState, bool& Accept) { Accept = true; }, AudioEditor);
    AudioEditor->OnMouseUp = TMouseEvent(
        [this](TObject*, TMouseButton Button, TShiftState, int, int) {
            if (Button == mbRight) EditorMouseUp(Button);
        },
        AudioEditor);
    AudioEditor->OnScaleXClick = [this] {
        Bars().PopupMenus().PopupFromCursorPos(TMainPopupMenu::HorizontalScale);
    };
    AudioEditor->OnScaleYClick = [this] {
        Bars().PopupMenus().PopupFromCursorPos(TMainPopupMenu::VerticalScale);
    };

    for (TScrollBar* bar : {ScrollBarStart, ScrollBarEnd})
        bar->OnChange = TNotifyEvent([this](TObject*) { ScrollBarChange(); }, bar);
    ScrollBarView->OnChange = TNotifyEvent([this](TObject*) { ScrollBarViewChange(); }, ScrollBarView);
    AudioEditor->OnRedraw = [this] { ShowViewOnBar(); };
    ShowViewOnBar();

    const std::pair<TLabel*, TEdit*> fields[] = {
        {LabelStart, EditStart}, {LabelEnd, EditEnd}, {LabelSelLength, EditLength}};
    for (const auto& [label, edit] : fields) {
        label->OnClick = TNotifyEvent(
            [this, label = label, edit = edit](TObject*) { OpenSelectionField(edit, label); }, label);
        edit->OnEnter = TNotifyEvent(
            [this, edit = edit](TObject*) {
                TAudioEditor2Position& position = AudioEditor->Position();
                FRememberedStart = position.SamplesToMs(position.GetSelectionStart());
                FRememberedEnd = position.SamplesToMs(position.GetSelectionEnd());
                edit->SelectAll();
            },
            edit);
        edit->OnKeyPress = TKeyPressEvent(
            [this, edit = edit](TObject*, TKeyChar& Key) {
                if (Key != U'\r') return;
                Key = 0;
                ApplySelectionField(edit);
            },
            edit);
        edit->OnExit = TNotifyEvent([this, edit = edit](TObject*) { ApplySelectionField(edit); }, edit);
    }
    // A click on the file length or on the panel itself puts the focus on Play.
    auto focusPlay = TNotifyEvent(
        [this](TObject*) {
            if (ButtonPlay->Enabled() && ButtonPlay->CanFocus()) ButtonPlay->SetFocus();
        },
        this);
    LabelFileLength->OnClick = focusPlay;
    PanelBottom->OnClick = focusPlay;
    PanelSelectionTitle->OnClick = focusPlay;
    PanelViewTitle->OnClick = focusPlay;
}

void TMainForm::RefreshPositionLabels() {
    using namespace main_form_events_detail;
    TAudioEditor2Position& position = AudioEditor->Position();
    const std::int64_t start = position.GetSelectionStart(), end = position.GetSelectionEnd();
    LabelStart->SetCaption(TimeText(position.SamplesToMs(start)));
    LabelEnd->SetCaption(TimeText(position.SamplesToMs(end)));
    LabelSelLength->SetCaption(TimeText(position.SamplesToMs(std::llabs(start - end))));
    LabelFileLength->SetCaption(TimeText(position.SamplesToMs(position.GetLength())));
    LabelSeletionSample->SetCaption(std::to_string(end - start));
}

void TMainForm::EditorPositionChanged() {
    using namespace main_form_events_detail;
    {
        TFlagGuard updating(FPositionUpdating);
        if (AudioEditor->HasDocument()) {
            TAudioEditor2Position& position = AudioEditor->Position();
            const std::int64_t start = position.GetSelectionStart(), end = position.GetSelectionEnd();
            FSelectionChanged = LabelSeletionSample->Caption() != std::to_string(end - start);
            RefreshPositionLabels();
            const std::int64_t length = position.GetLength();
            if (FShownLength >= 0 && length != FShownLength) {
                // After a change of length the view shows the document, or the zoom where it still can.
                const TViewRange view = ViewAfterLengthChange(
                    {position.GetViewStart(), position.GetViewEnd()}, FShownLength, length);
                if (view != TViewRange{position.GetViewStart(), position.GetViewEnd()})
                    AudioEditor->ZoomToRange(view.Start, view.End);
            }
            FShownLength = length;
            ShowViewOnBar();
            if (!FScrollUpdating && length != 0) {
                ScrollBarStart->SetPosition(
                    static_cast<int>(Round(double(start) / double(length) * ScrollRange)));
                ScrollBarEnd->SetPosition(
                    static_cast<int>(Round(double(end) / double(length) * ScrollRange)));
            }
        }
    }
    RefreshFrequencyAnalysis();
}

void TMainForm::ScrollBarChange() {
    using namespace main_form_events_detail;
    if (FPositionUpdating || !AudioEditor->HasDocument()) return;
    TFlagGuard updating(FScrollUpdating);
    const double length = static_cast<double>(AudioEditor->Position().GetLength());
    const std::int64_t a = Round(length * ScrollBarStart->Position() / ScrollRange);
    const std::int64_t b = Round(length * ScrollBarEnd->Position() / ScrollRange);
    if (b < a)
        SelectRange(b, a);
    else
        SelectRange(a, b);
}

void TMainForm::ShowViewOnBar() {
    using namespace main_form_events_detail;
    if (ComponentState().Contains(csDestroying) || ScrollBarView == nullptr) return;
    TFlagGuard updating(FViewBarUpdating);
    TViewBar bar;
    if (AudioEditor->HasDocument()) {
        TAudioEditor2Position& position = AudioEditor->Position();
        bar = ViewBarFor({position.GetViewStart(), position.GetViewEnd()}, position.GetLength());
    }
    ScrollBarView->SetParams(0, 0, ViewBarRange - 1);
    ScrollBarView->SetPageSize(bar.PageSize);
    ScrollBarView->SetPosition(bar.Position);
    ScrollBarView->SetLargeChange(std::max(1, bar.PageSize * 9 / 10));
    ScrollBarView->SetSmallChange(std::max(1, bar.PageSize / 10));
    ScrollBarView->SetEnabled(bar.PageSize < ViewBarRange);
}

void TMainForm::ScrollBarViewChange() {
    if (FViewBarUpdating || !AudioEditor->HasDocument()) return;
    TAudioEditor2Position& position = AudioEditor->Position();
    const TViewRange view = ViewAtBar(ScrollBarView->Position(),
                                      {position.GetViewStart(), position.GetViewEnd()}, position.GetLength());
    AudioEditor->ZoomToRange(view.Start, view.End);
}

void TMainForm::OpenSelectionField(TEdit* Edit, TLabel* Label) {
    using namespace main_form_events_detail;
    if (!DocumentOpen) return;
    TAudioEditor2Position& position = AudioEditor->Position();
    const std::int64_t start = position.SamplesToMs(position.GetSelectionStart());
    const std::int64_t end = position.SamplesToMs(position.GetSelectionEnd());
    const std::int64_t value = Edit == EditStart ? start : Edit == EditEnd ? end : end - start;
    Edit->SetText(TimeText(value));
    TControl* panel = Label->Parent();
    Edit->SetBounds(panel->Left() + Label->Left(), panel->Top(), Edit->Width(), panel->Height());
    Edit->BringToFront();
    Edit->Show();
    Edit->SetFocus();
}

void TMainForm::ApplySelectionField(TEdit* Edit) {
    using namespace main_form_events_detail;
    if (!Edit->Visible()) return;
    TAudioEditor2Position& position = AudioEditor->Position();
    const TSelectionTimes remembered{FRememberedStart, FRememberedEnd};
    const TSelectionField field = Edit == EditStart ? TSelectionField::Start
                                  : Edit == EditEnd ? TSelectionField::End
                                                    : TSelectionField::Length;
    const int value = ParseTimeText(Edit->Text());
    if (value < 0) {
        const std::int64_t shown = field == TSelectionField::Start ? remembered.Start
                                   : field == TSelectionField::End ? remembered.End
                                                                   : remembered.End - remembered.Start;
        Edit->SetText(TimeText(shown));
    } else {
        const TSelectionTimes times =
            ApplyTypedTime(field, value, remembered, position.SamplesToMs(position.GetLength()));
        const std::int64_t shown = field == TSelectionField::Start ? times.Start
                                   : field == TSelectionField::End ? times.End
                                                                   : times.End - times.Start;
        Edit->SetText(TimeText(shown));
        SelectRange(position.MsToSamples(times.Start), position.MsToSamples(times.End));
        if (times.Start == times.End) position.SetSelection(0);
    }
    Edit->Hide();
}

void TMainForm::EditorMouseUp(int) {
    const std::int64_t length = AudioEditor->HasDocument() ? AudioEditor->Position().GetLength() : 0;
    // Without a document the window offers the ways to get one.
    if (!DocumentOpen || (FSelectionChanged && length == 0)) {
        Bars().PopupMenus().PopupFromCursorPos(TMainPopupMenu::NoFile);
        return;
    }
    // A right click that ends a mouse selection only selects.
    if (!FSelectionChanged) Bars().PopupMenus().PopupFromCursorPos(TMainPopupMenu::Editing);
}
