// The transport: play, play to end, loop, pause and resume, stop, the moves to the start and the end,
// rewind and fast forward (held down on the panel's buttons they repeat), and keeping the cursor in view.
// Playback itself is the editor's; the commands choose its operation from its play state.
#include "audio/AudioEditor2.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/Timer.h"
#include "skin/controls/SkinButton.h"
#include "source/mainform/MainForm.h"

namespace main_form_transport_detail {

constexpr std::int64_t StepSamples = 2000;
constexpr int Stopped = 0, Playing = 1, Paused = 5;
enum TPlayMode { PlayNormal = 1, PlayToTheEnd = 2, PlayLooped = 3 };

} // namespace main_form_transport_detail

void TMainForm::BindTransportCommands() {
    using namespace main_form_transport_detail;
    auto bind = [](TAction* Action, std::function<void()> Work) {
        Action->SetOnExecute(TNotifyEvent([work = std::move(Work)](TObject*) { work(); }, Action));
    };
    bind(ActionPlay, [this] { PlayCommand(PlayNormal, false); });
    bind(ActionPlayAndPause, [this] { PlayCommand(PlayNormal, false); });
    bind(ActionPlayToEnd, [this] { PlayCommand(PlayToTheEnd, false); });
    bind(ActionLoopPlay, [this] { PlayCommand(PlayLooped, false); });
    bind(ActionPause, [this] { PlayCommand(PlayNormal, true); });
    bind(ActionStop, [this] { StopIfBusy(); });
    bind(ActionStart, [this] {
        StopIfBusy();
        AudioEditor->Position().SetSelection(0);
        AudioEditor->Position().SetCursor(0);
        KeepCursorInView();
    });
    bind(ActionEnd, [this] {
        StopIfBusy();
        AudioEditor->Position().SetSelection(0);
        AudioEditor->Position().SetCursor(AudioEditor->Position().GetLength());
        KeepCursorInView();
    });
    bind(ActionRewind, [this] {
        StopIfBusy();
        StepBackward();
    });
    bind(ActionForword, [this] {
        StopIfBusy();
        StepForward();
    });

    TimerRewind->OnTimer = TNotifyEvent(
        [this](TObject*) {
            StepBackward();
            KeepCursorInView();
        },
        TimerRewind);
    TimerForword->OnTimer = TNotifyEvent(
        [this](TObject*) {
            StepForward();
            KeepCursorInView();
        },
        TimerForword);
    const std::pair<TskSkinButton*, TTimer*> holdButtons[] = {{ButtonRewind, TimerRewind},
                                                              {ButtonForword, TimerForword}};
    for (const auto& [button, timer] : holdButtons) {
        button->OnMouseDown =
            TMouseEvent([this, button = button, timer = timer](TObject*, TMouseButton, TShiftState, int,
                                                               int) { TransportButtonDown(button, timer); },
                        button);
        button->OnMouseUp = TMouseEvent([this, timer = timer](TObject*, TMouseButton, TShiftState, int,
                                                              int) { TransportButtonUp(timer); },
                                        button);
    }
}

void TMainForm::PlayCommand(int Mode, bool PauseWhilePlaying) {
    using namespace main_form_transport_detail;
    switch (AudioEditor->PlayState()) {
    case Stopped:
        AudioEditor->Play(Mode);
        break;
    case Playing:
        if (PauseWhilePlaying)
            AudioEditor->Pause();
        else
            AudioEditor->Stop();
        break;
    case Paused:
        AudioEditor->Resume();
        break;
    default:
        break;
    }
}

void TMainForm::TransportButtonDown(TskSkinButton* Button, TTimer* Timer) {
    if (Button->CanFocus()) Button->SetFocus();
    StopIfBusy();
    Timer->SetEnabled(true);
}

void TMainForm::TransportButtonUp(TTimer* Timer) {
    StopIfBusy();
    Timer->SetEnabled(false);
}

void TMainForm::StepBackward() {
    using namespace main_form_transport_detail;
    TAudioEditor2Position& position = AudioEditor->Position();
    position.SetSelection(0);
    const std::int64_t cursor = position.GetPosition();
    position.SetCursor(cursor <= StepSamples ? 0 : cursor - StepSamples);
}

void TMainForm::StepForward() {
    using namespace main_form_transport_detail;
    TAudioEditor2Position& position = AudioEditor->Position();
    position.SetSelection(0);
    const std::int64_t cursor = position.GetPosition();
    const std::int64_t length = position.GetLength();
    position.SetCursor(length - StepSamples < cursor ? length : cursor + StepSamples);
}

void TMainForm::KeepCursorInView() {
    TAudioEditor2Position& position = AudioEditor->Position();
    const std::int64_t viewStart = position.GetViewStart(), viewEnd = position.GetViewEnd();
    const std::int64_t cursor = position.GetPosition();
    if (viewStart <= cursor && cursor <= viewEnd) return;
    const std::int64_t width = viewEnd - viewStart;
    std::int64_t start = 0, end = 0;
    if (cursor < viewStart) {
        start = cursor - width > 0 ? cursor - width : 0;
        end = start + width;
    } else {
        const std::int64_t length = position.GetLength();
        end = cursor + width < length ? cursor + width : length;
        start = end - width;
    }
    position.SetViewStart(start);
    position.SetViewEnd(end);
    AudioEditor->Redraw();
}
