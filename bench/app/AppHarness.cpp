#include "AppHarness.h"

#include "platform/vcl/Application.h"
#include "platform/vcl/VclInit.h"
#include "platform/win/SdlPresenter.h"
#include "source/ProgramEnvironment.h"
#include "source/ProgramStart.h"
#include "source/mainform/MainForm.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

struct TAppHarness::TImpl {
    olva::win::TSdlPresenter Presenter;
    bool Sdl = false;
    TMainForm* MainForm = nullptr;
};

TAppHarness::TAppHarness(const std::string& Scratch, const std::string& ProgramFolder)
    : FImpl(std::make_unique<TImpl>()) {
    std::filesystem::create_directories(Scratch + "/config");
    ::setenv("XDG_CONFIG_HOME", (Scratch + "/config").c_str(), 1);
    SetProgramEnvironment({ProgramFolder, {}});
    if (std::getenv("DISPLAY") != nullptr) FImpl->Sdl = FImpl->Presenter.Start();
    InitializeVcl();
}

TAppHarness::~TAppHarness() {
    if (FImpl->MainForm != nullptr) FImpl->MainForm->SetModified(false);
    FinalizeVcl();
    if (FImpl->Sdl) FImpl->Presenter.Stop();
}

TMainForm* TAppHarness::Start() {
    FImpl->MainForm = StartProgram();
    FImpl->MainForm->Show();
    DrawPending();
    return FImpl->MainForm;
}

void TAppHarness::DrawPending() {
    FImpl->MainForm->Update();
    Application()->ProcessMessages();
    if (FImpl->Sdl) FImpl->Presenter.PresentChanged();
}

bool TAppHarness::RealScreen() const {
    return FImpl->Sdl;
}

void ReportFigure(const char* File, const std::string& Name, double Value) {
    if (File == nullptr) return;
    if (std::FILE* out = std::fopen(File, "a")) {
        std::fprintf(out, "%s %.6f\n", Name.c_str(), Value);
        std::fclose(out);
    }
}
