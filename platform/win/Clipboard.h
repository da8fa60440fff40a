// The clipboard: one per session, opened by one window at a time. Data are byte blocks per format;
// text is kept as UTF-8 (CF_TEXT, the code page being UTF-8) and offered as UTF-16 (CF_UNICODETEXT)
// too. A presenter may connect the host's clipboard so that text goes both ways.
#pragma once

#include "platform/rtl/WinTypes.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

constexpr UINT CF_TEXT = 1;
constexpr UINT CF_UNICODETEXT = 13;
constexpr UINT CF_HDROP = 15;
constexpr UINT WM_DESTROYCLIPBOARD = 0x0307;
constexpr UINT WM_CLIPBOARDUPDATE = 0x031D;

BOOL OpenClipboard(HWND owner);
BOOL CloseClipboard();
BOOL EmptyClipboard();
HWND GetClipboardOwner();
HWND GetOpenClipboardWindow();
BOOL IsClipboardFormatAvailable(UINT format);
int CountClipboardFormats();
UINT EnumClipboardFormats(UINT format);
UINT RegisterClipboardFormat(const char* name);
int GetClipboardFormatName(UINT format, char* buffer, int maxCount);

namespace olva::win {

// The clipboard must be open (and, to put data, emptied by this opener): false otherwise.
bool SetClipboardBytes(UINT format, std::vector<BYTE> data);
std::optional<std::vector<BYTE>> GetClipboardBytes(UINT format);
// Text helpers that open and close the clipboard themselves; the owner may be null.
bool SetClipboardText(HWND owner, const std::string& utf8);
std::optional<std::string> GetClipboardText();

struct ClipboardHost {
    std::function<void(const std::string&)> publishText;   // the program put text on the clipboard
    std::function<std::optional<std::string>()> fetchText; // what the host has, read when opened
};
void SetClipboardHost(ClipboardHost host);

} // namespace olva::win
