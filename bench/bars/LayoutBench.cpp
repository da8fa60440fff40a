// Writes and reads the stored toolbar layout of a manager with 20 toolbars of 40 links each, and of
// managers ten times as large (ten times the toolbars and items, or ten times the links per toolbar), next
// to a bare load and save of the same ini files. Prints the best time of each in milliseconds, the ratios
// to the bare file work, and how reading grows with the number of links.
//
//   olva_layout_bench                                   everything, in one process
//   olva_layout_bench <write|read|load|save> T L N      N rounds of one of them for T toolbars of L links
//                                                       (for timing whole processes)
#include "platform/rtl/IniFile.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/VclInit.h"
#include "platform/win/Presenter.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarUnit.h"
#include "ui/bars/layout/BarLayoutDiagnostics.h"
#include "ui/core/UiCoreInit.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int Runs = 7;

struct Size {
    int Toolbars;
    int Links;
    int Items() const { return Toolbars * Links / 4; }
};

// A manager with ASize's toolbars, each linking its share of the items, every fifth link a group start.
TovBarManager* MakeManager(TForm* AForm, const Size& ASize) {
    auto* manager = new TovBarManager(AForm);
    manager->SetName("BarManager1");
    std::vector<TovBarButton*> items;
    for (int i = 0; i < ASize.Items(); ++i) {
        auto* item = new TovBarButton(AForm);
        item->SetName("Command" + std::to_string(i));
        item->SetCaption("Command " + std::to_string(i));
        items.push_back(item);
    }
    manager->BeginUpdate();
    for (int t = 0; t < ASize.Toolbars; ++t) {
        TovBar* bar = manager->Bars()->Add();
        bar->SetCaption("Toolbar " + std::to_string(t));
        bar->SetDockingStyle(dsTop);
        bar->SetRow(t);
        for (int l = 0; l < ASize.Links; ++l) {
            TovBarItemLink* link = bar->ItemLinks()->AddItem(items[(t * ASize.Links + l * 7) % items.size()]);
            link->SetBeginGroup(l % 5 == 0);
        }
    }
    manager->EndUpdate(true);
    return manager;
}

double Time(const std::function<void()>& AWork) {
    const auto start = Clock::now();
    AWork();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Best(const std::function<void()>& AWork) {
    double best = 1e30;
    for (int run = 0; run < Runs; ++run)
        best = std::min(best, Time(AWork));
    return best;
}

struct Measured {
    double Write, Save, Read, Load;
};

Measured Measure(TForm* AForm, const Size& ASize, const std::string& AFolder) {
    TovBarManager* manager = MakeManager(AForm, ASize);
    const std::string file = AFolder + "/layout.ini", copy = AFolder + "/copy.ini";
    Measured m{};
    m.Write = Best([&] { manager->SaveToIniFile(file); });
    m.Read = Best([&] { manager->LoadFromIniFile(file); });
    m.Load = Best([&] {
        TMemIniFile ini(file);
        if (!ini.SectionExists("MainForm.BarManager1.Main")) std::abort();
    });
    m.Save = Best([&] {
        TMemIniFile ini(file);
        ini.Rename(copy, false);
        ini.UpdateFile();
    });
    manager->Free();
    return m;
}

int RunOne(TForm* AForm, const std::string& AWhat, const Size& ASize, int ARounds,
           const std::string& AFolder) {
    TovBarManager* manager = MakeManager(AForm, ASize);
    const std::string file = AFolder + "/layout.ini";
    manager->SaveToIniFile(file);
    for (int i = 0; i < ARounds; ++i) {
        if (AWhat == "write") {
            manager->SaveToIniFile(file);
        } else if (AWhat == "read") {
            manager->LoadFromIniFile(file);
        } else if (AWhat == "load") {
            TMemIniFile ini(file);
        } else if (AWhat == "save") {
            TMemIniFile ini(file);
            ini.Rename(AFolder + "/copy.ini", false);
            ini.UpdateFile();
        } else {
            std::fprintf(stderr, "unknown measurement %s\n", AWhat.c_str());
            return 2;
        }
    }
    manager->Free();
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    olva::win::BindWindowSystemToThisThread();
    InitializeVcl();
    uiCoreInitialize();
    uiBarsInitialize();
    // The layouts here are whole; nothing should be reported, and nothing is printed if it is.
    ovSetBarLayoutReportSink([](const std::string& ALine) { std::fprintf(stderr, "%s\n", ALine.c_str()); });
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("olva-layout-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    int status = 0;
    {
        auto* form = TCustomForm::New<TForm>(nullptr);
        form->SetName("MainForm");
        if (argc == 5) {
            status = RunOne(form, argv[1], Size{std::atoi(argv[2]), std::atoi(argv[3])},
                            std::max(1, std::atoi(argv[4])), folder.string());
        } else {
            std::printf("Stored toolbar layout in an ini file, best of %d, milliseconds\n", Runs);
            std::printf("  %-22s %9s %9s %6s %9s %9s %6s\n", "layout", "write", "bare save", "ratio", "read",
                        "bare load", "ratio");
            const Size sizes[] = {{20, 40}, {200, 40}, {20, 400}};
            double smallRead = 0;
            for (const Size& size : sizes) {
                const Measured m = Measure(form, size, folder.string());
                const std::string name = std::to_string(size.Toolbars) + " x " + std::to_string(size.Links) +
                                         " (" + std::to_string(size.Items()) + " items)";
                std::printf("  %-22s %9.2f %9.2f %6.2f %9.2f %9.2f %6.2f", name.c_str(), m.Write, m.Save,
                            m.Write / m.Save, m.Read, m.Load, m.Read / m.Load);
                if (smallRead == 0)
                    smallRead = m.Read;
                else
                    std::printf("   reading grew %.1f times for 10 times the links", m.Read / smallRead);
                std::printf("\n");
            }
        }
        form->Free();
    }
    std::filesystem::remove_all(folder);
    uiBarsFinalize();
    uiCoreFinalize();
    FinalizeVcl();
    return status;
}
