#include "source/ProgramStart.h"

#include "platform/rtl/Exception.h"
#include "platform/vcl/Application.h"
#include "source/ProgramEnvironment.h"
#include "source/ProgressForm.h"
#include "source/analysis/FreAnalysisForm.h"
#include "source/mainform/MainForm.h"
#include "source/splash/SplashForm.h"

TMainForm* StartProgram() {
    Application()->Initialize();
    auto* splash = TCustomForm::New<TFormSplash>(Application());
    try {
        splash->ShowSplash(ProgramEnvironment().ProgramFolder + SplashPictureName);
    } catch (const Exception&) {
        // The picture is a file of the installation; without a usable one the program starts plainly.
        delete splash;
    }
    Application()->SetTitle(ApplicationTitle);
    TMainForm* mainForm = nullptr;
    Application()->CreateForm(mainForm);
    TFormProgress* progress = nullptr;
    Application()->CreateForm(progress);
    mainForm->FormProgress = progress;
    TFreAnalysisForm* analysis = nullptr;
    Application()->CreateForm(analysis);
    mainForm->SetFrequencyAnalysisWindow(analysis);
    return mainForm;
}
