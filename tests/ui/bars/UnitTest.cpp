#include "BarsTestSupport.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiDC.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/Panel.h"
#include "platform/win/Input.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemRegistry.h"
#include "ui/bars/BarLabels.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarRoutines.h"
#include "ui/bars/BarStrings.h"
#include "ui/bars/extitems/BarMRUListItem.h"
#include "ui/bars/extitems/BarStaticItems.h"

using namespace bars_test;

TEST_F(BarsTest, TextsAreExactAndReplaceableUnderTheProductSection) {
    EXPECT_EQ(ovBarStringCount(), 204);
    const std::pair<const TResStringRec*, const char*> texts[] = {
        {&ovSBAR_TOOLBARNEWNAME, "Custom "},
        {&ovSBAR_DESCRIPTION, "Description  "},
        {&ovSBAR_TABSHEET2, " Commands "},
        {&ovSBAR_CP_SINGLEVIEWLEVELITEMSUFFIX, " ONLY"},
        {&ovSBAR_WANTTORESETUSAGEDATA, "This will delete the record of the commands you've used in this "
                                       "application and restore the default "
                                       "set of visible commands to the menus and toolbars. It will not undo "
                                       "any explicit customizations.   Are "
                                       "you sure you want to proceed?"},
        {&SBlob, "(Blob)"},
        {&ovSBAR_MENUANIM1, "(None)"},
    };
    for (auto [string, text] : texts)
        EXPECT_EQ(uiGetResourceString(*string), text) << string->Identifier;
    TovResourceStringsRepository* repository = ovResourceStringsRepository();
    const int index = repository->IndexOfProduct("Quorvex");
    ASSERT_GE(index, 0);
    TovProductResourceStrings* product = repository->Products(index);
    EXPECT_EQ(product->Count(), 204);
    TResStringRec* caption = product->Find("ovSBAR_CAPTION");
    ASSERT_EQ(caption, &ovSBAR_CAPTION);
    caption->Text = "Anpassen";
    EXPECT_EQ(uiGetResourceString(ovSBAR_CAPTION), "Anpassen");
    caption->Text = "Customize";
}

TEST_F(BarsTest, RegistryCountsVisibleClassesAndMatchesExactClasses) {
    TovBarItemList* list = BarItemList();
    // The unit's own nine, then the ready-made items (ui/bars/extitems).
    EXPECT_EQ(list->VisibleItemClass(8), TuiClassRef::Of<TovBarSeparator>());
    EXPECT_EQ(list->VisibleItemClass(9), TuiClassRef::Of<TovBarStatic>());
    EXPECT_EQ(list->VisibleItemClass(list->VisibleCount() - 1), TuiClassRef::Of<TovBarMRUListItem>());
    EXPECT_EQ(list->VisibleItemClass(list->VisibleCount()), nullptr);

    class Derived : public TovBarButton {
    public:
        using TovBarButton::TovBarButton;
    };
    static const TovBarItemControlClass a{"A", nullptr}, b{"B", nullptr};
    const int before = list->Count();
    ovBarRegisterItemClass(TuiClassRef::Of<Derived>(), &a, false, nullptr, nullptr);
    ovBarRegisterItemClass(TuiClassRef::Of<TovBarLabel>(), &b, false, nullptr, nullptr);
    ovBarRegisterItemClass(TuiClassRef::Of<Derived>(), &b, false, nullptr, nullptr);
    auto* item = new Derived(form);
    EXPECT_EQ(item->GetControlClass(), &a);
    ovBarUnregisterItem(TuiClassRef::Of<Derived>());
    EXPECT_EQ(item->GetControlClass(), &b) << "the second entry is still found";
    ovBarUnregisterItem(TuiClassRef::Of<Derived>());
    EXPECT_EQ(item->GetControlClass(), nullptr) << "a descendant that did not register gets none";
    ovBarUnregisterItem(TuiClassRef::Of<Derived>()); // unknown: nothing
    EXPECT_EQ(list->Count(), before + 1);
    delete list->Records(list->Count() - 1);
    list->Delete(list->Count() - 1);
}

TEST_F(BarsTest, NextManagerWithASingleQualifyingManager) {
    TovBarManager* manager = MakeManager();
    form->HandleNeeded();
    EXPECT_EQ(BarManagerList()->GetNextManager(manager, true), manager);
    EXPECT_EQ(BarManagerList()->GetNextManager(manager, false), manager);
}

TEST(BarRoutines, AcceleratorPositions) {
    struct Case {
        const char* text;
        bool remove;
        int position;
        const char* after;
    };
    const Case cases[] = {{"Save &As", false, 7, "Save &As"}, {"Save &As", true, 6, "Save As"},
                          {"R&&D", false, 0, "R&&D"},         {"R&&D", true, 0, "R&D"},
                          {"&a&b", false, 4, "&a&b"},         {"none&", false, 0, "none&"}};
    for (const Case& c : cases) {
        std::string text = c.text;
        EXPECT_EQ(FindAccelCharPos(text, c.remove), c.position) << c.text;
        EXPECT_EQ(text, c.after) << c.text;
    }
}

TEST_F(BarsTest, ShortCutFromKeyReadsTheKeyboard) {
    EXPECT_EQ(GetShortCutFromKey(0, 0), 0);
    // The keys reach the thread's keyboard state through a focused window.
    form->Show();
    olva::win::PumpMessages();
    olva::win::InjectKey(VK_CONTROL, true);
    olva::win::InjectKey(VK_SHIFT, true);
    olva::win::PumpMessages();
    EXPECT_EQ(GetShortCutFromKey('S', 0), 0x6053);
    EXPECT_EQ(GetShortCutFromKey('S', 0x20000000), 0xE053);
    olva::win::InjectKey(VK_SHIFT, false);
    olva::win::InjectKey(VK_CONTROL, false);
    olva::win::PumpMessages();
    EXPECT_EQ(GetShortCutHintText(0x4043), " (Ctrl+C)");
    EXPECT_EQ(GetShortCutHintText(0), "");
}

TEST(BarRoutines, DirectionalNavigationPicksTheNearestAndWraps) {
    // A row of three buttons and one below the middle one.
    const std::vector<RECT> candidates = {{0, 0, 20, 20}, {30, 0, 50, 20}, {60, 0, 80, 20}, {30, 30, 50, 50}};
    EXPECT_EQ(GetNearestAccessibleObjectInDirection(candidates[1], candidates, ndRight, false), 2);
    EXPECT_EQ(GetNearestAccessibleObjectInDirection(candidates[1], candidates, ndLeft, false), 0);
    EXPECT_EQ(GetNearestAccessibleObjectInDirection(candidates[1], candidates, ndDown, false), 3);
    EXPECT_EQ(GetNearestAccessibleObjectInDirection(candidates[2], candidates, ndRight, false), -1);
    EXPECT_EQ(GetNearestAccessibleObjectInDirection(candidates[2], candidates, ndRight, true), 0);
    EXPECT_EQ(GetNearestAccessibleObjectInDirection(candidates[0], candidates, 4, true), -1);
    UINT_PTR id = 0;
    EXPECT_FALSE(ovBarKillTimer(nullptr, id));
    EXPECT_EQ(id, 0u);
}

TEST_F(BarsTest, LookupsOnHeadlessWindows) {
    TovBarManager* manager = MakeManager();
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    auto* inner = new TPanel(form);
    inner->SetParent(panel);
    auto* other = TCustomForm::New<TForm>(nullptr);
    form->HandleNeeded();
    inner->HandleNeeded();
    other->HandleNeeded();
    EXPECT_EQ(GetBarManagerOfComponent(form), manager);
    EXPECT_EQ(GetBarManagerOfComponent(manager), manager);
    EXPECT_EQ(GetBarManagerOfComponent(panel), nullptr);
    EXPECT_EQ(FindBarManagerOfWindow(form->Handle()), manager);
    EXPECT_EQ(FindBarManagerOfComponentWindow(inner), manager) << "found up the parent windows";
    EXPECT_EQ(FindBarManagerOfComponentWindow(other), nullptr);
    EXPECT_EQ(FindParentVCLControl(inner->Handle()), panel);
    EXPECT_EQ(FindParentVCLControl(form->Handle()), nullptr) << "not above a top-level window";
    EXPECT_EQ(GetControlForm(inner, fkNearest), form);
    EXPECT_EQ(GetControlForm(inner, fkOutermost), form);
    EXPECT_EQ(GetFormOfComponent(manager), form);
    EXPECT_TRUE(BarManagerBelongsToWindow(manager, form->Handle()));
    EXPECT_FALSE(BarManagerBelongsToWindow(manager, other->Handle()));
    EXPECT_TRUE(IsControlInside(form, inner));
    EXPECT_FALSE(IsControlInside(panel, form));
    EXPECT_TRUE(IsControlOfBarManager(manager, inner));
    EXPECT_FALSE(IsControlOfBarManager(manager, other));
    EXPECT_TRUE(HasAsParent(inner->Handle(), form->Handle()));
    EXPECT_FALSE(IsAnotherApplicationWindow(form->Handle()));
    EXPECT_TRUE(IsAnotherApplicationWindow(nullptr));
    EXPECT_TRUE(IsMousePressMessage(WM_NCRBUTTONDBLCLK));
    EXPECT_FALSE(IsMousePressMessage(WM_LBUTTONUP));
    delete other;
}

TEST_F(BarsTest, GdiAndWindowHelpers) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateBitmap(20, 20, 1, 32, nullptr);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    FillPolygonWithColor(dc, {{2, 2}, {17, 2}, {17, 17}, {2, 17}}, 0x0000FF, 0x00FF00);
    EXPECT_EQ(GetPixel(dc, 10, 10), 0x0000FFu) << "filled";
    EXPECT_EQ(GetPixel(dc, 2, 10), 0x00FF00u) << "outlined";
    SelectObject(dc, previous);
    HGDIOBJ handle = bitmap;
    FreeGdiHandle(handle);
    EXPECT_EQ(handle, nullptr);
    DeleteDC(dc);

    form->HandleNeeded();
    HWND wnd = form->Handle();
    PostMessage(wnd, WM_CHAR, 'a', 0);
    PostMessage(wnd, WM_KEYDOWN, 'A', 0);
    KillCharMessages(wnd);
    MSG msg;
    EXPECT_FALSE(PeekMessage(&msg, wnd, WM_CHAR, WM_CHAR, PM_NOREMOVE));
    EXPECT_TRUE(PeekMessage(&msg, wnd, WM_KEYDOWN, WM_KEYDOWN, PM_NOREMOVE));
    HWND none = nullptr;
    FreeWindowHandle(none, true);
    EXPECT_EQ(none, nullptr);
}
