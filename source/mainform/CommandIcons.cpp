#include "source/mainform/CommandIcons.h"

#include <string>
#include <unordered_map>

namespace {

using F = TIconFamily;

} // namespace

const std::vector<TCommandIcon>& CommandIcons() {
    static const std::vector<TCommandIcon> icons{
        // ---- Files and documents
        {"ActionNewFile", F::Document, "page-new"},
        {"ActionOpenFile", F::Document, "folder-open"},
        {"ActionLoadCD", F::Document, "disc-load"},
        {"ActionSaveFile", F::Document, "save"},
        {"ActionSaveAs", F::Document, "save-as"},
        {"ActionSaveSelect", F::Document, "save-selection"},
        {"ActionCloseFile", F::Document, "page-close"},
        {"ActionConvertSampleRate", F::Document, "convert-rate"},
        {"ActionEditID3", F::Document, "tag"},
        {"ActionExit", F::Document, "exit"},
        // ---- Clipboard and editing
        {"ActionUndo", F::Edit, "undo"},
        {"ActionRedo", F::Edit, "redo"},
        {"ActionCut", F::Edit, "cut"},
        {"ActionCopy", F::Edit, "copy"},
        {"ActionCopyToNew", F::Edit, "copy-to-new"},
        {"ActionPaste", F::Edit, "paste"},
        {"ActionPasteMix", F::Edit, "paste-mix"},
        {"ActionMixFile", F::Edit, "mix-file"},
        {"ActionDelete", F::Edit, "delete"},
        {"ActionTrim", F::Edit, "trim"},
        {"ActionTrimStart", F::Edit, "trim-start"},
        {"ActionTrimEnd", F::Edit, "trim-end"},
        {"ActionSilenceSelect", F::Edit, "silence-selection"},
        {"Menu.InsertSilence", F::Edit, "insert-silence"},
        {"ActionInsertSilenceBegin", F::Edit, "insert-silence-begin"},
        {"ActionInsertSilenceCurrent", F::Edit, "insert-silence-cursor"},
        {"ActionInsertSilenceEnd", F::Edit, "insert-silence-end"},
        {"Menu.InsertFile", F::Edit, "insert-file"},
        {"ActionInsertFileBegin", F::Edit, "insert-file-begin"},
        {"ActionInsertFileCurrent", F::Edit, "insert-file-cursor"},
        {"ActionInsertFileEnd", F::Edit, "insert-file-end"},
        {"ActionRepeatLoop", F::Edit, "repeat-loop"},
        // ---- Selection
        {"ActionSelectAll", F::Selection, "select-all"},
        {"ActionSelectToStart", F::Selection, "select-to-start"},
        {"ActionSelectToEnd", F::Selection, "select-to-end"},
        {"ActionSelectSpecifiedTime", F::Selection, "select-time"},
        // ---- Playing and recording
        {"ActionPlay", F::Transport, "play"},
        {"ActionPlayToEnd", F::Transport, "play-to-end"},
        {"ActionLoopPlay", F::Transport, "loop-play"},
        {"ActionPlayAndPause", F::Transport, "play-pause"},
        {"ActionPause", F::Transport, "pause"},
        {"ActionStop", F::Transport, "stop"},
        {"ActionStart", F::Transport, "go-to-start"},
        {"ActionRewind", F::Transport, "rewind"},
        {"ActionForword", F::Transport, "fast-forward"},
        {"ActionEnd", F::Transport, "go-to-end"},
        {"ActionRecord", F::Transport, "record"},
        // ---- Effects and filters
        {"Bar.Effect", F::Effects, "effects"},
        {"ActionAmplify", F::Effects, "amplify"},
        {"ActionNormalize", F::Effects, "normalize"},
        {"ActionDynamicRangeCompressor", F::Effects, "compressor"},
        {"ActionFadeIn", F::Effects, "fade-in"},
        {"ActionFadeOut", F::Effects, "fade-out"},
        {"ActionFadeOutAndTrim", F::Effects, "fade-out-trim"},
        {"ActionCrossFade", F::Effects, "cross-fade"},
        {"ActionEnvelope", F::Effects, "envelope"},
        {"ActionEcho", F::Effects, "echo"},
        {"ActionReverb", F::Effects, "reverb"},
        {"ActionChorus", F::Effects, "chorus"},
        {"ActionFlanger", F::Effects, "flanger"},
        {"ActionPhaser", F::Effects, "phaser"},
        {"Bar.Vibrato", F::Effects, "vibrato"},
        {"ActionEqualizer", F::Effects, "equalizer"},
        {"ActionHighPass", F::Effects, "high-pass"},
        {"Bar.LowPass", F::Effects, "low-pass"},
        {"Bar.BandPass", F::Effects, "band-pass"},
        {"Bar.NotchFilter", F::Effects, "notch"},
        {"Bar.PeakEQ", F::Effects, "peak-eq"},
        {"Bar.LowShelf", F::Effects, "low-shelf"},
        {"Bar.HighShelf", F::Effects, "high-shelf"},
        {"ActionMixStereo", F::Effects, "mix-stereo"},
        {"ActionReverse", F::Effects, "reverse"},
        {"Bar.Invert", F::Effects, "invert"},
        {"ActionSpeedChange", F::Effects, "speed"},
        {"ActionPitchChange", F::Effects, "pitch"},
        // ---- Noise reduction
        {"ActionNoiseReduction", F::NoiseReduction, "noise-reduction"},
        {"Bar.CassetteNoiseReduction", F::NoiseReduction, "cassette"},
        {"Bar.VoiceBreathNoiseReduction", F::NoiseReduction, "breath"},
        // ---- View, zoom, scales and panels
        {"ActionZoomIn", F::View, "zoom-in"},
        {"ActionZoomOut", F::View, "zoom-out"},
        {"ActionZoomToSelection", F::View, "zoom-selection"},
        {"ActionZoomFull", F::View, "zoom-full"},
        {"ActionZoomToLeft", F::View, "zoom-left"},
        {"ActionZoomToRight", F::View, "zoom-right"},
        {"ActionVerticalZoomIn", F::View, "vertical-zoom-in"},
        {"ActionVerticalZoomOut", F::View, "vertical-zoom-out"},
        {"ActionWaveformMode", F::View, "waveform-mode"},
        {"ActionSpectralMode", F::View, "spectral-mode"},
        {"ActionHorizontalFormatVisible", F::View, "time-scale"},
        {"ActionHorizontalFormatDecimal", F::View, "time-scale-decimal"},
        {"ActionHorizontalFormatSample", F::View, "time-scale-samples"},
        {"ActionVerticalFormatVisible", F::View, "level-scale"},
        {"ActionVerticalFormatSample", F::View, "level-scale-samples"},
        {"ActionVerticalFormatNormalized", F::View, "level-scale-normalized"},
        {"ActionVerticalFormatDecibel", F::View, "level-scale-decibel"},
        {"Bar.LeftChannel", F::View, "channel-left"},
        {"Bar.RightChannel", F::View, "channel-right"},
        {"Bar.BothChannels", F::View, "channel-both"},
        {"ActionWorkplaceBlackWhite", F::View, "workplace-colours"},
        {"ActionShowCommandBar", F::View, "command-bar"},
        {"ActionBarOntheLeft", F::View, "command-bar-left"},
        {"ActionBarOntheRight", F::View, "command-bar-right"},
        {"ActionTopTransportBar", F::View, "top-transport-bar"},
        {"ActionTopZoomBar", F::View, "top-zoom-bar"},
        // ---- Bookmarks and regions
        {"ActionSetBookmark", F::Markers, "bookmark"},
        {"ActionOpenBookmarkList", F::Markers, "bookmark-list"},
        {"ActionAddRegion", F::Markers, "region"},
        {"ActionOpenRegionList", F::Markers, "region-list"},
        // ---- Tools and options
        {"ActionBatch", F::Tools, "batch"},
        {"ActionFrequencyAnalysis", F::Tools, "frequency-analysis"},
        {"ActionTextToSpeech", F::Tools, "text-to-speech"},
        {"ActionWindowsMixer", F::Tools, "volume-mixer"},
        {"Bar.AudioConverter", F::Tools, "audio-converter"},
        {"Bar.CDBurner", F::Tools, "disc-burn"},
        {"Bar.EditFavorites", F::Tools, "favorites-edit"},
        {"Bar.KeyboardShortcuts", F::Tools, "keyboard"},
        {"ActionOptions", F::Tools, "options"},
        // ---- Help, pages and information
        {"ActionHelp", F::Help, "help"},
        {"ActionWelcomeWindow", F::Help, "welcome"},
        {"Bar.HelpAudioSource", F::Help, "guide-audio-source"},
        {"Bar.HelpRecordQuickTour", F::Help, "guide-recording"},
        {"Bar.HelpImportingAudioTracks", F::Help, "guide-cd-import"},
        {"Bar.HelpBasicAudioEditing", F::Help, "guide-editing"},
        {"Bar.HelpConnectingStereoEquipment", F::Help, "guide-stereo"},
        {"Bar.HelpBookmarksAndRegions", F::Help, "guide-markers"},
        {"ActionProductPage", F::Help, "product-page"},
        {"ActionTechnicalSupport", F::Help, "support"},
        {"ActionCompanyHomepage", F::Help, "homepage"},
        {"Bar.UpgradeToLatestVersion", F::Help, "upgrade"},
        {"ActionAbout", F::Help, "about"},
        // ---- The program
        {"ApplicationButton", F::Program, "program"},
    };
    return icons;
}

const std::vector<TSharedCommandIcon>& SharedCommandIcons() {
    static const std::vector<TSharedCommandIcon> shared{
        // "&Select" runs Select Specified Time (and drops down the other selections).
        {"Bar.Select", "ActionSelectSpecifiedTime"},
        // "Horizontal Scale" and "Vertical Scale" show and hide their scale (and drop down its formats).
        {"Bar.HorizontalScale", "ActionHorizontalFormatVisible"},
        {"Bar.VerticalScale", "ActionVerticalFormatVisible"},
        // "Command Bar" shows and hides the command bar; its drop-down holds the two sides.
        {"Bar.ShowCommandBar", "ActionShowCommandBar"},
        {"Bar.CommandBarOnTheLeft", "ActionBarOntheLeft"},
        {"Bar.CommandBarOnTheRight", "ActionBarOntheRight"},
    };
    return shared;
}

const char* BarItemCommandName(TBarItem Item) {
    switch (Item) {
    case TBarItem::ShowCommandBar:
        return "Bar.ShowCommandBar";
    case TBarItem::CommandBarOnTheLeft:
        return "Bar.CommandBarOnTheLeft";
    case TBarItem::CommandBarOnTheRight:
        return "Bar.CommandBarOnTheRight";
    case TBarItem::HorizontalScale:
        return "Bar.HorizontalScale";
    case TBarItem::VerticalScale:
        return "Bar.VerticalScale";
    case TBarItem::LeftChannel:
        return "Bar.LeftChannel";
    case TBarItem::RightChannel:
        return "Bar.RightChannel";
    case TBarItem::BothChannels:
        return "Bar.BothChannels";
    case TBarItem::Select:
        return "Bar.Select";
    case TBarItem::Effect:
        return "Bar.Effect";
    case TBarItem::CassetteNoiseReduction:
        return "Bar.CassetteNoiseReduction";
    case TBarItem::VoiceBreathNoiseReduction:
        return "Bar.VoiceBreathNoiseReduction";
    case TBarItem::Vibrato:
        return "Bar.Vibrato";
    case TBarItem::PeakEQ:
        return "Bar.PeakEQ";
    case TBarItem::NotchFilter:
        return "Bar.NotchFilter";
    case TBarItem::BandPass:
        return "Bar.BandPass";
    case TBarItem::LowPass:
        return "Bar.LowPass";
    case TBarItem::LowShelf:
        return "Bar.LowShelf";
    case TBarItem::HighShelf:
        return "Bar.HighShelf";
    case TBarItem::Invert:
        return "Bar.Invert";
    case TBarItem::HelpAudioSource:
        return "Bar.HelpAudioSource";
    case TBarItem::HelpRecordQuickTour:
        return "Bar.HelpRecordQuickTour";
    case TBarItem::HelpImportingAudioTracks:
        return "Bar.HelpImportingAudioTracks";
    case TBarItem::HelpBasicAudioEditing:
        return "Bar.HelpBasicAudioEditing";
    case TBarItem::HelpConnectingStereoEquipment:
        return "Bar.HelpConnectingStereoEquipment";
    case TBarItem::HelpBookmarksAndRegions:
        return "Bar.HelpBookmarksAndRegions";
    case TBarItem::UpgradeToLatestVersion:
        return "Bar.UpgradeToLatestVersion";
    case TBarItem::AudioConverter:
        return "Bar.AudioConverter";
    case TBarItem::CDBurner:
        return "Bar.CDBurner";
    case TBarItem::KeyboardShortcuts:
        return "Bar.KeyboardShortcuts";
    case TBarItem::EditFavorites:
        return "Bar.EditFavorites";
    }
    return nullptr;
}

const std::vector<TBarItem>& AllBarItems() {
    static const std::vector<TBarItem> items = [] {
        std::vector<TBarItem> all;
        for (int i = 0; BarItemCommandName(static_cast<TBarItem>(i)) != nullptr; ++i)
            all.push_back(static_cast<TBarItem>(i));
        return all;
    }();
    return items;
}

const char* IconFamilyName(TIconFamily Family) {
    switch (Family) {
    case F::Document:
        return "Files and documents";
    case F::Edit:
        return "Clipboard and editing";
    case F::Selection:
        return "Selection";
    case F::Transport:
        return "Playing and recording";
    case F::Effects:
        return "Effects and filters";
    case F::NoiseReduction:
        return "Noise reduction";
    case F::View:
        return "View and zoom";
    case F::Markers:
        return "Bookmarks and regions";
    case F::Tools:
        return "Tools and options";
    case F::Help:
        return "Help";
    case F::Program:
        return "Program";
    }
    return "";
}

int CommandIconIndex(std::string_view Command) {
    static const std::unordered_map<std::string, int> indexes = [] {
        std::unordered_map<std::string, int> map;
        const std::vector<TCommandIcon>& icons = CommandIcons();
        for (std::size_t i = 0; i < icons.size(); ++i)
            map.emplace(icons[i].Command, static_cast<int>(i));
        for (const TSharedCommandIcon& shared : SharedCommandIcons()) {
            auto found = map.find(shared.SameAs);
            if (found != map.end()) map.emplace(shared.Command, found->second);
        }
        return map;
    }();
    auto found = indexes.find(std::string(Command));
    return found == indexes.end() ? -1 : found->second;
}

int BarItemIconIndex(TBarItem Item) {
    const char* name = BarItemCommandName(Item);
    return name == nullptr ? -1 : CommandIconIndex(name);
}
