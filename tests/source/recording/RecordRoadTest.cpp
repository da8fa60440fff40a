// The record command through a test host and a real editor: a timed recording that stops by itself and
// lands at the cursor with its length, Discard and the close box leaving no file and no capture
// running, the format rules, and recording without a document.
#include "ToolTestSupport.h"

#include "audio/AudioEditor2.h"
#include "audio/devices/AudioRecord2.h"
#include "audio/devices/CaptureHub.h"
#include "platform/rtl/FileUtils.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/CheckBox.h"
#include "platform/vcl/DateTimePicker.h"
#include "source/GlobalVars.h"
#include "source/recording/RecordControlForm.h"
#include "source/recording/RecordRoad.h"
#include "source/recording/RecordingTimerForm.h"
#include "source/recording/ToolSound.h"

#include <chrono>
#include <cmath>
#include <mutex>
#include <thread>

namespace record_road_test {

using namespace tool_test;

class RecordRoad : public ToolTest {
protected:
    TRecordControlForm* Window() const { return dynamic_cast<TRecordControlForm*>(ActiveForm()); }
    // Records on the recording window up now until the recorder took `Seconds`.
    void RecordFor(double Seconds) {
        TRecordControlForm* window = Window();
        ASSERT_NE(window, nullptr);
        window->ActionRecord->Execute();
        ASSERT_TRUE(window->Recording);
        ASSERT_TRUE(PumpUntil([&] {
            return window->AudioRecord->FramesCaptured() >= std::int64_t(Seconds * window->RecordSampleRate);
        }));
    }
};

TEST_F(RecordRoad, ATimedRecordingStopsByItselfAndLandsAtTheCursorWithItsLength) {
    UseCapture(TSignal().Tone(20, 440, 0.5));
    OpenDocument(44100, 2, 1.0, 0.5);
    Then([this] {
        TRecordControlForm* window = Window();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->RecordSampleRate, 44100);
        EXPECT_EQ(window->RecordChannels, 2);
        Then([this] {
            auto* dialog = dynamic_cast<TRecordingTimerForm*>(ActiveForm());
            ASSERT_NE(dialog, nullptr);
            dialog->CheckBoxStopAfter->SetChecked(true);
            dialog->DateTimePickerWhenRecordingTime->SetTime(TDateTime(2.0 / 86400));
            dialog->ButtonStart->Click();
        });
        window->ActionTimerRecord->Execute();
        ASSERT_TRUE(window->StopAfter);
        window->ActionRecord->Execute();
        // The manual clock follows the sound the device delivered, so the countdown ends after two
        // seconds of it, as it would in real time. It catches up in one step whatever the build's
        // speed: a clock that fell behind the sound would let the recording run on.
        std::int64_t clockMs = 0;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (window->Recording && std::chrono::steady_clock::now() < deadline) {
            Pump();
            const std::int64_t soundMs = window->AudioRecord->FramesCaptured() * 1000 / 44100;
            if (soundMs > clockMs) {
                Clock->Advance(std::uint64_t(soundMs - clockMs));
                clockMs = soundMs;
                Pump();
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        EXPECT_TRUE(window->Paused);
        EXPECT_EQ(Boxes.size(), 1u);
        window->ActionKeep->Execute();
    });
    RunRecordCommand(*Host);
    EXPECT_EQ(Host->StopCalls, 1);
    EXPECT_EQ(Host->Prompts, 0);
    ASSERT_EQ(Host->Inserted.size(), 1u);
    const TSound& recorded = Host->Inserted[0];
    EXPECT_EQ(recorded.SampleRate, 44100);
    EXPECT_EQ(recorded.Channels, 2);
    // The countdown ends on the GUI thread; a loaded machine's capture thread may have delivered a burst
    // of sound just before, so the recording can run a little past the two seconds, never short of them.
    EXPECT_GE(Seconds(recorded), 1.9);
    EXPECT_LE(Seconds(recorded), 2.5);
    EXPECT_NEAR(PeakBetween(recorded, 0, Seconds(recorded)), 0.5, 0.02);
    // In the document at the cursor: silence, the recording, silence.
    TAudioEditor2& editor = Host->Editor();
    const std::int64_t length = editor.Position().GetLength();
    EXPECT_EQ(length, 44100 + std::int64_t(recorded.Samples.size() / 2));
    editor.Position().SetSelection(0);
    editor.Position().SetCursor(0);
    const std::vector<float> all = editor.GetSamples(length);
    auto peak = [&](double from, double to) {
        float p = 0;
        for (auto i = std::size_t(from * 44100) * 2; i < std::size_t(to * 44100) * 2; ++i)
            p = std::max(p, std::fabs(all[i]));
        return p;
    };
    const double recordingEnd = 0.5 + Seconds(recorded);
    EXPECT_LT(peak(0, 0.49), 0.001);
    EXPECT_GT(peak(0.6, recordingEnd - 0.1), 0.45);
    EXPECT_LT(peak(recordingEnd + 0.1, 1.0 + Seconds(recorded)), 0.001);
    // The kept recording stays in the temporary folder until the next one.
    EXPECT_TRUE(FileExists(GlobalVars().RecordingFile));
    EXPECT_EQ(GlobalVars().RecordingFile, GlobalVars().TempFolder + "Recording.wav");
}

// Discard and the close box end a recording before the window returns: the recorder has stopped and the
// file is complete, with every frame taken from the device.
TEST_F(RecordRoad, DiscardAndTheCloseBoxStopTheRecorderAndCloseTheFileBeforeTheWindowReturns) {
    UseCapture(TSignal().Tone(20, 440, 0.5));
    for (bool closeBox : {false, true}) {
        SCOPED_TRACE(closeBox ? "close box" : "Discard");
        GlobalVars().RecordingFile = Scratch + "Recording.wav";
        bool stopped = false;
        std::int64_t captured = -1;
        Then([&] {
            RecordFor(0.3);
            TRecordControlForm* window = Window();
            const TCloseEvent formClose = window->OnClose;
            window->OnClose = TCloseEvent(
                [&, window, formClose](TObject* Sender, TCloseAction& Action) {
                    formClose(Sender, Action);
                    stopped = !window->AudioRecord->Recording();
                    captured = window->AudioRecord->FramesCaptured();
                },
                window);
            if (closeBox)
                window->Close();
            else
                window->ButtonDiscard->Click();
        });
        EXPECT_FALSE(RunRecordingWindow(*Owner, 48000, 2));
        EXPECT_TRUE(stopped);
        ASSERT_TRUE(FileExists(GlobalVars().RecordingFile));
        EXPECT_EQ(std::int64_t(ReadSound(GlobalVars().RecordingFile).Samples.size() / 2), captured);
    }
}

// The record command deletes a discarded recording, and no capture runs after the window.
TEST_F(RecordRoad, ADiscardedRecordingLeavesNoFileAndNoCaptureRunning) {
    UseCapture(TSignal().Ramp(20));
    OpenDocument(48000, 2, 1.0, 0.0);
    Then([&] {
        RecordFor(0.3);
        Window()->ButtonDiscard->Click();
    });
    RunRecordCommand(*Host);
    EXPECT_TRUE(Host->Inserted.empty());
    EXPECT_EQ(Host->Editor().Position().GetLength(), 48000);
    EXPECT_FALSE(FileExists(GlobalVars().RecordingFile));

    // The device was closed: listening again opens it anew, at the start of its input.
    std::mutex lock;
    std::vector<float> first;
    std::string error;
    auto listener = TCaptureHub::Listen(
        "", 48000, 2,
        [&](const float* samples, int frames) {
            std::lock_guard guard(lock);
            if (first.empty()) first.assign(samples, samples + std::size_t(frames) * 2);
        },
        nullptr, error);
    ASSERT_NE(listener, nullptr) << error;
    ASSERT_TRUE(PumpUntil([&] {
        std::lock_guard guard(lock);
        return !first.empty();
    }));
    listener.reset();
    EXPECT_NEAR(first[0], 0.05, 0.001);
}

TEST_F(RecordRoad, TheDocumentsFormatDecidesTheRecordingsUpTo48000Hz) {
    struct Case {
        int Rate, Channels;
        TToolSoundFormat Tool; // the document's format as the tools take it
        int RecordRate;
    };
    for (Case c : {Case{96000, 2, {96000, 2}, 48000}, Case{11000, 1, {44100, 1}, 44100},
                   Case{22050, 1, {22050, 1}, 22050}, Case{8000, 2, {8000, 2}, 8000}}) {
        SCOPED_TRACE(c.Rate);
        OpenDocument(c.Rate, c.Channels, 0.1, 0);
        EXPECT_EQ(DocumentSoundFormat(Host->Editor()), c.Tool);
        int rate = 0, channels = 0;
        Then([&] {
            rate = Window()->RecordSampleRate;
            channels = Window()->RecordChannels;
            Window()->ButtonDiscard->Click();
        });
        RunRecordCommand(*Host);
        EXPECT_EQ(rate, c.RecordRate);
        EXPECT_EQ(channels, c.Channels);
    }
}

TEST_F(RecordRoad, WithoutADocumentTheChosenFormatMakesOneForTheRecording) {
    UseCapture(TSignal().Tone(10, 440, 0.5));
    Host->PromptRate = 96000;
    Host->PromptChannels = 1;
    Then([this] {
        EXPECT_EQ(Window()->RecordSampleRate, 48000);
        RecordFor(0.3);
        Window()->ActionKeep->Execute();
    });
    RunRecordCommand(*Host);
    EXPECT_EQ(Host->Prompts, 1);
    ASSERT_EQ(Host->NewDocuments.size(), 1u);
    EXPECT_EQ(Host->NewDocuments[0], std::make_pair(48000, 1));
    ASSERT_EQ(Host->Inserted.size(), 1u);
    EXPECT_EQ(Host->Inserted[0].SampleRate, 48000);
    EXPECT_EQ(Host->Inserted[0].Channels, 1);
    EXPECT_EQ(Host->Editor().Position().GetLength(), std::int64_t(Host->Inserted[0].Samples.size()));

    // Cancelled, the new-file dialog ends the command before any window.
    Host->Editor().Close();
    Host->PromptAccepts = false;
    RunRecordCommand(*Host);
    EXPECT_EQ(Host->Prompts, 2);
    EXPECT_EQ(Host->Inserted.size(), 1u);

    // Without the prompt, the default format of the settings.
    GlobalVars().OP_PromptNewFile = false;
    GlobalVars().OP_DefSample = 32000;
    GlobalVars().OP_DefChannel = 2;
    Host->Editor().Close();
    Then([this] {
        EXPECT_EQ(Window()->RecordSampleRate, 32000);
        EXPECT_EQ(Window()->RecordChannels, 2);
        Window()->ButtonDiscard->Click();
    });
    RunRecordCommand(*Host);
    EXPECT_EQ(Host->Prompts, 2);
    EXPECT_EQ(Host->NewDocuments.size(), 1u);
}

TEST_F(RecordRoad, ADocumentThatCannotBeMadeLeavesTheRecordingWhereItIs) {
    UseCapture(TSignal().Tone(10, 440, 0.5));
    GlobalVars().OP_PromptNewFile = false;
    Host->NewFails = true;
    Then([this] {
        RecordFor(0.2);
        Window()->ActionKeep->Execute();
    });
    RunRecordCommand(*Host);
    EXPECT_EQ(Host->NewDocuments.size(), 1u);
    EXPECT_TRUE(Host->Inserted.empty());
    EXPECT_TRUE(FileExists(GlobalVars().RecordingFile));
}

} // namespace record_road_test
