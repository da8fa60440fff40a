// Fixture of the customization pages tests: the bar painting fixture's manager on the headless screen,
// commands in named categories, and scripted use of modal dialogs (each step runs when the program is
// idle with a dialog or a box it opened active, as a user acts on what is on the screen; a dialog still
// open when the script has run out is given up with mrAbort so that a fault cannot hang the suite).
#pragma once

#include "../BarPaintingTestSupport.h"

#include "platform/rtl/WinTypes.h"
#include "platform/vcl/Graphics.h"
#include "ui/bars/BarDesigner.h"
#include "ui/bars/customize/form/BarCustomizationForm.h"

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TControl;
class TSurface;
class TovBarButton;
class TovBarGroup;

namespace custpages_test {

// A designer that remembers the selection it is given and names components after a fixed base.
class TRecordingDesigner : public IovBarDesigner {
public:
    bool CanDeleteComponent(TComponent* AComponent) override { return AComponent != Refused; }
    void GetSelection(std::vector<TPersistent*>& ASelection) override { ASelection = Selection; }
    int GetSelectionStatus(TPersistent* AObject) override;
    void SelectComponent(TPersistent* AObject, TovBarSelectionOperation AOperation) override;
    void SetSelection(const std::vector<TPersistent*>& ASelection) override { Selection = ASelection; }
    void ShowDefaultEventHandler(TPersistent*) override {}
    std::string UniqueName(const std::string& ABase) override { return ABase + "7"; }
    TComponent* Refused = nullptr;
    std::vector<TPersistent*> Selection;
};

class CustPagesTest : public bars_test::BarPaintingTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // A command with a caption and a component name in the category (added when it does not exist).
    TovBarButton* Command(const std::string& ACaption, const std::string& AName,
                          const std::string& ACategory);
    // The Customize window for the manager with the three pages set up (shown when AShow), at design
    // time when ADesigning (with the recording designer).
    TovBarCustomizationForm* OpenForm(bool ADesigning, bool AShow = true);
    // A group of the manager with a component name.
    TovBarGroup* Group(const std::string& AName);

    void Then(std::function<void()> AStep) { steps.push_back(std::move(AStep)); }
    // A key press, with a modifier held when one is given (VK_SHIFT, VK_CONTROL).
    void ThenKey(int AKey, int AModifier = 0);
    // A left click now at a client point of a control, with a modifier held when one is given.
    static void ClickAt(TControl* AControl, POINT AClient, int AModifier = 0);
    // The colour (0x00BBGGRR) of a client pixel of a control as the screen shows it now.
    static TColor ScreenColor(TControl* AControl, int X, int Y);
    // The same on a picture of the screen taken before.
    static TColor ScreenColor(const TSurface& AScreen, TControl* AControl, int X, int Y);
    // Notes the text of the message box that is up now.
    void ThenReadBox();

    // Frees the form as the class library frees objects (its destruction handlers run first).
    void CloseForm();

    TovBarCustomizationForm* customizeForm = nullptr;
    TRecordingDesigner designer;
    std::deque<std::function<void()>> steps;
    std::vector<std::string> boxTexts;
    int idlesAfterScript = 0;
};

} // namespace custpages_test
