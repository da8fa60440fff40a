// TuiAccessibilityHelper: makes one user-interface object (a bar, an item control, a ribbon tab) an
// accessible object: the IAccessible calls are answered from a small set of virtual operations that
// descendants override (the tree of helpers, names, roles, states, bounds, hit testing, navigation and
// the default action). The base class answers for an object with no children and no properties. The
// helper lives as long as references to it exist; its owner tells it when the owner dies, after which
// every call answers S_OK with empty results.
#pragma once

#include "platform/rtl/Object.h"
#include "platform/vcl/ShortCuts.h"
#include "ui/painters/accessibility/AccessibleInterfaces.h"

#include <cstdint>
#include <string>

class TuiAccessibilityHelper;

// {D4890860-09B2-4648-BD9E-DFFBD140E5F1}: what an owner keeps of its helper. References are counted:
// AddRef and Release; the last Release frees the helper.
class IuiAccessibilityHelper {
public:
    virtual ~IuiAccessibilityHelper() = default;
    virtual TuiAccessibilityHelper* GetHelper() = 0;
    virtual void OwnerWasDestroyed() = 0;
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;
};

// The properties an object answers beyond its name, role and state.
using TuiAccessibilitySupportedProperties = std::uint8_t;
constexpr TuiAccessibilitySupportedProperties aspDefaultAction = 0x01;
constexpr TuiAccessibilitySupportedProperties aspDescription = 0x02;
constexpr TuiAccessibilitySupportedProperties aspFocus = 0x04;
constexpr TuiAccessibilitySupportedProperties aspLocationAndNavigation = 0x08;
constexpr TuiAccessibilitySupportedProperties aspKeyboardShortcut = 0x10;
constexpr TuiAccessibilitySupportedProperties aspValue = 0x20;

// The helper's own navigation directions.
enum TuiAccessibilityNavigationDirection : std::uint8_t {
    andLeft,
    andUp,
    andRight,
    andDown,
    andPrevious,
    andNext
};
// The direction of a NAVDIR_ code (up for codes it does not know).
TuiAccessibilityNavigationDirection uiNavigationDirectionOf(LONG ANavDir);

// Answers of GetHitTest.
constexpr int uiHitTestNothing = 0;
constexpr int uiHitTestSelf = 1;
constexpr int uiHitTestChild = 2;

class TuiAccessibilityHelper : public TObject,
                               public IuiAccessibilityHelper,
                               public IAccessible,
                               public IOleWindow {
public:
    explicit TuiAccessibilityHelper(TObject* AOwnerObject);

    TObject* OwnerObject() const { return FOwnerObject; }
    bool IsOwnerObjectLive() const { return FOwnerObjectLive; }

    // ---- IuiAccessibilityHelper
    TuiAccessibilityHelper* GetHelper() override { return this; }
    void OwnerWasDestroyed() override { FOwnerObjectLive = false; }
    ULONG AddRef() override { return ++FRefCount; }
    ULONG Release() override;

    // ---- Operations of every helper
    // True unless the object itself has STATE_SYSTEM_INVISIBLE.
    bool GetVisible();
    TuiAccessibilityHelper* GetRootHelper();
    // The next child (from before the first, or after the last, for a negative start) whose helper is a
    // selectable object; -1 when none. A start at or beyond the child count raises EovException.
    int GetNextSelectableChildIndex(int AStartIndex, bool AForward);

    // ---- What descendants answer (index 0 also stands for the object itself)
    virtual bool ChildIsSimpleElement(int AIndex);
    virtual void DoDefaultAction(int AIndex) {}
    virtual bool GetFocusedObject(bool& AChildIsFocused, int& AChildIndex) { return false; }
    virtual TuiAccessibilityHelper* ChildHelperAt(int AIndex) { return nullptr; }
    virtual int GetChildCount() { return 0; }
    virtual int IndexOfChildHelper(TuiAccessibilityHelper* AChild);
    virtual std::string GetDefaultActionDescription(int AIndex) { return {}; }
    virtual std::string DescriptionText(int AIndex) { return {}; }
    virtual int GetHitTest(int AScreenX, int AScreenY, int& AChildIndex) { return uiHitTestNothing; }
    virtual void GetKeyboardShortcutInfo(int AIndex, TShortCut& AShortCut, std::string& ACaption);
    virtual std::string GetName(int AIndex) { return {}; }
    virtual HWND GetOwnerWindow() { return nullptr; }
    virtual TuiAccessibilityHelper* GetParent() { return nullptr; }
    virtual LONG GetRole(int AIndex) { return 0; }
    virtual bool IsSelectableObject() { return false; }
    virtual LONG GetState(int AIndex) { return 0; }
    virtual TuiAccessibilitySupportedProperties GetSupportedProperties(int AIndex) { return 0; }
    virtual std::string GetValue(int AIndex);
    virtual int NavigateChild(int ACurrentIndex, TuiAccessibilityNavigationDirection ADirection);
    virtual void SetValue(int AIndex, const std::string& AValue) {}
    virtual void BoundsOnScreen(int AIndex, TRect& R) { R = TRect{0, 0, 0, 0}; }

    // ---- IDispatch: not implemented
    HRESULT GetTypeInfoCount(UINT* pctinfo) override;
    HRESULT GetTypeInfo(UINT iTInfo, DWORD lcid, void** ppTInfo) override;
    HRESULT GetIDsOfNames(const std::u16string* rgszNames, UINT cNames, DWORD lcid, LONG* rgDispId) override;
    HRESULT Invoke(LONG dispIdMember, DWORD lcid, WORD wFlags, void* pDispParams,
                   VARIANT* pVarResult) override;

    // ---- IAccessible
    HRESULT get_accParent(IDispatch** ppdispParent) override;
    HRESULT get_accChildCount(LONG* pcountChildren) override;
    HRESULT get_accChild(VARIANT varChild, IDispatch** ppdispChild) override;
    HRESULT get_accName(VARIANT varChild, BSTR* pszName) override;
    HRESULT get_accValue(VARIANT varChild, BSTR* pszValue) override;
    HRESULT get_accDescription(VARIANT varChild, BSTR* pszDescription) override;
    HRESULT get_accRole(VARIANT varChild, VARIANT* pvarRole) override;
    HRESULT get_accState(VARIANT varChild, VARIANT* pvarState) override;
    HRESULT get_accHelp(VARIANT varChild, BSTR* pszHelp) override;
    HRESULT get_accHelpTopic(BSTR* pszHelpFile, VARIANT varChild, LONG* pidTopic) override;
    HRESULT get_accKeyboardShortcut(VARIANT varChild, BSTR* pszKeyboardShortcut) override;
    HRESULT get_accFocus(VARIANT* pvarChild) override;
    HRESULT get_accSelection(VARIANT* pvarChildren) override;
    HRESULT get_accDefaultAction(VARIANT varChild, BSTR* pszDefaultAction) override;
    HRESULT accSelect(LONG flagsSelect, VARIANT varChild) override;
    HRESULT accLocation(LONG* pxLeft, LONG* pyTop, LONG* pcxWidth, LONG* pcyHeight,
                        VARIANT varChild) override;
    HRESULT accNavigate(LONG navDir, VARIANT varStart, VARIANT* pvarEndUpAt) override;
    HRESULT accHitTest(LONG xLeft, LONG yTop, VARIANT* pvarChild) override;
    HRESULT accDoDefaultAction(VARIANT varChild) override;
    HRESULT put_accName(VARIANT varChild, const BSTR& szName) override;
    HRESULT put_accValue(VARIANT varChild, const BSTR& szValue) override;

    // ---- IOleWindow
    HRESULT GetWindow(HWND* phwnd) override;
    HRESULT ContextSensitiveHelp(BOOL fEnterMode) override { return S_OK; }

protected:
    ~TuiAccessibilityHelper() override = default;

private:
    // The index the virtual operations get for a child id (0 for the object itself): S_OK, or
    // E_INVALIDARG for an id that is no simple element of this object.
    HRESULT CheckChildId(const VARIANT& AChild, int& AIndex);
    // A child id of a child with a helper of its own becomes that helper.
    void ConvertChildIdToHelper(VARIANT& AResult);
    bool Supports(int AIndex, TuiAccessibilitySupportedProperties AProperty) {
        return (GetSupportedProperties(AIndex) & AProperty) != 0;
    }

    TObject* FOwnerObject;
    bool FOwnerObjectLive = true;
    ULONG FRefCount = 0;
};

// The accelerator of a caption (the character after a single "&", upper-cased); empty without one.
std::string uiAcceleratorOfCaption(const std::string& ACaption);
