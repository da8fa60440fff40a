#include "CustPagesTestSupport.h"

#include "platform/gdi/Surface.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/ApplicationMessageBox.h"
#include "platform/vcl/Control.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/Screen.h"
#include "platform/win/Input.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarComponents.h"
#include "ui/bars/BarManager.h"

#include <algorithm>

namespace custpages_test {

void CustPagesTest::SetUp() {
    BarPaintingTest::SetUp();
    Application()->OnIdle = TIdleEvent(
        [this](TObject*, bool& Done) {
            Done = false;
            TCustomForm* active = Screen()->ActiveForm();
            if (active == nullptr || active == form || !active->Visible()) return;
            if (!steps.empty()) {
                auto step = std::move(steps.front());
                steps.pop_front();
                step();
            } else if (++idlesAfterScript > 100) {
                active->SetModalResult(mrAbort);
            }
        },
        this);
}

void CustPagesTest::TearDown() {
    Application()->OnIdle = nullptr;
    CloseForm();
    if (manager->Designer() == &designer) manager->SetDesigner(nullptr);
    BarPaintingTest::TearDown();
}

TovBarButton* CustPagesTest::Command(const std::string& ACaption, const std::string& AName,
                                     const std::string& ACategory) {
    int category = manager->Categories()->IndexOf(ACategory);
    if (category < 0) category = manager->Categories()->Add(ACategory);
    auto* button = new TovBarButton(form);
    button->SetName(AName);
    button->SetCaption(ACaption);
    button->SetCategory(category);
    return button;
}

int TRecordingDesigner::GetSelectionStatus(TPersistent* AObject) {
    return std::find(Selection.begin(), Selection.end(), AObject) != Selection.end() ? 1 : 0;
}

void TRecordingDesigner::SelectComponent(TPersistent* AObject, TovBarSelectionOperation AOperation) {
    if (AOperation == bsoExclusive) Selection.clear();
    auto it = std::find(Selection.begin(), Selection.end(), AObject);
    if (AOperation == bsoRemove) {
        if (it != Selection.end()) Selection.erase(it);
    } else if (it == Selection.end()) {
        Selection.push_back(AObject);
    }
}

TovBarCustomizationForm* CustPagesTest::OpenForm(bool ADesigning, bool AShow) {
    if (ADesigning) {
        manager->SetDesigning(true);
        manager->SetDesigner(&designer);
    }
    CloseForm();
    customizeForm = TCustomForm::New<TovBarCustomizationForm>(manager);
    // The form's start-up sets the pages up; doing it again changes nothing.
    customizeForm->InitializeOptionsPage();
    customizeForm->InitializeAllCommandsPage();
    customizeForm->InitializeGroupsPage();
    customizeForm->UpdateOptions();
    customizeForm->SetBounds(40, 40, customizeForm->Width(), customizeForm->Height());
    if (AShow) {
        customizeForm->Show();
        olva::win::PumpMessages();
    }
    return customizeForm;
}

void CustPagesTest::CloseForm() {
    if (customizeForm == nullptr) return;
    FreeAndNil(customizeForm);
    olva::win::PumpMessages();
}

TovBarGroup* CustPagesTest::Group(const std::string& AName) {
    TovBarGroup* group = manager->CreateGroup();
    group->SetName(AName);
    return group;
}

void CustPagesTest::ThenKey(int AKey, int AModifier) {
    Then([AKey, AModifier] {
        if (AModifier != 0) olva::win::InjectKey(AModifier, true);
        olva::win::InjectKey(AKey, true);
        olva::win::InjectKey(AKey, false);
        if (AModifier != 0) olva::win::InjectKey(AModifier, false);
    });
}

void CustPagesTest::ClickAt(TControl* AControl, POINT AClient, int AModifier) {
    const POINT p = AControl->ClientToScreen(AClient);
    if (AModifier != 0) olva::win::InjectKey(AModifier, true);
    olva::win::InjectMouse(olva::win::MouseAction::LeftDown, p.x, p.y);
    olva::win::InjectMouse(olva::win::MouseAction::LeftUp, p.x, p.y);
    if (AModifier != 0) olva::win::InjectKey(AModifier, false);
}

TColor CustPagesTest::ScreenColor(TControl* AControl, int X, int Y) {
    return ScreenColor(*olva::win::ComposeScreen(), AControl, X, Y);
}

TColor CustPagesTest::ScreenColor(const TSurface& AScreen, TControl* AControl, int X, int Y) {
    const POINT p = AControl->ClientToScreen(POINT{X, Y});
    if (p.x < 0 || p.y < 0 || p.x >= AScreen.Width() || p.y >= AScreen.Height()) return clNone;
    const std::uint32_t bgra = AScreen.Row(p.y)[p.x];
    return static_cast<TColor>(((bgra >> 16) & 0xFF) | (bgra & 0xFF00) | ((bgra & 0xFF) << 16));
}

void CustPagesTest::ThenReadBox() {
    Then([this] {
        const std::string text = MessageBoxText(Screen()->ActiveForm());
        boxTexts.push_back(text.empty() ? std::string("(no message box)") : text);
    });
}

} // namespace custpages_test
