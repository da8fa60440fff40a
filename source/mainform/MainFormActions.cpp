#include "platform/vcl/Action.h"
#include "platform/vcl/ActionList.h"
#include "source/GlobalVars.h"
#include "source/ShortcutCommands.h"
#include "source/ShortcutFile.h"
#include "source/mainform/MainForm.h"

#include <vector>

namespace main_form_actions_detail {

struct TActionEntry {
    const char* Name;
    TAction* TMainForm::*Member;
    const char* Caption;
    const char* Hint;
};

// Every command of the main window, in the order that numbers the sections of the shortcut file.
const std::vector<TActionEntry>& ActionEntries() {
    static const std::vector<TActionEntry> entries{
        {"ActionUndo", &TMainForm::ActionUndo, "&Undo", "Reverse (undo) the last action."},
        {"ActionRedo", &TMainForm::ActionRedo, "Redo", "Redo the last action."},
        {"ActionCut", &TMainForm::ActionCut, "Cu&t", "Cuts the selection and keep it on the Clipboard."},
        {"ActionCopy", &TMainForm::ActionCopy, "&Copy", "Copies the selection to the Clipboard."},
        {"ActionCopyToNew", &TMainForm::ActionCopyToNew, "Copy To &New",
         "Copies the selection region to a new file."},
        {"ActionPaste", &TMainForm::ActionPaste, "&Paste", "Inserts clipboard contents."},
        {"ActionDelete", &TMainForm::ActionDelete, "&Delete", "Deletes current selection."},
        {"ActionSelectAll", &TMainForm::ActionSelectAll, "&Select All", "Selects the entire file."},
        {"ActionSelectToStart", &TMainForm::ActionSelectToStart, "Select To Start",
         "Selects everything before the current postion."},
        {"ActionSelectToEnd", &TMainForm::ActionSelectToEnd, "Select To End",
         "Selects everything after the current postion."},
        {"ActionSelectSpecifiedTime", &TMainForm::ActionSelectSpecifiedTime, "Select Specified Time",
         "Selects specified time."},
        {"ActionMixFile", &TMainForm::ActionMixFile, "&Mix File...",
         "Mixes the current file with another file."},
        {"ActionRepeatLoop", &TMainForm::ActionRepeatLoop, "Repeat &Loop...", "Repeats the selected region."},
        {"ActionNewFile", &TMainForm::ActionNewFile, "&New File...", ""},
        {"ActionOpenFile", &TMainForm::ActionOpenFile, "&Open File...", ""},
        {"ActionLoadCD", &TMainForm::ActionLoadCD, "&Load Audio CD Track(s)...", ""},
        {"ActionSaveFile", &TMainForm::ActionSaveFile, "&Save File", ""},
        {"ActionSaveAs", &TMainForm::ActionSaveAs, "Save File &As...", ""},
        {"ActionSaveSelect", &TMainForm::ActionSaveSelect, "Save S&election As...",
         "Save the select region as a new file."},
        {"ActionCloseFile", &TMainForm::ActionCloseFile, "Close File", ""},
        {"ActionConvertSampleRate", &TMainForm::ActionConvertSampleRate,
         "&Convert Sample Rate and Channels...", ""},
        {"ActionPasteMix", &TMainForm::ActionPasteMix, "Paste Mi&x...",
         "Mixes the the selected parts of an audio file with copied contents."},
        {"ActionTrim", &TMainForm::ActionTrim, "Tri&m", "The selected region becames the entire file."},
        {"ActionEditID3", &TMainForm::ActionEditID3, "Edit ID3 Tags...", ""},
        {"ActionOptions", &TMainForm::ActionOptions, "O&ptions...", ""},
        {"ActionExit", &TMainForm::ActionExit, "E&xit", "Quit."},
        {"ActionBatch", &TMainForm::ActionBatch, "Batch Converter",
         "Applies multiple effect or edit functions on the current file at once."},
        {"ActionHelp", &TMainForm::ActionHelp, "&Contents", "Displays the manual. "},
        {"ActionAbout", &TMainForm::ActionAbout, "Version",
         "Displays program information including version number."},
        {"ActionTrimStart", &TMainForm::ActionTrimStart, "Trim St&art",
         "Deletes everything before the current position."},
        {"ActionTrimEnd", &TMainForm::ActionTrimEnd, "Trim En&d",
         "Deletes everything after the current position."},
        {"ActionSilenceSelect", &TMainForm::ActionSilenceSelect, "Silence Select Re&gion",
         "Silences the select region."},
        {"ActionInsertSilenceBegin", &TMainForm::ActionInsertSilenceBegin, "Begin",
         "Inserts silence at the start."},
        {"ActionInsertSilenceCurrent", &TMainForm::ActionInsertSilenceCurrent, "Current",
         "Inserts silence at the current position."},
        {"ActionInsertSilenceEnd", &TMainForm::ActionInsertSilenceEnd, "End", "Inserts silence at the end."},
        {"ActionInsertFileBegin", &TMainForm::ActionInsertFileBegin, "Begin",
         "Inserts another file at the start."},
        {"ActionInsertFileCurrent", &TMainForm::ActionInsertFileCurrent, "Current",
         "Inserts another file at the current position."},
        {"ActionInsertFileEnd", &TMainForm::ActionInsertFileEnd, "End", "Inserts another file at the end."},
        {"ActionRecord", &TMainForm::ActionRecord, "&Record",
         "Records at the current position (or over selection)."},
        {"ActionPlay", &TMainForm::ActionPlay, "&Play", "Plays the current file from the current position. "},
        {"ActionPlayToEnd", &TMainForm::ActionPlayToEnd, "Play To End",
         "Plays the current file from the current position to end. "},
        {"ActionLoopPlay", &TMainForm::ActionLoopPlay, "L&oop Play",
         "Repeats playing the current selection. "},
        {"ActionPause", &TMainForm::ActionPause, "&Pause", "Pauses playback."},
        {"ActionStop", &TMainForm::ActionStop, "&Stop", "Stops playback."},
        {"ActionStart", &TMainForm::ActionStart, "&Go to Start", "Moves to the start of the file. "},
        {"ActionRewind", &TMainForm::ActionRewind, "Re&wind", "Rewinds."},
        {"ActionForword", &TMainForm::ActionForword, "&Fast Forword", "Fast-forwards."},
        {"ActionEnd", &TMainForm::ActionEnd, "Go To &End", "Moves to the end of the current file."},
        {"ActionAmplify", &TMainForm::ActionAmplify, "&Amplify...", ""},
        {"ActionNormalize", &TMainForm::ActionNormalize, "&Normalize...", ""},
        {"ActionDynamicRangeCompressor", &TMainForm::ActionDynamicRangeCompressor,
         "Dynamic Range Co&mpressor...", ""},
        {"ActionHighPass", &TMainForm::ActionHighPass, "&High-Pass Filter...", ""},
        {"ActionEqualizer", &TMainForm::ActionEqualizer, "E&qualizer", ""},
        {"ActionEcho", &TMainForm::ActionEcho, "Ech&o...", ""},
        {"ActionReverb", &TMainForm::ActionReverb, "&Reverb...", ""},
        {"ActionReverse", &TMainForm::ActionReverse, "Re&verse", ""},
        {"ActionFadeIn", &TMainForm::ActionFadeIn, "&Fade In", ""},
        {"ActionFadeOut", &TMainForm::ActionFadeOut, "&Fade Out", ""},
        {"ActionFadeOutAndTrim", &TMainForm::ActionFadeOutAndTrim, "Fade Out &Trim", ""},
        {"ActionCrossFade", &TMainForm::ActionCrossFade, "CrossFade...", ""},
        {"ActionEnvelope", &TMainForm::ActionEnvelope, "En&velope...", ""},
        {"ActionMixStereo", &TMainForm::ActionMixStereo, "&Mix Stereo Channels...", ""},
        {"ActionNoiseReduction", &TMainForm::ActionNoiseReduction, "&Noise Reduction...", ""},
        {"ActionSpeedChange", &TMainForm::ActionSpeedChange, "S&peed Change...", ""},
        {"ActionPitchChange", &TMainForm::ActionPitchChange, "&Pitch Change...", ""},
        {"ActionPhaser", &TMainForm::ActionPhaser, "Phaser...", ""},
        {"ActionFlanger", &TMainForm::ActionFlanger, "Flanger...", ""},
        {"ActionChorus", &TMainForm::ActionChorus, "Chorus...", ""},
        {"ActionSetBookmark", &TMainForm::ActionSetBookmark, "&Set Bookmark",
         "Remembers the current position of the file."},
        {"ActionOpenBookmarkList", &TMainForm::ActionOpenBookmarkList, "&Open Bookmark List",
         "Set a specified bookmark at the current position. "},
        {"ActionAddRegion", &TMainForm::ActionAddRegion, "&Add Region",
         "Remembers the current selection of the file."},
        {"ActionOpenRegionList", &TMainForm::ActionOpenRegionList, "&Open Region List",
         "Select a specified region. "},
        {"ActionFrequencyAnalysis", &TMainForm::ActionFrequencyAnalysis, "&Frequency Analysis",
         "Views the spectral content of an audio signal."},
        {"ActionTextToSpeech", &TMainForm::ActionTextToSpeech, "Text To &Speech", "Converts text to audio."},
        {"ActionShowCommandBar", &TMainForm::ActionShowCommandBar, "Show Command List",
         "Show/Hide Command List"},
        {"ActionBarOntheLeft", &TMainForm::ActionBarOntheLeft, "On the Left", "Command Bar On the Left"},
        {"ActionBarOntheRight", &TMainForm::ActionBarOntheRight, "On the Right", "Command Bar On the Right"},
        {"ActionZoomIn", &TMainForm::ActionZoomIn, "&Zoom In", "Zooms in."},
        {"ActionZoomOut", &TMainForm::ActionZoomOut, "Zoom &Out", "Zooms out."},
        {"ActionZoomToSelection", &TMainForm::ActionZoomToSelection, "Zoom To &Selection",
         "Zooms to the selected region."},
        {"ActionZoomFull", &TMainForm::ActionZoomFull, "Zoom &Full", "Displays the entire wave length."},
        {"ActionPlayAndPause", &TMainForm::ActionPlayAndPause, "...", ""},
        {"ActionProductPage", &TMainForm::ActionProductPage, "Product Page", ""},
        {"ActionTechnicalSupport", &TMainForm::ActionTechnicalSupport, "&Technical Support", ""},
        {"ActionCompanyHomepage", &TMainForm::ActionCompanyHomepage, "Company &Homepage", ""},
        {"ActionWelcomeWindow", &TMainForm::ActionWelcomeWindow, "Welcome Window", "Show Welcome Window"},
        {"ActionWaveformMode", &TMainForm::ActionWaveformMode, "Waveform Mode",
         "Switch visual expression to waveform mode"},
        {"ActionSpectralMode", &TMainForm::ActionSpectralMode, "Spectral Mode",
         "Switch visual expression to spectral mode"},
        {"ActionWorkplaceBlackWhite", &TMainForm::ActionWorkplaceBlackWhite, "Workplace Black/White Style",
         "Workplace Black or White Style"},
        {"ActionHorizontalFormatDecimal", &TMainForm::ActionHorizontalFormatDecimal, "Decimal (m:ss.dddd)",
         ""},
        {"ActionHorizontalFormatSample", &TMainForm::ActionHorizontalFormatSample, "Sample", ""},
        {"ActionHorizontalFormatVisible", &TMainForm::ActionHorizontalFormatVisible, "Visible", ""},
        {"ActionVerticalFormatSample", &TMainForm::ActionVerticalFormatSample, "Sample Values", ""},
        {"ActionVerticalFormatNormalized", &TMainForm::ActionVerticalFormatNormalized, "Normalized Values",
         ""},
        {"ActionVerticalFormatDecibel", &TMainForm::ActionVerticalFormatDecibel, "Decibel Values", ""},
        {"ActionVerticalFormatVisible", &TMainForm::ActionVerticalFormatVisible, "Visible", ""},
        {"ActionVerticalZoomIn", &TMainForm::ActionVerticalZoomIn, "Vertical Zoom In", "Vertical Zoom In"},
        {"ActionVerticalZoomOut", &TMainForm::ActionVerticalZoomOut, "Vertical Zoom Out",
         "Vertical Zoom Out"},
        {"ActionZoomToRight", &TMainForm::ActionZoomToRight, "Zoom To Right", "Zoom To Right"},
        {"ActionZoomToLeft", &TMainForm::ActionZoomToLeft, "Zoom To Left", "Zoom To Left"},
        {"ActionWindowsMixer", &TMainForm::ActionWindowsMixer, "&Windows Mixer", "Show Windows Mixer"},
        {"ActionTopTransportBar", &TMainForm::ActionTopTransportBar, "Transport (Ribbon)",
         "Show/Hide Top Transport Bar"},
        {"ActionTopZoomBar", &TMainForm::ActionTopZoomBar, "Zoom (Ribbon)", "Show/Hide Top Zoom Bar"},
    };
    return entries;
}

// The built-in key of a command, from the shortcut commands' table.
TShortCut DefaultShortCut(const char* Name) {
    const int index = ShortcutCommandIndex(Name);
    return index < 0 ? scNone
                     : TextToShortCut(ShortcutCommands()[static_cast<std::size_t>(index)].DefaultShortcut);
}

} // namespace main_form_actions_detail

void TMainForm::CreateActions() {
    using namespace main_form_actions_detail;
    ActionList = new TActionList(this);
    ActionList->SetName("ActionList");
    for (const TActionEntry& entry : ActionEntries()) {
        auto* action = new TAction(this);
        action->SetName(entry.Name);
        action->SetCaption(entry.Caption);
        action->SetHint(entry.Hint);
        action->SetShortCut(DefaultShortCut(entry.Name));
        action->SetActionList(ActionList);
        this->*entry.Member = action;
    }
}

void TMainForm::ApplyShortcuts() {
    const std::vector<TShortcutCommand>& commands = ShortcutCommands();
    const auto keys = LoadCommandShortcuts(GlobalVars().DataFolder + ShortcutFileName, commands.size());
    if (keys)
        for (std::size_t i = 0; i < commands.size(); ++i)
            if (auto* action = dynamic_cast<TAction*>(FindComponent(commands[i].Name)))
                action->SetShortCut((*keys)[i]);
    ApplyRedoAlternateKeys();
}

void TMainForm::ApplyRedoAlternateKeys() {
    std::vector<std::string> taken;
    for (TActionList* list : {ActionList, ActionListFavorite}) {
        if (list == nullptr) continue;
        for (int i = 0; i < list->ActionCount(); ++i)
            if (auto* action = dynamic_cast<TCustomAction*>(list->Actions(i));
                action != nullptr && action != ActionRedo && action->ShortCut() != scNone)
                taken.push_back(ShortCutToText(action->ShortCut()));
    }
    TShortCutList& alternates = ActionRedo->SecondaryShortCuts();
    alternates.Clear();
    for (const std::string& key : RedoAlternateShortcuts(taken))
        alternates.Add(key);
}
