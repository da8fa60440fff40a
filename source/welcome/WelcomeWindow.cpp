#include "source/mainform/WelcomeWindow.h"

#include "source/dialogs/DialogSupport.h"
#include "source/welcome/WelcomeStartForm.h"

#include <memory>

TWelcomeChoice RunWelcomeWindow(TCustomForm& Owner, std::function<void()> ClearRecentList) {
    std::unique_ptr<TWelcomeStartForm> window(
        TCustomForm::New<TWelcomeStartForm>(&Owner, std::move(ClearRecentList)));
    CenterOnOwner(*window, Owner);
    TWelcomeChoice choice;
    choice.Accepted = window->ShowModal() == mrOk;
    choice.Code = window->ResultCode();
    choice.RecentFile = window->ChosenFile();
    return choice;
}
