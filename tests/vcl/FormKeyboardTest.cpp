// A dialog driven by scripted keys: tab order, default and cancel buttons, accelerators, key preview,
// modal results; and a picture of it for inspection.
#include "ControlTestSupport.h"

#include "platform/gdi/Surface.h"
#include "platform/vcl/ApplicationMessageBox.h"
#include "platform/vcl/Button.h"

#include <filesystem>

namespace control_test {
namespace {

class FormKeyboardTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        Form = MakeForm(260, 120);
        Form->SetName("Dialog");
        Form->SetCaption("Dialog");
        Form->SetBorderStyle(bsDialog);
        Edit1 = AddEdit("Edit1", 10, 10);
        Edit2 = AddEdit("Edit2", 10, 40);
        Ok = AddButton("OK", 10, 85, mrOk);
        Ok->SetDefault(true);
        Cancel = AddButton("Cancel", 90, 85, mrCancel);
        Cancel->SetCancel(true);
        Apply = AddButton("&Apply", 170, 85, mrNone);
        Apply->OnClick = TNotifyEvent([this](TObject*) { ++ApplyClicks; }, this);
        for (TWinControl* c : std::initializer_list<TWinControl*>{Edit1, Edit2, Ok, Cancel, Apply}) {
            c->OnEnter = TNotifyEvent([this, c](TObject*) { Trail.push_back("enter " + c->Name()); }, c);
            c->OnExit = TNotifyEvent([this, c](TObject*) { Trail.push_back("exit " + c->Name()); }, c);
        }
    }

    TTestEdit* AddEdit(const std::string& Name, int X, int Y) {
        auto* edit = new TTestEdit(Form);
        edit->SetName(Name);
        edit->SetBounds(X, Y, 120, 21);
        edit->SetColor(clWindow);
        edit->SetParent(Form);
        return edit;
    }

    TButton* AddButton(const std::string& Caption, int X, int Y, TModalResult Result) {
        auto* button = new TButton(Form);
        button->SetName(Caption == "&Apply" ? "Apply" : Caption);
        button->SetCaption(Caption);
        button->SetBounds(X, Y, 75, 23);
        button->SetModalResult(Result);
        button->SetParent(Form);
        return button;
    }

    TWinControl* Focused() const { return FindControl(::GetFocus()); }

    TForm* Form = nullptr;
    TTestEdit* Edit1 = nullptr;
    TTestEdit* Edit2 = nullptr;
    TButton* Ok = nullptr;
    TButton* Cancel = nullptr;
    TButton* Apply = nullptr;
    int ApplyClicks = 0;
    std::vector<std::string> Trail;
};

TEST_F(FormKeyboardTest, TabAndShiftTabWalkTheTabOrderSkippingWhatCannotTakeTheFocus) {
    Form->Show();
    Process();
    EXPECT_EQ(Form->ActiveControl(), Edit1);
    EXPECT_EQ(Focused(), Edit1);
    Press(VK_TAB);
    Process();
    EXPECT_EQ(Focused(), Edit2);
    PressWith(VK_SHIFT, VK_TAB);
    Process();
    EXPECT_EQ(Focused(), Edit1);
    const std::vector<std::string> trail{"enter Edit1", "exit Edit1", "enter Edit2", "exit Edit2",
                                         "enter Edit1"};
    EXPECT_EQ(Trail, trail);
    // A disabled or hidden control is passed over; tab order, not position, decides.
    Edit2->SetEnabled(false);
    Ok->SetVisible(false);
    Apply->SetTabOrder(0);
    Press(VK_TAB);
    Process();
    EXPECT_EQ(Focused(), Cancel);
    Press(VK_TAB);
    Process();
    EXPECT_EQ(Focused(), Apply);
    Press(VK_TAB);
    Process();
    EXPECT_EQ(Focused(), Edit1);
    // Arrow keys move within the parent in the same order.
    Press(VK_DOWN);
    Process();
    EXPECT_EQ(Focused(), Cancel);
}

TEST_F(FormKeyboardTest, EnterPressesTheDefaultButtonAndEscTheCancelButton) {
    Press(VK_RETURN);
    EXPECT_EQ(RunModal(Form), mrOk);
    EXPECT_FALSE(Form->Visible());
    Press(VK_ESCAPE);
    EXPECT_EQ(RunModal(Form), mrCancel);
    // With the focus on another push button, Enter presses that one instead of the default.
    for (int i = 0; i < 4; ++i)
        Press(VK_TAB);
    Press(VK_RETURN);
    Press(VK_ESCAPE);
    EXPECT_EQ(RunModal(Form), mrCancel);
    EXPECT_EQ(ApplyClicks, 1);
    EXPECT_TRUE(Errors.empty());
}

TEST_F(FormKeyboardTest, AcceleratorsPressButtonsUnlessTheFocusedControlWantsCharacters) {
    Form->Show();
    Process();
    PressWith(VK_MENU, 'A');
    Process();
    EXPECT_EQ(ApplyClicks, 1);
    // An edit that takes characters gets the letter; one that does not leaves it to the dialog.
    Edit1->DialogCode = DLGC_WANTCHARS;
    Press('A');
    Process();
    EXPECT_EQ(ApplyClicks, 1);
    EXPECT_EQ(Edit1->Typed, "a");
    Edit1->DialogCode = 0;
    Press('A');
    Process();
    EXPECT_EQ(ApplyClicks, 2);
}

TEST_F(FormKeyboardTest, KeyPreviewLetsTheFormSeeAndEatKeysFirst) {
    std::vector<std::string> seen;
    Form->SetKeyPreview(true);
    Form->OnKeyDown = TKeyEvent(
        [&](TObject*, WORD& Key, TShiftState) {
            seen.push_back("form");
            if (Key == VK_F2) Key = 0;
        },
        &seen);
    Edit1->OnKeyDown = TKeyEvent([&](TObject*, WORD&, TShiftState) { seen.push_back("edit"); }, &seen);
    Form->Show();
    Process();
    Press(VK_F2);
    Press(VK_F3);
    Process();
    const std::vector<std::string> expected{"form", "form", "edit"};
    EXPECT_EQ(seen, expected);
}

TEST_F(FormKeyboardTest, ModalFormsRefuseToNestAndKeepOtherFormsDisabled) {
    Form->Show();
    Process();
    try {
        Form->ShowModal();
        FAIL() << "a visible form went modal";
    } catch (EInvalidOperation& e) {
        EXPECT_EQ(e.Message(), "Cannot make a visible window modal");
    }
    Form->Hide();
    TForm* other = MakeForm(100, 50);
    other->Show();
    // A shown window of the program that is no form (a floating toolbar) waits as well; a hidden one is
    // left alone.
    HWND floating = ::CreateWindowEx(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 20,
                                     other->Handle(), nullptr, nullptr, nullptr);
    HWND hidden =
        ::CreateWindowEx(0, "STATIC", "", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr, nullptr, nullptr);
    Process();
    bool otherEnabledDuringModal = true, floatingEnabledDuringModal = true, hiddenEnabledDuringModal = false;
    Form->OnShow = TNotifyEvent(
        [&](TObject*) {
            otherEnabledDuringModal = ::IsWindowEnabled(other->Handle()) != 0;
            floatingEnabledDuringModal = ::IsWindowEnabled(floating) != 0;
            hiddenEnabledDuringModal = ::IsWindowEnabled(hidden) != 0;
        },
        this);
    Press(VK_RETURN);
    EXPECT_EQ(RunModal(Form), mrOk);
    EXPECT_FALSE(otherEnabledDuringModal);
    EXPECT_FALSE(floatingEnabledDuringModal);
    EXPECT_TRUE(hiddenEnabledDuringModal);
    EXPECT_TRUE(::IsWindowEnabled(other->Handle()));
    EXPECT_TRUE(::IsWindowEnabled(floating));
    ::DestroyWindow(floating);
    ::DestroyWindow(hidden);
}

TEST_F(FormKeyboardTest, HandlerErrorsGoToTheApplicationAndTheDialogGoesOn) {
    Apply->OnClick = TNotifyEvent([](TObject*) { throw EConvertError("Not a number"); }, this);
    Form->Show();
    Process();
    PressWith(VK_MENU, 'A');
    Press(VK_TAB);
    Process();
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_EQ(Errors[0], "Not a number");
    EXPECT_EQ(Focused(), Edit2);
}

TEST_F(FormKeyboardTest, ScreenshotOfTheDialog) {
    Form->Show();
    Press(VK_TAB);
    Process();
    ASSERT_TRUE(Form->HandleAllocated());
    ::RedrawWindow(Form->Handle(), nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    const std::filesystem::path out = std::filesystem::path(OLVA_TEST_OUT_DIR) / "vcl-dialog.png";
    std::filesystem::create_directories(out.parent_path());
    std::filesystem::remove(out);
    ASSERT_TRUE(olva::win::SaveWindowPng(Form->Handle(), out.string()));
    EXPECT_GT(std::filesystem::file_size(out), 100u);
    // The form's face and an edit's window colour are where the controls are.
    auto image = olva::win::WindowImage(Form->Handle());
    ASSERT_NE(image, nullptr);
    RECT window;
    ::GetWindowRect(Form->Handle(), &window);
    const POINT client = Form->ClientOrigin();
    auto pixel = [&](int x, int y) {
        const std::uint32_t bgra =
            image->Pixels()[(client.y - window.top + y) * image->Width() + (client.x - window.left + x)];
        return RGB(BYTE(bgra >> 16), BYTE(bgra >> 8), BYTE(bgra));
    };
    EXPECT_EQ(pixel(250, 5), ColorToRGB(clBtnFace));
    EXPECT_EQ(pixel(60, 15), ColorToRGB(clWindow));
}

TEST_F(FormKeyboardTest, MessageBoxesAnswerTheirButtons) {
    struct Case {
        UINT Flags;
        int Key;
        int Expected;
    };
    const Case cases[] = {
        {MB_OK, VK_ESCAPE, IDOK},
        {MB_OKCANCEL, VK_RETURN, IDOK},
        {MB_OKCANCEL | MB_DEFBUTTON2, VK_RETURN, IDCANCEL},
        {MB_YESNO | MB_ICONQUESTION, 'N', IDNO},
        {MB_YESNOCANCEL, VK_ESCAPE, IDCANCEL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Flags);
        Press(c.Key);
        StartWatchdog();
        EXPECT_EQ(Application()->MessageBox("Save the changes?", "", c.Flags), c.Expected);
        StopWatchdog();
        EXPECT_LT(Idles, 200);
    }
}

} // namespace
} // namespace control_test
