// Pictures of the command pictures for looking at, under build/test-output/icons/: the contact sheets
// (each size on white and on the ribbon's grey, grouped by family and labelled, the small size also
// enlarged), and every picture as the Office11 bar painter draws it — normal, hot, pressed and disabled —
// on a toolbar, in a menu and on large buttons, taken from the image lists the main window makes.
#include "gallery/BarStandIns.h"

#include "platform/gdi/GdiDC.h"
#include "platform/gdi/Surface.h"
#include "platform/rtl/Clock.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/VclInit.h"
#include "platform/win/Presenter.h"
#include "source/mainform/CommandIcons.h"
#include "source/mainform/CommandImageLists.h"
#include "tools/commandicons/CommandIconArt.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarUnit.h"
#include "ui/bars/painting/BarOffice11Painter.h"
#include "ui/core/UiCoreInit.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/core/graphics/ImageList.h"
#include "ui/painters/PaintersInit.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <functional>

void OlvaRegisterResources_olva_app_tests();

namespace {

using namespace bar_standins;

std::string OutputPath(const std::string& Name) {
    const std::filesystem::path dir = std::filesystem::path(OLVA_TEST_OUT_DIR) / "icons";
    std::filesystem::create_directories(dir);
    return (dir / Name).string();
}

// "ActionZoomToSelection" -> "Zoom To Selection".
std::string Label(const std::string& Command) {
    std::string name = Command;
    for (const char* prefix : {"Action", "Bar.", "Menu."})
        if (name.rfind(prefix, 0) == 0) name = name.substr(std::string(prefix).size());
    std::string label;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (i > 0 && std::isupper(static_cast<unsigned char>(name[i])) &&
            std::islower(static_cast<unsigned char>(name[i - 1])))
            label += ' ';
        label += name[i];
    }
    return label;
}

enum TState { sNormal, sHot, sPressed, sDisabled, sStateCount };
const char* const StateNames[sStateCount] = {"normal", "hot", "pressed", "disabled"};

class CommandIconSheets : public ::testing::Test {
protected:
    void SetUp() override {
        static const bool registered = (OlvaRegisterResources_olva_app_tests(), true);
        (void)registered;
        olva::win::ResetWindowSystem();
        clock = std::make_unique<TFakeClock>(0, 100000);
        clockOverride = std::make_unique<TClockOverride>(*clock);
        InitializeVcl();
        uiCoreInitialize();
        uiPaintersInitialize();
        uiBarsInitialize();
        form = TCustomForm::New<TForm>(nullptr);
        manager = new TovBarManager(form);
        manager->SetUseSystemFont(false);
        manager->Font()->SetName("Tahoma");
        manager->Font()->SetHeight(-11);
        lists = MakeCommandImageLists(form);
        manager->SetImages(lists.Small);
        manager->SetLargeImages(lists.Large);
        painter = std::make_unique<TovBarOffice11Painter>();
        bar = manager->Bars()->Add();
        bar->SetCaption("Pictures");
    }
    void TearDown() override {
        standIns.clear();
        delete form;
        painter.reset();
        uiBarsFinalize();
        uiPaintersFinalize();
        uiCoreFinalize();
        FinalizeVcl();
        olva::win::ResetWindowSystem();
        clockOverride.reset();
        clock.reset();
    }

    void ApplyState(TCustomovBarControl* Control, TovBarItem* Item, TState State) {
        TovBarItemControl* itemControl = Control->ItemLinks()->Items(0)->Control();
        ASSERT_NE(itemControl, nullptr);
        if (State == sHot || State == sPressed) {
            itemControl->SetSelectedByMouse(true);
            Control->SetSelectedControl(itemControl);
            itemControl->SetHotPartIndex(0);
        }
        if (State == sPressed) itemControl->SetPressed(true);
        if (State == sDisabled) Item->SetEnabled(false);
    }

    // One item on its own stand-in toolbar (or menu), placed and sized.
    struct TCell {
        std::function<void(TuiCanvas*)> Paint;
        TSize Size;
    };
    TCell ToolbarCell(TovBarItem* Item, TState State) {
        auto toolbar = std::make_unique<TStandInToolbar>(manager, bar);
        toolbar->SetPainter(painter.get());
        toolbar->MarkShown = false;
        toolbar->Add(Item);
        toolbar->Layout();
        ApplyState(toolbar.get(), Item, State);
        TStandInToolbar* t = toolbar.get();
        standIns.push_back(std::move(toolbar));
        const TRect client = t->GetClientRect();
        return {[t](TuiCanvas* C) { t->PaintTo(C); },
                TSize{client.right - client.left, client.bottom - client.top}};
    }
    TCell MenuCell(TovBarItem* Item, TState State) {
        auto menu = std::make_unique<TStandInMenu>(manager);
        menu->SetPainter(painter.get());
        menu->Add(Item);
        menu->Layout(190);
        ApplyState(menu.get(), Item, State);
        TStandInMenu* m = menu.get();
        standIns.push_back(std::move(menu));
        const TRect r = m->GetWindowRectLocal();
        return {[m](TuiCanvas* C) { m->PaintTo(C); }, TSize{r.right - r.left, r.bottom - r.top}};
    }

    // A sheet of every picture in every state: Columns groups a row, each group the states side by side.
    void WriteStateSheet(const std::string& Name, int Columns, int StateCount,
                         const std::function<TCell(int Picture, int State)>& Make) {
        const int count = static_cast<int>(CommandIcons().size());
        std::vector<std::vector<TCell>> cells(count);
        int cellW = 0, cellH = 0;
        for (int i = 0; i < count; ++i)
            for (int s = 0; s < StateCount; ++s) {
                cells[i].push_back(Make(i, s));
                cellW = std::max<int>(cellW, cells[i].back().Size.cx);
                cellH = std::max<int>(cellH, cells[i].back().Size.cy);
            }
        const int gap = 6, groupW = StateCount * (cellW + 2) + gap * 2, top = 24;
        const int rows = (count + Columns - 1) / Columns;
        const int width = Columns * groupW + 2 * gap, height = top + rows * (cellH + gap) + gap;
        TBitmap bitmap;
        bitmap.SetPixelFormat(pf32bit);
        bitmap.SetSize(width, height);
        bitmap.Canvas()->Brush()->SetColor(clWhite);
        bitmap.Canvas()->FillRect(RECT{0, 0, width, height});
        TuiCanvas canvas(bitmap.Canvas());
        std::string title = "Command pictures, Office11 painter, " + Name + " - states:";
        for (int s = 0; s < StateCount; ++s)
            title += std::string(" ") + (s < sStateCount ? StateNames[s] : "normal, in colour");
        bitmap.Canvas()->TextOut(gap, 4, title);
        for (int i = 0; i < count; ++i) {
            const int gx = gap + (i % Columns) * groupW, gy = top + (i / Columns) * (cellH + gap);
            for (int s = 0; s < StateCount; ++s) {
                const TCell& cell = cells[i][s];
                HDC dc = canvas.Handle();
                const int x = gx + s * (cellW + 2);
                OffsetViewportOrgEx(dc, x, gy, nullptr);
                cell.Paint(&canvas);
                OffsetViewportOrgEx(dc, -x, -gy, nullptr);
            }
        }
        const std::string file = OutputPath(Name + ".png");
        EXPECT_TRUE(SaveSurfaceToPng(*GdiGetBitmapSurface(bitmap.Handle()), file)) << file;
    }

    std::unique_ptr<TFakeClock> clock;
    std::unique_ptr<TClockOverride> clockOverride;
    TForm* form = nullptr;
    TovBarManager* manager = nullptr;
    TovBar* bar = nullptr;
    TCommandImageLists lists;
    std::unique_ptr<TovBarPainter> painter;
    std::vector<std::unique_ptr<TCustomovBarControl>> standIns;
};

void WritePng(const art::TArt& Picture, const std::string& Name) {
    const std::string png = Picture.ToPng();
    std::ofstream out(OutputPath(Name + ".png"), std::ios::binary | std::ios::trunc);
    out.write(png.data(), std::streamsize(png.size()));
    EXPECT_TRUE(out.good()) << Name;
}

TEST(CommandIconContactSheets, EachSizeOnWhiteAndOnTheRibbonGreyGroupedByFamily) {
    const art::TRgb white = art::Hex(0xffffff), silver = art::Hex(0xe9edf1);
    for (int size : {16, 32})
        for (const auto& [background, name] : {std::pair{white, "white"}, std::pair{silver, "silver"}}) {
            std::unique_ptr<art::TArt> sheet = commandicons::DrawContactSheet(size, background, 1);
            ASSERT_GT(sheet->Height(), size * 10);
            WritePng(*sheet, "contact-" + std::to_string(size) + "-" + name);
        }
    // The small pictures four times as large, to judge their pixels; and each family large on the grey.
    WritePng(*commandicons::DrawContactSheet(16, white, 4), "contact-16-enlarged");
    for (int f = 0; f <= static_cast<int>(TIconFamily::Program); ++f) {
        const auto family = static_cast<TIconFamily>(f);
        for (int size : {16, 32})
            WritePng(*commandicons::DrawContactSheet(size, silver, size == 16 ? 6 : 3, &family),
                     "family" + std::to_string(f) + "-" + std::to_string(size));
    }
}

TEST_F(CommandIconSheets, TheOffice11PainterDrawsEveryPictureInEveryStateOnToolbarsMenusAndLargeButtons) {
    ASSERT_EQ(lists.Small->Count(), static_cast<int>(CommandIcons().size()));
    ASSERT_EQ(lists.Large->Count(), static_cast<int>(CommandIcons().size()));
    auto button = [this](int Picture, TovBarPaintStyle Style) {
        auto* item = new TovBarButton(form);
        item->SetCaption(Label(CommandIcons()[Picture].Command));
        item->SetImageIndex(Picture);
        item->SetPaintStyle(Style);
        return item;
    };
    WriteStateSheet("office11-toolbar", 10, sStateCount, [&](int Picture, int State) {
        return ToolbarCell(button(Picture, psStandard), static_cast<TState>(State));
    });
    WriteStateSheet("office11-menu", 3, sStateCount, [&](int Picture, int State) {
        return MenuCell(button(Picture, psCaptionGlyph), static_cast<TState>(State));
    });
    // Large buttons show their picture grey until the mouse is on them; the last column in colour.
    WriteStateSheet("office11-large", 3, sStateCount + 1, [&](int Picture, int State) {
        auto* large = new TovBarLargeButton(form);
        large->SetCaption(Label(CommandIcons()[Picture].Command));
        large->SetLargeImageIndex(Picture);
        large->SetShowCaption(true);
        large->SetGlyphLayout(glTop);
        large->SetAutoGrayScale(State != sStateCount);
        return ToolbarCell(large, State == sStateCount ? sNormal : static_cast<TState>(State));
    });
}

} // namespace
