// The accessibility interfaces as a helper object answers them: an automation base (IDispatch), the
// accessible object (IAccessible) and the window query (IOleWindow), with the variant, the text and the
// constants they carry. The platform has no accessibility client: these are plain C++ classes that keep
// the contract — the calls, their results and HRESULTs — for keyboard navigation, key tips and tests.
#pragma once

#include "platform/rtl/WinTypes.h"

#include <cstdint>
#include <string>

class IDispatch;

// Texts cross the interface as wide strings.
using BSTR = std::u16string;

using VARTYPE = std::uint16_t;
constexpr VARTYPE VT_EMPTY = 0;
constexpr VARTYPE VT_I4 = 3;
constexpr VARTYPE VT_DISPATCH = 9;

// The variant of the accessibility calls: empty, a 32-bit integer or an automation object.
struct VARIANT {
    VARTYPE vt = VT_EMPTY;
    LONG lVal = 0;
    IDispatch* pdispVal = nullptr;
};
inline VARIANT MakeVariantI4(LONG AValue) {
    VARIANT v;
    v.vt = VT_I4;
    v.lVal = AValue;
    return v;
}

constexpr HRESULT DISP_E_MEMBERNOTFOUND = HRESULT(0x80020003u);
constexpr LONG CHILDID_SELF = 0;
constexpr LONG OBJID_WINDOW = 0;
constexpr LONG NAVDIR_UP = 1;
constexpr LONG NAVDIR_DOWN = 2;
constexpr LONG NAVDIR_LEFT = 3;
constexpr LONG NAVDIR_RIGHT = 4;
constexpr LONG NAVDIR_NEXT = 5;
constexpr LONG NAVDIR_PREVIOUS = 6;
constexpr LONG NAVDIR_FIRSTCHILD = 7;
constexpr LONG NAVDIR_LASTCHILD = 8;
constexpr LONG STATE_SYSTEM_UNAVAILABLE = 0x1;
constexpr LONG STATE_SYSTEM_SELECTED = 0x2;
constexpr LONG STATE_SYSTEM_FOCUSED = 0x4;
constexpr LONG STATE_SYSTEM_PRESSED = 0x8;
constexpr LONG STATE_SYSTEM_INVISIBLE = 0x8000;
constexpr LONG STATE_SYSTEM_FOCUSABLE = 0x100000;

// {00020400-0000-0000-C000-000000000046}
class IDispatch {
public:
    virtual ~IDispatch() = default;
    virtual HRESULT GetTypeInfoCount(UINT* pctinfo) = 0;
    virtual HRESULT GetTypeInfo(UINT iTInfo, DWORD lcid, void** ppTInfo) = 0;
    virtual HRESULT GetIDsOfNames(const std::u16string* rgszNames, UINT cNames, DWORD lcid,
                                  LONG* rgDispId) = 0;
    virtual HRESULT Invoke(LONG dispIdMember, DWORD lcid, WORD wFlags, void* pDispParams,
                           VARIANT* pVarResult) = 0;
};

// {618736E0-3C3D-11CF-810C-00AA00389B71}
class IAccessible : public IDispatch {
public:
    virtual HRESULT get_accParent(IDispatch** ppdispParent) = 0;
    virtual HRESULT get_accChildCount(LONG* pcountChildren) = 0;
    virtual HRESULT get_accChild(VARIANT varChild, IDispatch** ppdispChild) = 0;
    virtual HRESULT get_accName(VARIANT varChild, BSTR* pszName) = 0;
    virtual HRESULT get_accValue(VARIANT varChild, BSTR* pszValue) = 0;
    virtual HRESULT get_accDescription(VARIANT varChild, BSTR* pszDescription) = 0;
    virtual HRESULT get_accRole(VARIANT varChild, VARIANT* pvarRole) = 0;
    virtual HRESULT get_accState(VARIANT varChild, VARIANT* pvarState) = 0;
    virtual HRESULT get_accHelp(VARIANT varChild, BSTR* pszHelp) = 0;
    virtual HRESULT get_accHelpTopic(BSTR* pszHelpFile, VARIANT varChild, LONG* pidTopic) = 0;
    virtual HRESULT get_accKeyboardShortcut(VARIANT varChild, BSTR* pszKeyboardShortcut) = 0;
    virtual HRESULT get_accFocus(VARIANT* pvarChild) = 0;
    virtual HRESULT get_accSelection(VARIANT* pvarChildren) = 0;
    virtual HRESULT get_accDefaultAction(VARIANT varChild, BSTR* pszDefaultAction) = 0;
    virtual HRESULT accSelect(LONG flagsSelect, VARIANT varChild) = 0;
    virtual HRESULT accLocation(LONG* pxLeft, LONG* pyTop, LONG* pcxWidth, LONG* pcyHeight,
                                VARIANT varChild) = 0;
    virtual HRESULT accNavigate(LONG navDir, VARIANT varStart, VARIANT* pvarEndUpAt) = 0;
    virtual HRESULT accHitTest(LONG xLeft, LONG yTop, VARIANT* pvarChild) = 0;
    virtual HRESULT accDoDefaultAction(VARIANT varChild) = 0;
    virtual HRESULT put_accName(VARIANT varChild, const BSTR& szName) = 0;
    virtual HRESULT put_accValue(VARIANT varChild, const BSTR& szValue) = 0;
};

// {00000114-0000-0000-C000-000000000046}
class IOleWindow {
public:
    virtual ~IOleWindow() = default;
    virtual HRESULT GetWindow(HWND* phwnd) = 0;
    virtual HRESULT ContextSensitiveHelp(BOOL fEnterMode) = 0;
};
