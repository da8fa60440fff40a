// The shell's folder browser: SHBrowseForFolder shows a modal tree of folders, asks its callback when
// it is ready and whenever the selection changes, and answers the chosen folder as an item list that
// SHGetPathFromIDList turns into a path. Item lists come from ILCreateFromPath or SHParseDisplayName
// and are freed with ILFree (they are plain heap blocks, so a free() of the shell allocator works too).
#pragma once

#include "platform/rtl/WinTypes.h"
#include "platform/win/WinMessages.h"

struct ITEMIDLIST; // opaque: a folder as the browser names it
using PIDLIST_ABSOLUTE = ITEMIDLIST*;
using PCIDLIST_ABSOLUTE = const ITEMIDLIST*;
using LPITEMIDLIST = ITEMIDLIST*;

using BFFCALLBACK = int (*)(HWND hwnd, UINT uMsg, LPARAM lParam, LPARAM lpData);

struct BROWSEINFOA {
    HWND hwndOwner = nullptr;
    PCIDLIST_ABSOLUTE pidlRoot = nullptr; // the top of the tree; null: the whole file system
    char* pszDisplayName = nullptr;       // receives the chosen folder's name (up to BFF_MAX_PATH bytes)
    const char* lpszTitle = nullptr;      // the text above the tree
    UINT ulFlags = 0;
    BFFCALLBACK lpfn = nullptr;
    LPARAM lParam = 0; // handed to the callback
    int iImage = 0;
};
using BROWSEINFO = BROWSEINFOA;

// clang-format off
constexpr int BFF_MAX_PATH = 260;

constexpr UINT BIF_RETURNONLYFSDIRS = 0x0001;
constexpr UINT BIF_DONTGOBELOWDOMAIN = 0x0002;
constexpr UINT BIF_STATUSTEXT = 0x0004;
constexpr UINT BIF_RETURNFSANCESTORS = 0x0008;
constexpr UINT BIF_EDITBOX = 0x0010;
constexpr UINT BIF_VALIDATE = 0x0020;
constexpr UINT BIF_NEWDIALOGSTYLE = 0x0040;
constexpr UINT BIF_USENEWUI = BIF_NEWDIALOGSTYLE | BIF_EDITBOX;

// Callback notifications: lParam is the selection's item list for BFFM_SELCHANGED.
constexpr UINT BFFM_INITIALIZED = 1;
constexpr UINT BFFM_SELCHANGED = 2;
// Messages the callback sends to the browser window.
constexpr UINT BFFM_SETSTATUSTEXTA = WM_USER + 100; // lParam: the text
constexpr UINT BFFM_ENABLEOK = WM_USER + 101;       // lParam: nonzero enables OK
constexpr UINT BFFM_SETSELECTIONA = WM_USER + 102;  // wParam TRUE: lParam is a path, else an item list
constexpr UINT BFFM_SETSTATUSTEXT = BFFM_SETSTATUSTEXTA;
constexpr UINT BFFM_SETSELECTION = BFFM_SETSELECTIONA;

constexpr HRESULT HRESULT_FILE_NOT_FOUND = HRESULT(0x80070002u);
// clang-format on

// Runs the browser modally; the chosen folder's item list (the caller frees it), or null on cancel.
PIDLIST_ABSOLUTE SHBrowseForFolder(BROWSEINFOA* lpbi);
// Copies the folder's path (at most BFF_MAX_PATH bytes with the terminating zero); FALSE with an empty
// string for a null list or a path that does not fit.
BOOL SHGetPathFromIDList(PCIDLIST_ABSOLUTE pidl, char* pszPath);
// An item list for an existing file or folder; null when there is none.
PIDLIST_ABSOLUTE ILCreateFromPath(const char* pszPath);
HRESULT SHParseDisplayName(const char* pszName, void* pbc, PIDLIST_ABSOLUTE* ppidl, ULONG sfgaoIn,
                           ULONG* psfgaoOut);
void ILFree(PIDLIST_ABSOLUTE pidl);
