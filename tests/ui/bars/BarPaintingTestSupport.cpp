#include "BarPaintingTestSupport.h"

#include "gallery/BarGallery.h"

#include "ui/bars/Bar.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarManager.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/painters/PaintersInit.h"

#include <filesystem>

namespace bars_test {

IovBarControl* PaintingFactory::CreateSubMenuControl(TovBarItemLinks* ALinks) {
    auto* menu = new bar_standins::TStandInMenu(ALinks->BarManager(), ALinks);
    menu->SetPainter(Painter);
    return menu;
}

void BarPaintingTest::SetUp() {
    BarsTest::SetUp();
    uiPaintersInitialize();
    manager = MakeManager();
    bar_gallery::PrepareGalleryManager(manager);
    painter = std::make_unique<TovBarPainter>();
    paintingFactory.Painter = painter.get();
    ovSetBarWindowFactory(&paintingFactory);
}

void BarPaintingTest::TearDown() {
    standIns.clear();
    // The form's bars and menus go while their painter still exists.
    delete form;
    form = nullptr;
    painter.reset();
    uiPaintersFinalize();
    BarsTest::TearDown();
}

TovBarButton* BarPaintingTest::Button(const std::string& ACaption, int AImage, TovBarPaintStyle AStyle) {
    auto* button = new TovBarButton(form);
    button->SetCaption(ACaption);
    button->SetImageIndex(AImage);
    button->SetPaintStyle(AStyle);
    return button;
}

bar_standins::TStandInToolbar* BarPaintingTest::Toolbar(TovBarDockingStyle AStyle) {
    TovBar* bar = manager->Bars()->Add();
    bar->SetDockingStyle(AStyle);
    auto toolbar = std::make_unique<bar_standins::TStandInToolbar>(manager, bar);
    toolbar->DockingStyleOverride = AStyle;
    toolbar->SetPainter(painter.get());
    auto* result = toolbar.get();
    standIns.push_back(std::move(toolbar));
    return result;
}

bar_standins::TStandInMenu* BarPaintingTest::Menu() {
    auto menu = std::make_unique<bar_standins::TStandInMenu>(manager);
    menu->SetPainter(painter.get());
    auto* result = menu.get();
    standIns.push_back(std::move(menu));
    return result;
}

HDC BarPaintingTest::TPicture::DC() const {
    return Canvas->Handle();
}

TColor BarPaintingTest::TPicture::At(int X, int Y) const {
    return graphics_test::At(*Bitmap, X, Y);
}

int BarPaintingTest::TPicture::Count(TColor AColor) const {
    const TColor wanted = static_cast<TColor>(ColorToRGB(AColor) & 0xFFFFFF);
    int count = 0;
    for (int y = 0; y < Bitmap->Height(); ++y)
        for (int x = 0; x < Bitmap->Width(); ++x)
            if (At(x, y) == wanted) ++count;
    return count;
}

BarPaintingTest::TPicture BarPaintingTest::Picture(int AWidth, int AHeight, TColor AFill) {
    TPicture picture;
    picture.Bitmap = graphics_test::MakeBitmap(AWidth, AHeight, AFill);
    picture.Canvas = std::make_unique<TuiCanvas>(picture.Bitmap->Canvas());
    return picture;
}

std::string BarPaintingTest::OutputPath(const std::string& AName) {
    const std::filesystem::path dir = std::filesystem::path(OLVA_TEST_OUT_DIR) / "bars";
    std::filesystem::create_directories(dir);
    return (dir / AName).string();
}

} // namespace bars_test
