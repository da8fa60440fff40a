// Fixture of the program tests: the whole program started in a folder of its own (settings, program
// folder with its splash picture and version file, documents) on the headless screen with a manual
// clock, and driven through the real input path: keys and clicks go into the window system's input,
// dropped files arrive as drops, and a script answers the modal dialogs and boxes as a user would when
// they come up.
#pragma once

#include "TestFolder.h"
#include "platform/rtl/Clock.h"
#include "platform/rtl/WinTypes.h"
#include "tests/support/EnvironmentGuard.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TAction;
class TControl;
class TCustomForm;
class TMainForm;

namespace app_test {

// Interleaved samples of a stereo piece: a rising tone on the left, a falling one on the right.
std::vector<float> TestPiece(int SampleRate, int Channels, double Seconds);
// Writes samples as a file of the format code (1 WAV 16 bits, 2 MP3 192 kbps, 6 OGG, 11 WMA).
void WriteSound(const std::string& Path, const std::vector<float>& Samples, int SampleRate, int Channels,
                int FormatCode);
struct TDecoded {
    int SampleRate = 0;
    int Channels = 0;
    std::vector<float> Samples;
};
TDecoded ReadSound(const std::string& Path);
// A 32-bit picture with transparency, the size given, as a PNG file.
void WriteSplashPicture(const std::string& Path, int Width, int Height);
// A left click through the mouse input: at a point of the screen, or in the middle of a control.
void ClickAt(POINT ScreenPoint);
void ClickOn(TControl* Control);
// The mouse moved (no button) to the middle of a control.
void MoveTo(TControl* Control);
// Where tests leave their pictures: build/test-output/app/<name>.png.
std::string PicturePath(const std::string& Name);

class AppTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the program with these arguments and shows its main window; the timer after showing runs.
    void StartApp(const std::vector<std::string>& Arguments = {});
    void Pump();
    void Advance(int Ms);

    // Input: a key with modifiers held (VK_SHIFT, VK_CONTROL, VK_MENU), queued and then handled.
    void Key(int VK, std::initializer_list<int> Modifiers = {});
    // Files dropped on the main window's client area.
    void Drop(const std::vector<std::string>& Paths);
    // Runs an action through the command menu: the menu's tab clicked, the item chosen with the keys.
    void Command(TAction* Action);
    // Runs a bar button that carries no action ("Invert", "Peak EQ", ...) the same way, by its caption.
    void BarCommand(const std::string& Caption);
    // Closes the main window the way its close box does.
    void CloseMainWindow();

    // The script for the modal windows that come up: each step runs once the application is idle with a
    // modal window active. A window still open after the script ran out is given up (and noted).
    void Then(std::function<void()> Step) { Steps.push_back(std::move(Step)); }
    void ThenType(const std::string& Text);
    void ThenKey(int VK, std::initializer_list<int> Modifiers = {});
    // Notes the text of the message box up now.
    void ThenReadBox();
    // A file dialog up now gets this path typed into its name field, then Enter.
    void ThenChooseFile(const std::string& Path);
    // Notes the picture of the active window as build/test-output/app/<name>.png.
    void ThenPicture(const std::string& Name);
    TCustomForm* ActiveForm() const;

    std::unique_ptr<TTestFolder> Root;
    std::string ConfigFolder;  // $XDG_CONFIG_HOME
    std::string DataFolder;    // the program's data folder below it
    std::string ProgramFolder; // splash picture and version file
    std::string Documents;     // sound files of the test
    std::unique_ptr<TFakeClock> Clock;
    std::unique_ptr<TClockOverride> ClockOverride;
    TEnvironmentGuard Environment;
    TMainForm* MainForm = nullptr;
    std::deque<std::function<void()>> Steps;
    std::vector<std::string> BoxTexts;
    std::vector<std::string> Unanswered; // captions of windows the script did not answer
    // The welcome window is closed at once, as by a user who does not need it, unless a test clears
    // this to work with it.
    bool CloseWelcomeWindow = true;
    int IdlesAfterScript = 0;
};

} // namespace app_test
