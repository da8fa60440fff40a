#include "platform/vcl/VclInit.h"

#include "platform/vcl/Application.h"
#include "platform/vcl/DragDrop.h"
#include "platform/vcl/Mouse.h"
#include "platform/vcl/Screen.h"
#include "platform/vcl/SystemEdit.h"
#include "platform/win/SystemClasses.h"

void InitializeVcl() {
    if (Mouse() == nullptr) SetMouseInstance(new TMouse());
    if (Screen() == nullptr) SetScreenInstance(new TScreen());
    if (Application() == nullptr) SetApplicationInstance(new TApplication(nullptr));
    olva::win::ProvideSystemClass("EDIT", &RegisterSystemEditClass);
}

void FinalizeVcl() {
    olva::win::ProvideSystemClass("EDIT", nullptr);
    DragManager().Shutdown();
    if (TApplication* app = Application()) {
        // The application's forms still reach the application while they go.
        app->Free();
        SetApplicationInstance(nullptr);
    }
    if (TScreen* screen = Screen()) {
        SetScreenInstance(nullptr);
        delete screen;
    }
    if (TMouse* mouse = Mouse()) {
        SetMouseInstance(nullptr);
        delete mouse;
    }
}
