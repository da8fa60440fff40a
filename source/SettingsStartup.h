// The settings part of the main window's start: initial values, the settings file over them, and the
// remembered tool windows kept on the screen.
#pragma once

#include "platform/rtl/WinTypes.h"
#include "source/FormPlacement.h"

#include <optional>
#include <string>

struct TGlobalVars;
struct TSettingsFolders;

// Sets every field to its initial value and loads the settings file at `path` over them. On a first
// start (no settings file yet) the file is written and the main window's placement is returned: 900 x
// 560 centred on `screen`, with the region and bookmark lists docked to its bottom-right corner.
// Otherwise the loaded tool windows are kept on `screen` and nothing is returned.
std::optional<TFormPlacement> StartSettings(TGlobalVars& vars, const TSettingsFolders& folders,
                                            const std::string& path, const TRect& screen);
