#include "source/mainform/CommandAvailability.h"

#include <map>
#include <string>

bool CommandEnabled(TAvailability Class, const TDocumentFacts& Facts) {
    const bool document = Facts.DocumentOpen;
    const bool length = document && Facts.Length > 0;
    switch (Class) {
    case TAvailability::Always:
        return true;
    case TAvailability::NamedFile:
        return document && Facts.FileNameHasExtension;
    case TAvailability::Document:
        return document;
    case TAvailability::Length:
        return length;
    case TAvailability::Selection:
        return length && Facts.SelectionLength > 0;
    case TAvailability::Clipboard:
        return document && Facts.ClipboardFilled;
    case TAvailability::Undo:
        return document && Facts.UndoAvailable;
    case TAvailability::Redo:
        return document && Facts.RedoAvailable;
    }
    return true;
}

TAvailability ActionAvailability(std::string_view ActionName) {
    using enum TAvailability;
    static const std::map<std::string, TAvailability, std::less<>> classes = [] {
        std::map<std::string, TAvailability, std::less<>> map;
        auto add = [&map](TAvailability Class, std::initializer_list<const char*> Names) {
            for (const char* name : Names)
                map.emplace(name, Class);
        };
        add(NamedFile, {"ActionSaveFile"});
        add(Length, {"ActionSaveAs",
                     "ActionSelectAll",
                     "ActionSelectToStart",
                     "ActionSelectToEnd",
                     "ActionSelectSpecifiedTime",
                     "ActionTrimStart",
                     "ActionTrimEnd",
                     "ActionAmplify",
                     "ActionNormalize",
                     "ActionDynamicRangeCompressor",
                     "ActionHighPass",
                     "ActionEqualizer",
                     "ActionEcho",
                     "ActionReverb",
                     "ActionReverse",
                     "ActionEnvelope",
                     "ActionMixStereo",
                     "ActionNoiseReduction",
                     "ActionSpeedChange",
                     "ActionPitchChange",
                     "ActionPhaser",
                     "ActionFlanger",
                     "ActionChorus",
                     "ActionSetBookmark",
                     "ActionOpenBookmarkList",
                     "ActionFrequencyAnalysis",
                     "ActionPlay",
                     "ActionPlayToEnd",
                     "ActionPause",
                     "ActionStop",
                     "ActionStart",
                     "ActionRewind",
                     "ActionForword",
                     "ActionEnd",
                     "ActionPlayAndPause",
                     "ActionZoomIn",
                     "ActionZoomOut",
                     "ActionZoomFull",
                     "ActionZoomToRight",
                     "ActionZoomToLeft"});
        add(Document, {"ActionCloseFile",
                       "ActionConvertSampleRate",
                       "ActionEditID3",
                       "ActionMixFile",
                       "ActionInsertSilenceBegin",
                       "ActionInsertSilenceCurrent",
                       "ActionInsertSilenceEnd",
                       "ActionInsertFileBegin",
                       "ActionInsertFileCurrent",
                       "ActionInsertFileEnd",
                       "ActionWaveformMode",
                       "ActionSpectralMode",
                       "ActionHorizontalFormatDecimal",
                       "ActionHorizontalFormatSample",
                       "ActionHorizontalFormatVisible",
                       "ActionVerticalFormatSample",
                       "ActionVerticalFormatNormalized",
                       "ActionVerticalFormatDecibel",
                       "ActionVerticalFormatVisible",
                       "ActionVerticalZoomIn",
                       "ActionVerticalZoomOut"});
        add(Selection, {"ActionCut", "ActionCopy", "ActionCopyToNew", "ActionDelete", "ActionRepeatLoop",
                        "ActionTrim", "ActionSilenceSelect", "ActionSaveSelect", "ActionFadeIn",
                        "ActionFadeOut", "ActionFadeOutAndTrim", "ActionCrossFade", "ActionAddRegion",
                        "ActionOpenRegionList", "ActionLoopPlay", "ActionZoomToSelection"});
        add(Clipboard, {"ActionPaste", "ActionPasteMix"});
        add(Undo, {"ActionUndo"});
        add(Redo, {"ActionRedo"});
        return map;
    }();
    const auto found = classes.find(ActionName);
    return found == classes.end() ? Always : found->second;
}

TAvailability BarItemAvailability(TBarItem Item) {
    switch (Item) {
    case TBarItem::Select:
    case TBarItem::Effect:
    case TBarItem::CassetteNoiseReduction:
    case TBarItem::VoiceBreathNoiseReduction:
    case TBarItem::Vibrato:
    case TBarItem::PeakEQ:
    case TBarItem::NotchFilter:
    case TBarItem::BandPass:
    case TBarItem::LowPass:
    case TBarItem::LowShelf:
    case TBarItem::HighShelf:
    case TBarItem::Invert:
        return TAvailability::Length;
    case TBarItem::HorizontalScale:
    case TBarItem::VerticalScale:
    case TBarItem::LeftChannel:
    case TBarItem::RightChannel:
    case TBarItem::BothChannels:
        return TAvailability::Document;
    default:
        return TAvailability::Always;
    }
}
