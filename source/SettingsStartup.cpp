#include "source/SettingsStartup.h"

#include "source/GlobalVars.h"
#include "source/SettingsFile.h"

std::optional<TFormPlacement> StartSettings(TGlobalVars& vars, const TSettingsFolders& folders,
                                            const std::string& path, const TRect& screen) {
    SetInitialValues(vars, folders);
    if (!LoadSettings(vars, path)) return ApplyFirstStartPlacement(vars, screen);
    KeepToolWindowsOnScreen(vars, screen);
    return std::nullopt;
}
