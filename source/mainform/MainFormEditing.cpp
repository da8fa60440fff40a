// The editing commands: undo and redo, the clipboard, the selection commands, trim, silence, the
// insertions, mixing and repeat loop, with the small dialogs some of them show (source/editing).
#include "audio/AudioEditor2.h"
#include "audio/AudioInformation2.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FileNames.h"
#include "platform/rtl/StrConvert.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/RadioButton.h"
#include "source/GlobalVars.h"
#include "source/ProgramEnvironment.h"
#include "source/dialogs/DialogSupport.h"
#include "source/editing/NumberDialogs.h"
#include "source/editing/PasteMixForm.h"
#include "source/editing/SelectTimeForm.h"
#include "source/mainform/MainForm.h"

#include <functional>
#include <memory>

namespace main_form_editing_detail {

enum TInsertPlace { InsertAtBegin, InsertAtCurrent, InsertAtEnd };

// Frames of a file's length at the document's rate (the mix converts the file to that rate).
std::int64_t FramesAtRate(std::int64_t Frames, int FileRate, int DocumentRate) {
    if (FileRate <= 0 || FileRate == DocumentRate) return Frames;
    return (Frames * DocumentRate + FileRate - 1) / FileRate;
}

} // namespace main_form_editing_detail

void TMainForm::BindEditingCommands() {
    using namespace main_form_editing_detail;
    // Every command but Exit stops playback first.
    auto bind = [this](TAction* Action, std::function<void()> Work) {
        Action->SetOnExecute(TNotifyEvent(
            [this, work = std::move(Work)](TObject*) {
                StopIfBusy();
                work();
            },
            Action));
    };
    bind(ActionUndo, [this] { AudioEditor->Undo(); });
    bind(ActionRedo, [this] { AudioEditor->Redo(); });
    auto fillClipboard = [this] {
        ClipboardFilled = true;
        ClipboardLength =
            AudioEditor->Position().GetSelectionEnd() - AudioEditor->Position().GetSelectionStart();
    };
    bind(ActionCut, [this, fillClipboard] {
        fillClipboard();
        AudioEditor->Cut();
        SetModified(true);
        PlayAfterEdit();
    });
    bind(ActionCopy, [this, fillClipboard] {
        fillClipboard();
        AudioEditor->Copy();
    });
    bind(ActionPaste, [this] {
        RunEditorOperation([this] { AudioEditor->Paste(); });
        SetModified(true);
        PlayAfterEdit();
    });
    bind(ActionDelete, [this] {
        AudioEditor->DeleteSelection();
        SetModified(true);
        PlayAfterEdit();
    });
    bind(ActionSelectAll, [this] { SelectRange(0, AudioEditor->Position().GetLength()); });
    bind(ActionSelectToStart, [this] { SelectToStart(); });
    bind(ActionSelectToEnd, [this] { SelectToEnd(); });
    bind(ActionSelectSpecifiedTime, [this] { SelectSpecifiedTime(); });
    bind(ActionTrim, [this] { Trim(); });
    bind(ActionTrimStart, [this] {
        SelectToStart();
        AudioEditor->DeleteSelection();
        SetModified(true);
    });
    bind(ActionTrimEnd, [this] {
        SelectToEnd();
        AudioEditor->DeleteSelection();
        SetModified(true);
    });
    bind(ActionSilenceSelect, [this] {
        AudioEditor->Transform().Silence();
        SetModified(true);
    });
    bind(ActionInsertSilenceBegin, [this] { InsertSilenceAt(InsertAtBegin); });
    bind(ActionInsertSilenceCurrent, [this] { InsertSilenceAt(InsertAtCurrent); });
    bind(ActionInsertSilenceEnd, [this] { InsertSilenceAt(InsertAtEnd); });
    bind(ActionInsertFileBegin, [this] { InsertFileAt(InsertAtBegin); });
    bind(ActionInsertFileCurrent, [this] { InsertFileAt(InsertAtCurrent); });
    bind(ActionInsertFileEnd, [this] { InsertFileAt(InsertAtEnd); });
    bind(ActionMixFile, [this] { MixCommand(true); });
    bind(ActionPasteMix, [this] { MixCommand(false); });
    bind(ActionRepeatLoop, [this] { RepeatLoop(); });
}

void TMainForm::PlayAfterEdit() {
    if (GlobalVars().OP_PlayAfterEdit) ActionPlay->Execute();
}

void TMainForm::SelectRange(std::int64_t Start, std::int64_t End) {
    TAudioEditor2Position& position = AudioEditor->Position();
    position.SetSelection(-1);
    position.SetSelectionStart(Start);
    position.SetSelectionEnd(End);
}

void TMainForm::SelectToStart() {
    TAudioEditor2Position& position = AudioEditor->Position();
    const std::int64_t end = position.GetSelectionEnd(), start = position.GetSelectionStart();
    const std::int64_t cursor = position.GetPosition();
    SelectRange(0, cursor + (end - start));
}

void TMainForm::SelectToEnd() {
    TAudioEditor2Position& position = AudioEditor->Position();
    const std::int64_t end = position.GetSelectionEnd(), start = position.GetSelectionStart();
    const std::int64_t cursor = position.GetPosition();
    SelectRange(cursor + (end - start), position.GetLength());
}

void TMainForm::SelectSpecifiedTime() {
    TAudioEditor2Position& position = AudioEditor->Position();
    std::unique_ptr<TSelectSpecifiedTimeForm> dialog(TCustomForm::New<TSelectSpecifiedTimeForm>(this));
    CenterOnOwner(*dialog, *this);
    dialog->SetTimes(position.SamplesToMs(position.GetSelectionStart()),
                     position.SamplesToMs(position.GetSelectionEnd()),
                     position.SamplesToMs(position.GetLength()));
    ChosenSelectionStart = dialog->Times().Start;
    ChosenSelectionEnd = dialog->Times().End;
    if (dialog->ShowModal() != mrOk) return;
    ChosenSelectionStart = dialog->Times().Start;
    ChosenSelectionEnd = dialog->Times().End;
    dialog.reset();
    SelectRange(position.MsToSamples(ChosenSelectionStart), position.MsToSamples(ChosenSelectionEnd));
}

void TMainForm::Trim() {
    TAudioEditor2Position& position = AudioEditor->Position();
    const std::int64_t end = position.GetSelectionEnd(), start = position.GetSelectionStart();
    if (end == start) {
        Application()->MessageBox("You must select an audio part before this operstion.", ApplicationTitle,
                                  MB_OK | MB_ICONERROR);
        return;
    }
    AudioEditor->BeginGroup();
    struct TGroupEnd {
        TAudioEditor2* Editor;
        ~TGroupEnd() { Editor->EndGroup(); }
    } groupEnd{AudioEditor};
    const std::vector<float> kept = AudioEditor->GetSamples(end - start);
    SelectRange(0, position.GetLength());
    AudioEditor->DeleteSelection();
    AudioEditor->PutSamples(kept);
    SetModified(true);
}

void TMainForm::InsertSilenceAt(int Where) {
    using namespace main_form_editing_detail;
    TGlobalVars& vars = GlobalVars();
    std::unique_ptr<TInsertSilenceForm> dialog(TCustomForm::New<TInsertSilenceForm>(this));
    CenterOnOwner(*dialog, *this);
    dialog->EditTime->SetText(std::to_string(vars.InsertSilenceTime));
    if (dialog->ShowModal() != mrOk) return;
    vars.InsertSilenceTime = StrToInt(dialog->EditTime->Text());
    dialog.reset();
    if (vars.InsertSilenceTime == 0) return;
    TAudioEditor2Position& position = AudioEditor->Position();
    position.SetSelection(0);
    if (Where == InsertAtBegin) position.SetCursor(0);
    if (Where == InsertAtEnd) position.SetCursor(position.GetLength());
    AudioEditor->Transform().InsertSilence(vars.InsertSilenceTime);
    SetModified(true);
    PlayAfterEdit();
}

void TMainForm::InsertFileAt(int Where) {
    using namespace main_form_editing_detail;
    std::string path;
    if (!ChooseAudioFile(path)) return;
    TAudioEditor2Position& position = AudioEditor->Position();
    position.SetSelection(0);
    if (Where == InsertAtBegin) position.SetCursor(0);
    if (Where == InsertAtEnd) position.SetCursor(position.GetLength());
    InsertFileAtCursor(path);
    GlobalVars().LastOpenDir = IncludeTrailingPathDelimiter(ExtractFilePath(path));
    PlayAfterEdit();
}

void TMainForm::MixCommand(bool FromFile) {
    using namespace main_form_editing_detail;
    TGlobalVars& vars = GlobalVars();
    std::string path;
    if (FromFile && !ChooseAudioFile(path)) return;

    TAudioEditor2Position& position = AudioEditor->Position();
    std::unique_ptr<TPasteMixForm> dialog(TCustomForm::New<TPasteMixForm>(this));
    CenterOnOwner(*dialog, *this);
    const std::int64_t end = position.GetSelectionEnd(), start = position.GetSelectionStart();
    if (position.GetLength() == 0) {
        vars.IncreaseSelection = false;
        dialog->RadioButtonIncrease->SetEnabled(false);
    }
    dialog->EditSelectPart->SetText(std::to_string(vars.SelectePartPercent));
    dialog->EditAudioInBuffer->SetText(std::to_string(vars.AudioInBufferPercent));
    dialog->RadioButtonIncrease->SetChecked(vars.IncreaseSelection);
    dialog->RadioButtonInsertSilence->SetChecked(!vars.IncreaseSelection);
    if (dialog->ShowModal() != mrOk) return;
    if (FromFile) vars.LastOpenDir = IncludeTrailingPathDelimiter(ExtractFilePath(path));
    vars.SelectePartPercent = StrToInt(dialog->EditSelectPart->Text());
    vars.AudioInBufferPercent = StrToInt(dialog->EditAudioInBuffer->Text());
    vars.IncreaseSelection = dialog->RadioButtonIncrease->Checked();
    dialog.reset();

    std::int64_t mixed = ClipboardLength;
    if (FromFile) {
        AudioInfo->Open(path);
        mixed = FramesAtRate(AudioInfo->GetLength(), AudioInfo->GetSampleRate(),
                             AudioEditor->FileInfo().GetSampleRate());
    }
    const bool silenceAdded = !vars.IncreaseSelection && end - start < mixed;
    if (silenceAdded) {
        // Silence after the selection makes it as long as the mixed audio. The silence command counts
        // whole milliseconds: the frames they leave short of a whole millisecond go in as silent
        // samples, so that the silence and the selection end exactly where the mixed audio does.
        const std::int64_t missing = mixed - (end - start);
        std::int64_t ms = position.SamplesToMs(missing);
        while (ms > 0 && position.MsToSamples(ms) > missing)
            --ms;
        const std::int64_t rest = missing - position.MsToSamples(ms);
        const int channels = AudioEditor->FileInfo().GetChannels();
        position.SetSelection(0);
        position.SetCursor(end);
        AudioEditor->BeginGroup();
        {
            struct TGroupEnd {
                TAudioEditor2* Editor;
                ~TGroupEnd() { Editor->EndGroup(); }
            } groupEnd{AudioEditor};
            if (ms > 0) AudioEditor->Transform().InsertSilence(ms);
            if (rest > 0)
                AudioEditor->PutSamples(std::vector<float>(static_cast<std::size_t>(rest * channels), 0.0f));
        }
        SelectRange(start, start + mixed);
    }
    const auto selectionLevel = static_cast<float>(vars.SelectePartPercent);
    const auto addedLevel = static_cast<float>(vars.AudioInBufferPercent);
    try {
        if (FromFile)
            RunEditorOperation([&] {
                BeginEditorOperation();
                AudioEditor->MixFile(path, selectionLevel, addedLevel);
            });
        else
            RunEditorOperation([&] { AudioEditor->PasteMix(selectionLevel, addedLevel); });
    } catch (EAbort&) {
        // A cancelled mix leaves the document as it was, without the silence made room with.
        if (silenceAdded) {
            AudioEditor->Undo();
            SelectRange(start, end);
        }
        throw;
    }
    SetModified(true);
    PlayAfterEdit();
}

void TMainForm::RepeatLoop() {
    std::unique_ptr<TRepeatLoopForm> dialog(TCustomForm::New<TRepeatLoopForm>(this));
    CenterOnOwner(*dialog, *this);
    if (dialog->ShowModal() != mrOk) return;
    SelectAllIfEmpty();
    const int times = StrToInt(dialog->EditTimes->Text());
    dialog.reset();
    if (times == 0) return;
    TAudioEditor2Position& position = AudioEditor->Position();
    const std::int64_t length = position.GetSelectionEnd() - position.GetSelectionStart();
    const std::vector<float> loop = AudioEditor->GetSamples(length);
    AudioEditor->BeginGroup();
    {
        struct TGroupEnd {
            TAudioEditor2* Editor;
            ~TGroupEnd() { Editor->EndGroup(); }
        } groupEnd{AudioEditor};
        for (int i = 0; i < times; ++i) {
            position.SetCursor(position.GetPosition() + length);
            AudioEditor->PutSamples(loop);
        }
    }
    SetModified(true);
    PlayAfterEdit();
}
