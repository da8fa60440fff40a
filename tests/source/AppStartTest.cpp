// The program's start: the main window in its start-up order (placement, caption, settings, recent
// lists, shortcut and favourites files), the splash picture and its fade, damaged files at start.
#include "AppTestSupport.h"
#include "audio/AudioEditor2.h"
#include "platform/gdi/Surface.h"
#include "platform/rtl/FileUtils.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/ApplicationMessageBox.h"
#include "platform/vcl/Panel.h"
#include "platform/vcl/Screen.h"
#include "platform/win/Input.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "source/GlobalVars.h"
#include "source/ProgramEnvironment.h"
#include "source/RecentFilesFile.h"
#include "source/SettingsFile.h"
#include "source/mainform/MainForm.h"
#include "source/splash/SplashForm.h"
#include "source/splash/SplashPicture.h"
#include "tests/support/FileSizeLimit.h"

#include <filesystem>

namespace app_test {

TEST(SplashPictureTest, FadeTakesEightyFiveStepsEndingExactlyAtFullStrength) {
    const std::vector<int> steps = FadeSteps();
    ASSERT_EQ(steps.size(), 85u);
    EXPECT_EQ((std::vector<int>(steps.begin(), steps.begin() + 6)),
              (std::vector<int>{8, 16, 24, 32, 39, 46}));
    EXPECT_EQ((std::vector<int>(steps.end() - 3, steps.end())), (std::vector<int>{253, 254, 255}));
}

TEST(SplashPictureTest, PremultiplicationScalesColoursByAlphaAndKeepsAlpha) {
    auto table = std::make_unique<TPremultiplyTable>();
    FillPremultiplyTable(*table);
    struct TCase {
        std::array<std::uint8_t, 4> In, Out; // B, G, R, A
    };
    const TCase cases[] = {
        {{255, 128, 7, 0}, {0, 0, 0, 0}},         // fully clear becomes black
        {{255, 128, 7, 255}, {255, 128, 7, 255}}, // opaque keeps its colour
        {{255, 100, 0, 128}, {128, 50, 0, 128}},  // (a * c) div 255
        {{1, 254, 200, 254}, {0, 253, 199, 254}},
    };
    for (const TCase& c : cases) {
        std::array<std::uint8_t, 4> pixel = c.In;
        PremultiplyRow(pixel.data(), 1, *table);
        EXPECT_EQ(pixel, c.Out);
    }
    for (int a = 0; a < 256; a += 17)
        for (int v = 0; v < 256; v += 13)
            EXPECT_EQ((*table)[a][v], (*table)[v][a]);
}

TEST_F(AppTest, FirstStartPlacesTheWindowWritesItsFilesAndShowsTheVersionInTheCaption) {
    StartApp();
    // 900 x 560 centred on the 1920 x 1080 screen.
    EXPECT_EQ(MainForm->Left(), (1920 - 900) / 2);
    EXPECT_EQ(MainForm->Top(), (1080 - 560) / 2);
    EXPECT_EQ(MainForm->Width(), 900);
    EXPECT_EQ(MainForm->Height(), 560);
    EXPECT_EQ(MainForm->Caption(), "OLVA Audio Editor 2.5");
    EXPECT_EQ(Application()->Title(), "OLVA Audio Editor");
    EXPECT_EQ(GlobalVars().DataFolder, DataFolder);
    for (const char* file : {"system201201.dat", "Favorite201201.dat", "Shortcut201201.dat"})
        EXPECT_TRUE(FileExists(DataFolder + file)) << file;
    EXPECT_FALSE(MainForm->DocumentOpen);
    EXPECT_EQ(MainForm->AudioEditor->Tag(), 11);
    EXPECT_EQ(MainForm->AudioEditor->TempDirectory(), DataFolder);
    EXPECT_EQ(MainForm->AudioEditor->TypeBorder(), 4);
    EXPECT_TRUE(MainForm->ActionWorkplaceBlackWhite->Checked());
    EXPECT_TRUE(MainForm->PanelEffects->Visible());
    EXPECT_FALSE(MainForm->PanelFavorites->Visible());
    EXPECT_EQ(MainForm->PanelCommandBar->Width(), 210);
    EXPECT_EQ(MainForm->ActionOpenFile->ShortCut(), TextToShortCut("Ctrl+O"));

    CloseMainWindow();
    MainForm = nullptr;
    // The close keeps the placement (height stored 23 pixels larger), the recent list and the settings.
    EXPECT_EQ(ReadSettingInteger("FormPos", "height", 0, DataFolder + "system201201.dat"), 560 + 23);
    EXPECT_EQ(ReadSettingInteger("FormPos", "x", 0, DataFolder + "system201201.dat"), 510);
    EXPECT_TRUE(FileExists(DataFolder + RecentFilesFileName));
}

TEST_F(AppTest, StoredSettingsShapeTheWindowAndAMissingVersionFileLeavesTheTitle) {
    std::filesystem::remove(ProgramFolder + VersionFileName);
    std::filesystem::create_directories(DataFolder);
    Root->Write("config/OLVA/system201201.dat",
                "[SYSTEM]\r\nCommandBarWidth=260\r\nEffectPanelOnFront=0\r\nOP_UseDefFolder=0\r\n"
                "OP_WorkingFolder=/tmp/olva-work/\r\nBlackWhite=0\r\nShowCommandBar=0\r\nMemoryLimitMB=64\r\n"
                "[FormPos]\r\nx=40\r\ny=30\r\nwidth=700\r\nheight=523\r\n");
    StartApp();
    EXPECT_EQ(MainForm->Caption(), "OLVA Audio Editor ");
    EXPECT_EQ(MainForm->Left(), 40);
    EXPECT_EQ(MainForm->Top(), 30);
    EXPECT_EQ(MainForm->Width(), 700);
    EXPECT_EQ(MainForm->Height(), 500);
    EXPECT_EQ(MainForm->PanelCommandBar->Width(), 260);
    EXPECT_FALSE(MainForm->PanelCommandBar->Visible());
    EXPECT_FALSE(MainForm->ActionWorkplaceBlackWhite->Checked());
    EXPECT_TRUE(MainForm->PanelFavorites->Visible());
    // The working folder is the data folder until a document is opened or made.
    EXPECT_EQ(MainForm->AudioEditor->TempDirectory(), DataFolder);
    // Documents above the stored size in memory go to the working folder.
    EXPECT_EQ(MainForm->AudioEditor->MemoryLimit(), std::int64_t(64) << 20);
}

TEST_F(AppTest, DamagedSettingsAndADamagedSplashPictureStillStartTheProgram) {
    Root->Write("program/splash.png", "\x89PNG\r\n\x1a\nthis is not a picture");
    std::filesystem::create_directories(DataFolder);
    Root->Write(
        "config/OLVA/system201201.dat",
        "\x01\x02 garbage \xff\xfe\r\n[SYSTEM\r\nCommandBarWidth=wide\r\n[SYSTEM]\r\nOP_DefSample=-5\r\n"
        "DefNewFileSampleRate=259\r\nShowStartDialog=2\r\nExportFormat=9\r\n[FormPos]\r\nwidth=99999\r\n");
    Root->Write("config/OLVA/MRUList201201.dat", std::string("\0\0\r\n", 4));
    StartApp();
    ASSERT_NE(MainForm, nullptr);
    EXPECT_TRUE(MainForm->Showing());
    // No splash window stayed behind.
    for (int i = 0; i < Screen()->FormCount(); ++i)
        EXPECT_EQ(dynamic_cast<TFormSplash*>(Screen()->Forms(i)), nullptr);
    const TGlobalVars& vars = GlobalVars();
    EXPECT_EQ(vars.CommandBarWidth, 210);    // not a number: the default
    EXPECT_EQ(vars.OP_DefSample, 44100);     // out of range: the default
    EXPECT_EQ(vars.DefNewFileSampleRate, 3); // the low byte of 259
    EXPECT_TRUE(vars.ShowStartDialog);       // any non-zero number is true
    EXPECT_EQ(vars.ExportFormat, 0);         // no such format: WAV
    EXPECT_EQ(MainForm->Width(), 1920);      // cut to the screen
    EXPECT_EQ(MainForm->Left(), 0);
}

// Settings that cannot be written: the program starts with what it could read, says so once, and
// leaves the files that were there as they were.
class AppUnwritableSettingsTest : public AppTest {
protected:
    void StartAndClose() {
        for (int i = 0; i < 3; ++i)
            Then([this] {
                Boxes.push_back(MessageBoxText(ActiveForm()));
                ActiveForm()->SetModalResult(mrOk);
            });
        StartApp();
        ASSERT_NE(MainForm, nullptr);
        EXPECT_TRUE(MainForm->Showing());
        CloseMainWindow();
        MainForm = nullptr;
        Steps.clear(); // the answers not needed
        ASSERT_EQ(Boxes.size(), 1u);
        EXPECT_NE(Boxes[0].find("Unable to write to " + DataFolder), std::string::npos) << Boxes[0];
        EXPECT_NE(Boxes[0].find("Your settings cannot be saved"), std::string::npos) << Boxes[0];
    }
    std::vector<std::string> Boxes;
};

TEST_F(AppUnwritableSettingsTest, AFolderWhereTheFileShouldBe) {
    std::filesystem::create_directories(DataFolder + "system201201.dat");
    StartAndClose();
    EXPECT_TRUE(std::filesystem::is_directory(DataFolder + "system201201.dat"));
}

TEST_F(AppUnwritableSettingsTest, ALinkLoopWhereTheFileShouldBe) {
    std::filesystem::create_directories(DataFolder);
    std::filesystem::create_symlink("system201201.dat", DataFolder + "system201201.dat");
    StartAndClose();
    EXPECT_TRUE(std::filesystem::is_symlink(DataFolder + "system201201.dat"));
}

TEST_F(AppUnwritableSettingsTest, AFullDiskKeepsTheOldFiles) {
    std::filesystem::create_directories(DataFolder);
    const std::string settings = "[SYSTEM]\r\nDefAmplify=40\r\n[FormPos]\r\nx=40\r\ny=30\r\nwidth=700\r\n"
                                 "height=523\r\n[WaveMode]\r\nMode=2\r\n";
    const std::string recent = "/music/one.wav\r\n";
    Root->Write("config/OLVA/system201201.dat", settings);
    Root->Write("config/OLVA/MRUList201201.dat", recent);
    {
        TFileSizeLimit full(0);
        StartAndClose();
    }
    EXPECT_EQ(Root->Read("config/OLVA/system201201.dat"), settings);
    EXPECT_EQ(Root->Read("config/OLVA/MRUList201201.dat"), recent);
    EXPECT_EQ(GlobalVars().DefAmplify, 40); // what could be read was used
}

TEST_F(AppTest, SplashFadesInOverTheScreenThenClosesAfterASecondOrOnAKey) {
    WriteSplashPicture(ProgramFolder + "big.png", 120, 60);
    for (bool byKey : {false, true}) {
        auto* splash = TCustomForm::New<TFormSplash>(Application());
        std::vector<int> alphas;
        splash->OnFadeStep = [&](int Alpha) { alphas.push_back(Alpha); };
        splash->ShowSplash(ProgramFolder + "big.png");
        EXPECT_EQ(alphas, FadeSteps());
        EXPECT_EQ(splash->ClientWidth(), 120);
        EXPECT_EQ(splash->ClientHeight(), 60);
        EXPECT_TRUE(splash->PerPixelAlpha());
        EXPECT_TRUE(splash->Showing());
        EXPECT_EQ(splash->FormStyle(), fsStayOnTop);
        EXPECT_NE(GetWindowLong(splash->Handle(), GWL_EXSTYLE) & LONG(WS_EX_LAYERED), 0);
        const HWND window = splash->Handle();
        // Its picture is premultiplied: the half-transparent white edge shows as mid grey over black.
        std::shared_ptr<TSurface> image = olva::win::WindowImage(window);
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->Pixel(60, 30), 0xFF3060C0u);
        EXPECT_EQ(image->Pixel(60, 0), 0x80808080u);
        EXPECT_EQ(image->Pixel(0, 0), 0x00000000u);
        if (byKey) {
            Application()->ProcessMessages();
            olva::win::InjectKey('A', true);
            olva::win::InjectKey('A', false);
            Pump();
        } else {
            Advance(900);
            EXPECT_TRUE(IsWindow(window));
            Advance(200);
        }
        Pump();
        EXPECT_FALSE(IsWindow(window)) << (byKey ? "key" : "timer");
    }
}

TEST_F(AppTest, OnePixelSplashPictureStillFadesAllTheWay) {
    WriteSplashPicture(ProgramFolder + "dot.png", 1, 1);
    auto* splash = TCustomForm::New<TFormSplash>(Application());
    int steps = 0;
    splash->OnFadeStep = [&](int) { ++steps; };
    splash->ShowSplash(ProgramFolder + "dot.png");
    EXPECT_EQ(steps, 85);
    EXPECT_EQ(splash->ClientWidth(), 1);
    EXPECT_EQ(splash->ClientHeight(), 1);
    splash->Close();
    Pump();
}

} // namespace app_test
