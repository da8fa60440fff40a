#include "source/ProgramStart.h"

#include "platform/rtl/Exception.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/VclInit.h"
#include "source/ProgramEnvironment.h"
#include "source/ProgressForm.h"
#include "source/analysis/FreAnalysisForm.h"
#include "source/mainform/MainForm.h"
#include "source/markers/BookmarkForm.h"
#include "source/markers/RegionForm.h"
#include "source/splash/SplashForm.h"
#include "ui/bars/BarUnit.h"
#include "ui/core/UiCoreInit.h"
#include "ui/painters/PaintersInit.h"
#include "ui/ribbon/RibbonUnit.h"

TProgramLibraries::TProgramLibraries(void (*RegisterResources)()) {
    // The program's own resources first: whatever starts after may look for them.
    if (RegisterResources) RegisterResources();
    InitializeVcl();
    // The user-interface library runs on the class library's screen, application and windows.
    uiCoreInitialize();
    // The look-and-feel painters draw for the library's controls; the bars choose among them.
    uiPaintersInitialize();
    uiBarsInitialize();
    uiRibbonInitialize();
}

TProgramLibraries::~TProgramLibraries() {
    // The class library would free the application's forms only with the application, after the
    // user-interface library had ended under them.
    if (TApplication* app = Application()) {
        app->CancelHint();
        app->DestroyComponents();
    }
    uiRibbonFinalize();
    uiBarsFinalize();
    uiPaintersFinalize();
    uiCoreFinalize();
    FinalizeVcl();
}

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
    TBookmarkForm* bookmarks = nullptr;
    Application()->CreateForm(bookmarks);
    TRegionForm* regions = nullptr;
    Application()->CreateForm(regions);
    mainForm->AttachMarkerWindows(bookmarks, regions);
    return mainForm;
}
