#include "AppTestSupport.h"

#include "audio/AudioEditor2.h"
#include "audio/AudioFile2.h"
#include "platform/gdi/Surface.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/ApplicationMessageBox.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/FileDialogForm.h"
#include "platform/vcl/Screen.h"
#include "platform/vcl/VclInit.h"
#include "platform/win/DroppedFiles.h"
#include "platform/win/Input.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinUser.h"
#include "source/ProgramEnvironment.h"
#include "source/ProgramStart.h"
#include "source/mainform/MainForm.h"
#include "source/splash/SplashForm.h"

#include <cmath>
#include <filesystem>
#include <numbers>

// The skins and pictures embedded in the test program (see cmake/EmbedResources.cmake).
void OlvaRegisterResources_olva_app_tests();

namespace app_test {

std::vector<float> TestPiece(int SampleRate, int Channels, double Seconds) {
    const auto frames = static_cast<std::size_t>(Seconds * SampleRate);
    std::vector<float> out(frames * static_cast<std::size_t>(Channels));
    double phaseL = 0, phaseR = 0;
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = double(i) / SampleRate;
        phaseL += 2 * std::numbers::pi * (300 + 400 * t / Seconds) / SampleRate;
        phaseR += 2 * std::numbers::pi * (900 - 400 * t / Seconds) / SampleRate;
        const double envelope = 0.25 + 0.5 * std::sin(std::numbers::pi * t / Seconds);
        out[i * Channels] = float(envelope * std::sin(phaseL));
        if (Channels == 2) out[i * 2 + 1] = float(0.6 * envelope * std::sin(phaseR));
    }
    return out;
}

void WriteSound(const std::string& Path, const std::vector<float>& Samples, int SampleRate, int Channels,
                int FormatCode) {
    TAudioEditor2 editor;
    editor.New(SampleRate, Channels);
    editor.PutSamples(Samples);
    switch (FormatCode) {
    case afWav:
        editor.FileFormat().SetWAV(SampleRate, Channels, 16);
        break;
    case afMp3:
        editor.FileFormat().SetMP3CBR(44100, 192, Channels);
        break;
    case afOgg:
        editor.FileFormat().SetOGG(44100, Channels, 160, 0, 0, -1);
        break;
    default:
        editor.FileFormat().SetWMA(10);
        break;
    }
    editor.Save(Path, 0, FormatCode);
}

TDecoded ReadSound(const std::string& Path) {
    TAudioFile2 file;
    file.Open(Path);
    TDecoded decoded;
    decoded.SampleRate = file.GetDecodedSampleRate();
    decoded.Channels = file.GetDecodedChannels();
    for (;;) {
        std::vector<float> block = file.Read(1 << 16);
        if (block.empty()) break;
        decoded.Samples.insert(decoded.Samples.end(), block.begin(), block.end());
    }
    file.Close();
    return decoded;
}

void WriteSplashPicture(const std::string& Path, int Width, int Height) {
    TSurface surface(Width, Height);
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x) {
            // Opaque blue in the middle, half transparent white at the edges, clear in the corners.
            const bool edgeX = x == 0 || x == Width - 1, edgeY = y == 0 || y == Height - 1;
            surface.Row(y)[x] = edgeX && edgeY ? 0x00000000u : (edgeX || edgeY ? 0x80FFFFFFu : 0xFF3060C0u);
        }
    ASSERT_TRUE(SaveSurfaceToPng(surface, Path, true));
}

void ClickAt(POINT ScreenPoint) {
    olva::win::InjectMouse(olva::win::MouseAction::Move, ScreenPoint.x, ScreenPoint.y);
    olva::win::InjectMouse(olva::win::MouseAction::LeftDown, ScreenPoint.x, ScreenPoint.y);
    olva::win::InjectMouse(olva::win::MouseAction::LeftUp, ScreenPoint.x, ScreenPoint.y);
}

void ClickOn(TControl* Control) {
    ClickAt(Control->ClientToScreen(POINT{Control->Width() / 2, Control->Height() / 2}));
}

void MoveTo(TControl* Control) {
    const POINT p = Control->ClientToScreen(POINT{Control->Width() / 2, Control->Height() / 2});
    olva::win::InjectMouse(olva::win::MouseAction::Move, p.x, p.y);
}

std::string PicturePath(const std::string& Name) {
    const std::filesystem::path folder = std::filesystem::path(OLVA_TEST_OUT_DIR) / "app";
    std::filesystem::create_directories(folder);
    return (folder / (Name + ".png")).string();
}

void AppTest::SetUp() {
    // The program's skins and pictures, as the program registers them at its start.
    static const bool registered = (OlvaRegisterResources_olva_app_tests(), true);
    (void)registered;
    const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    Root = std::make_unique<TTestFolder>(name);
    ConfigFolder = Root->Path() + "config";
    DataFolder = ConfigFolder + "/OLVA/";
    ProgramFolder = Root->Path() + "program/";
    Documents = Root->Path() + "documents/";
    for (const std::string& folder : {ConfigFolder, ProgramFolder, Documents})
        std::filesystem::create_directories(folder);
    Environment.Set("XDG_CONFIG_HOME", ConfigFolder);
    Environment.Set("HOME", Root->Path() + "home");
    WriteSplashPicture(ProgramFolder + SplashPictureName, 40, 20);
    Root->Write("program/" + std::string(VersionFileName), "[SYSTEM]\r\nVersion=2.5\r\n");

    olva::win::ResetWindowSystem();
    Clock = std::make_unique<TFakeClock>(45000.5, 100000);
    ClockOverride = std::make_unique<TClockOverride>(*Clock);
    TFormSplash::Sleep() = [this](int Ms) { Clock->Advance(static_cast<std::uint64_t>(Ms)); };
    InitializeVcl();
    Application()->OnIdle = TIdleEvent(
        [this](TObject*, bool& Done) {
            Done = false;
            TCustomForm* active = ActiveForm();
            if (active == nullptr || active == reinterpret_cast<TCustomForm*>(MainForm) ||
                !active->FormState().Contains(fsModal))
                return;
            if (CloseWelcomeWindow && active->Name() == "WelcomeStartForm") {
                active->SetModalResult(mrCancel);
                return;
            }
            if (!Steps.empty()) {
                auto step = std::move(Steps.front());
                Steps.pop_front();
                step();
            } else if (++IdlesAfterScript > 100) {
                Unanswered.push_back(active->Caption());
                IdlesAfterScript = 0;
                active->SetModalResult(mrAbort);
            }
        },
        this);
}

void AppTest::TearDown() {
    EXPECT_TRUE(Steps.empty()) << Steps.size() << " steps of the script did not run";
    EXPECT_TRUE(Unanswered.empty()) << "unanswered window: "
                                    << (Unanswered.empty() ? "" : Unanswered.front());
    if (MainForm != nullptr) {
        // Leave without questions; the test has looked at what it wanted.
        MainForm->SetModified(false);
        MainForm = nullptr;
    }
    if (Application() != nullptr) Application()->OnIdle = nullptr;
    FinalizeVcl();
    olva::win::ResetWindowSystem();
    TFormSplash::Sleep() = nullptr;
    ClockOverride.reset();
    Clock.reset();
    SetProgramEnvironment({});
}

void AppTest::StartApp(const std::vector<std::string>& Arguments) {
    SetProgramEnvironment({ProgramFolder, Arguments});
    MainForm = StartProgram();
    MainForm->Show();
    Pump();
    ::SetForegroundWindow(MainForm->Handle());
    Pump();
    Advance(250); // the timer after showing
}

void AppTest::Pump() {
    Application()->ProcessMessages();
}

void AppTest::Advance(int Ms) {
    Clock->Advance(static_cast<std::uint64_t>(Ms));
    Pump();
}

namespace {

void QueueKey(int VK, const std::vector<int>& Modifiers) {
    for (int modifier : Modifiers)
        olva::win::InjectKey(modifier, true);
    olva::win::InjectKey(VK, true);
    olva::win::InjectKey(VK, false);
    for (int modifier : Modifiers)
        olva::win::InjectKey(modifier, false);
}

} // namespace

void AppTest::Key(int VK, std::initializer_list<int> Modifiers) {
    QueueKey(VK, Modifiers);
    Pump();
}

void AppTest::Drop(const std::vector<std::string>& Paths) {
    const POINT centre =
        MainForm->ClientToScreen(POINT{MainForm->ClientWidth() / 2, MainForm->ClientHeight() / 2});
    ASSERT_TRUE(olva::win::InjectDropFiles(centre, Paths));
    Pump();
}

void AppTest::CloseMainWindow() {
    PostMessage(MainForm->Handle(), WM_CLOSE, 0, 0);
    Pump();
}

void AppTest::ThenType(const std::string& Text) {
    Then([Text] { olva::win::InjectText(Text); });
}

void AppTest::ThenKey(int VK, std::initializer_list<int> Modifiers) {
    Then([VK, modifiers = std::vector<int>(Modifiers)] { QueueKey(VK, modifiers); });
}

void AppTest::ThenReadBox() {
    Then([this] {
        const std::string text = MessageBoxText(ActiveForm());
        BoxTexts.push_back(!text.empty() ? text : std::string("(no message box)"));
    });
}

void AppTest::ThenChooseFile(const std::string& Path) {
    ThenKey('N', {VK_MENU}); // "File &name:"
    ThenType(Path);
    ThenKey(VK_RETURN);
}

void AppTest::ThenPicture(const std::string& Name) {
    Then([this, Name] {
        TCustomForm* form = ActiveForm();
        form->Update();
        EXPECT_TRUE(olva::win::SaveWindowPng(form->Handle(), PicturePath(Name))) << Name;
    });
}

TCustomForm* AppTest::ActiveForm() const {
    return Screen()->ActiveForm();
}

} // namespace app_test
