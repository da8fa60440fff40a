// Help, links and About: the manual's contents, the web pages of the product, its support and its
// company, the welcome window and the About box; and the bar buttons that carry no action: the Help
// tab's page buttons, "Upgrade to Latest Version" and the Tools tab's companion programs.
#include "platform/vcl/Action.h"
#include "source/GlobalVars.h"
#include "source/HelpAddress.h"
#include "source/ProgramEnvironment.h"
#include "source/ShellOpen.h"
#include "source/help/AboutForm.h"
#include "source/help/CompanionPrograms.h"
#include "source/help/HelpTab.h"
#include "source/mainform/MainForm.h"

#include <utility>

void TMainForm::BindHelpCommands() {
    auto bind = [this](TAction* Action, auto Handler) {
        Action->SetOnExecute(TNotifyEvent([Handler](TObject*) { Handler(); }, Action));
    };
    bind(ActionHelp, [this] { ShowHelpPage(Handle(), "WelcometoAPP"); });
    bind(ActionAbout, [this] { RunAboutBox(*this); });
    bind(ActionProductPage, [] { OpenWithShell(GlobalVars().ProductWebPage); });
    bind(ActionTechnicalSupport, [] { OpenWithShell(GlobalVars().SupportWebPage); });
    bind(ActionCompanyHomepage, [] { OpenWithShell(GlobalVars().CompanyWebPage); });
    bind(ActionWelcomeWindow, [this] { ShowWelcome(); });
    // The bars have one click event for every button without an action; the ones bound before keep
    // theirs.
    Bars().OnItemClick = [this, others = std::move(Bars().OnItemClick)](TBarItem Item) {
        if (!RunHelpBarItem(Item) && others) others(Item);
    };
}

bool TMainForm::RunHelpBarItem(TBarItem Item) {
    static const std::pair<TBarItem, int> helpTab[] = {
        {TBarItem::HelpAudioSource, 1},
        {TBarItem::HelpRecordQuickTour, 2},
        {TBarItem::HelpImportingAudioTracks, 3},
        {TBarItem::HelpBasicAudioEditing, 4},
        {TBarItem::HelpConnectingStereoEquipment, 5},
        {TBarItem::HelpBookmarksAndRegions, 6},
    };
    for (const auto& [item, button] : helpTab) {
        if (item != Item) continue;
        if (button == 1)
            OpenWithShell(AudioSourceWebPage(GlobalVars()));
        else
            ShowHelpPage(Handle(), HelpTabPage(button));
        return true;
    }
    if (Item == TBarItem::UpgradeToLatestVersion) {
        OpenWithShell(GlobalVars().UpgradeWebPage);
        return true;
    }
    static const std::pair<TBarItem, std::size_t> companions[] = {{TBarItem::AudioConverter, 0},
                                                                  {TBarItem::CDBurner, 1}};
    for (const auto& [item, index] : companions) {
        if (item != Item) continue;
        StopIfBusy();
        StartCompanionProgram(CompanionPrograms().at(index), ProgramEnvironment().ProgramFolder,
                              GlobalVars());
        return true;
    }
    return false;
}
