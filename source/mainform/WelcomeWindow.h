// The welcome window shown after start: what the user chose in it.
#pragma once

#include <functional>
#include <memory>
#include <string>

class TCustomForm;

struct TWelcomeChoice {
    bool Accepted = false; // closed with OK
    // 1 new file, 2 record, 3 open file, 4 load CD track, 5 text to speech, 6 open RecentFile.
    int Code = 0;
    std::string RecentFile;
};

// Shows the welcome window modally, centred on `Owner`; its "Clear" link runs `ClearRecentList`.
TWelcomeChoice RunWelcomeWindow(TCustomForm& Owner, std::function<void()> ClearRecentList);
