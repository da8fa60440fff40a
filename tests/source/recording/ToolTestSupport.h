// Fixture of the record, speech and frequency-analysis tests: a fresh window system on a manual clock
// with the class library started, an owner window with a real editor behind a test host, SDL's disk
// driver as the capture device (fed from a file of samples the test writes), the settings record
// restored afterwards, and a script that answers the modal windows as they come up.
#pragma once

#include "platform/rtl/Clock.h"
#include "source/recording/EditorHost.h"
#include "tests/source/AppTestSupport.h"
#include "tests/support/EnvironmentGuard.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TAudioEditor2;
class TCustomForm;
class TForm;
struct TGlobalVars;

namespace tool_test {

// The capture device's input: 48 kHz stereo float frames, as the disk driver reads them.
class TSignal {
public:
    static constexpr int Rate = 48000;
    TSignal& Tone(double Seconds, double Hz, double Amplitude);
    TSignal& Silence(double Seconds);
    // Each frame different (a slow ramp on the left): where a stream started can be read off its first
    // frame.
    TSignal& Ramp(double Seconds);
    double Seconds() const { return double(Samples.size() / 2) / Rate; }
    std::vector<float> Samples;
};

// A sound file read whole (interleaved samples), and its length.
using TSound = app_test::TDecoded;
using app_test::ReadSound;
double Seconds(const TSound& Sound);
// The largest magnitude of the frames in [From, To) seconds.
double PeakBetween(const TSound& Sound, double From, double To);

// Runs `Pump` until `Done` holds; false when it did not within `TimeoutMs` of real time (the devices
// run in real time).
bool WaitFor(const std::function<bool()>& Done, const std::function<void()>& Pump, int TimeoutMs = 8000);

// The main window's part, played by a bare form and a real editor.
class TTestHost : public IEditorHost {
public:
    explicit TTestHost(TCustomForm& Owner);
    TCustomForm& OwnerForm() override { return FOwner; }
    TAudioEditor2& Editor() override { return *FEditor; }
    bool DocumentOpen() override;
    void StopIfBusy() override { ++StopCalls; }
    bool PromptNewFileFormat(int& SampleRate, int& Channels) override;
    bool NewAudioFile(int SampleRate, int Channels) override;
    void InsertFileAtCursor(const std::string& Path) override;

    int StopCalls = 0;
    int Prompts = 0;
    // What the new-file dialog answers: nothing for Cancel.
    bool PromptAccepts = true;
    int PromptRate = 22050, PromptChannels = 1;
    bool NewFails = false;
    std::vector<std::pair<int, int>> NewDocuments; // rate, channels
    std::vector<TSound> Inserted;                  // each file as it was inserted
    bool Modified = false;

private:
    TCustomForm& FOwner;
    TAudioEditor2* FEditor;
};

class ToolTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A document of `Seconds` of silence in the editor, the cursor at `Cursor` seconds.
    void OpenDocument(int Rate, int Channels, double Seconds, double Cursor);
    // The disk driver captures `Input` (and then silence).
    void UseCapture(const TSignal& Input);
    void Pump();
    // Moves the manual clock on, in steps of at most 5 ms so every timer sees its ticks.
    void Advance(int Ms);
    // Dispatches messages until `Done` holds; false when it did not within a few seconds of real time
    // (the devices run in real time).
    bool PumpUntil(const std::function<bool()>& Done, int TimeoutMs = 8000);

    // The script for modal windows other than message boxes: each step runs once the application is
    // idle with a modal window active. Message boxes are answered with their first button and their
    // texts noted in Boxes.
    void Then(std::function<void()> Step) { Steps.push_back(std::move(Step)); }
    TCustomForm* ActiveForm() const;
    // build/test-output/<folder>/<name>.png of a window.
    void Picture(TCustomForm* Form, const std::string& Folder, const std::string& Name);

    std::string Scratch; // a folder of the test's own
    std::unique_ptr<TFakeClock> Clock;
    std::unique_ptr<TClockOverride> ClockOverride;
    TEnvironmentGuard Environment;
    TForm* Owner = nullptr;
    std::unique_ptr<TTestHost> Host;
    std::deque<std::function<void()>> Steps;
    std::vector<std::string> Boxes;
    std::vector<std::string> Unanswered;
    std::vector<std::string> Errors;

private:
    std::unique_ptr<TGlobalVars> FSavedSettings;
    int FIdles = 0;
};

} // namespace tool_test
