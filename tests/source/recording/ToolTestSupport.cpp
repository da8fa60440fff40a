#include "ToolTestSupport.h"

#include "audio/AudioEditor2.h"
#include "audio/AudioFile2.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/ApplicationMessageBox.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/Screen.h"
#include "platform/vcl/VclInit.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinUser.h"
#include "source/GlobalVars.h"
#include "tests/support/TestPaths.h"

#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <thread>

void OlvaRegisterResources_olva_app_tests();

namespace tool_test {

TSignal& TSignal::Tone(double Seconds, double Hz, double Amplitude) {
    const auto frames = std::size_t(Seconds * Rate);
    for (std::size_t i = 0; i < frames; ++i) {
        const auto v = float(Amplitude * std::sin(2 * std::numbers::pi * Hz * double(i) / Rate));
        Samples.push_back(v);
        Samples.push_back(v);
    }
    return *this;
}

TSignal& TSignal::Silence(double Seconds) {
    Samples.resize(Samples.size() + std::size_t(Seconds * Rate) * 2, 0.0f);
    return *this;
}

TSignal& TSignal::Ramp(double Seconds) {
    const auto frames = std::size_t(Seconds * Rate);
    for (std::size_t i = 0; i < frames; ++i) {
        Samples.push_back(0.05f + 0.9f * float(i) / float(frames));
        Samples.push_back(0.5f);
    }
    return *this;
}

double Seconds(const TSound& Sound) {
    return Sound.Channels > 0 ? double(Sound.Samples.size() / std::size_t(Sound.Channels)) / Sound.SampleRate
                              : 0;
}

double PeakBetween(const TSound& Sound, double From, double To) {
    const auto first = std::size_t(std::max(0.0, From) * Sound.SampleRate) * std::size_t(Sound.Channels);
    const auto last =
        std::min(Sound.Samples.size(), std::size_t(To * Sound.SampleRate) * std::size_t(Sound.Channels));
    double peak = 0;
    for (std::size_t i = first; i < last; ++i)
        peak = std::max(peak, double(std::fabs(Sound.Samples[i])));
    return peak;
}

// ---- Host

TTestHost::TTestHost(TCustomForm& Owner) : FOwner(Owner), FEditor(new TAudioEditor2(&Owner)) {}

bool TTestHost::DocumentOpen() {
    return FEditor->HasDocument();
}

bool TTestHost::PromptNewFileFormat(int& SampleRate, int& Channels) {
    ++Prompts;
    if (!PromptAccepts) return false;
    SampleRate = PromptRate;
    Channels = PromptChannels;
    return true;
}

bool TTestHost::NewAudioFile(int SampleRate, int Channels) {
    NewDocuments.emplace_back(SampleRate, Channels);
    if (NewFails) return false;
    FEditor->New(SampleRate, Channels);
    return true;
}

void TTestHost::InsertFileAtCursor(const std::string& Path) {
    Inserted.push_back(ReadSound(Path));
    FEditor->InsertFile(Path);
    Modified = true;
}

// ---- Fixture

void ToolTest::SetUp() {
    // The windows' skins and pictures, as the program registers them at its start.
    static const bool registered = (OlvaRegisterResources_olva_app_tests(), true);
    (void)registered;
    Scratch = (std::filesystem::temp_directory_path() /
               ("tools-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name())))
                  .string() +
              "/";
    std::filesystem::remove_all(Scratch);
    std::filesystem::create_directories(Scratch);

    olva::win::ResetWindowSystem();
    // Tuesday, 9 December 2025, 10:00.
    Clock = std::make_unique<TFakeClock>(TDateTime(46000 + 10.0 / 24), 100000);
    ClockOverride = std::make_unique<TClockOverride>(*Clock);
    InitializeVcl();
    Application()->Initialize();
    Application()->SetTitle("OLVA Audio Editor");
    Application()->OnException =
        TExceptionEvent([this](TObject*, Exception& E) { Errors.push_back(E.Message()); }, this);
    FSavedSettings = std::make_unique<TGlobalVars>(GlobalVars());
    // The settings as at a first start, with the temporary folder in the test's own.
    SetInitialValues(GlobalVars(), TSettingsFolders{Scratch + "data/", Scratch + "temp/", Scratch + "music"});
    Application()->OnIdle = TIdleEvent(
        [this](TObject*, bool& Done) {
            Done = false;
            TCustomForm* active = ActiveForm();
            if (active == nullptr || !active->FormState().Contains(fsModal) ||
                active->ModalResult() != mrNone)
                return;
            if (const std::string text = MessageBoxText(active); !text.empty()) {
                Boxes.push_back(text);
                active->SetModalResult(mrOk);
            } else if (!Steps.empty()) {
                FIdles = 0;
                auto step = std::move(Steps.front());
                Steps.pop_front();
                step();
            } else if (++FIdles > 200) {
                FIdles = 0;
                Unanswered.push_back(active->Caption());
                active->SetModalResult(mrAbort);
            }
        },
        this);

    Owner = TCustomForm::New<TForm>(nullptr);
    Owner->SetBounds(100, 80, 800, 560);
    Owner->SetCaption("Owner");
    Host = std::make_unique<TTestHost>(*Owner);
}

void ToolTest::TearDown() {
    EXPECT_TRUE(Steps.empty()) << Steps.size() << " steps of the script did not run";
    EXPECT_TRUE(Unanswered.empty()) << "unanswered window: "
                                    << (Unanswered.empty() ? "" : Unanswered.front());
    EXPECT_TRUE(Errors.empty()) << "error: " << (Errors.empty() ? "" : Errors.front());
    Host.reset();
    delete Owner;
    Owner = nullptr;
    Application()->OnIdle = nullptr;
    Application()->OnException = nullptr;
    GlobalVars() = *FSavedSettings;
    FinalizeVcl();
    olva::win::ResetWindowSystem();
    ClockOverride.reset();
    Clock.reset();
    std::filesystem::remove_all(Scratch);
}

void ToolTest::UseCapture(const TSignal& Input) {
    const std::string path = Scratch + "capture-in.raw";
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(Input.Samples.data()),
               std::streamsize(Input.Samples.size() * 4));
    Environment.Set("SDL_AUDIODRIVER", "disk");
    Environment.Set("SDL_DISKAUDIOFILEIN", path);
    Environment.Set("SDL_DISKAUDIOFILE", Scratch + "capture-out.raw");
    Environment.Set("SDL_DISKAUDIODELAY", "1");
}

void ToolTest::Pump() {
    Application()->ProcessMessages();
}

void ToolTest::Advance(int Ms) {
    while (Ms > 0) {
        const int step = std::min(Ms, 5);
        Clock->Advance(std::uint64_t(step));
        Pump();
        Ms -= step;
    }
}

bool WaitFor(const std::function<bool()>& Done, const std::function<void()>& Pump, int TimeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(TimeoutMs);
    for (;;) {
        Pump();
        if (Done()) return true;
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

bool ToolTest::PumpUntil(const std::function<bool()>& Done, int TimeoutMs) {
    return WaitFor(
        Done, [this] { Pump(); }, TimeoutMs);
}

void ToolTest::OpenDocument(int Rate, int Channels, double Seconds, double Cursor) {
    TAudioEditor2& editor = Host->Editor();
    editor.New(Rate, Channels);
    editor.PutSamples(std::vector<float>(std::size_t(Seconds * Rate) * std::size_t(Channels), 0.0f));
    editor.Position().SetSelection(0);
    editor.Position().SetCursor(std::int64_t(Cursor * Rate));
}

TCustomForm* ToolTest::ActiveForm() const {
    return Screen()->ActiveForm();
}

void ToolTest::Picture(TCustomForm* Form, const std::string& Folder, const std::string& Name) {
    const std::string folder = std::string(OlvaTestOutputPath()) + "/" + Folder;
    std::filesystem::create_directories(folder);
    Pump(); // the child windows paint what changed
    Form->Update();
    EXPECT_TRUE(olva::win::SaveWindowPng(Form->Handle(), folder + "/" + Name + ".png")) << Name;
}

} // namespace tool_test
