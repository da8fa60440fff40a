// The ribbon model's two bulk operations, each next to its reference:
//   load      a form built in its loading bracket with a bar manager of 48 toolbars and a ribbon of 8 tabs
//             of 6 groups bound to them by name, then freed;
//   toolbars  the same form with the 48 toolbars alone;
//   captions  a loaded ribbon whose 8 tabs change their captions 100 times, each change recalculating;
//   bracket   the same 100 changes inside one update bracket.
// Each mode runs N rounds (default 200) so that a whole process can be timed; without arguments every mode
// runs in this process and the best time of each and the two ratios are printed.
//
//   olva_ribbon_model_bench [load|toolbars|captions|bracket] [N]
#include "platform/rtl/ComponentLoading.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/VclInit.h"
#include "platform/win/Presenter.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarManager.h"
#include "ui/core/UiCoreInit.h"
#include "ui/painters/PaintersInit.h"
#include "ui/ribbon/RibbonUnit.h"
#include "ui/ribbon/ribbon/Ribbon.h"
#include "ui/ribbon/tabs/RibbonTab.h"
#include "ui/ribbon/tabs/RibbonTabGroup.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int Tabs = 8;
constexpr int GroupsPerTab = 6;
constexpr int CaptionChanges = 100;

std::string ToolbarName(int AIndex) {
    return "BarManagerBar" + std::to_string(AIndex);
}

// A form built in its loading bracket: the bar manager and its toolbars, and (with ARibbon) the ribbon
// whose groups name them, made before them as a stored form reads them.
TForm* BuildForm(bool ARibbon) {
    TForm* form = TCustomForm::New<TForm>(nullptr);
    TComponentLoading loading(form);
    form->SetBounds(0, 0, 1000, 700);
    auto* manager = new TovBarManager(form);
    manager->SetName("BarManager1");
    if (ARibbon) {
        auto* ribbon = TovCustomRibbon::New<TovRibbon>(form);
        ribbon->SetName("Ribbon");
        ribbon->SetParent(form);
        ribbon->SetBarManager(manager);
        for (int t = 0; t < Tabs; ++t) {
            TovRibbonTab* tab = ribbon->Tabs()->Add();
            tab->SetCaption("Tab " + std::to_string(t));
            tab->SetLoadedIndex(t);
            for (int g = 0; g < GroupsPerTab; ++g)
                tab->Groups()->Add()->SetStreamedToolbarName(ToolbarName(t * GroupsPerTab + g));
            if (t == 0) tab->SetActive(true);
        }
    }
    for (int i = 0; i < Tabs * GroupsPerTab; ++i) {
        TovBar* bar = manager->Bars()->Add();
        bar->SetName(ToolbarName(i));
        bar->SetCaption("Group " + std::to_string(i));
        bar->SetVisible(true);
    }
    return form;
}

TovCustomRibbon* RibbonOf(TForm* AForm) {
    for (int i = 0; i < AForm->ComponentCount(); ++i)
        if (auto* ribbon = dynamic_cast<TovCustomRibbon*>(AForm->Components(i))) return ribbon;
    return nullptr;
}

void ChangeCaptions(TovCustomRibbon* ARibbon, bool ABracket, int ARound) {
    if (ABracket) ARibbon->BeginUpdate();
    for (int i = 0; i < CaptionChanges; ++i)
        ARibbon->Tabs()->Items(i % Tabs)->SetCaption("Tab " + std::to_string(ARound) + "." + std::to_string(i));
    if (ABracket) ARibbon->EndUpdate();
}

// Runs AMode ARounds times; for the caption modes one form serves every round.
void Run(const std::string& AMode, int ARounds) {
    if (AMode == "load" || AMode == "toolbars") {
        for (int r = 0; r < ARounds; ++r)
            delete BuildForm(AMode == "load");
        return;
    }
    TForm* form = BuildForm(true);
    TovCustomRibbon* ribbon = RibbonOf(form);
    for (int r = 0; r < ARounds; ++r)
        ChangeCaptions(ribbon, AMode == "bracket", r);
    delete form;
}

double BestMilliseconds(const std::string& AMode, int ARounds) {
    double best = 1e300;
    for (int i = 0; i < 5; ++i) {
        const auto start = Clock::now();
        Run(AMode, ARounds);
        best = std::min(best, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return best;
}

} // namespace

int main(int argc, char** argv) {
    olva::win::ResetWindowSystem();
    InitializeVcl();
    uiCoreInitialize();
    uiPaintersInitialize();
    uiRibbonInitialize();
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 200;
    if (argc > 1) {
        Run(argv[1], rounds);
    } else {
        const double load = BestMilliseconds("load", rounds);
        const double toolbars = BestMilliseconds("toolbars", rounds);
        const double captions = BestMilliseconds("captions", rounds);
        const double bracket = BestMilliseconds("bracket", rounds);
        std::printf("%d rounds: load %.1f ms, toolbars alone %.1f ms, ratio %.2f\n", rounds, load, toolbars,
                    load / toolbars);
        std::printf("%d rounds of %d caption changes: each recalculating %.1f ms, in one bracket %.1f ms, "
                    "ratio %.2f\n",
                    rounds, CaptionChanges, captions, bracket, captions / bracket);
    }
    uiRibbonFinalize();
    uiPaintersFinalize();
    uiCoreFinalize();
    FinalizeVcl();
    return 0;
}
