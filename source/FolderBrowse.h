// Choosing a folder through the shell's folder browser, as the batch converter, the region export and
// the settings dialogs do.
#pragma once

#include "platform/rtl/WinTypes.h"

#include <string>

// Shows the browser owned by `owner` with `title` and the browser flags, starting at `folder` and with
// the tree rooted at `root` (the whole file system when empty). The status line follows the selection
// and OK is disabled while no folder path is selected. On OK the chosen path is written to `folder` and
// true is returned; on cancel `folder` is left as it was and false is returned.
bool BrowseForFolder(HWND owner, std::string& folder, const std::string& title, UINT flags,
                     const std::string& root);
