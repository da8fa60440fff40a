// Popups on the headless screen: an owner form with an owner control and a second control, and popups
// that record what reaches them and answer IgnoresClosingClick as the test says.
#pragma once

#include "PaintersTestSupport.h"

#include "platform/vcl/CustomControl.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/Messages.h"
#include "platform/win/Input.h"
#include "platform/win/Screen.h"
#include "platform/win/WinMessages.h"
#include "ui/painters/popups/CustomPopupWindow.h"

#include <vector>

namespace popup_test {

using namespace painters_test;

// A focusable block that records its mouse-downs.
class TBlock : public TCustomControl {
public:
    explicit TBlock(TComponent* AOwner, TColor AFill = clLime) : TCustomControl(AOwner), fill(AFill) {
        SetTabStop(true);
    }
    TColor fill;
    int mouseDowns = 0;

protected:
    void Paint() override {
        Canvas()->Brush()->SetColor(fill);
        Canvas()->FillRect(ClientRect());
    }
    void WndProc(TMessage& Message) override {
        if (Message.Msg == WM_LBUTTONDOWN || Message.Msg == WM_LBUTTONDBLCLK) ++mouseDowns;
        TCustomControl::WndProc(Message);
    }
};

// A form that records the messages its window procedure sees.
class TRecordingForm : public TForm {
public:
    explicit TRecordingForm(TComponent* AOwner) : TForm(AOwner) {}
    std::vector<TMessage> received;

protected:
    void WndProc(TMessage& Message) override {
        received.push_back(Message);
        TForm::WndProc(Message);
    }
};

class TTestPopup : public TuiCustomPopupWindow {
public:
    explicit TTestPopup(TWinControl* AOwner) : TuiCustomPopupWindow(AOwner) {
        RunsModalLoop = false;
        // Not a tab stop: the keys go to the popup's own window.
        content = new TBlock(this, clAqua);
        content->SetTabStop(false);
        content->SetBounds(0, 0, 120, 60);
        content->SetParent(this);
    }
    bool ignoreClosingClick = false;
    bool workAreaCorrection = false;
    bool closeOnAltUp = false;
    TBlock* content;
    std::vector<std::pair<UINT, WPARAM>> keys; // key messages that reached the popup's window

    bool IgnoresClosingClick(HWND, UINT, const TPoint&, TShiftState) override { return ignoreClosingClick; }
    bool NeedsWorkAreaCorrection() override { return workAreaCorrection; }

protected:
    void WndProc(TMessage& Message) override {
        if (Message.Msg >= WM_KEYDOWN && Message.Msg <= WM_SYSKEYUP) {
            keys.emplace_back(Message.Msg, Message.WParam);
            if (closeOnAltUp && Message.Msg == WM_SYSKEYUP && Message.WParam == VK_MENU) SetModalResult(mrOk);
        }
        TuiCustomPopupWindow::WndProc(Message);
    }
};

class PopupTest : public PaintersTest {
protected:
    void SetUp() override {
        PaintersTest::SetUp();
        form = TCustomForm::New<TRecordingForm>(nullptr);
        form->SetBounds(100, 100, 400, 300);
        ownerControl = new TBlock(form);
        ownerControl->SetBounds(20, 20, 80, 24);
        ownerControl->SetParent(form);
        other = new TBlock(form, clYellow);
        other->SetBounds(20, 200, 80, 24);
        other->SetParent(form);
        form->Show();
        Pump();
    }
    void TearDown() override {
        delete form;
        Pump();
        PaintersTest::TearDown();
    }
    // A popup dropping down below AOwner (its bounds in its parent's client area).
    TTestPopup* NewPopup(TWinControl* AOwner) {
        auto* popup = TCustomForm::New<TTestPopup>(AOwner);
        popup->AnchorBounds = AOwner->BoundsRect();
        return popup;
    }
    // The screen point at the centre of a control.
    static TPoint CentreOf(TControl* AControl) {
        const POINT p = AControl->ClientToScreen(POINT{AControl->Width() / 2, AControl->Height() / 2});
        return TPoint{p.x, p.y};
    }
    void Click(const TPoint& P) {
        olva::win::InjectMouse(olva::win::MouseAction::Move, P.x, P.y);
        olva::win::InjectMouse(olva::win::MouseAction::LeftDown, P.x, P.y);
        olva::win::InjectMouse(olva::win::MouseAction::LeftUp, P.x, P.y);
        Pump();
    }
    void Key(int AKey, bool ADown) { olva::win::InjectKey(AKey, ADown); }

    TRecordingForm* form = nullptr;
    TBlock* ownerControl = nullptr;
    TBlock* other = nullptr;
};

} // namespace popup_test
