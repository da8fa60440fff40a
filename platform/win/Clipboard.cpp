#include "platform/win/Clipboard.h"

#include "platform/rtl/Utf8.h"
#include "platform/win/WinInternal.h"
#include "platform/win/WinUser.h"

#include <algorithm>
#include <cstring>
#include <map>

namespace olva::win {

namespace clipboard_detail {
struct State {
    bool open = false;
    HWND opener = nullptr;
    bool emptiedByOpener = false;
    bool changed = false;
    HWND owner = nullptr;
    std::vector<std::pair<UINT, std::vector<BYTE>>> formats; // in the order they were set
    std::map<std::string, UINT> registered;
    ClipboardHost host;
};
State& Clip() {
    static State s;
    return s;
}

std::vector<BYTE>* Find(UINT format) {
    for (auto& [f, data] : Clip().formats)
        if (f == format) return &data;
    return nullptr;
}

std::vector<BYTE> Utf16From(const std::vector<BYTE>& utf8) {
    std::string_view text(reinterpret_cast<const char*>(utf8.data()), utf8.size());
    if (auto zero = text.find('\0'); zero != std::string_view::npos) text = text.substr(0, zero);
    std::vector<BYTE> out;
    auto put = [&](char16_t u) {
        out.push_back(BYTE(u & 0xFF));
        out.push_back(BYTE(u >> 8));
    };
    std::size_t pos = 0;
    while (pos < text.size()) {
        char32_t cp = Utf8Next(text, pos);
        if (cp >= 0x10000) {
            cp -= 0x10000;
            put(char16_t(0xD800 + (cp >> 10)));
            put(char16_t(0xDC00 + (cp & 0x3FF)));
        } else {
            put(char16_t(cp));
        }
    }
    put(0);
    return out;
}

// Text from the host replaces ours when it differs (someone copied in another program).
void PullFromHost() {
    State& c = Clip();
    if (!c.host.fetchText) return;
    auto text = c.host.fetchText();
    if (!text) return;
    std::vector<BYTE> bytes(text->begin(), text->end());
    bytes.push_back(0);
    if (auto* ours = Find(CF_TEXT); ours && *ours == bytes) return;
    c.formats.clear();
    c.owner = nullptr;
    c.formats.emplace_back(CF_TEXT, std::move(bytes));
}
} // namespace clipboard_detail

bool SetClipboardBytes(UINT format, std::vector<BYTE> data) {
    auto& c = clipboard_detail::Clip();
    if (!c.open || !c.emptiedByOpener || format == 0) return false;
    if (format == CF_UNICODETEXT) return false; // offered from CF_TEXT; put text as UTF-8
    if (auto* existing = clipboard_detail::Find(format))
        *existing = std::move(data);
    else
        c.formats.emplace_back(format, std::move(data));
    c.changed = true;
    return true;
}

std::optional<std::vector<BYTE>> GetClipboardBytes(UINT format) {
    auto& c = clipboard_detail::Clip();
    if (!c.open) return std::nullopt;
    if (format == CF_UNICODETEXT)
        if (auto* text = clipboard_detail::Find(CF_TEXT)) return clipboard_detail::Utf16From(*text);
    if (auto* data = clipboard_detail::Find(format)) return *data;
    return std::nullopt;
}

bool SetClipboardText(HWND owner, const std::string& utf8) {
    if (!OpenClipboard(owner)) return false;
    std::vector<BYTE> bytes(utf8.begin(), utf8.end());
    bytes.push_back(0);
    bool ok = EmptyClipboard() && SetClipboardBytes(CF_TEXT, std::move(bytes));
    CloseClipboard();
    return ok;
}

std::optional<std::string> GetClipboardText() {
    if (!OpenClipboard(nullptr)) return std::nullopt;
    auto bytes = GetClipboardBytes(CF_TEXT);
    CloseClipboard();
    if (!bytes) return std::nullopt;
    std::string text(bytes->begin(), bytes->end());
    if (auto zero = text.find('\0'); zero != std::string::npos) text.resize(zero);
    return text;
}

void SetClipboardHost(ClipboardHost host) {
    clipboard_detail::Clip().host = std::move(host);
}

void ResetClipboard() {
    clipboard_detail::Clip() = clipboard_detail::State{};
}

} // namespace olva::win

using namespace olva::win;

BOOL OpenClipboard(HWND owner) {
    auto& c = clipboard_detail::Clip();
    if (owner && !IsWindow(owner)) return FALSE;
    if (c.open) return FALSE; // someone else has it open
    c.open = true;
    c.opener = owner;
    c.emptiedByOpener = false;
    c.changed = false;
    clipboard_detail::PullFromHost();
    return TRUE;
}

BOOL CloseClipboard() {
    auto& c = clipboard_detail::Clip();
    if (!c.open) return FALSE;
    c.open = false;
    if (c.changed && c.host.publishText)
        if (auto* text = clipboard_detail::Find(CF_TEXT)) {
            std::string s(text->begin(), text->end());
            if (auto zero = s.find('\0'); zero != std::string::npos) s.resize(zero);
            c.host.publishText(s);
        }
    c.changed = false;
    return TRUE;
}

BOOL EmptyClipboard() {
    auto& c = clipboard_detail::Clip();
    if (!c.open) return FALSE;
    HWND previous = c.owner;
    c.formats.clear();
    c.owner = c.opener;
    c.emptiedByOpener = true;
    c.changed = true;
    if (previous && IsWindow(previous)) SendMessage(previous, WM_DESTROYCLIPBOARD, 0, 0);
    return TRUE;
}

HWND GetClipboardOwner() {
    HWND owner = clipboard_detail::Clip().owner;
    return owner && IsWindow(owner) ? owner : nullptr;
}

HWND GetOpenClipboardWindow() {
    auto& c = clipboard_detail::Clip();
    return c.open ? c.opener : nullptr;
}

BOOL IsClipboardFormatAvailable(UINT format) {
    if (format == CF_UNICODETEXT) format = CF_TEXT;
    return clipboard_detail::Find(format) ? TRUE : FALSE;
}

int CountClipboardFormats() {
    auto& c = clipboard_detail::Clip();
    int n = int(c.formats.size());
    if (clipboard_detail::Find(CF_TEXT)) ++n; // the UTF-16 offer
    return n;
}

UINT EnumClipboardFormats(UINT format) {
    auto& c = clipboard_detail::Clip();
    if (!c.open) return 0;
    std::vector<UINT> list;
    for (auto& [f, data] : c.formats) {
        list.push_back(f);
        if (f == CF_TEXT) list.push_back(CF_UNICODETEXT);
    }
    if (format == 0) return list.empty() ? 0 : list.front();
    auto it = std::find(list.begin(), list.end(), format);
    return (it == list.end() || it + 1 == list.end()) ? 0 : *(it + 1);
}

UINT RegisterClipboardFormat(const char* name) {
    if (!name || !*name) return 0;
    auto& reg = clipboard_detail::Clip().registered;
    auto [it, added] = reg.emplace(name, UINT(0xC000 + 0x100 + reg.size()));
    return it->second;
}

int GetClipboardFormatName(UINT format, char* buffer, int maxCount) {
    if (!buffer || maxCount <= 0) return 0;
    for (auto& [name, f] : clipboard_detail::Clip().registered)
        if (f == format) {
            int n = std::min<int>(int(name.size()), maxCount - 1);
            std::memcpy(buffer, name.data(), std::size_t(n));
            buffer[n] = 0;
            return n;
        }
    return 0;
}
