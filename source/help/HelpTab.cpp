#include "source/help/HelpTab.h"

#include "source/FileNameHelpers.h"
#include "source/GlobalVars.h"

#include <array>

std::string HelpTabPage(int Button) {
    static constexpr std::array<const char*, HelpTabButtonCount - 1> pages{
        "RecordQuicktour", "ImportingAudioTracksfromCD", "BasicAudioEditing", "ConnectingYourStereoEquipment",
        "BookmarksandRegions"};
    if (Button < 2 || Button > HelpTabButtonCount) return {};
    return pages[static_cast<std::size_t>(Button - 2)];
}

std::string AudioSourceWebPage(const TGlobalVars& Vars) {
    return AddTrailingBackslash(Vars.SupportWebPage) + "recording-source/";
}
