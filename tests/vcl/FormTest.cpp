// Forms: closing and its answers, release, the main form ending the application, placement, the screen.
#include "ControlTestSupport.h"

#include "platform/rtl/ComponentLoading.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/ScrollBox.h"
#include "platform/win/Cursors.h"

namespace control_test {
namespace {

TEST_F(ControlTest, CloseAsksCloseQueryAndDoesWhatOnCloseDecides) {
    TForm* main = MakeForm(100, 50);
    TForm* second = MakeForm(100, 50);
    TWeakLink<TForm> alive(second);
    bool allow = false;
    TCloseAction action = caHide;
    std::vector<std::string> events;
    second->OnCloseQuery = TCloseQueryEvent([&](TObject*, bool& CanClose) { CanClose = allow; }, this);
    second->OnClose = TCloseEvent(
        [&](TObject*, TCloseAction& Action) {
            events.push_back("close");
            Action = action;
        },
        this);
    second->OnDestroy = TNotifyEvent([&](TObject*) { events.push_back("destroy"); }, this);
    second->Show();
    Process();
    second->Close();
    EXPECT_TRUE(second->Visible());
    allow = true;
    second->Close();
    EXPECT_FALSE(second->Visible());
    second->Show();
    action = caNone;
    second->Close();
    EXPECT_TRUE(second->Visible());
    action = caFree;
    second->Close();
    EXPECT_TRUE(alive); // freed once the messages waiting now are handled
    Process();
    EXPECT_FALSE(alive);
    const std::vector<std::string> expected{"close", "close", "close", "destroy"};
    EXPECT_EQ(events, expected);
    EXPECT_EQ(Screen()->FormCount(), 1);
    // Closing the main form ends the application.
    EXPECT_EQ(Application()->MainForm(), main);
    main->Show();
    main->Close();
    Process();
    EXPECT_TRUE(Application()->Terminated());
}

// A form that hears its own OnDestroy and records whether it was still whole then.
class TSelfWatchingForm : public TForm {
public:
    explicit TSelfWatchingForm(TComponent* AOwner, std::vector<std::string>& ALog)
        : TForm(AOwner), FLog(ALog) {
        OnDestroy = TNotifyEvent(this, &TSelfWatchingForm::FormDestroy);
    }

private:
    void FormDestroy(TObject* Sender) {
        FLog.push_back(dynamic_cast<TSelfWatchingForm*>(Sender) != nullptr ? "whole" : "partial");
    }
    std::vector<std::string>& FLog;
};

TEST_F(ControlTest, OnDestroyRunsWhileTheFormIsWholeAndNeverOnWhatIsLeftOfIt) {
    struct Case {
        const char* Name;
        bool Free; // through Free (as an owner or a release does), else a plain delete
        bool OwnHandler;
        std::vector<std::string> Expected;
    };
    const Case cases[] = {
        {"Free, the form's own handler", true, true, {"whole"}},
        {"Free, another object's handler", true, false, {"other"}},
        {"delete, the form's own handler", false, true, {}},
        {"delete, another object's handler", false, false, {"other"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        std::vector<std::string> log;
        auto* form = TCustomForm::New<TSelfWatchingForm>(nullptr, log);
        if (!c.OwnHandler) form->OnDestroy = TNotifyEvent([&](TObject*) { log.push_back("other"); }, this);
        if (c.Free)
            form->Free();
        else
            delete form;
        EXPECT_EQ(log, c.Expected);
    }
}

TEST_F(ControlTest, FormsCentreThemselvesWhereTheirPositionSays) {
    TForm* main = MakeForm(100, 50);
    main->SetBounds(100, 100, 400, 300);
    main->Show();
    Process();
    TForm* dialog = MakeForm(100, 50);
    dialog->SetBounds(0, 0, 200, 100);
    dialog->SetPosition(poMainFormCenter);
    dialog->Show();
    Process();
    EXPECT_EQ(dialog->Left(), 200);
    EXPECT_EQ(dialog->Top(), 200);
    TForm* centred = MakeForm(100, 50);
    centred->SetBounds(0, 0, 400, 200);
    centred->SetPosition(poScreenCenter);
    centred->SetDefaultMonitor(dmPrimary);
    centred->Show();
    Process();
    const RECT work = Screen()->WorkAreaRect();
    EXPECT_EQ(centred->Left(), work.left + (work.right - work.left - 400) / 2);
    EXPECT_EQ(centred->Top(), work.top + (work.bottom - work.top - 200) / 2);
    EXPECT_EQ(Screen()->ActiveForm(), centred);
    EXPECT_EQ(Screen()->Forms(0), centred);
}

TEST_F(ControlTest, ScreenReportsTheDesktopAndTheCursorsInUse) {
    EXPECT_EQ(Screen()->Width(), 1920);
    EXPECT_EQ(Screen()->Height(), 1080);
    const RECT work = Screen()->WorkAreaRect();
    EXPECT_EQ(work.bottom, 1040);
    ASSERT_EQ(Screen()->MonitorCount(), 1);
    EXPECT_TRUE(Screen()->Monitors(0)->Primary());
    EXPECT_EQ(Screen()->MonitorFromPoint(POINT{5000, 5000})->MonitorNum(), 0);
    EXPECT_EQ(Screen()->MonitorFromPoint(POINT{5000, 5000}, mdNull), nullptr);
    EXPECT_THROW(Screen()->Monitors(3), EListError);
    EXPECT_EQ(Screen()->PixelsPerInch(), 96);
    EXPECT_EQ(Screen()->Cursors(crDefault), ::LoadCursor(nullptr, IDC_ARROW));
    EXPECT_EQ(Screen()->Cursors(crHourGlass), ::LoadCursor(nullptr, IDC_WAIT));
    Screen()->SetCursor(crHourGlass);
    EXPECT_EQ(::GetCursor(), ::LoadCursor(nullptr, IDC_WAIT));
    Screen()->SetCursor(crDefault);
    EXPECT_FALSE(Screen()->HintFont()->Name().empty());
}

TEST_F(ControlTest, RunShowsTheMainFormAndReturnsWhenItCloses) {
    TForm* main = MakeForm(100, 50);
    bool shown = false;
    main->OnShow = TNotifyEvent(
        [&](TObject*) {
            shown = true;
            ::PostMessage(main->Handle(), WM_CLOSE, 0, 0);
        },
        this);
    Application()->Run();
    EXPECT_TRUE(shown);
    EXPECT_TRUE(Application()->Terminated());
}

TEST_F(ControlTest, ScrollBoxRangesFollowTheChildrenAndScrollingMovesThem) {
    TForm* form = MakeForm(300, 200);
    auto* box = new TScrollBox(form);
    box->SetBorderStyle(bsNone);
    box->SetBounds(0, 0, 100, 80);
    box->SetParent(form);
    auto* far = new TTestEdit(form);
    far->SetBounds(150, 200, 40, 20);
    far->SetParent(box);
    form->Show();
    Process();
    EXPECT_EQ(box->HorzScrollBar()->Range(), 190);
    EXPECT_EQ(box->VertScrollBar()->Range(), 220);
    EXPECT_TRUE(box->VertScrollBar()->IsScrollBarVisible());
    // Both window scroll bars (16 pixels each) take their room from the 100 x 80 box.
    EXPECT_EQ(box->ClientWidth(), 84);
    EXPECT_EQ(box->ClientHeight(), 64);
    box->VertScrollBar()->SetPosition(1000); // kept to range - view
    EXPECT_EQ(box->VertScrollBar()->Position(), 156);
    EXPECT_EQ(far->Top(), 44);
    box->VertScrollBar()->SetPosition(0);
    EXPECT_EQ(far->Top(), 200);
    box->ScrollInView(far);
    EXPECT_EQ(far->Left() + far->Width(), 84);
    EXPECT_EQ(far->Top() + far->Height(), 64);
}

// A form laid out at 120 pixels per inch, built in code the way a stored form is loaded.
class TDesignedForm : public TForm {
public:
    TDesignedForm(TComponent* AOwner, bool AScaled) : TForm(AOwner) {
        TComponentLoading loading(this);
        SetScaled(AScaled);
        SetPixelsPerInch(120);
        SetClientSize(600, 300);
        Child = new TTestEdit(this);
        Child->SetBounds(120, 60, 240, 30);
        Child->SetParentFont(false);
        Child->Font()->SetHeight(-15);
        Child->SetParent(this);
    }
    TTestEdit* Child;
};

TEST_F(ControlTest, ScaledFormsBuiltAtAnotherResolutionScaleToTheScreens) {
    struct Case {
        bool Scaled;
        RECT ChildBounds;
        int FontHeight, ClientWidth, ClientHeight;
    };
    const Case cases[] = {
        {true, {96, 48, 288, 72}, -12, 480, 240},
        {false, {120, 60, 360, 90}, -15, 600, 300},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Scaled);
        auto* form = TCustomForm::New<TDesignedForm>(Application(), c.Scaled);
        const RECT r = form->Child->BoundsRect();
        EXPECT_EQ(r.left, c.ChildBounds.left);
        EXPECT_EQ(r.top, c.ChildBounds.top);
        EXPECT_EQ(r.right, c.ChildBounds.right);
        EXPECT_EQ(r.bottom, c.ChildBounds.bottom);
        EXPECT_EQ(form->Child->Font()->Height(), c.FontHeight);
        EXPECT_EQ(form->ClientWidth(), c.ClientWidth);
        EXPECT_EQ(form->ClientHeight(), c.ClientHeight);
        EXPECT_EQ(form->PixelsPerInch(), 96);
        form->Free();
    }
}

} // namespace
} // namespace control_test
