#include "EffectTestSupport.h"

#include "audio/AudioEditor2.h"
#include "audio/effects/AudioTransform2.h"
#include "platform/gdi/GdiText.h"
#include "platform/gdi/Surface.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/ApplicationMessageBox.h"
#include "platform/vcl/Screen.h"
#include "platform/win/Input.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinKeys.h"
#include "source/GlobalVars.h"
#include "source/effects/EffectForm.h"

#include <chrono>
#include <thread>

namespace effect_test {

void TTestDialogHost::StartPreview() {
    ++Starts;
    if (OnStartPreview)
        OnStartPreview();
    else
        PreviewingFlag = true;
}

void TTestDialogHost::StopPreview() {
    ++Stops;
    PreviewingFlag = false;
}

int TTestDialogHost::HtmlHelp(HWND, const std::string& Address, UINT Command, DWORD_PTR) {
    HelpAddresses.push_back(Address);
    HelpCommands.push_back(Command);
    return 0;
}

TTestEffectHost::TTestEffectHost(TCustomForm* Owner, TAudioEditor2& Editor, TAudioTransform2& Transform)
    : FOwner(Owner), FEditor(Editor) {
    Transform.OnTransformBlock = TAudioTransform2::TTransformBlockEvent(
        [this](TObject*, int percent) {
            Busy = true;
            Progress.push_back(percent);
        },
        this);
    Transform.OnEndTransform = TNotifyEvent(
        [this](TObject*) {
            Busy = false;
            ++TransformEnds;
        },
        this);
}

void TTestEffectHost::StopIfBusy() {
    ++StopIfBusyCalls;
    const int state = FEditor.PlayState();
    if (state == 1 || state == 5) FEditor.Stop();
}

void TTestEffectHost::SelectAllIfEmpty() {
    ++SelectAllCalls;
    TAudioEditor2Position& position = FEditor.Position();
    if (position.GetSelectionStart() != position.GetSelectionEnd()) return;
    position.SetSelection(-1);
    position.SetSelectionStart(0);
    position.SetSelectionEnd(position.GetLength());
}

int TTestEffectHost::HtmlHelp(HWND, const std::string& Address, UINT, DWORD_PTR) {
    HelpAddresses.push_back(Address);
    return 0;
}

namespace effect_test_detail {

// The part of a top-level window's picture inside its client area, above the buttons of a message box.
struct TBoxPicture {
    std::shared_ptr<TSurface> Image;
    POINT ClientAt;
    SIZE ClientSize;
};

TBoxPicture PictureOf(TCustomForm* box) {
    const POINT origin = box->ClientOrigin();
    return {olva::win::WindowImage(box->Handle()), POINT{origin.x - box->Left(), origin.y - box->Top()},
            SIZE{box->ClientWidth(), box->ClientHeight()}};
}

bool SameText(const TBoxPicture& a, const TBoxPicture& b) {
    if (!a.Image || !b.Image || a.ClientSize.cx != b.ClientSize.cx || a.ClientSize.cy != b.ClientSize.cy)
        return false;
    // The text and the icon stand above the button row.
    const int rows = a.ClientSize.cy - 45;
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < a.ClientSize.cx; ++x)
            if (a.Image->Row(a.ClientAt.y + y)[a.ClientAt.x + x] !=
                b.Image->Row(b.ClientAt.y + y)[b.ClientAt.x + x])
                return false;
    return true;
}

std::vector<TBoxPicture>& BoxPictures() {
    static std::vector<TBoxPicture> pictures;
    return pictures;
}

} // namespace effect_test_detail

using namespace effect_test_detail;

void EffectTest::SetUp() {
    StdCtrlsTest::SetUp();
    // The desktop's own fonts: message boxes are compared by their pictures, and boxes would draw every
    // letter alike in the fixed-metric test font.
    GdiSetTestFontEverywhere(false);
    SetInitialValues(GlobalVars(), {"/d/", "/t/", "/m"});
    Application()->SetTitle("OLVA Audio Editor");
    BoxPictures().clear();
    ShowForm();
    Application()->OnIdle = TIdleEvent(
        [this](TObject*, bool& Done) {
            Done = false;
            TCustomForm* active = Screen()->ActiveForm();
            if (active == nullptr || active == form) return;
            if (auto* dialog = dynamic_cast<TEffectForm*>(active)) {
                if (FScript && !FScriptRan) {
                    FScriptRan = true;
                    FScript(dialog);
                }
                return;
            }
            // A message box: keep its picture and answer it.
            BoxPictures().push_back(PictureOf(active));
            olva::win::InjectKey(VK_RETURN, true);
            olva::win::InjectKey(VK_RETURN, false);
        },
        this);
}

void EffectTest::TearDown() {
    Application()->OnIdle = nullptr;
    BoxPictures().clear();
    StdCtrlsTest::TearDown();
}

void EffectTest::WhenDialogUp(std::function<void(TEffectForm*)> Script) {
    FScript = std::move(Script);
    FScriptRan = false;
}

std::size_t EffectTest::BoxCount() const {
    return BoxPictures().size();
}

bool EffectTest::BoxShowed(std::size_t i, const std::string& Text) {
    if (i >= BoxPictures().size()) return false;
    TCustomForm* reference = CreateMessageBoxForm(Text, Application()->Title(), MB_OK | MB_ICONERROR);
    reference->SetBounds(0, 0, reference->Width(), reference->Height());
    reference->Show();
    Pump();
    const bool same = SameText(BoxPictures()[i], PictureOf(reference));
    reference->Free();
    Pump();
    return same;
}

void EffectTest::ClickCentre(TControl* Control) {
    Click(Control, Control->Width() / 2, Control->Height() / 2);
}

bool EffectTest::PumpUntil(const std::function<bool()>& Done, int TimeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(TimeoutMs);
    for (;;) {
        Application()->ProcessMessages();
        if (Done()) return true;
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

void EffectDialogTest::Close() {
    if (Dialog != nullptr) Dialog->Free();
    Dialog = nullptr;
}

void EffectDialogTest::TearDown() {
    Close();
    EffectTest::TearDown();
}

} // namespace effect_test
