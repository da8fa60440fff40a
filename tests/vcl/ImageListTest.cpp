#include "GraphicsTestUtil.h"

#include "platform/gdi/Gdi.h"
#include "platform/rtl/Exceptions.h"
#include "platform/vcl/Icon.h"
#include "platform/vcl/ImageList.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinUser.h"

#include <cstdlib>

using namespace graphics_test;

namespace image_list_test {

// A 2 x 1 image: red on the left, lime (the key colour of the tests) on the right.
std::unique_ptr<TBitmap> RedAndKey(int cells = 1) {
    auto bitmap = MakeBitmap(2 * cells, 1, clLime);
    for (int c = 0; c < cells; ++c)
        bitmap->Canvas()->SetPixels(2 * c, 0, c == 0 ? clRed : clBlue);
    return bitmap;
}

bool Near(TColor a, TColor b, int tolerance = 2) {
    for (int shift = 0; shift < 24; shift += 8)
        if (std::abs(((a >> shift) & 0xFF) - ((b >> shift) & 0xFF)) > tolerance) return false;
    return true;
}

} // namespace image_list_test

using namespace image_list_test;

TEST(ImageListTest, AddingCutsWideBitmapsIntoImages) {
    TImageList list(nullptr, 2, 1);
    auto two = RedAndKey(2);
    EXPECT_EQ(list.AddMasked(two.get(), clLime), 0);
    EXPECT_EQ(list.Count(), 2);
    auto wider = MakeBitmap(5, 1, clRed); // 2 whole images, the rest ignored
    EXPECT_EQ(list.Add(wider.get(), nullptr), 2);
    EXPECT_EQ(list.Count(), 4);
    auto narrow = MakeBitmap(1, 1, clRed);
    EXPECT_EQ(list.Add(narrow.get(), nullptr), -1);
    EXPECT_EQ(list.Add(nullptr, nullptr), -1);
    EXPECT_EQ(list.Count(), 4);
}

TEST(ImageListTest, DrawingStylesAndImageTypes) {
    TImageList list(nullptr, 2, 1);
    auto image = RedAndKey();
    list.AddMasked(image.get(), clLime);
    struct Case {
        TDrawingStyle style;
        TImageType type;
        TColor bk, blend;
        TColor left, right; // drawn over white
    };
    const Case cases[] = {
        {dsNormal, itImage, clNone, clNone, clRed, clWhite},
        {dsNormal, itImage, clYellow, clNone, clRed, clYellow},     // the background fills the key
        {dsTransparent, itImage, clYellow, clNone, clRed, clWhite}, // unless drawn transparently
        {dsSelected, itImage, clNone, clBlue, 0x7F0080, clWhite},   // half red, half blue
        {dsFocus, itImage, clNone, clBlue, 0x4000BF, clWhite},      // a quarter blue
        {dsSelected, itImage, clNone, clNone, 0x7F7FFF, clWhite},   // half shows the white below
        {dsNormal, itMask, clNone, clNone, clBlack, clWhite},
    };
    for (const Case& c : cases) {
        list.SetBkColor(c.bk);
        list.SetBlendColor(c.blend);
        auto target = MakeBitmap(2, 1, clWhite);
        list.Draw(target->Canvas(), 0, 0, 0, c.style, c.type);
        EXPECT_TRUE(Near(At(*target, 0, 0), c.left)) << c.style << " " << std::hex << At(*target, 0, 0);
        EXPECT_EQ(At(*target, 1, 0), c.right) << c.style;
    }
}

TEST(ImageListTest, AlphaImagesBlendAndDisabledImagesAreEmbossed) {
    TImageList list(nullptr, 2, 2);
    auto image = MakeBitmap(2, 2, clWhite);
    for (int y = 0; y < 2; ++y)
        static_cast<std::uint32_t*>(image->ScanLine(y))[0] =
            y == 0 ? 0x80FF0000 : 0xFF000000;               // half red; black
    static_cast<std::uint32_t*>(image->ScanLine(0))[1] = 0; // fully transparent
    static_cast<std::uint32_t*>(image->ScanLine(1))[1] = 0;
    ASSERT_EQ(list.Add(image.get(), nullptr), 0);
    auto target = MakeBitmap(3, 3, clWhite);
    list.Draw(target->Canvas(), 0, 0, 0);
    EXPECT_TRUE(Near(At(*target, 0, 0), 0x7F7FFF)) << std::hex << At(*target, 0, 0);
    EXPECT_EQ(At(*target, 0, 1), clBlack);
    EXPECT_EQ(At(*target, 1, 0), clWhite);

    // Disabled: the opaque non-white pixels in shadow, their copy one pixel down-right in highlight.
    auto plain = MakeBitmap(3, 3, clSilver);
    list.Draw(plain->Canvas(), 0, 0, 0, false);
    const TColor shadow = ColorToRGB(clBtnShadow), highlight = ColorToRGB(clBtnHighlight);
    EXPECT_EQ(At(*plain, 0, 0), shadow);
    EXPECT_EQ(At(*plain, 0, 1), shadow);
    EXPECT_EQ(At(*plain, 1, 1), highlight);
    EXPECT_EQ(At(*plain, 1, 2), highlight);
    EXPECT_EQ(At(*plain, 2, 0), clSilver);
}

TEST(ImageListTest, InsertReplaceMoveAndDelete) {
    TImageList list(nullptr, 1, 1);
    auto red = MakeBitmap(1, 1, clRed), lime = MakeBitmap(1, 1, clLime), blue = MakeBitmap(1, 1, clBlue);
    list.Add(red.get(), nullptr);
    list.Add(lime.get(), nullptr);
    list.Insert(0, blue.get(), nullptr); // blue, red, lime
    auto colorOf = [&list](int index) {
        TBitmap bitmap;
        EXPECT_TRUE(list.GetBitmap(index, &bitmap));
        return At(bitmap, 0, 0);
    };
    EXPECT_EQ(colorOf(0), clBlue);
    EXPECT_EQ(colorOf(2), clLime);
    list.Move(0, 2); // red, lime, blue
    EXPECT_EQ(colorOf(0), clRed);
    EXPECT_EQ(colorOf(2), clBlue);
    list.Replace(1, red.get(), nullptr);
    EXPECT_EQ(colorOf(1), clRed);
    list.Delete(0);
    EXPECT_EQ(list.Count(), 2);

    struct Failure {
        std::function<void()> call;
        const char* message;
    };
    const Failure failures[] = {
        {[&] { list.Delete(2); }, "Invalid ImageList Index"},
        {[&] { list.Replace(5, red.get(), nullptr); }, "Unable to Replace Image"},
        {[&] { list.Insert(4, red.get(), nullptr); }, "Unable to insert an image"},
        {[&] { list.SetWidth(0); }, "Invalid image size"},
    };
    for (const Failure& f : failures) {
        try {
            f.call();
            ADD_FAILURE() << f.message;
        } catch (const EInvalidOperation& e) {
            EXPECT_EQ(e.Message(), f.message);
        }
    }
    EXPECT_EQ(list.Count(), 2);
    TBitmap untouched;
    EXPECT_FALSE(list.GetBitmap(7, &untouched));
    EXPECT_TRUE(untouched.Empty());
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST(ImageListTest, IconsComeOutWithTheirMask) {
    TImageList list(nullptr, 2, 1);
    auto image = RedAndKey();
    list.AddMasked(image.get(), clLime);
    TIcon icon;
    ASSERT_TRUE(list.GetIcon(0, &icon));
    EXPECT_EQ(icon.Width(), 2);
    auto target = MakeBitmap(2, 1, clYellow);
    target->Canvas()->Draw(0, 0, &icon);
    EXPECT_EQ(At(*target, 0, 0), clRed);
    EXPECT_EQ(At(*target, 1, 0), clYellow);
}

TEST(ImageListTest, ChangeLinksHearOfChangesUntilEitherSideGoes) {
    auto list = std::make_unique<TImageList>(nullptr);
    TChangeLink link;
    int heard = 0, events = 0;
    link.OnChange = [&heard](TObject*) { ++heard; };
    list->OnChange = [&events](TObject*) { ++events; };
    list->RegisterChanges(&link);
    EXPECT_EQ(link.Sender(), list.get());
    auto image = MakeBitmap(16, 16, clRed);
    list->Add(image.get(), nullptr);
    list->SetDrawingStyle(dsSelected);
    list->SetSize(8, 8); // a new size empties the list
    EXPECT_EQ(list->Count(), 0);
    EXPECT_EQ(heard, 3);
    EXPECT_EQ(events, 3);
    {
        TChangeLink shortLived;
        list->RegisterChanges(&shortLived);
    } // unregisters itself
    list->SetBkColor(clRed);
    EXPECT_EQ(heard, 4);
    list.reset();
    EXPECT_EQ(link.Sender(), nullptr);
}

TEST(ImageListTest, SharedHandlesOutliveTheirListAndAssignCopiesImages) {
    TImageList owner(nullptr, 4, 4);
    auto image = MakeBitmap(8, 4, clRed);
    owner.Add(image.get(), nullptr);
    {
        TImageList sharing(nullptr);
        sharing.SetShareImages(true);
        sharing.SetHandle(owner.Handle());
        EXPECT_EQ(sharing.Width(), 4);
        EXPECT_EQ(sharing.Count(), 2);
    }
    EXPECT_EQ(ImageList_GetImageCount(owner.Handle()), 2);

    TImageList copy(nullptr);
    copy.Assign(&owner);
    owner.Clear();
    EXPECT_EQ(copy.Count(), 2);
    EXPECT_EQ(copy.Width(), 4);
}

TEST(ImageListTest, DragImagesFollowTheMouseInAPopup) {
    olva::win::ResetWindowSystem();
    TDragImageList drag(nullptr, 4, 4);
    auto image = MakeBitmap(8, 4, clRed);
    drag.Add(image.get(), nullptr);
    EXPECT_FALSE(drag.BeginDrag(nullptr, 0, 0)); // no drag image chosen yet
    EXPECT_FALSE(drag.SetDragImage(5, 0, 0));
    ASSERT_TRUE(drag.SetDragImage(1, 2, 3));
    ASSERT_TRUE(drag.BeginDrag(nullptr, 10, 10));
    HWND popup = drag.ImageWindow();
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(IsWindowVisible(popup));
    EXPECT_TRUE(drag.DragMove(20, 30));
    RECT placed{};
    GetWindowRect(popup, &placed);
    EXPECT_EQ(placed.left, 18);
    EXPECT_EQ(placed.top, 27);
    EXPECT_EQ(placed.right - placed.left, 4);
    EXPECT_EQ(drag.DragRect().bottom, 31);
    drag.HideDragImage();
    EXPECT_FALSE(IsWindowVisible(popup));
    drag.ShowDragImage();
    EXPECT_TRUE(IsWindowVisible(popup));
    EXPECT_TRUE(drag.EndDrag());
    EXPECT_FALSE(IsWindow(popup));
    EXPECT_FALSE(drag.Dragging());
    EXPECT_FALSE(drag.DragMove(1, 1));
}
