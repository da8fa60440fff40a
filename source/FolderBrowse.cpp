#include "source/FolderBrowse.h"

#include "platform/vcl/FolderBrowser.h"
#include "platform/win/WinUser.h"

#include <memory>

namespace folder_browse_detail {

struct TItemListFree {
    void operator()(ITEMIDLIST* list) const { ILFree(list); }
};
using TItemList = std::unique_ptr<ITEMIDLIST, TItemListFree>;

int BrowseCallback(HWND window, UINT message, LPARAM param, LPARAM data) {
    if (message == BFFM_INITIALIZED) {
        SendMessage(window, BFFM_SETSELECTION, TRUE, data); // data: the starting folder's path
    } else if (message == BFFM_SELCHANGED) {
        char path[BFF_MAX_PATH] = {};
        SHGetPathFromIDList(reinterpret_cast<PCIDLIST_ABSOLUTE>(param), path);
        SendMessage(window, BFFM_SETSTATUSTEXT, 0, reinterpret_cast<LPARAM>(path));
        SendMessage(window, BFFM_ENABLEOK, 0, path[0] != '\0' ? 1 : 0);
    }
    return 0;
}

} // namespace folder_browse_detail

bool BrowseForFolder(HWND owner, std::string& folder, const std::string& title, UINT flags,
                     const std::string& root) {
    using namespace folder_browse_detail;
    TItemList rootList;
    if (!root.empty()) {
        PIDLIST_ABSOLUTE parsed = nullptr;
        if (SUCCEEDED(SHParseDisplayName(root.c_str(), nullptr, &parsed, 0, nullptr))) rootList.reset(parsed);
    }
    char displayName[BFF_MAX_PATH] = {};
    BROWSEINFOA info;
    info.hwndOwner = owner;
    info.pidlRoot = rootList.get();
    info.pszDisplayName = displayName;
    info.lpszTitle = title.c_str();
    info.ulFlags = flags;
    info.lpfn = BrowseCallback;
    info.lParam = reinterpret_cast<LPARAM>(folder.c_str());
    TItemList chosen(SHBrowseForFolder(&info));
    if (!chosen) return false;
    char path[BFF_MAX_PATH] = {};
    if (!SHGetPathFromIDList(chosen.get(), path)) return false;
    folder = path;
    return true;
}
