// A readable dump of a loaded ribbon: the main window's tabs built in a loading bracket, in their stored
// order, with their groups, toolbars, the active tab, a contextual set and the quick access toolbar. The
// file goes to build/test-output/ribbon/model/ for a look at the model before anything draws it.
#include "RibbonTestSupport.h"

#include "platform/rtl/ComponentLoading.h"
#include "platform/vcl/Form.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/ribbon/qat/RibbonQuickAccessGroupButton.h"
#include "ui/ribbon/qat/RibbonQuickAccessToolbar.h"
#include "ui/ribbon/ribbon/RibbonContexts.h"
#include "ui/ribbon/tabs/RibbonTab.h"
#include "ui/ribbon/tabs/RibbonTabGroup.h"

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace ribbon_test;

namespace {

std::string DockName(TovBar* ABar) {
    if (auto* dock = dynamic_cast<TRecordingDock*>(ABar->DockControl()))
        return dock->Tab() != nullptr ? dock->Tab()->Caption() : dock->Name;
    return ABar->DockControl() != nullptr ? "a dock of the form" : "no dock";
}

std::string Dump(TovCustomRibbon* ARibbon) {
    std::ostringstream out;
    out << "Ribbon " << ARibbon->Name() << " on " << ARibbon->Owner()->Name() << ", bar manager "
        << (ARibbon->BarManager() != nullptr ? ARibbon->BarManager()->Name() : "none") << "\n";
    out << "Active tab: " << (ARibbon->ActiveTab() != nullptr ? ARibbon->ActiveTab()->Caption() : "none")
        << (ARibbon->ShowTabGroups() ? "" : " (minimized)") << "\n\n";
    out << "Tabs, in order:\n";
    for (int i = 0; i < ARibbon->Tabs()->Count(); ++i) {
        TovRibbonTab* tab = ARibbon->Tabs()->Items(i);
        out << "  " << i << ". " << tab->Caption() << "  [" << tab->Name() << "]";
        if (!tab->KeyTip().empty()) out << "  key tip " << tab->KeyTip();
        if (tab->Context() != nullptr) out << "  context " << tab->Context()->Caption();
        if (!tab->IsVisible()) out << "  (not shown)";
        if (tab->Active()) out << "  (active)";
        out << "\n";
        for (int g = 0; g < tab->Groups()->Count(); ++g) {
            TovRibbonTabGroup* group = tab->Groups()->Items(g);
            TovBar* bar = group->ToolBar();
            out << "       group \"" << group->Caption() << "\"  toolbar "
                << (bar != nullptr ? bar->Name() + " in " + DockName(bar) : std::string("none")) << "\n";
        }
    }
    out << "\nContexts:\n";
    for (int i = 0; i < ARibbon->Contexts()->Count(); ++i) {
        TovRibbonContext* context = ARibbon->Contexts()->Items(i);
        char colour[16];
        std::snprintf(colour, sizeof(colour), "%06X", static_cast<unsigned>(context->Color()));
        out << "  " << context->Caption() << "  colour " << colour << "  "
            << (context->Visible() ? "visible" : "hidden") << "  tabs " << context->GetTabCount() << "\n";
    }
    TovRibbonQuickAccessToolbar* qat = ARibbon->QuickAccessToolbar();
    out << "\nQuick access toolbar: "
        << (qat->Toolbar() != nullptr ? qat->Toolbar()->Name() + " in " + DockName(qat->Toolbar()) : "none")
        << ", " << (qat->Position() == qtpAboveRibbon ? "above" : "below") << " the ribbon, "
        << (qat->Visible() ? "visible" : "hidden") << "\n";
    if (TovBar* bar = qat->Toolbar())
        for (int i = 0; i < bar->ItemLinks()->Count(); ++i) {
            TovBarItem* item = bar->ItemLinks()->Items(i)->Item();
            out << "  " << i << ". " << item->Name();
            if (auto* button = dynamic_cast<TovRibbonQuickAccessGroupButton*>(item))
                out << "  (group " << (button->Toolbar() != nullptr ? button->Toolbar()->Name() : "none") << ")";
            out << "\n";
        }
    return out.str();
}

class RibbonModelDumpTest : public RibbonTest {};

TEST_F(RibbonModelDumpTest, TheMainWindowsRibbonLoadsAsItsFormBuildsIt) {
    TovCustomRibbon* built = nullptr;
    {
        TComponentLoading loading(form);
        built = TovCustomRibbon::New<TTestRibbon>(form);
        built->SetName("Ribbon");
        built->SetParent(form);
        TovRibbonContext* tools = built->Contexts()->Add();
        tools->SetCaption("Selection Tools");
        tools->SetColor(0x3399FF);
        struct TTabSpec {
            const char* Caption;
            const char* KeyTip;
            std::vector<const char*> Toolbars;
        };
        const TTabSpec specs[] = {
            {"Home", "H", {"BarManagerBarFile", "BarManagerBarClipboard", "BarManagerBarView"}},
            {"File", "F", {"BarManagerBarOpen", "BarManagerBarSave"}},
            {"Edit", "E", {"BarManagerBarClipboard2", "BarManagerBarSelection"}},
            {"Effect", "", {"BarManagerBarEffects", "BarManagerBarFilters"}},
            {"Noise Reduction", "", {"BarManagerBarNoise"}},
            {"Bookmark", "", {"BarManagerBarBookmarks", "BarManagerBarRegions"}},
            {"Options", "", {"BarManagerBarView", "BarManagerBarSettings"}},
            {"Help", "", {"BarManagerBarHelp"}},
        };
        for (int i = 0; i < 8; ++i) {
            TovRibbonTab* tab = built->Tabs()->Add();
            tab->SetCaption(specs[i].Caption);
            tab->SetKeyTip(specs[i].KeyTip);
            tab->SetLoadedIndex(i);
            for (const char* name : specs[i].Toolbars)
                tab->Groups()->Add()->SetStreamedToolbarName(name);
            if (i == 0) tab->SetActive(true);
        }
        TovRibbonTab* trim = built->Tabs()->Add();
        trim->SetCaption("Trim");
        trim->SetLoadedIndex(8);
        trim->SetLoadedContextIndex(0);
        built->SetBarManager(manager);
        for (const char* name :
             {"BarManagerBarFile", "BarManagerBarClipboard", "BarManagerBarView", "BarManagerBarOpen",
              "BarManagerBarSave", "BarManagerBarClipboard2", "BarManagerBarSelection", "BarManagerBarEffects",
              "BarManagerBarFilters", "BarManagerBarNoise", "BarManagerBarBookmarks", "BarManagerBarRegions",
              "BarManagerBarSettings", "BarManagerBarHelp", "BarManagerBarQAT"}) {
            TovBar* bar = manager->Bars()->Add();
            bar->SetName(name);
            bar->SetCaption(std::string(name).substr(13));
            bar->SetVisible(true);
        }
    }
    built->QuickAccessToolbar()->SetToolbar(manager->GetBarByName("BarManagerBarQAT"));
    built->QuickAccessToolbar()->AddGroupButton(manager->GetBarByName("BarManagerBarClipboard"));
    const std::string dump = Dump(built);
    const std::filesystem::path dir = std::filesystem::path(OLVA_TEST_OUT_DIR) / "ribbon" / "model";
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "main-window-ribbon.txt") << dump;

    EXPECT_NE(dump.find("Active tab: Home\n"), std::string::npos);
    EXPECT_NE(dump.find("  6. Options  [RibbonTab7]\n       group \"View\"  toolbar BarManagerBarView in Home"),
              std::string::npos);
    EXPECT_NE(dump.find("8. Trim  [RibbonTab9]  context Selection Tools  (not shown)"), std::string::npos);
    EXPECT_NE(dump.find("  0. QATBarManagerBarClipboard  (group BarManagerBarClipboard)"), std::string::npos);
    int groups = 0;
    for (int i = 0; i < built->Tabs()->Count(); ++i)
        groups += built->Tabs()->Items(i)->Groups()->Count();
    EXPECT_EQ(groups, 15);
}

} // namespace
