// The Help tab's numbered buttons, which carry no action: "1. How to change audio source" opens the
// product site's page on choosing the recording source; "2. Record Quick Tour" to "6. Bookmarks and
// Regions" open pages of the manual.
#pragma once

#include <string>

struct TGlobalVars;

inline constexpr int HelpTabButtonCount = 6;

// The manual page of buttons 2 to 6 ("RecordQuicktour" ... "BookmarksandRegions"); empty for the
// others.
std::string HelpTabPage(int Button);

// The product site's page on choosing the recording source (button 1), below the support address.
std::string AudioSourceWebPage(const TGlobalVars& Vars);
