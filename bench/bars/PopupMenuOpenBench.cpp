// Opens a popup menu of 40 entries to its first full paint and closes it again, many times: the bar
// manager's popup menu (TovBarPopupMenu, its window and the flat bar painter) next to the class library's
// TPopupMenu window with the same entries (captions, glyphs, shortcuts, groups, disabled entries), both
// on the headless screen. Prints the median time of one open-and-close in milliseconds and the ratio.
//
//   olva_popup_open_bench [N]      N opens of each (default 300)
#include "BarGalleryArt.h"

#include "platform/vcl/Form.h"
#include "platform/vcl/ImageList.h"
#include "platform/vcl/Menu.h"
#include "platform/vcl/PopupMenu.h"
#include "platform/vcl/PopupMenuWindow.h"
#include "platform/vcl/ShortCuts.h"
#include "platform/vcl/VclInit.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarUnit.h"
#include "ui/bars/controls/SubMenuControl.h"
#include "ui/bars/popupmenus/PopupMenu.h"
#include "ui/core/UiCoreInit.h"
#include "ui/painters/PaintersInit.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int Entries = 40;
constexpr int GroupEvery = 8;
constexpr int DisabledEvery = 7;

std::string CaptionOf(int AIndex) {
    static const char* const Words[] = {"Cut",  "Copy", "Paste",     "Trim",
                                        "Fade", "Mix",  "Normalize", "Reverse"};
    return std::string(Words[AIndex % 8]) + " " + std::to_string(AIndex + 1);
}

TShortCut ShortCutOf(int AIndex) {
    return AIndex % 3 == 0 ? ShortCut(static_cast<std::uint16_t>('A' + AIndex % 26), scCtrl) : 0;
}

bool Disabled(int AIndex) {
    return AIndex % DisabledEvery == DisabledEvery - 1;
}

void PaintPending() {
    MSG msg{};
    while (PeekMessage(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE))
        DispatchMessage(&msg);
}

double Median(std::vector<double> ATimes) {
    std::sort(ATimes.begin(), ATimes.end());
    return ATimes[ATimes.size() / 2];
}

double Time(int ACount, const std::function<void()>& AOpenAndClose) {
    std::vector<double> times;
    AOpenAndClose(); // the first opening makes what later ones reuse
    for (int i = 0; i < ACount; ++i) {
        const auto start = Clock::now();
        AOpenAndClose();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return Median(times);
}

} // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 300;
    olva::win::BindWindowSystemToThisThread();
    InitializeVcl();
    uiCoreInitialize();
    uiPaintersInitialize();
    uiBarsInitialize();
    {
        TCustomForm* form = TCustomForm::New<TForm>(nullptr);
        form->SetBounds(0, 0, 300, 200);
        auto* manager = new TovBarManager(form);
        manager->SetStyle(bmsFlat);
        manager->MenuAnimations = maNone;
        TCustomImageList* images = bar_gallery::MakeGalleryImages(form, 16);
        manager->SetImages(images);

        auto* bars = new TovBarPopupMenu(form);
        auto* plainMenu = new TPopupMenu(form);
        plainMenu->SetImages(images);
        for (int i = 0; i < Entries; ++i) {
            auto* button = new TovBarButton(form);
            button->SetCaption(CaptionOf(i));
            button->SetImageIndex(i % bar_gallery::GalleryImageCount);
            button->SetShortCut(ShortCutOf(i));
            button->SetEnabled(!Disabled(i));
            bars->ItemLinks()->AddItem(button)->SetBeginGroup(i > 0 && i % GroupEvery == 0);
            if (i > 0 && i % GroupEvery == 0) {
                auto* line = new TMenuItem(plainMenu);
                line->SetCaption("-");
                plainMenu->Items()->Add(line);
            }
            auto* item = new TMenuItem(plainMenu);
            item->SetCaption(CaptionOf(i));
            item->SetImageIndex(i % bar_gallery::GalleryImageCount);
            item->SetShortCut(ShortCutOf(i));
            item->SetEnabled(!Disabled(i));
            plainMenu->Items()->Add(item);
        }

        const double barsTime = Time(count, [&] {
            bars->PopupEx(400, 60, 0, 0, false, nullptr, false, nullptr);
            PaintPending();
            if (TovBarSubMenuControl* menu = bars->GetSubMenuControl()) menu->CloseUp(bcrOther);
        });
        const double plainTime = Time(count, [&] {
            auto* window = new TPopupMenuWindow(plainMenu->Items(), nullptr);
            window->ShowAt(400, 60, 400);
            PaintPending();
            delete window;
        });
        std::printf("Open a %d-entry popup menu to its first full paint and close it (median of %d, ms)\n",
                    Entries, count);
        std::printf("  bar manager popup menu  %8.3f\n", barsTime);
        std::printf("  TPopupMenu window       %8.3f\n", plainTime);
        std::printf("  ratio                   %8.2f\n", plainTime > 0 ? barsTime / plainTime : 0.0);
        delete form;
    }
    uiBarsFinalize();
    uiPaintersFinalize();
    uiCoreFinalize();
    FinalizeVcl();
    return 0;
}
