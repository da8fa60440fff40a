// What the effect dialog and effect command tests share: hosts that record what the dialogs and the
// effect commands ask of them, and a fixture that runs a modal dialog by a script through the window
// system's scripted input, answering the message boxes it raises and keeping their pictures.
#pragma once

#include "platform/vcl/Form.h"
#include "source/effects/EffectHost.h"
#include "tests/vcl/StdCtrlsTestSupport.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TAudioEditor2;
class TAudioTransform2;
class TEffectForm;
class TSurface;

namespace effect_test {

// The dialogs' view of the program, with flags the test sets and calls it counts.
class TTestDialogHost : public TEffectDialogHost {
public:
    void StartPreview() override;
    void StopPreview() override;
    bool Previewing() const override { return PreviewingFlag; }
    void ClearPreviewing() override { PreviewingFlag = false; }
    bool TransformBusy() const override { return BusyFlag; }
    int HtmlHelp(HWND Window, const std::string& Address, UINT Command, DWORD_PTR Data) override;

    bool PreviewingFlag = false;
    bool BusyFlag = false;
    // What StartPreview does: by default it "plays" (sets PreviewingFlag).
    std::function<void()> OnStartPreview;
    int Starts = 0, Stops = 0;
    std::vector<std::string> HelpAddresses;
    std::vector<UINT> HelpCommands;
};

// The main window's part for the effect commands: an owner form, the editor's selection commands, the
// processor's progress handlers keeping the busy flag, and records of the rest.
class TTestEffectHost : public TEffectHost {
public:
    TTestEffectHost(TCustomForm* Owner, TAudioEditor2& Editor, TAudioTransform2& Transform);

    TCustomForm* OwnerForm() override { return FOwner; }
    void StopIfBusy() override;
    void SelectAllIfEmpty() override;
    void SetModified(bool Modified) override { ModifiedCalls.push_back(Modified); }
    void PlayAfterEdit() override { ++Plays; }
    bool TransformBusy() const override { return Busy; }
    int HtmlHelp(HWND Window, const std::string& Address, UINT Command, DWORD_PTR Data) override;

    bool Busy = false;
    int StopIfBusyCalls = 0, SelectAllCalls = 0, Plays = 0, TransformEnds = 0;
    std::vector<bool> ModifiedCalls;
    std::vector<int> Progress;
    std::vector<std::string> HelpAddresses;

private:
    TCustomForm* FOwner;
    TAudioEditor2& FEditor;
};

class EffectTest : public stdctrls_test::StdCtrlsTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs Script once the first effect dialog is up (inside its modal loop); message boxes that come
    // up meanwhile are answered with Enter after their picture was kept.
    void WhenDialogUp(std::function<void(TEffectForm*)> Script);
    // Whether message box i showed Text with the application's title and the error icon.
    bool BoxShowed(std::size_t i, const std::string& Text);
    std::size_t BoxCount() const;

    // Presses a control with the mouse at its centre.
    void ClickCentre(TControl* Control);
    // Dispatches messages (real time) until Done holds or TimeoutMs passed.
    bool PumpUntil(const std::function<bool()>& Done, int TimeoutMs = 5000);

private:
    std::function<void(TEffectForm*)> FScript;
    bool FScriptRan = false;
};

// A dialog opened over the test form with a recording host; freed at the end of the test.
class EffectDialogTest : public EffectTest {
protected:
    void TearDown() override;
    // Creates the dialog and loads its settings (for a modal run).
    template <class T> T* Prepare() {
        auto* dialog = TCustomForm::New<T>(form, &Host);
        Dialog = dialog;
        dialog->LoadParams();
        return dialog;
    }
    // The same, shown (not modally).
    template <class T> T* Open() {
        T* dialog = Prepare<T>();
        dialog->Show();
        Pump();
        return dialog;
    }
    // Frees the dialog before the test's end, to open another.
    void Close();
    TTestDialogHost Host;
    TEffectForm* Dialog = nullptr;
};

} // namespace effect_test
