// Messages that drive access and the local database show by themselves, with no window to own them
// (a device error, a log file that cannot be written). The application routes them to its message
// box; until it does, they go to the standard error stream.
#pragma once

#include <functional>
#include <string>

using TCDNoticeHandler = std::function<void(const std::string& Caption, const std::string& Text)>;

// Installs the handler and returns the one it replaces (empty: the standard error stream).
TCDNoticeHandler SetCDNoticeHandler(TCDNoticeHandler Handler);
void ShowCDNotice(const std::string& Caption, const std::string& Text);
