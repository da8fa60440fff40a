#include "BarSceneTestSupport.h"

#include "tests/ui/bars/XPTestTheme.h"
#include "tests/ui/bars/gallery/BarGallery.h"

#include "platform/vcl/Form.h"
#include "platform/win/Input.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarPainterChoice.h"
#include "ui/bars/BarSubItems.h"
#include "ui/bars/BarWindowFactory.h"
#include "ui/bars/controls/SubMenuControl.h"
#include "ui/bars/controls/ToolbarControl.h"

#include <map>

namespace scene_test {

namespace {

// The look the borrowed painter slot makes, and the class that was in the slot before.
std::string BorrowedLook;
const TovBarPainterClass* SavedStandardClass = nullptr;

const TovBarPainterClass BorrowedClass{"TovBarScenePainter", [](TuiLookAndFeelPainterBase*) {
                                           return bar_gallery::MakeGalleryPainter(BorrowedLook);
                                       }};

} // namespace

void BarSceneTest::SetUp() {
    if (FThemed) bars_test::XPTestTheme::Bind();
    MenusTest::SetUp();
    SavedStandardClass = ovBarPainterClassOf(bpiStandard);
    // Real toolbar, dock and sub-menu windows.
    ovSetBarWindowFactory(ovBarWindows());
    // The fixture's manager got window-free docks: a new one gets real ones.
    delete manager;
    manager = MakeManager();
    bar_gallery::PrepareGalleryManager(manager);
    manager->MenuAnimations = maNone;
    manager->MenusShowRecentItemsFirst = false;
    form->SetBounds(100, 100, 640, 420);
    form->Show();
    olva::win::PumpMessages();
}

void BarSceneTest::TearDown() {
    CloseMenus();
    ovBarRegisterPainterClass(bpiStandard, SavedStandardClass);
    MenusTest::TearDown();
    if (FThemed) bars_test::XPTestTheme::Unbind();
}

std::vector<std::string> BarSceneTest::Looks() const {
    if (FThemed) return {"XP"};
    std::vector<std::string> looks;
    for (const std::string& look : bar_gallery::GalleryPainterNames())
        if (look != "XP") looks.push_back(look);
    return looks;
}

void BarSceneTest::UseLook(const std::string& ALook) {
    static const std::map<std::string, TovBarManagerStyle> Styles{{"Standard", bmsStandard},
                                                                  {"Enhanced", bmsEnhanced},
                                                                  {"Flat", bmsFlat},
                                                                  {"XP", bmsXP},
                                                                  {"Office11", bmsOffice11}};
    const auto found = Styles.find(ALook);
    if (found != Styles.end()) {
        ovBarRegisterPainterClass(bpiStandard, SavedStandardClass);
        manager->SetStyle(found->second);
    } else {
        BorrowedLook = ALook;
        ovBarRegisterPainterClass(bpiStandard, &BorrowedClass);
        manager->SetStyle(bmsStandard);
    }
    manager->RecreatePainter();
    olva::win::PumpMessages();
}

TovBar* BarSceneTest::AddBar(const std::string& ACaption, TovBarDockingStyle AStyle, int ARow, int AOffset,
                             const std::vector<std::string>& AButtons, bool AGlyphs) {
    TovBar* bar = manager->AddToolbar(false, false);
    bar->SetCaption(ACaption);
    int index = 0;
    for (const std::string& caption : AButtons) {
        const bool group = !caption.empty() && caption[0] == '|';
        TovBarButton* button = Button(group ? caption.substr(1) : caption, AGlyphs ? index % 8 : -1);
        bar->ItemLinks()->AddItem(button)->SetBeginGroup(group);
        ++index;
    }
    if (AStyle == dsNone)
        bar->ChangeDockingStyle(dsNone, nullptr);
    else
        bar->DockAt(AStyle, nullptr, ARow, AOffset);
    olva::win::PumpMessages();
    return bar;
}

void BarSceneTest::BuildScene() {
    manager->MenuAnimations = maNone;
    mainMenu = manager->AddToolbar(true, false);
    mainMenu->SetCaption("Main menu");
    effects = SubMenu("E&ffects");
    for (const char* caption : {"&Normalize...", "&Reverse", "&Echo..."})
        effects->ItemLinks()->AddItem(Command(caption));
    fade = SubMenu("&Fade");
    for (const char* caption : {"Fade &in", "Fade &out", "&Crossfade..."})
        fade->ItemLinks()->AddItem(Command(caption));
    effects->ItemLinks()->AddItem(fade)->SetIndex(1);
    effects->ItemLinks()->Items(2)->SetBeginGroup(true);
    for (const char* caption : {"&File", "&Edit"})
        mainMenu->ItemLinks()->AddItem(SubMenu(caption));
    mainMenu->ItemLinks()->AddItem(effects);
    for (const char* caption : {"&View", "&Help"})
        mainMenu->ItemLinks()->AddItem(SubMenu(caption));
    olva::win::PumpMessages();

    standard = AddBar("Standard", dsTop, 1, 0, {"New", "Open", "Save", "|Cut", "Copy", "Paste"}, true);
    std::vector<std::string> many;
    for (int i = 0; i < 22; ++i)
        many.push_back((i % 5 == 0 ? "|T" : "T") + std::to_string(i));
    transport = AddBar("Transport", dsTop, 1, 200, many, true);
    format = AddBar("Format", dsTop, 2, 0, {"Mono", "Stereo", "|8 bit", "16 bit"}, false);
    tools = AddBar("Tools", dsLeft, 0, 0, {"Select", "Zoom", "|Draw", "Scrub", "Mark"}, true);
    status = AddBar("Status", dsBottom, 0, 0, {"Ready", "|44100 Hz", "|Stereo", "|00:01:23.456"}, false);
    status->SetBorderStyle(bbsNone);
    status->SetWholeRow(true);
    palette = AddBar("Effect palette", dsNone, 0, 0, {"Amplify", "Fade", "|Echo", "Pitch"}, true);
    palette->SetFloatLeft(400);
    palette->SetFloatTop(300);
    palette->SetFloatClientWidth(160);
    palette->UpdatePosition();
    manager->RecreatePainter();
    olva::win::PumpMessages();
}

void BarSceneTest::OpenMenus() {
    TovBarControl* menuBar = Window(mainMenu);
    ASSERT_NE(menuBar, nullptr);
    TovBarItemLink* link = mainMenu->ItemLinks()->Items(2);
    ASSERT_NE(link->Control(), nullptr);
    const TRect r = menuBar->GetItemControlRect(link->Control());
    ClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    olva::win::PumpMessages();
    effectsMenu = dynamic_cast<TovBarSubMenuControl*>(effects->ItemLinks()->BarControl());
    ASSERT_NE(effectsMenu, nullptr);
    ASSERT_NE(effectsMenu->Handle(), nullptr);
    ::SendMessage(effectsMenu->Handle(), WM_KEYDOWN, VK_DOWN, 0);
    ::SendMessage(effectsMenu->Handle(), WM_KEYDOWN, VK_DOWN, 0);
    ::SendMessage(effectsMenu->Handle(), WM_KEYDOWN, VK_RIGHT, 0);
    olva::win::PumpMessages();
    fadeMenu = dynamic_cast<TovBarSubMenuControl*>(fade->ItemLinks()->BarControl());
    ASSERT_NE(fadeMenu, nullptr);
    ASSERT_NE(fadeMenu->Handle(), nullptr);
}

void BarSceneTest::CloseMenus() {
    if (effectsMenu != nullptr && effects->ItemLinks()->BarControl() == effectsMenu)
        effectsMenu->CloseUp(bcrOther);
    effectsMenu = nullptr;
    fadeMenu = nullptr;
    olva::win::PumpMessages();
    // A click on the form's empty middle, so that the next look's press on the same title is no
    // double-click.
    if (form != nullptr && form->Handle() != nullptr) {
        POINT p{120, 180};
        ::ClientToScreen(form->Handle(), &p);
        ClickAt(p.x, p.y);
        olva::win::PumpMessages();
    }
}

TovBarControl* BarSceneTest::Window(TovBar* ABar) {
    return dynamic_cast<TovBarControl*>(ABar->GetControl());
}

TRect BarSceneTest::ScreenRect(TovBar* ABar) const {
    TovBarControl* control = Window(ABar);
    return control != nullptr ? TRect(control->ScreenBounds()) : TRect{};
}

} // namespace scene_test
