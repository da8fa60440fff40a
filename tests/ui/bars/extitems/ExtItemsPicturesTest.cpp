// Pictures of the ready-made items for looking at, under build/test-output/bars/extitems/, in the Office11
// look and the bars' test skin.
#include "tests/ui/bars/BarPaintingTestSupport.h"
#include "tests/ui/bars/gallery/BarGallery.h"
#include "tests/ui/bars/skin/TestSkinPainter.h"

#include "platform/gdi/GdiDC.h"
#include "platform/gdi/Surface.h"
#include "platform/rtl/StringList.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarSubItems.h"
#include "ui/bars/extitems/BarMRUListItem.h"
#include "ui/bars/extitems/BarStaticItems.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/Canvas.h"

#include <filesystem>

using namespace bars_test;

namespace bars_ext_items_pictures_test {

class ExtItemsPictures : public BarPaintingTest {
protected:
    // The looks the pictures are drawn in, each with its file name part.
    std::vector<std::pair<std::string, std::unique_ptr<TovBarPainter>>> Looks() {
        std::vector<std::pair<std::string, std::unique_ptr<TovBarPainter>>> looks;
        looks.emplace_back("office11", bar_gallery::MakeGalleryPainter("Office11"));
        looks.emplace_back("testskin", std::make_unique<skin_test::TTestSkinPainter>());
        return looks;
    }
    static std::string PicturePath(const std::string& AName) {
        const std::filesystem::path dir = std::filesystem::path(OLVA_TEST_OUT_DIR) / "bars" / "extitems";
        std::filesystem::create_directories(dir);
        return (dir / (AName + ".png")).string();
    }
    void Write(TPicture& APicture, const std::string& AName) {
        const std::string file = PicturePath(AName);
        EXPECT_TRUE(SaveSurfaceToPng(*GdiGetBitmapSurface(APicture.Bitmap->Handle()), file)) << file;
    }
};

} // namespace bars_ext_items_pictures_test
using namespace bars_ext_items_pictures_test;

TEST_F(ExtItemsPictures, TheRecentFilesListInAMenuWithAnElidedPath) {
    for (auto& [name, look] : Looks()) {
        auto* open = Button("&Open File...", 1, psCaptionGlyph);
        auto* mru = new TovBarMRUListItem(form);
        mru->AddItem(
            "/home/ann/Recordings/2024/Concerts/Spring festival/Rehearsals/Second evening/take 12.wav");
        mru->AddItem("/home/ann/Music/Rock & Roll.mp3");
        mru->AddItem("/home/ann/interview.wav");
        auto* exit = Button("E&xit", -1, psCaptionGlyph);
        // The item's entries as a menu window puts them in place of the item's own link.
        auto* holder = new TovBarSubItem(form);
        holder->ItemLinks()->AddItem(mru);
        TovBarContainerLinkData data;
        data.Item = mru;
        data.Link = holder->ItemLinks()->Items(0);
        mru->FillItemLinks(holder->ItemLinks(), &data, 1);
        bar_standins::TStandInMenu* menu = Menu();
        menu->SetPainter(look.get());
        menu->Add(open);
        for (int i = 0; i < mru->GeneratedCount(); ++i)
            menu->Add(mru->Generated(i), i == 0);
        menu->Add(exit, true);
        menu->Layout(200);
        ASSERT_EQ(mru->GeneratedCount(), 3);
        // Every entry fits the width the item gives it, the long path shortened in its middle.
        const std::string shown = mru->Generated(2)->Caption();
        EXPECT_NE(shown.find("..."), std::string::npos) << shown;
        EXPECT_EQ(mru->Generated(1)->Caption(), "&2 /home/ann/Music/Rock && Roll.mp3");
        const TSize size = uiSizeOfRect(menu->GetWindowRectLocal());
        TPicture picture = Picture(size.cx + 20, size.cy + 20);
        const int saved = SaveDC(picture.DC());
        OffsetViewportOrgEx(picture.DC(), 10, 10, nullptr);
        menu->PaintTo(picture.Canvas.get());
        RestoreDC(picture.DC(), saved);
        Write(picture, "recent-files-" + name);
        mru->RemoveListItems(&data);
        menu->SetPainter(painter.get());
    }
}

TEST_F(ExtItemsPictures, StaticsInEachBorderStyleAndProgressAtThreePositions) {
    for (auto& [name, look] : Looks()) {
        std::vector<bar_standins::TStandInToolbar*> rows;
        auto row = [&](TovBarItem* AItem) {
            bar_standins::TStandInToolbar* toolbar = Toolbar();
            toolbar->SetPainter(look.get());
            toolbar->MarkShown = false;
            toolbar->Add(AItem);
            toolbar->Layout();
            rows.push_back(toolbar);
        };
        const char* styles[] = {"none", "lowered", "raised", "etched", "bump"};
        for (int style = sbsNone; style <= sbsBump; ++style) {
            auto* item = new TovBarStatic(form);
            item->SetCaption(std::string("Border: ") + styles[style]);
            item->SetBorderStyle(static_cast<TovBarStaticBorderStyle>(style));
            item->SetWidth(140);
            row(item);
        }
        for (int position : {0, 35, 100}) {
            auto* item = new TovBarProgressItem(form);
            item->SetCaption(std::to_string(position) + " %");
            item->SetPosition(position);
            row(item);
        }
        int width = 0, height = 10;
        for (auto* toolbar : rows) {
            width = std::max<int>(width, uiWidthOfRect(toolbar->GetClientRect()));
            height += uiHeightOfRect(toolbar->GetClientRect()) + 6;
        }
        TPicture picture = Picture(width + 20, height);
        int y = 5;
        for (auto* toolbar : rows) {
            const int saved = SaveDC(picture.DC());
            OffsetViewportOrgEx(picture.DC(), 10, y, nullptr);
            toolbar->PaintTo(picture.Canvas.get());
            RestoreDC(picture.DC(), saved);
            y += uiHeightOfRect(toolbar->GetClientRect()) + 6;
            toolbar->SetPainter(painter.get());
        }
        Write(picture, "statics-progress-" + name);
    }
}
