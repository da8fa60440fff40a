// Saving: the document under its own name or a new one, or the selection into a new file, in one of the
// four formats the writer knows, chosen by the file's extension.
#include "audio/AudioEditor2.h"
#include "platform/rtl/StrUtils.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/FileDialog.h"
#include "source/FileNameHelpers.h"
#include "source/GlobalVars.h"
#include "source/OutputSetup.h"
#include "source/mainform/MainForm.h"
#include "source/mainform/OutputFormatDialog.h"

#include <memory>

namespace main_form_save_detail {

constexpr const char* SaveFilter = "Wave (*.wav)|*.wav|MPEG Layer-3  (*.mp3)|*.mp3|OGG Vorbis "
                                   "(*.ogg)|*.ogg|Windows Media Audio (*.wma)|*.wma";

// The save format code of a lower-cased extension; 0 for one the writer does not write.
int FormatCodeOf(const std::string& Extension) {
    if (Extension == ".wav") return afWav;
    if (Extension == ".mp3") return afMp3;
    if (Extension == ".ogg") return afOgg;
    if (Extension == ".wma") return afWma;
    return 0;
}

} // namespace main_form_save_detail

void TMainForm::ActionSaveFileExecute(TObject*) {
    StopIfBusy();
    SaveAudioFile(false, false);
}

void TMainForm::ActionSaveAsExecute(TObject*) {
    StopIfBusy();
    SaveAudioFile(true, false);
}

void TMainForm::ActionSaveSelectExecute(TObject*) {
    StopIfBusy();
    SaveAudioFile(true, true);
}

bool TMainForm::SaveAudioFile(bool SaveAs, bool SelectionOnly) {
    using namespace main_form_save_detail;
    std::string target = FileName;
    // A name the writer cannot write under (no extension, or one of the formats only read) asks for a
    // new one, as Save As does.
    if (SaveAs || SelectionOnly || FormatCodeOf(LowerCase(ExtractFileExtension(target))) == 0) {
        auto dialog = std::make_unique<TSaveDialog>(this);
        dialog->SetFileName(StripExtension(FileName));
        dialog->SetFilter(SaveFilter);
        dialog->SetDefaultExt(".wav");
        dialog->SetOptions(dialog->Options() + TOpenOptions{ofOverwritePrompt, ofPathMustExist});
        if (!dialog->Execute()) return false;
        target = dialog->FileName();
    }
    const int code = FormatCodeOf(LowerCase(ExtractFileExtension(target)));
    if (code == 0) return false;
    TGlobalVars& vars = GlobalVars();
    const TDocumentFormat document{AudioEditor->FileInfo().GetSampleRate(),
                                   AudioEditor->FileInfo().GetChannels(), DocumentBitsPerSample};
    if (!RunOutputFormatDialog(*this, code, vars, document)) return false;
    TAudioEditor2FileFormat& format = AudioEditor->FileFormat();
    switch (code) {
    case afWav:
        SetupWavOutput(format, vars);
        break;
    case afMp3:
        SetupMp3Output(format, LameEnc, vars);
        break;
    case afOgg:
        SetupOggOutput(format, vars);
        break;
    default:
        SetupWmaOutput(format, vars);
        break;
    }
    RunEditorOperation([&] { AudioEditor->Save(target, SelectionOnly ? -1 : 0, code); });
    // The selection went to a file of its own: the document keeps its name, caption and mark.
    if (!SelectionOnly) {
        FileName = target;
        SetModified(false);
        Bars().Ribbon().SetDocumentName(FileName);
    }
    AddToRecentLists(target);
    return true;
}
