// The Customize window on the headless screen with real toolbar windows: one window per process, the
// other managers' windows disabled while it is open and enabled again however it ends, the toolbar
// check boxes, the toolbar actions with their dialogs and message boxes answered by script, lists kept in
// step with the model, and pictures of the Toolbars and Commands pages.
#include "../BarsTestSupport.h"
#include "WindowPicture.h"

#include "platform/gdi/Surface.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/ApplicationMessageBox.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/PageControl.h"
#include "platform/vcl/Screen.h"
#include "platform/win/Input.h"
#include "platform/win/Presenter.h"
#include "platform/win/Screen.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarWindowFactory.h"
#include "ui/bars/customize/dialogs/BarNameDialog.h"
#include "ui/bars/customize/form/BarCustomizationForm.h"
#include "ui/bars/owner/BarOwnerMessages.h"
#include "ui/painters/PaintersInit.h"

#include <deque>
#include <filesystem>
#include <functional>
#include <string>

using namespace bars_test;
using olva::win::InjectKey;
using olva::win::InjectMouse;
using olva::win::MouseAction;
using olva::win::PumpMessages;

namespace {

class CustomizationFormTest : public BarsTest {
protected:
    void SetUp() override {
        BarsTest::SetUp();
        uiPaintersInitialize();
        ovSetBarWindowFactory(ovBarWindows());
        form->SetBounds(420, 60, 500, 400);
        form->Show();
        PumpMessages();
        manager = MakeManager();
        Application()->OnIdle = TIdleEvent(
            [this](TObject*, bool& ADone) {
                ADone = false;
                if (steps.empty()) return;
                TCustomForm* active = Screen()->ActiveForm();
                if (active == nullptr || !steps.front()(active)) return;
                steps.pop_front();
            },
            this);
    }
    void TearDown() override {
        Application()->OnIdle = nullptr;
        delete otherForm;
        delete form;
        form = nullptr;
        PumpMessages();
        uiPaintersFinalize();
        BarsTest::TearDown();
    }
    TovBar* AddToolbar(TovBarManager* AManager, TComponent* AOwner, const std::string& ACaption) {
        TovBar* bar = AManager->AddToolbar(false, false);
        bar->SetCaption(ACaption);
        for (int i = 0; i < 3; ++i) {
            auto* button = new TovBarButton(AOwner);
            button->SetCaption(ACaption + " " + std::to_string(i + 1));
            button->SetCategory(0);
            bar->ItemLinks()->AddItem(button);
        }
        PumpMessages();
        return bar;
    }
    // A second window with its own manager and a floating toolbar.
    void MakeOtherManager() {
        otherForm = new TForm(nullptr);
        otherForm->SetBounds(40, 500, 300, 200);
        otherForm->Show();
        otherManager = new TovBarManager(otherForm);
        otherBar = AddToolbar(otherManager, otherForm, "Other");
        otherBar->ChangeDockingStyle(dsNone, nullptr);
        PumpMessages();
    }
    static TovBarCustomizationForm* CustomizeForm() {
        return dynamic_cast<TovBarCustomizationForm*>(BarCustomizingForm());
    }
    void Open() {
        manager->SetIsCustomizing(true);
        PumpMessages();
        ASSERT_NE(nullptr, CustomizeForm());
    }
    static POINT CentreOf(TWinControl* AControl) {
        POINT p{AControl->Width() / 2, AControl->Height() / 2};
        ClientToScreen(AControl->Handle(), &p);
        return p;
    }
    static void ClickAt(POINT P) {
        InjectMouse(MouseAction::Move, P.x, P.y);
        InjectMouse(MouseAction::LeftDown, P.x, P.y);
        InjectMouse(MouseAction::LeftUp, P.x, P.y);
        PumpMessages();
    }
    // A point of a list entry: ADx pixels from the entry's left edge, at its middle.
    static POINT EntryPoint(TListBox* AList, int AIndex, int ADx) {
        const RECT r = AList->ItemRect(AIndex);
        POINT p{r.left + ADx, (r.top + r.bottom) / 2};
        ClientToScreen(AList->Handle(), &p);
        return p;
    }
    static void Press(int AKey) {
        InjectKey(AKey, true);
        InjectKey(AKey, false);
        PumpMessages();
    }
    // Script steps, run while a modal window waits; each answers true when it has done its part.
    void WhenMessageBox(int AKey) {
        steps.push_back([this, AKey](TCustomForm* AActive) {
            const std::string text = MessageBoxText(AActive);
            if (text.empty()) return false;
            boxTexts.push_back(text);
            InjectKey(AKey, true);
            InjectKey(AKey, false);
            return true;
        });
    }
    void WhenNameDialog(const std::string& AName, int AKey) {
        steps.push_back([this, AName, AKey](TCustomForm* AActive) {
            auto* dialog = dynamic_cast<TovBarNameEd*>(AActive);
            if (dialog == nullptr) return false;
            dialog->EName->SetText(AName);
            okEnabled.push_back(dialog->BOK->Enabled());
            InjectKey(AKey, true);
            InjectKey(AKey, false);
            return true;
        });
    }
    void SavePicture(TCustomForm* AForm, const std::string& AName) {
        customform_test::SaveWindowPicture(AForm->Handle(), AName);
    }

    TovBarManager* manager = nullptr;
    TForm* otherForm = nullptr;
    TovBarManager* otherManager = nullptr;
    TovBar* otherBar = nullptr;
    std::deque<std::function<bool(TCustomForm*)>> steps;
    std::vector<std::string> boxTexts;
    std::vector<bool> okEnabled;
};

enum class EndWay { CloseButton, CloseBox, ShowFalse, ManagerFreed };

TEST_F(CustomizationFormTest, OtherWindowsAreDisabledWhileOpenAndEnabledAgainHoweverItEnds) {
    for (EndWay way : {EndWay::CloseButton, EndWay::CloseBox, EndWay::ShowFalse, EndWay::ManagerFreed}) {
        SCOPED_TRACE(static_cast<int>(way));
        if (manager == nullptr) manager = MakeManager();
        TovBar* own = AddToolbar(manager, form, "Own");
        own->ChangeDockingStyle(dsNone, nullptr);
        MakeOtherManager();
        HWND otherFloating = otherBar->GetControl()->Handle();
        HWND ownFloating = own->GetControl()->Handle();
        ASSERT_NE(nullptr, otherFloating);
        Open();
        EXPECT_FALSE(IsWindowEnabled(otherFloating)) << "another manager's floating toolbar";
        EXPECT_FALSE(IsWindowEnabled(otherForm->Handle())) << "another manager's form";
        EXPECT_TRUE(IsWindowEnabled(ownFloating)) << "the customized toolbars take drops";
        EXPECT_TRUE(IsWindowEnabled(form->Handle())) << "its docked toolbars take drops";
        EXPECT_TRUE(IsWindowEnabled(CustomizeForm()->Handle()));

        switch (way) {
        case EndWay::CloseButton:
            ClickAt(CentreOf(CustomizeForm()->BClose));
            break;
        case EndWay::CloseBox:
            PostMessage(CustomizeForm()->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
            PumpMessages();
            break;
        case EndWay::ShowFalse:
            ShowBarCustomizingForm(manager, false);
            PumpMessages();
            break;
        case EndWay::ManagerFreed:
            delete manager;
            manager = nullptr;
            PumpMessages();
            break;
        }
        EXPECT_EQ(nullptr, BarCustomizingForm());
        if (manager != nullptr) {
            EXPECT_FALSE(manager->IsCustomizing());
            EXPECT_EQ(nullptr, manager->Designer())
                << "the run-time selection controller left with the window";
        }
        EXPECT_TRUE(IsWindowEnabled(otherForm->Handle()));
        EXPECT_TRUE(IsWindowEnabled(otherFloating)) << "another manager's floating toolbar";
        EXPECT_TRUE(IsWindowEnabled(otherForm->Handle())) << "another manager's form";
        delete otherForm;
        otherForm = nullptr;
        PumpMessages();
    }
}

TEST_F(CustomizationFormTest, OnlyOneCustomizeWindowExistsInTheProcess) {
    AddToolbar(manager, form, "Standard");
    MakeOtherManager();
    Open();
    TovBarCustomCustomizationForm* first = BarCustomizingForm();
    otherManager->SetIsCustomizing(true);
    PumpMessages();
    EXPECT_EQ(first, BarCustomizingForm());
    EXPECT_FALSE(otherManager->IsCustomizing()) << "opening while another manager customizes is ignored";
    EXPECT_EQ(manager, BarCustomizingForm()->BarManager());
}

TEST_F(CustomizationFormTest, TheCheckBoxShowsAndHidesABarAndBeepsForOneThatMayNotClose) {
    TovBar* one = AddToolbar(manager, form, "One");
    TovBar* fixed = AddToolbar(manager, form, "Fixed");
    fixed->SetAllowClose(false);
    TovBar* hidden = AddToolbar(manager, form, "Hidden");
    hidden->SetHidden(true);
    Open();
    TListBox* list = CustomizeForm()->lbBarsList;
    ASSERT_EQ(2, list->Count()) << "hidden bars are not listed at run time";
    EXPECT_EQ("One", list->Items()->Strings(0));
    EXPECT_EQ(one, list->Items()->Objects(0));

    ClickAt(EntryPoint(list, 0, 4));
    EXPECT_FALSE(one->Visible()) << "a click in the square";
    ClickAt(EntryPoint(list, 0, list->ItemHeight() + 20));
    EXPECT_FALSE(one->Visible()) << "a single click beside the square only selects";
    const int beeps = olva::win::BeepCount();
    ClickAt(EntryPoint(list, 1, 4));
    EXPECT_TRUE(fixed->Visible());
    EXPECT_EQ(beeps + 1, olva::win::BeepCount());

    list->SetFocus();
    list->SetItemIndex(0);
    Press(VK_SPACE);
    EXPECT_TRUE(one->Visible()) << "Space toggles the focused bar";
}

TEST_F(CustomizationFormTest, NewAsksANameRefusesADuplicateAndCancelMakesNothing) {
    AddToolbar(manager, form, "Standard");
    Open();
    TListBox* list = CustomizeForm()->lbBarsList;
    const int bars = manager->Bars()->Count();

    WhenNameDialog("", VK_RETURN); // OK is disabled: Enter does nothing
    WhenNameDialog("Standard", VK_RETURN);
    WhenMessageBox(VK_RETURN);
    WhenNameDialog("Mixing", VK_RETURN);
    list->SetFocus();
    Press(VK_INSERT);
    ASSERT_EQ(3u, okEnabled.size());
    EXPECT_FALSE(okEnabled[0]) << "OK is disabled for an empty name";
    ASSERT_EQ(1u, boxTexts.size());
    EXPECT_EQ("A toolbar named 'Standard' already exists. Type another name.", boxTexts[0]);
    ASSERT_EQ(bars + 1, manager->Bars()->Count());
    TovBar* made = manager->Bars()->GetItem(bars);
    EXPECT_EQ("Mixing", made->Caption());
    EXPECT_NE(-1, list->Items()->IndexOf("Mixing"));

    WhenNameDialog("Never", VK_ESCAPE);
    CustomizeForm()->aNewToolBar->Execute();
    PumpMessages();
    EXPECT_EQ(bars + 1, manager->Bars()->Count()) << "Cancel makes nothing";
}

TEST_F(CustomizationFormTest, RenameIsRefusedForPredefinedBarsAndTheOwnCaptionIsAccepted) {
    TovBar* predefined = AddToolbar(manager, form, "Standard");
    predefined->SetPredefined(true);
    TovBar* mine = AddToolbar(manager, form, "Mine");
    Open();
    TovBarCustomizationForm* customize = CustomizeForm();
    customize->lbBarsList->SetFocus();
    ClickAt(EntryPoint(customize->lbBarsList, 0, 40));
    EXPECT_FALSE(customize->aRenameToolBar->Enabled());
    ClickAt(EntryPoint(customize->lbBarsList, 1, 40));
    EXPECT_TRUE(customize->aRenameToolBar->Enabled());
    WhenNameDialog("Mine", VK_RETURN);
    WhenNameDialog("Mine too", VK_RETURN);
    customize->aRenameToolBar->Execute();
    EXPECT_EQ("Mine", mine->Caption()) << "its own caption is no duplicate";
    EXPECT_TRUE(boxTexts.empty());
    customize->aRenameToolBar->Execute();
    PumpMessages();
    EXPECT_EQ("Mine too", mine->Caption());
    EXPECT_EQ("Mine too", customize->lbBarsList->Items()->Strings(1)) << "the entry follows the model";
}

TEST_F(CustomizationFormTest, DeleteAsksAndOnlyOkDeletesThenTheNextBarIsSelected) {
    AddToolbar(manager, form, "One");
    TovBar* two = AddToolbar(manager, form, "Two");
    TovBar* three = AddToolbar(manager, form, "Three");
    Open();
    TListBox* list = CustomizeForm()->lbBarsList;
    ClickAt(EntryPoint(list, 1, 40));
    ASSERT_EQ(two, list->Items()->Objects(list->ItemIndex()));
    WhenMessageBox(VK_ESCAPE);
    Press(VK_DELETE);
    EXPECT_EQ(3, manager->Bars()->Count()) << "Cancel keeps the bar";
    ASSERT_EQ(1u, boxTexts.size());
    EXPECT_EQ("Are you sure you want to delete the 'Two' toolbar?", boxTexts[0]);
    WhenMessageBox(VK_RETURN);
    list->SetFocus();
    Press(VK_DELETE);
    EXPECT_EQ(2, manager->Bars()->Count());
    ASSERT_EQ(2, list->Count());
    EXPECT_EQ(three, list->Items()->Objects(list->ItemIndex())) << "the entry after the deleted one";
}

TEST_F(CustomizationFormTest, ListsFollowTheModelAndTheCommandsPageShowsTheCategory) {
    TovBar* standard = AddToolbar(manager, form, "Standard");
    Open();
    TovBarCustomizationForm* customize = CustomizeForm();
    manager->AddToolbar(false, false);
    PumpMessages();
    EXPECT_EQ(2, customize->lbBarsList->Count()) << "a toolbar made meanwhile";
    standard->SetCaption("Main");
    PumpMessages();
    EXPECT_EQ("Main", customize->lbBarsList->Items()->Strings(0));

    customize->ShowCommandsPage();
    PumpMessages();
    ASSERT_GE(customize->lbCategories->Count(), 1);
    EXPECT_EQ(0, customize->lbCategories->ItemIndex());
    EXPECT_GE(customize->lbItems->Count(), 3);
    EXPECT_EQ(22, customize->lbItems->ItemHeight());
}

TEST_F(CustomizationFormTest, PicturesOfTheToolbarsAndCommandsPages) {
    AddToolbar(manager, form, "Standard");
    TovBar* fixed = AddToolbar(manager, form, "Formatting");
    fixed->SetAllowClose(false);
    TovBar* off = AddToolbar(manager, form, "Effects");
    off->SetVisible(false);
    Open();
    TovBarCustomizationForm* customize = CustomizeForm();
    customize->SetBounds(40, 40, customize->Width(), customize->Height());
    PumpMessages();
    SavePicture(customize, "customize-toolbars.png");
    customize->ShowCommandsPage();
    PumpMessages();
    customize->lbItems->SetItemIndex(1);
    customize->lbItems->Invalidate();
    PumpMessages();
    SavePicture(customize, "customize-commands.png");
    EXPECT_TRUE(customize->BClose->Left() + customize->BClose->Width() <= customize->ClientWidth());
}

TEST_F(CustomizationFormTest, TheWindowFollowsItsOwnersMovesHidesAndComesBackWithIt) {
    AddToolbar(manager, form, "Standard");
    Open();
    TovBarCustomizationForm* customize = CustomizeForm();
    RECT before{};
    ::GetWindowRect(customize->Handle(), &before);
    form->SetBounds(form->Left() + 30, form->Top() + 20, form->Width(), form->Height());
    PumpMessages();
    RECT after{};
    ::GetWindowRect(customize->Handle(), &after);
    EXPECT_EQ(after.left, before.left + 30);
    EXPECT_EQ(after.top, before.top + 20);
    EXPECT_EQ(after.right - after.left, before.right - before.left) << "moved, not sized";

    form->Hide();
    PumpMessages();
    EXPECT_FALSE(::IsWindowVisible(customize->Handle())) << "hidden with its owner";
    form->Show();
    PumpMessages();
    EXPECT_TRUE(::IsWindowVisible(customize->Handle())) << "and back with it";
    EXPECT_NE(::GetActiveWindow(), customize->Handle()) << "without taking the activation";
}

TEST_F(CustomizationFormTest, WhileTheWindowIsActiveTheCustomizedFormKeepsItsActiveCaption) {
    AddToolbar(manager, form, "Standard");
    Open();
    std::vector<WPARAM> ncActivations;
    TControl::TWndMethod previous = form->WindowProc;
    form->WindowProc = [&](TMessage& AMessage) {
        if (AMessage.Msg == WM_NCACTIVATE) ncActivations.push_back(AMessage.WParam);
        previous(AMessage);
    };
    ::SetActiveWindow(CustomizeForm()->Handle());
    PumpMessages();
    form->WindowProc = previous;
    ASSERT_FALSE(ncActivations.empty());
    EXPECT_EQ(ncActivations.back(), static_cast<WPARAM>(TRUE)) << "the last word on the caption: active";
}

TEST_F(CustomizationFormTest, TheWheelScrollsTheListUnderTheCursorAndHelpAsksForTheTopic) {
    TovBar* bar = AddToolbar(manager, form, "Standard");
    for (int i = 0; i < 30; ++i) {
        auto* button = new TovBarButton(form);
        button->SetCaption("Command " + std::to_string(i));
        button->SetCategory(0);
        bar->ItemLinks()->AddItem(button);
    }
    Open();
    TovBarCustomizationForm* customize = CustomizeForm();
    customize->ShowCommandsPage();
    PumpMessages();
    customize->lbCategories->SetFocus();
    PumpMessages();
    ASSERT_EQ(customize->ActiveControl(), customize->lbCategories);
    ASSERT_EQ(customize->lbItems->TopIndex(), 0);
    const POINT over = CentreOf(customize->lbItems);
    InjectMouse(MouseAction::Move, over.x, over.y);
    InjectMouse(MouseAction::Wheel, over.x, over.y, -WHEEL_DELTA);
    PumpMessages();
    EXPECT_EQ(customize->lbItems->TopIndex(), 3) << "the system's three lines, on the list under the cursor";
    EXPECT_EQ(customize->lbCategories->TopIndex(), 0);
    InjectMouse(MouseAction::Wheel, over.x, over.y, WHEEL_DELTA);
    PumpMessages();
    EXPECT_EQ(customize->lbItems->TopIndex(), 0);

    std::vector<int> topics;
    ovSetBarHelpHandler([&](int AContext, const TPoint* APopup) {
        topics.push_back(AContext);
        EXPECT_EQ(APopup, nullptr) << "the topic, not a popup";
    });
    int handlerCalls = 0;
    manager->OnHelpButtonClick = TNotifyEvent([&](TObject*) { ++handlerCalls; }, this);
    customize->HelpButtonClick();
    EXPECT_TRUE(topics.empty()) << "no help context: no topic";
    manager->HelpContext = 77;
    customize->HelpButtonClick();
    ovSetBarHelpHandler(nullptr);
    EXPECT_EQ(handlerCalls, 2);
    EXPECT_EQ(topics, std::vector<int>{77});
}

} // namespace
