#include "ui/painters/accessibility/AccessibilityHelper.h"

#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Utf8.h"
#include "ui/core/base/CoreServices.h"

namespace accessibility_detail {

constexpr unsigned Utf8CodePage = 65001;

BSTR ToBSTR(const std::string& AText) {
    return ovMultiByteToWideString(AText, Utf8CodePage);
}

std::string FromBSTR(const BSTR& AText) {
    return ovWideStringToMultiByte(AText, Utf8CodePage);
}

// S_OK for a non-empty text, S_FALSE for an empty one.
HRESULT AnswerText(const std::string& AText, BSTR* AOut) {
    *AOut = ToBSTR(AText);
    return AText.empty() ? S_FALSE : S_OK;
}

} // namespace accessibility_detail

using namespace accessibility_detail;

TuiAccessibilityNavigationDirection uiNavigationDirectionOf(LONG ANavDir) {
    switch (ANavDir) {
    case NAVDIR_DOWN:
        return andDown;
    case NAVDIR_LEFT:
        return andLeft;
    case NAVDIR_RIGHT:
        return andRight;
    case NAVDIR_NEXT:
        return andNext;
    case NAVDIR_PREVIOUS:
        return andPrevious;
    case NAVDIR_UP:
    default:
        return andUp;
    }
}

std::string uiAcceleratorOfCaption(const std::string& ACaption) {
    for (std::size_t i = 0; i + 1 < ACaption.size(); ++i) {
        if (ACaption[i] != '&') continue;
        if (ACaption[i + 1] == '&') {
            ++i; // "&&" stands for an ampersand
            continue;
        }
        std::size_t end = i + 1;
        Utf8Next(ACaption, end);
        return AnsiUpperCase(ACaption.substr(i + 1, end - i - 1));
    }
    return {};
}

TuiAccessibilityHelper::TuiAccessibilityHelper(TObject* AOwnerObject) : FOwnerObject(AOwnerObject) {}

ULONG TuiAccessibilityHelper::Release() {
    const ULONG count = --FRefCount;
    if (count == 0) delete this;
    return count;
}

// ---- Operations of every helper

bool TuiAccessibilityHelper::GetVisible() {
    return (GetState(0) & STATE_SYSTEM_INVISIBLE) == 0;
}

TuiAccessibilityHelper* TuiAccessibilityHelper::GetRootHelper() {
    TuiAccessibilityHelper* helper = this;
    while (TuiAccessibilityHelper* parent = helper->GetParent())
        helper = parent;
    return helper;
}

int TuiAccessibilityHelper::GetNextSelectableChildIndex(int AStartIndex, bool AForward) {
    const int count = GetChildCount();
    if (AStartIndex >= count) throw EovException("");
    int index = AStartIndex;
    if (index < 0) index = AForward ? -1 : count;
    for (index += AForward ? 1 : -1; index >= 0 && index < count; index += AForward ? 1 : -1) {
        TuiAccessibilityHelper* child = ChildHelperAt(index);
        if (child != nullptr && child->IsSelectableObject()) return index;
    }
    return -1;
}

bool TuiAccessibilityHelper::ChildIsSimpleElement(int) {
    throw EovException("");
}

int TuiAccessibilityHelper::IndexOfChildHelper(TuiAccessibilityHelper*) {
    throw EovException("");
}

void TuiAccessibilityHelper::GetKeyboardShortcutInfo(int, TShortCut& AShortCut, std::string& ACaption) {
    AShortCut = scNone;
    ACaption.clear();
}

std::string TuiAccessibilityHelper::GetValue(int) {
    throw EovException("");
}

int TuiAccessibilityHelper::NavigateChild(int, TuiAccessibilityNavigationDirection) {
    throw EovException("");
}

// ---- Child ids

HRESULT TuiAccessibilityHelper::CheckChildId(const VARIANT& AChild, int& AIndex) {
    if (AChild.vt != VT_I4) return E_INVALIDARG;
    const LONG id = AChild.lVal;
    if (id == CHILDID_SELF) {
        AIndex = 0;
        return S_OK;
    }
    // A negative id names no child: refused before any descendant sees a negative index.
    if (id < 0 || id > GetChildCount()) return E_INVALIDARG;
    AIndex = id - 1;
    return ChildIsSimpleElement(AIndex) ? S_OK : E_INVALIDARG;
}

void TuiAccessibilityHelper::ConvertChildIdToHelper(VARIANT& AResult) {
    if (AResult.vt != VT_I4 || AResult.lVal == CHILDID_SELF) return;
    const int index = AResult.lVal - 1;
    if (ChildIsSimpleElement(index)) return;
    TuiAccessibilityHelper* child = ChildHelperAt(index);
    AResult = VARIANT{};
    if (child == nullptr) return;
    AResult.vt = VT_DISPATCH;
    AResult.pdispVal = static_cast<IAccessible*>(child);
}

// ---- IDispatch

HRESULT TuiAccessibilityHelper::GetTypeInfoCount(UINT*) {
    return E_NOTIMPL;
}
HRESULT TuiAccessibilityHelper::GetTypeInfo(UINT, DWORD, void**) {
    return E_NOTIMPL;
}
HRESULT TuiAccessibilityHelper::GetIDsOfNames(const std::u16string*, UINT, DWORD, LONG*) {
    return E_NOTIMPL;
}
HRESULT TuiAccessibilityHelper::Invoke(LONG, DWORD, WORD, void*, VARIANT*) {
    return E_NOTIMPL;
}

// ---- IAccessible

HRESULT TuiAccessibilityHelper::get_accParent(IDispatch** ppdispParent) {
    *ppdispParent = nullptr;
    if (!FOwnerObjectLive) return S_OK;
    if (TuiAccessibilityHelper* parent = GetParent()) {
        *ppdispParent = static_cast<IAccessible*>(parent);
        return S_OK;
    }
    // The accessible object of the owner window's parent comes from the system's accessibility library,
    // which the platform does not have.
    return S_FALSE;
}

HRESULT TuiAccessibilityHelper::get_accChildCount(LONG* pcountChildren) {
    *pcountChildren = 0;
    if (!FOwnerObjectLive) return S_OK;
    *pcountChildren = GetChildCount();
    return S_OK;
}

HRESULT TuiAccessibilityHelper::get_accChild(VARIANT varChild, IDispatch** ppdispChild) {
    *ppdispChild = nullptr;
    if (!FOwnerObjectLive) return S_OK;
    if (varChild.vt != VT_I4) return E_INVALIDARG;
    const LONG id = varChild.lVal;
    if (id < 1 || id > GetChildCount()) return E_INVALIDARG;
    if (ChildIsSimpleElement(id - 1)) return S_FALSE;
    TuiAccessibilityHelper* child = ChildHelperAt(id - 1);
    if (child == nullptr) return S_FALSE;
    *ppdispChild = static_cast<IAccessible*>(child);
    return S_OK;
}

HRESULT TuiAccessibilityHelper::get_accName(VARIANT varChild, BSTR* pszName) {
    pszName->clear();
    if (!FOwnerObjectLive) return S_OK;
    int index;
    if (HRESULT hr = CheckChildId(varChild, index); hr != S_OK) return hr;
    return AnswerText(GetName(index), pszName);
}

HRESULT TuiAccessibilityHelper::get_accValue(VARIANT varChild, BSTR* pszValue) {
    pszValue->clear();
    if (!FOwnerObjectLive) return S_OK;
    int index;
    if (HRESULT hr = CheckChildId(varChild, index); hr != S_OK) return hr;
    if (!Supports(index, aspValue)) return DISP_E_MEMBERNOTFOUND;
    *pszValue = ToBSTR(GetValue(index));
    return S_OK;
}

HRESULT TuiAccessibilityHelper::get_accDescription(VARIANT varChild, BSTR* pszDescription) {
    pszDescription->clear();
    if (!FOwnerObjectLive) return S_OK;
    int index;
    if (HRESULT hr = CheckChildId(varChild, index); hr != S_OK) return hr;
    if (!Supports(index, aspDescription)) return DISP_E_MEMBERNOTFOUND;
    return AnswerText(DescriptionText(index), pszDescription);
}

HRESULT TuiAccessibilityHelper::get_accRole(VARIANT varChild, VARIANT* pvarRole) {
    *pvarRole = VARIANT{};
    if (!FOwnerObjectLive) return S_OK;
    int index;
    if (HRESULT hr = CheckChildId(varChild, index); hr != S_OK) return hr;
    *pvarRole = MakeVariantI4(GetRole(index));
    return S_OK;
}

HRESULT TuiAccessibilityHelper::get_accState(VARIANT varChild, VARIANT* pvarState) {
    *pvarState = VARIANT{};
    if (!FOwnerObjectLive) return S_OK;
    int index;
    if (HRESULT hr = CheckChildId(varChild, index); hr != S_OK) return hr;
    *pvarState = MakeVariantI4(GetState(index));
    return S_OK;
}

HRESULT TuiAccessibilityHelper::get_accHelp(VARIANT, BSTR* pszHelp) {
    pszHelp->clear();
    return FOwnerObjectLive ? DISP_E_MEMBERNOTFOUND : S_OK;
}

HRESULT TuiAccessibilityHelper::get_accHelpTopic(BSTR* pszHelpFile, VARIANT, LONG* pidTopic) {
    pszHelpFile->clear();
    *pidTopic = 0;
    return FOwnerObjectLive ? DISP_E_MEMBERNOTFOUND : S_OK;
}

HRESULT TuiAccessibilityHelper::get_accKeyboardShortcut(VARIANT varChild, BSTR* pszKeyboardShortcut) {
    pszKeyboardShortcut->clear();
    if (!FOwnerObjectLive) return S_OK;
    int index;
    if (HRESULT hr = CheckChildId(varChild, index); hr != S_OK) return hr;
    if (!Supports(index, aspKeyboardShortcut)) return DISP_E_MEMBERNOTFOUND;
    TShortCut shortCut = scNone;
    std::string caption;
    GetKeyboardShortcutInfo(index, shortCut, caption);
    std::string text = uiAcceleratorOfCaption(caption);
    if (text.empty()) text = ShortCutToText(shortCut);
    return AnswerText(text, pszKeyboardShortcut);
}

HRESULT TuiAccessibilityHelper::get_accFocus(VARIANT* pvarChild) {
    *pvarChild = VARIANT{};
    if (!FOwnerObjectLive) return S_OK;
    if (!Supports(0, aspFocus)) return DISP_E_MEMBERNOTFOUND;
    bool childIsFocused = false;
    int childIndex = -1;
    if (!GetFocusedObject(childIsFocused, childIndex)) return S_FALSE;
    *pvarChild = MakeVariantI4(childIsFocused ? childIndex + 1 : CHILDID_SELF);
    ConvertChildIdToHelper(*pvarChild);
    return S_OK;
}

HRESULT TuiAccessibilityHelper::get_accSelection(VARIANT* pvarChildren) {
    *pvarChildren = VARIANT{};
    return FOwnerObjectLive ? DISP_E_MEMBERNOTFOUND : S_OK;
}

HRESULT TuiAccessibilityHelper::get_accDefaultAction(VARIANT varChild, BSTR* pszDefaultAction) {
    pszDefaultAction->clear();
    if (!FOwnerObjectLive) return S_OK;
    int index;
    if (HRESULT hr = CheckChildId(varChild, index); hr != S_OK) return hr;
    if (!Supports(index, aspDefaultAction)) return DISP_E_MEMBERNOTFOUND;
    *pszDefaultAction = ToBSTR(GetDefaultActionDescription(index));
    return S_OK;
}

HRESULT TuiAccessibilityHelper::accSelect(LONG, VARIANT) {
    return FOwnerObjectLive ? DISP_E_MEMBERNOTFOUND : S_OK;
}

HRESULT TuiAccessibilityHelper::accLocation(LONG* pxLeft, LONG* pyTop, LONG* pcxWidth, LONG* pcyHeight,
                                            VARIANT varChild) {
    *pxLeft = *pyTop = *pcxWidth = *pcyHeight = 0;
    if (!FOwnerObjectLive) return S_OK;
    int index;
    if (HRESULT hr = CheckChildId(varChild, index); hr != S_OK) return hr;
    if (!Supports(index, aspLocationAndNavigation)) return DISP_E_MEMBERNOTFOUND;
    TRect r{0, 0, 0, 0};
    BoundsOnScreen(index, r);
    *pxLeft = r.left;
    *pyTop = r.top;
    *pcxWidth = r.right - r.left;
    *pcyHeight = r.bottom - r.top;
    return S_OK;
}

HRESULT TuiAccessibilityHelper::accNavigate(LONG navDir, VARIANT varStart, VARIANT* pvarEndUpAt) {
    *pvarEndUpAt = VARIANT{};
    if (!FOwnerObjectLive) return S_OK;
    if (varStart.vt != VT_I4) return E_INVALIDARG;
    const LONG start = varStart.lVal;
    if (navDir == NAVDIR_FIRSTCHILD || navDir == NAVDIR_LASTCHILD) {
        if (start != CHILDID_SELF) return E_INVALIDARG;
        if (!Supports(0, aspLocationAndNavigation)) return DISP_E_MEMBERNOTFOUND;
        const int count = GetChildCount();
        if (count == 0) return S_FALSE;
        *pvarEndUpAt = MakeVariantI4(navDir == NAVDIR_FIRSTCHILD ? 1 : count);
        ConvertChildIdToHelper(*pvarEndUpAt);
        return S_OK;
    }
    if (start == CHILDID_SELF) {
        if (!Supports(0, aspLocationAndNavigation)) return DISP_E_MEMBERNOTFOUND;
        TuiAccessibilityHelper* parent = GetParent();
        if (parent == nullptr || !parent->IsOwnerObjectLive() ||
            !parent->Supports(0, aspLocationAndNavigation))
            return S_FALSE;
        const VARIANT inParent = MakeVariantI4(parent->IndexOfChildHelper(this) + 1);
        return parent->accNavigate(navDir, inParent, pvarEndUpAt) == S_OK ? S_OK : S_FALSE;
    }
    if (start < 0 || start > GetChildCount()) return E_INVALIDARG;
    if (!Supports(start - 1, aspLocationAndNavigation)) return DISP_E_MEMBERNOTFOUND;
    const int current = start - 1;
    const int next = NavigateChild(current, uiNavigationDirectionOf(navDir));
    if (next == current) return S_FALSE;
    *pvarEndUpAt = MakeVariantI4(next + 1);
    ConvertChildIdToHelper(*pvarEndUpAt);
    return S_OK;
}

HRESULT TuiAccessibilityHelper::accHitTest(LONG xLeft, LONG yTop, VARIANT* pvarChild) {
    *pvarChild = VARIANT{};
    if (!FOwnerObjectLive) return S_OK;
    if (!Supports(0, aspLocationAndNavigation)) return DISP_E_MEMBERNOTFOUND;
    TRect bounds{0, 0, 0, 0};
    BoundsOnScreen(0, bounds);
    if (xLeft < bounds.left || xLeft >= bounds.right || yTop < bounds.top || yTop >= bounds.bottom)
        return S_FALSE;
    int childIndex = -1;
    switch (GetHitTest(xLeft, yTop, childIndex)) {
    case uiHitTestSelf:
        *pvarChild = MakeVariantI4(CHILDID_SELF);
        break;
    case uiHitTestChild:
        *pvarChild = MakeVariantI4(childIndex + 1);
        ConvertChildIdToHelper(*pvarChild);
        break;
    default:
        return S_FALSE;
    }
    return S_OK;
}

HRESULT TuiAccessibilityHelper::accDoDefaultAction(VARIANT varChild) {
    if (!FOwnerObjectLive) return S_OK;
    int index;
    if (HRESULT hr = CheckChildId(varChild, index); hr != S_OK) return hr;
    if (!Supports(index, aspDefaultAction)) return DISP_E_MEMBERNOTFOUND;
    DoDefaultAction(index);
    return S_OK;
}

HRESULT TuiAccessibilityHelper::put_accName(VARIANT, const BSTR&) {
    return FOwnerObjectLive ? DISP_E_MEMBERNOTFOUND : S_OK;
}

HRESULT TuiAccessibilityHelper::put_accValue(VARIANT varChild, const BSTR& szValue) {
    if (!FOwnerObjectLive) return S_OK;
    int index;
    if (HRESULT hr = CheckChildId(varChild, index); hr != S_OK) return hr;
    if (!Supports(index, aspValue)) return DISP_E_MEMBERNOTFOUND;
    SetValue(index, FromBSTR(szValue));
    return S_OK;
}

// ---- IOleWindow

HRESULT TuiAccessibilityHelper::GetWindow(HWND* phwnd) {
    *phwnd = FOwnerObjectLive ? GetOwnerWindow() : nullptr;
    return S_OK;
}
