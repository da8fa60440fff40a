#include "platform/vcl/FolderBrowser.h"

#include "platform/rtl/FileNames.h"
#include "platform/rtl/FileUtils.h"
#include "platform/vcl/FolderBrowserForm.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

// An item list is one heap block: a mark that tells it from other memory, then the path with its zero.
struct ITEMIDLIST {
    std::uint32_t Mark;
    char Path[1];
};

namespace folderbrowser_detail {

constexpr std::uint32_t ItemListMark = 0x4C444950; // "PIDL"

PIDLIST_ABSOLUTE MakeItemList(const std::string& Path) {
    const std::size_t size = offsetof(ITEMIDLIST, Path) + Path.size() + 1;
    auto* pidl = static_cast<ITEMIDLIST*>(std::malloc(size));
    if (pidl == nullptr) return nullptr;
    pidl->Mark = ItemListMark;
    std::memcpy(pidl->Path, Path.c_str(), Path.size() + 1);
    return pidl;
}

bool IsItemList(PCIDLIST_ABSOLUTE Pidl) {
    return Pidl != nullptr && Pidl->Mark == ItemListMark;
}

std::string AbsolutePath(const char* Path) {
    if (Path == nullptr || *Path == '\0') return {};
    std::string text = std::filesystem::path(ExpandFileName(Path)).lexically_normal().string();
    if (text.size() > 1 && text.back() == '/') text.pop_back();
    return text;
}

} // namespace folderbrowser_detail

PIDLIST_ABSOLUTE ILCreateFromPath(const char* pszPath) {
    const std::string path = folderbrowser_detail::AbsolutePath(pszPath);
    if (path.empty() || !(FileExists(path) || DirectoryExists(path))) return nullptr;
    return folderbrowser_detail::MakeItemList(path);
}

HRESULT SHParseDisplayName(const char* pszName, void*, PIDLIST_ABSOLUTE* ppidl, ULONG, ULONG* psfgaoOut) {
    if (ppidl == nullptr) return E_INVALIDARG;
    *ppidl = nullptr;
    if (psfgaoOut != nullptr) *psfgaoOut = 0;
    if (pszName == nullptr) return E_INVALIDARG;
    *ppidl = ILCreateFromPath(pszName);
    return *ppidl != nullptr ? S_OK : HRESULT_FILE_NOT_FOUND;
}

void ILFree(PIDLIST_ABSOLUTE pidl) {
    std::free(pidl);
}

BOOL SHGetPathFromIDList(PCIDLIST_ABSOLUTE pidl, char* pszPath) {
    if (pszPath == nullptr) return FALSE;
    pszPath[0] = '\0';
    if (!folderbrowser_detail::IsItemList(pidl)) return FALSE;
    const std::size_t length = std::strlen(pidl->Path);
    if (length + 1 > static_cast<std::size_t>(BFF_MAX_PATH)) return FALSE;
    std::memcpy(pszPath, pidl->Path, length + 1);
    return TRUE;
}

PIDLIST_ABSOLUTE SHBrowseForFolder(BROWSEINFOA* lpbi) {
    if (lpbi == nullptr) return nullptr;
    std::unique_ptr<TFolderBrowserForm> form(TCustomForm::New<TFolderBrowserForm>(nullptr, *lpbi));
    if (form->ShowModal() != mrOk || form->ChosenPath().empty()) return nullptr;
    const std::string& path = form->ChosenPath();
    if (lpbi->pszDisplayName != nullptr) {
        // The name is cut to the buffer the caller gives, always with its zero.
        std::string name = path == "/" ? path : ExtractFileName(path);
        if (name.size() > static_cast<std::size_t>(BFF_MAX_PATH - 1)) name.resize(BFF_MAX_PATH - 1);
        std::memcpy(lpbi->pszDisplayName, name.c_str(), name.size() + 1);
    }
    return folderbrowser_detail::MakeItemList(path);
}
