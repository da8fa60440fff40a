// Help, links and About: the manual's contents, the web pages of the product, its support and its
// company, the welcome window, the About box; and the Help tab's and Tools tab's buttons that carry no
// action.
#include "platform/vcl/Action.h"
#include "source/GlobalVars.h"
#include "source/HelpAddress.h"
#include "source/ProgramEnvironment.h"
#include "source/ShellOpen.h"
#include "source/help/AboutForm.h"
#include "source/help/CompanionPrograms.h"
#include "source/help/HelpTab.h"
#include "source/mainform/MainForm.h"

void TMainForm::BindHelpCommands() {
    auto bind = [this](TAction* Action, auto Handler) {
        Action->SetOnExecute(TNotifyEvent([this, Handler](TObject*) { Handler(); }, this));
    };
    bind(ActionHelp, [this] { ShowHelpPage(Handle(), "WelcometoAPP"); });
    bind(ActionAbout, [this] { RunAboutBox(*this); });
    bind(ActionProductPage, [] { OpenWithShell(GlobalVars().ProductWebPage); });
    bind(ActionTechnicalSupport, [] { OpenWithShell(GlobalVars().SupportWebPage); });
    bind(ActionCompanyHomepage, [] { OpenWithShell(GlobalVars().CompanyWebPage); });
    bind(ActionWelcomeWindow, [this] { ShowWelcome(); });
}

void TMainForm::ShowHelpTabPage(int Button) {
    if (Button == 1) {
        OpenWithShell(AudioSourceWebPage(GlobalVars()));
        return;
    }
    const std::string page = HelpTabPage(Button);
    if (!page.empty()) ShowHelpPage(Handle(), page);
}

void TMainForm::OpenUpgradePage() {
    OpenWithShell(GlobalVars().UpgradeWebPage);
}

void TMainForm::RunCompanionProgram(int Index) {
    const std::vector<TCompanionProgram>& programs = CompanionPrograms();
    if (Index < 0 || Index >= static_cast<int>(programs.size())) return;
    StopIfBusy();
    StartCompanionProgram(programs[static_cast<std::size_t>(Index)], ProgramEnvironment().ProgramFolder,
                          GlobalVars());
}
