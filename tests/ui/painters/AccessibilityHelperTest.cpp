// The accessibility helper through a small fake tree: a toolbar with a plain button (child 1), a sub-menu
// item with a helper of its own (child 2) and a second plain button (child 3). Child ids and HRESULTs,
// navigation, hit tests, keyboard-shortcut text and an owner that died.
#include "PaintersTestSupport.h"

#include "platform/vcl/ShortCuts.h"
#include "platform/win/WinKeys.h"
#include "ui/core/base/CoreServices.h"
#include "ui/painters/accessibility/AccessibilityHelper.h"

#include <string>

using namespace painters_test;

namespace {

std::string Text(const BSTR& AText) {
    return ovWideStringToMultiByte(AText, 65001);
}

class TFakeItemHelper;

class TFakeToolbarHelper : public TuiAccessibilityHelper {
public:
    explicit TFakeToolbarHelper(TObject* AOwner) : TuiAccessibilityHelper(AOwner) {}
    TuiAccessibilityHelper* item = nullptr;
    TuiAccessibilitySupportedProperties supported = 0x3F;
    std::string captions[3] = {"&Open", "Sub", "Fish && &Chips"};
    int defaultActions = -1;
    int focused = -2; // -2 none, -1 the toolbar itself

    bool ChildIsSimpleElement(int AIndex) override { return AIndex != 1; }
    TuiAccessibilityHelper* ChildHelperAt(int AIndex) override { return AIndex == 1 ? item : nullptr; }
    int GetChildCount() override { return 3; }
    int IndexOfChildHelper(TuiAccessibilityHelper* AChild) override { return AChild == item ? 1 : -1; }
    std::string GetName(int AIndex) override { return AIndex == 2 ? "" : "Button " + std::to_string(AIndex); }
    std::string DescriptionText(int AIndex) override { return AIndex == 0 ? "Opens a file" : ""; }
    std::string GetDefaultActionDescription(int) override { return "Press"; }
    void DoDefaultAction(int AIndex) override { defaultActions = AIndex; }
    LONG GetRole(int) override { return 0x2B; }
    LONG GetState(int AIndex) override { return AIndex == 0 ? STATE_SYSTEM_FOCUSABLE : 0; }
    TuiAccessibilitySupportedProperties GetSupportedProperties(int) override { return supported; }
    std::string GetValue(int AIndex) override { return "value " + std::to_string(AIndex); }
    void GetKeyboardShortcutInfo(int AIndex, TShortCut& AShortCut, std::string& ACaption) override {
        ACaption = AIndex == 0 ? "Open" : captions[AIndex];
        AShortCut = ShortCut('O', scCtrl);
    }
    bool GetFocusedObject(bool& AChildIsFocused, int& AChildIndex) override {
        if (focused == -2) return false;
        AChildIsFocused = focused >= 0;
        AChildIndex = focused;
        return true;
    }
    void BoundsOnScreen(int AIndex, TRect& R) override {
        R = AIndex == 0 ? TRect{100, 100, 190, 124} : TRect{100 + 30 * AIndex, 100, 130 + 30 * AIndex, 124};
    }
    int GetHitTest(int X, int, int& AChildIndex) override {
        if (X >= 130) {
            AChildIndex = (X - 100) / 30;
            return uiHitTestChild;
        }
        return uiHitTestSelf;
    }
    // Left and right move between the three children, stopping at the ends.
    int NavigateChild(int ACurrent, TuiAccessibilityNavigationDirection ADirection) override {
        if (ADirection == andNext || ADirection == andRight) return ACurrent < 2 ? ACurrent + 1 : ACurrent;
        if (ADirection == andPrevious || ADirection == andLeft) return ACurrent > 0 ? ACurrent - 1 : ACurrent;
        return ACurrent;
    }
    HWND GetOwnerWindow() override { return reinterpret_cast<HWND>(0x1234); }
};

class TFakeItemHelper : public TuiAccessibilityHelper {
public:
    TFakeItemHelper(TObject* AOwner, TuiAccessibilityHelper* AParent)
        : TuiAccessibilityHelper(AOwner), parent(AParent) {}
    TuiAccessibilityHelper* parent;
    bool selectable = true;
    TuiAccessibilityHelper* GetParent() override { return parent; }
    TuiAccessibilitySupportedProperties GetSupportedProperties(int) override {
        return aspLocationAndNavigation;
    }
    bool IsSelectableObject() override { return selectable; }
    std::string GetName(int) override { return "Sub item"; }
};

class AccessibilityHelperTest : public PaintersTest {
protected:
    void SetUp() override {
        PaintersTest::SetUp();
        toolbar = new TFakeToolbarHelper(&owner);
        toolbar->AddRef();
        item = new TFakeItemHelper(&owner, toolbar);
        item->AddRef();
        toolbar->item = item;
    }
    void TearDown() override {
        item->Release();
        toolbar->Release();
        PaintersTest::TearDown();
    }
    TObject owner;
    TFakeToolbarHelper* toolbar = nullptr;
    TFakeItemHelper* item = nullptr;
};

VARIANT Id(LONG AId) {
    return MakeVariantI4(AId);
}

TEST_F(AccessibilityHelperTest, ChildIdsReachTheVirtualOperationsOrAreRefused) {
    struct Case {
        VARIANT id;
        HRESULT result;
        const char* name;
    } const cases[] = {
        {Id(CHILDID_SELF), S_OK, "Button 0"}, // the object itself is index 0, as child 1 is
        {Id(1), S_OK, "Button 0"},
        {Id(2), E_INVALIDARG, ""},  // a child with a helper of its own: ask that helper
        {Id(3), S_FALSE, ""},       // an empty name
        {Id(4), E_INVALIDARG, ""},  // beyond the count
        {Id(-1), E_INVALIDARG, ""}, // negative: refused before a descendant sees a negative index
        {VARIANT{}, E_INVALIDARG, ""},
    };
    for (const Case& c : cases) {
        BSTR name = u"stale";
        EXPECT_EQ(toolbar->get_accName(c.id, &name), c.result) << c.id.lVal;
        EXPECT_EQ(Text(name), c.name) << c.id.lVal;
    }
    LONG count = 0;
    EXPECT_EQ(toolbar->get_accChildCount(&count), S_OK);
    EXPECT_EQ(count, 3);
    VARIANT role;
    EXPECT_EQ(toolbar->get_accRole(Id(3), &role), S_OK);
    EXPECT_EQ(role.vt, VT_I4);
    EXPECT_EQ(role.lVal, 0x2B);
    VARIANT state;
    EXPECT_EQ(toolbar->get_accState(Id(1), &state), S_OK);
    EXPECT_EQ(state.lVal, STATE_SYSTEM_FOCUSABLE);
}

TEST_F(AccessibilityHelperTest, PropertiesAnswerOnlyWhenSupported) {
    BSTR text;
    VARIANT v;
    LONG l = 0, t = 0, w = 0, h = 0;
    EXPECT_EQ(toolbar->get_accDescription(Id(1), &text), S_OK);
    EXPECT_EQ(Text(text), "Opens a file");
    EXPECT_EQ(toolbar->get_accDescription(Id(3), &text), S_FALSE);
    EXPECT_EQ(toolbar->get_accValue(Id(3), &text), S_OK);
    EXPECT_EQ(Text(text), "value 2");
    EXPECT_EQ(toolbar->put_accValue(Id(1), u"x"), S_OK);
    EXPECT_EQ(toolbar->get_accDefaultAction(Id(1), &text), S_OK);
    EXPECT_EQ(Text(text), "Press");
    EXPECT_EQ(toolbar->accDoDefaultAction(Id(3)), S_OK);
    EXPECT_EQ(toolbar->defaultActions, 2);
    EXPECT_EQ(toolbar->accLocation(&l, &t, &w, &h, Id(3)), S_OK);
    EXPECT_EQ((TRect{l, t, w, h}), (TRect{160, 100, 30, 24}));
    toolbar->supported = 0;
    struct Case {
        const char* what;
        HRESULT result;
    } const cases[] = {
        {"value", toolbar->get_accValue(Id(1), &text)},
        {"put value", toolbar->put_accValue(Id(1), u"x")},
        {"description", toolbar->get_accDescription(Id(1), &text)},
        {"focus", toolbar->get_accFocus(&v)},
        {"default action", toolbar->get_accDefaultAction(Id(1), &text)},
        {"do default action", toolbar->accDoDefaultAction(Id(1))},
        {"location", toolbar->accLocation(&l, &t, &w, &h, Id(1))},
        {"hit test", toolbar->accHitTest(110, 110, &v)},
        {"navigate", toolbar->accNavigate(NAVDIR_NEXT, Id(1), &v)},
        {"shortcut", toolbar->get_accKeyboardShortcut(Id(1), &text)},
        {"help", toolbar->get_accHelp(Id(1), &text)},
        {"selection", toolbar->get_accSelection(&v)},
        {"select", toolbar->accSelect(1, Id(1))},
        {"put name", toolbar->put_accName(Id(1), u"x")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.result, DISP_E_MEMBERNOTFOUND) << c.what;
    UINT count = 0;
    EXPECT_EQ(toolbar->GetTypeInfoCount(&count), E_NOTIMPL);
    EXPECT_EQ(toolbar->Invoke(0, 0, 0, nullptr, nullptr), E_NOTIMPL);
    HWND window = nullptr;
    EXPECT_EQ(toolbar->GetWindow(&window), S_OK);
    EXPECT_EQ(window, reinterpret_cast<HWND>(0x1234));
    EXPECT_EQ(toolbar->ContextSensitiveHelp(TRUE), S_OK);
}

TEST_F(AccessibilityHelperTest, ChildrenWithHelpersAreHandedOutAsTheirObjects) {
    IDispatch* child = nullptr;
    EXPECT_EQ(toolbar->get_accChild(VARIANT{}, &child), E_INVALIDARG);
    EXPECT_EQ(toolbar->get_accChild(Id(1), &child), S_FALSE);
    EXPECT_EQ(child, nullptr);
    EXPECT_EQ(toolbar->get_accChild(Id(2), &child), S_OK);
    EXPECT_EQ(child, static_cast<IAccessible*>(item));
    EXPECT_EQ(toolbar->get_accChild(Id(4), &child), E_INVALIDARG);
    IDispatch* parent = nullptr;
    EXPECT_EQ(item->get_accParent(&parent), S_OK);
    EXPECT_EQ(parent, static_cast<IAccessible*>(toolbar));
    // Without a parent and without the system's accessibility library there is nothing to answer.
    EXPECT_EQ(toolbar->get_accParent(&parent), S_FALSE);
    EXPECT_EQ(parent, nullptr);
    EXPECT_EQ(item->GetRootHelper(), toolbar);
}

TEST_F(AccessibilityHelperTest, NavigationBetweenChildrenAndFromAChildHelper) {
    struct Case {
        LONG direction;
        VARIANT start;
        HRESULT result;
        VARTYPE vt;
        LONG id;
    } const cases[] = {
        {NAVDIR_FIRSTCHILD, Id(CHILDID_SELF), S_OK, VT_I4, 1},
        {NAVDIR_LASTCHILD, Id(CHILDID_SELF), S_OK, VT_I4, 3},
        {NAVDIR_FIRSTCHILD, Id(1), E_INVALIDARG, VT_EMPTY, 0},
        {NAVDIR_NEXT, Id(2), S_OK, VT_I4, 3},
        {NAVDIR_RIGHT, Id(3), S_FALSE, VT_EMPTY, 0},
        {NAVDIR_PREVIOUS, Id(1), S_FALSE, VT_EMPTY, 0},
        {NAVDIR_NEXT, Id(4), E_INVALIDARG, VT_EMPTY, 0},
        {NAVDIR_NEXT, Id(-3), E_INVALIDARG, VT_EMPTY, 0},
    };
    for (const Case& c : cases) {
        VARIANT result;
        EXPECT_EQ(toolbar->accNavigate(c.direction, c.start, &result), c.result)
            << c.direction << "/" << c.start.lVal;
        EXPECT_EQ(result.vt, c.vt);
        EXPECT_EQ(result.lVal, c.id);
    }
    // Moving onto the child with a helper hands out that helper.
    VARIANT result;
    EXPECT_EQ(toolbar->accNavigate(NAVDIR_NEXT, Id(1), &result), S_OK);
    EXPECT_EQ(result.vt, VT_DISPATCH);
    EXPECT_EQ(result.pdispVal, static_cast<IAccessible*>(item));
    // From the child helper itself the parent navigates, from the child's place in it.
    EXPECT_EQ(item->accNavigate(NAVDIR_NEXT, Id(CHILDID_SELF), &result), S_OK);
    EXPECT_EQ(result.vt, VT_I4);
    EXPECT_EQ(result.lVal, 3);
    toolbar->supported = 0;
    EXPECT_EQ(item->accNavigate(NAVDIR_NEXT, Id(CHILDID_SELF), &result), S_FALSE);
    EXPECT_EQ(uiNavigationDirectionOf(NAVDIR_UP), andUp);
    EXPECT_EQ(uiNavigationDirectionOf(NAVDIR_LEFT), andLeft);
    EXPECT_EQ(uiNavigationDirectionOf(42), andUp);
}

TEST_F(AccessibilityHelperTest, HitTestsAndFocus) {
    VARIANT result;
    EXPECT_EQ(toolbar->accHitTest(50, 50, &result), S_FALSE);
    EXPECT_EQ(result.vt, VT_EMPTY);
    EXPECT_EQ(toolbar->accHitTest(110, 110, &result), S_OK);
    EXPECT_EQ(result.vt, VT_I4);
    EXPECT_EQ(result.lVal, CHILDID_SELF);
    EXPECT_EQ(toolbar->accHitTest(170, 110, &result), S_OK);
    EXPECT_EQ(result.lVal, 3);
    EXPECT_EQ(toolbar->accHitTest(140, 110, &result), S_OK);
    EXPECT_EQ(result.vt, VT_DISPATCH);
    EXPECT_EQ(toolbar->get_accFocus(&result), S_FALSE);
    toolbar->focused = -1;
    EXPECT_EQ(toolbar->get_accFocus(&result), S_OK);
    EXPECT_EQ(result.lVal, CHILDID_SELF);
    toolbar->focused = 2;
    EXPECT_EQ(toolbar->get_accFocus(&result), S_OK);
    EXPECT_EQ(result.lVal, 3);
}

TEST_F(AccessibilityHelperTest, KeyboardShortcutsFromTheAcceleratorOrTheShortcut) {
    BSTR text;
    // Child 1: no accelerator in "Open": the shortcut's text.
    EXPECT_EQ(toolbar->get_accKeyboardShortcut(Id(1), &text), S_OK);
    EXPECT_EQ(Text(text), ShortCutToText(ShortCut('O', scCtrl)));
    EXPECT_EQ(toolbar->get_accKeyboardShortcut(Id(3), &text), S_OK);
    EXPECT_EQ(Text(text), "C");
    struct Case {
        const char* caption;
        const char* accelerator;
    } const cases[] = {
        {"&Open", "O"},      {"Save &as", "A"}, {"Fish && &Chips", "C"},           {"No accelerator", ""},
        {"Ends with &", ""}, {"&&", ""},        {"&\xC3\xA9t\xC3\xA9", "\xC3\x89"}};
    for (const Case& c : cases)
        EXPECT_EQ(uiAcceleratorOfCaption(c.caption), c.accelerator) << c.caption;
}

TEST_F(AccessibilityHelperTest, AHelperWhoseOwnerDiedAnswersEmptyResults) {
    toolbar->OwnerWasDestroyed();
    EXPECT_FALSE(toolbar->IsOwnerObjectLive());
    for (VARIANT id : {Id(CHILDID_SELF), Id(2), Id(99), Id(-5)}) {
        BSTR name = u"stale";
        EXPECT_EQ(toolbar->get_accName(id, &name), S_OK);
        EXPECT_TRUE(name.empty());
    }
    VARIANT result;
    EXPECT_EQ(toolbar->accNavigate(NAVDIR_FIRSTCHILD, Id(CHILDID_SELF), &result), S_OK);
    EXPECT_EQ(result.vt, VT_EMPTY);
    EXPECT_EQ(toolbar->accHitTest(110, 110, &result), S_OK);
    EXPECT_EQ(result.vt, VT_EMPTY);
    LONG count = 7;
    EXPECT_EQ(toolbar->get_accChildCount(&count), S_OK);
    EXPECT_EQ(count, 0);
    // Navigating from a live child helper does not ask a dead parent.
    EXPECT_EQ(item->accNavigate(NAVDIR_NEXT, Id(CHILDID_SELF), &result), S_FALSE);
}

TEST_F(AccessibilityHelperTest, SelectableChildrenAndVisibility) {
    EXPECT_EQ(toolbar->GetNextSelectableChildIndex(-1, true), 1);
    EXPECT_EQ(toolbar->GetNextSelectableChildIndex(-1, false), 1);
    EXPECT_EQ(toolbar->GetNextSelectableChildIndex(1, true), -1);
    EXPECT_EQ(toolbar->GetNextSelectableChildIndex(2, false), 1);
    EXPECT_THROW(toolbar->GetNextSelectableChildIndex(3, true), EovException);
    item->selectable = false;
    EXPECT_EQ(toolbar->GetNextSelectableChildIndex(-1, true), -1);
    EXPECT_TRUE(toolbar->GetVisible());
    // The base class answers for an object without children or properties.
    auto* plain = new TuiAccessibilityHelper(&owner);
    plain->AddRef();
    BSTR name;
    EXPECT_EQ(plain->get_accName(Id(CHILDID_SELF), &name), S_FALSE);
    EXPECT_EQ(plain->get_accName(Id(1), &name), E_INVALIDARG);
    EXPECT_THROW(plain->NavigateChild(0, andNext), EovException);
    EXPECT_EQ(plain->Release(), 0u);
}

} // namespace
