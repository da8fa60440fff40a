#include "GraphicsTestSupport.h"

#include "platform/rtl/MemoryStream.h"
#include "platform/vcl/ImageList.h"
#include "ui/core/graphics/Bitmaps.h"
#include "ui/core/graphics/ImageList.h"

#include <functional>
#include <vector>

using namespace ui_core_test;
using namespace graphics_test;

namespace {

class ImageListTest : public UiCoreTest {
protected:
    void SetUp() override {
        UiCoreTest::SetUp();
        list = std::make_unique<TuiImageList>(nullptr, 32, 32);
        list->OnChange = TNotifyEvent([this](TObject*) { ++changes; });
    }
    void TearDown() override {
        list.reset();
        UiCoreTest::TearDown();
    }

    std::unique_ptr<TuiImageList> list;
    int changes = 0;
};

// Cells of one colour each, left to right.
std::unique_ptr<TBitmap> Strip(int ACellWidth, int AHeight, std::initializer_list<TColor> AColors,
                               int AExtraWidth = 0) {
    auto strip = MakeBitmap(ACellWidth * int(AColors.size()) + AExtraWidth, AHeight);
    int x = 0;
    for (TColor color : AColors) {
        strip->Canvas()->Brush()->SetColor(color);
        strip->Canvas()->FillRect(RECT{x, 0, x + ACellWidth, AHeight});
        x += ACellWidth;
    }
    return strip;
}

// A premultiplied 32-bit image: an opaque red square on a half-transparent green ground.
std::unique_ptr<TBitmap> AlphaImage(int ASize) {
    auto image = MakeBitmap(ASize, ASize);
    for (int y = 0; y < ASize; ++y)
        for (int x = 0; x < ASize; ++x) {
            const bool inner = x >= ASize / 4 && x < 3 * ASize / 4 && y >= ASize / 4 && y < 3 * ASize / 4;
            SetPixelAt(*image, x, y, inner ? Bgra(0, 0, 255, 255) : Bgra(0, 100, 0, 100));
        }
    return image;
}

TEST_F(ImageListTest, AWideBitmapBecomesOneStoredItemPerCellLeftHalfFirst) {
    auto strip = Strip(32, 32, {clRed, clBlue});
    EXPECT_EQ(list->Add(strip.get(), nullptr), 0);
    EXPECT_EQ(list->Count(), 2);
    ASSERT_EQ(list->StoredImages()->Count(), 2);
    EXPECT_EQ(list->StoredImages()->Items(0)->Image()->Width(), 32);
    EXPECT_EQ(ColorAt(*list->StoredImages()->Items(0)->Image(), 5, 5), clRed);
    EXPECT_EQ(ColorAt(*list->StoredImages()->Items(1)->Image(), 5, 5), clBlue);
    EXPECT_EQ(changes, 1);
}

TEST_F(ImageListTest, ABitmapThatIsNoWholeNumberOfCellsIsStoredWholeUntilTheSystemListDisagrees) {
    auto odd = Strip(32, 32, {clRed}, 8);
    EXPECT_EQ(list->Add(odd.get(), nullptr), 0);
    EXPECT_EQ(list->Count(), 1);
    ASSERT_EQ(list->StoredImages()->Count(), 1);
    EXPECT_EQ(list->StoredImages()->Items(0)->Image()->Width(), 40);

    // The system list makes two images of this one: the stored items follow it.
    auto wide = Strip(32, 32, {clLime, clYellow}, 8);
    EXPECT_EQ(list->Add(wide.get(), nullptr), 1);
    EXPECT_EQ(list->Count(), 3);
    ASSERT_EQ(list->StoredImages()->Count(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(list->StoredImages()->Items(i)->Image()->Width(), 32);
    EXPECT_EQ(ColorAt(*list->StoredImages()->Items(2)->Image(), 5, 5), clYellow);
}

TEST_F(ImageListTest, AddMaskedWithoutColourLeavesEverythingOpaque) {
    auto image = Strip(32, 32, {clFuchsia});
    list->AddMasked(image.get(), clNone);
    list->AddMasked(image.get(), clFuchsia);
    std::vector<std::uint32_t> color(32 * 32);
    std::vector<std::uint8_t> opaque(32 * 32);
    bool alpha = false;
    ASSERT_TRUE(ImageList_ReadImage(list->Handle(), 0, color.data(), opaque.data(), &alpha));
    EXPECT_EQ(opaque[5 * 32 + 5], 1);
    ASSERT_TRUE(ImageList_ReadImage(list->Handle(), 1, color.data(), opaque.data(), &alpha));
    EXPECT_EQ(opaque[5 * 32 + 5], 0);
    EXPECT_EQ(list->StoredImages()->Items(1)->MaskColor(), clFuchsia);
    EXPECT_EQ(list->StoredImages()->Items(0)->MaskColor(), clNone);
}

TEST_F(ImageListTest, SizesAreAtLeastOneAndOnlyARealChangeEmptiesTheList) {
    auto strip = Strip(32, 32, {clRed, clBlue});
    list->Add(strip.get(), nullptr);
    list->SetWidth(32);
    EXPECT_EQ(list->Count(), 2);
    EXPECT_EQ(list->StoredImages()->Count(), 2);
    list->SetWidth(0);
    EXPECT_EQ(list->Width(), 1);
    EXPECT_EQ(list->Count(), 0);
    EXPECT_EQ(list->StoredImages()->Count(), 0);
    list->SetSize(-4, 16);
    EXPECT_EQ(list->Width(), 1);
    EXPECT_EQ(list->Height(), 16);
}

TEST_F(ImageListTest, NestedUpdatesNotifyOnceAndACancelledOneNotAtAll) {
    auto strip = Strip(32, 32, {clRed});
    list->BeginUpdate();
    list->BeginUpdate();
    list->Add(strip.get(), nullptr);
    list->Add(strip.get(), nullptr);
    list->EndUpdate();
    EXPECT_EQ(changes, 0);
    list->EndUpdate();
    EXPECT_EQ(changes, 1);
    list->BeginUpdate();
    list->Delete(0);
    list->CancelUpdate();
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(list->Count(), 1);
    EXPECT_EQ(list->StoredImages()->Count(), 1);
    list->EndUpdate(); // nothing to end
    EXPECT_EQ(changes, 1);
}

TEST_F(ImageListTest, DeletingKeepsBothStoresInStep) {
    auto strip = Strip(32, 32, {clRed, clLime, clBlue});
    list->Add(strip.get(), nullptr);
    list->Delete(1);
    ASSERT_EQ(list->StoredImages()->Count(), 2);
    EXPECT_EQ(ColorAt(*list->StoredImages()->Items(1)->Image(), 5, 5), clBlue);
    EXPECT_THROW(list->Delete(7), EInvalidOperation);
    EXPECT_EQ(list->Count(), 2);
    list->Clear();
    EXPECT_EQ(list->Count(), 0);
    EXPECT_EQ(list->StoredImages()->Count(), 0);
}

TEST_F(ImageListTest, FetchingOutsideTheListLeavesTheBitmapsAlone) {
    auto strip = Strip(32, 32, {clRed});
    list->Add(strip.get(), nullptr);
    auto image = MakeBitmap(3, 3, clLime);
    auto mask = MakeBitmap(3, 3, clLime);
    for (int index : {-5, 1}) {
        list->FetchImageAndMask(index, image.get(), mask.get());
        EXPECT_EQ(image->Width(), 3);
        EXPECT_EQ(ColorAt(*image, 1, 1), clLime);
        EXPECT_EQ(ColorAt(*mask, 1, 1), clLime);
    }
    list->FetchImageAndMask(0, image.get(), mask.get());
    EXPECT_EQ(image->Width(), 32);
    EXPECT_EQ(ColorAt(*image, 1, 1), clRed);
    EXPECT_EQ(ColorAt(*mask, 1, 1), clBlack); // the system list's mask: nothing transparent
}

TEST_F(ImageListTest, TheWholeStripAndTheBitsPerPixelOfTheSystemList) {
    auto strip = Strip(32, 32, {clRed, clBlue});
    list->Add(strip.get(), nullptr);
    TBitmap whole;
    TuiImageList::FetchImageAndMask(list->Handle(), -1, &whole, nullptr);
    EXPECT_EQ(whole.Width(), 64);
    EXPECT_EQ(ColorAt(whole, 40, 5), clBlue);
    EXPECT_EQ(TuiImageList::GetBitsPerPixel(list->Handle()), 32);
    TuiImageList empty(nullptr);
    EXPECT_EQ(TuiImageList::GetBitsPerPixel(empty.Handle()), 0);
}

// A plain list of 4 x 4 cells in one strip: fully opaque cells on both sides of cells whose border is the
// key colour, the last one of those at the strip's end. A cell read from a neighbour's place, even one
// pixel off, brings that neighbour's colour or opaque mask pixels along.
struct KeyedStrip {
    static constexpr int Cell = 4;
    static constexpr TColor Colors[] = {clRed, clBlue, clLime, clNavy};
    static bool Keyed(int AIndex) { return AIndex % 2 == 1; }
    static bool Transparent(int AIndex, int X, int Y) {
        return Keyed(AIndex) && (X == 0 || Y == 0 || X == Cell - 1 || Y == Cell - 1);
    }
};

TEST_F(ImageListTest, EachImageIsReadFromItsOwnCellOfTheStrip) {
    TImageList plain(nullptr, KeyedStrip::Cell, KeyedStrip::Cell);
    const int count = int(std::size(KeyedStrip::Colors));
    auto strip = MakeBitmap(KeyedStrip::Cell * count, KeyedStrip::Cell, clFuchsia);
    for (int i = 0; i < count; ++i) {
        const int inset = KeyedStrip::Keyed(i) ? 1 : 0;
        strip->Canvas()->Brush()->SetColor(KeyedStrip::Colors[i]);
        strip->Canvas()->FillRect(RECT{i * KeyedStrip::Cell + inset, inset,
                                       (i + 1) * KeyedStrip::Cell - inset, KeyedStrip::Cell - inset});
    }
    ASSERT_EQ(plain.AddMasked(strip.get(), clFuchsia), 0);
    ASSERT_EQ(plain.Count(), count);
    // The list's bitmaps selected into DCs of someone else's cannot be read in place: the same cells come
    // out all the same.
    for (bool selectedElsewhere : {false, true}) {
        IMAGEINFO info;
        ASSERT_TRUE(ImageList_GetImageInfo(plain.Handle(), 0, &info));
        HDC imageDC = CreateCompatibleDC(nullptr), maskDC = CreateCompatibleDC(nullptr);
        HGDIOBJ oldImage = nullptr, oldMask = nullptr;
        if (selectedElsewhere) {
            oldImage = SelectObject(imageDC, info.hbmImage);
            oldMask = SelectObject(maskDC, info.hbmMask);
            ASSERT_NE(oldImage, nullptr);
            ASSERT_NE(oldMask, nullptr);
        }
        for (int i = 0; i < count; ++i) {
            TBitmap image;
            image.SetPixelFormat(pf32bit);
            TBitmap mask;
            mask.SetPixelFormat(pf1bit);
            TuiImageList::FetchImageAndMask(plain.Handle(), i, &image, &mask);
            ASSERT_EQ(image.Width(), KeyedStrip::Cell);
            ASSERT_EQ(mask.Width(), KeyedStrip::Cell);
            for (int y = 0; y < KeyedStrip::Cell; ++y)
                for (int x = 0; x < KeyedStrip::Cell; ++x) {
                    const bool clear = KeyedStrip::Transparent(i, x, y);
                    EXPECT_EQ(ColorAt(image, x, y), clear ? clBlack : KeyedStrip::Colors[i])
                        << selectedElsewhere << " image " << i << " at " << x << "," << y;
                    EXPECT_EQ(At(mask, x, y), clear ? clWhite : clBlack)
                        << selectedElsewhere << " mask " << i << " at " << x << "," << y;
                }
        }
        if (selectedElsewhere) {
            SelectObject(imageDC, oldImage);
            SelectObject(maskDC, oldMask);
        }
        DeleteDC(imageDC);
        DeleteDC(maskDC);
    }
}

TEST_F(ImageListTest, StoredPropertiesRoundTripAndTheImagesKeepTheirAlpha) {
    for (bool compressed : {false, true}) {
        list->Clear();
        list->SetCompressData(compressed);
        list->SetDesignInfo(0x00140020);
        auto first = AlphaImage(32);
        list->Add(first.get(), nullptr);
        auto masked = Strip(32, 32, {clFuchsia});
        masked->Canvas()->Brush()->SetColor(clNavy);
        masked->Canvas()->FillRect(RECT{8, 8, 24, 24});
        list->AddMasked(masked.get(), clFuchsia);

        TMemoryStream stream;
        list->WriteProperties(&stream);
        stream.SetPosition(0);
        TuiImageList loaded(nullptr, 32, 32);
        loaded.ReadProperties(&stream);
        EXPECT_EQ(stream.Position(), stream.Size());
        EXPECT_EQ(loaded.StreamVersion(), 1);
        EXPECT_EQ(loaded.DesignInfo(), 0x00140020);
        ASSERT_EQ(loaded.Count(), 2);
        ASSERT_EQ(loaded.StoredImages()->Count(), 2);
        EXPECT_EQ(loaded.StoredImages()->Items(1)->MaskColor(), clFuchsia);

        // Drawn over white: the half-transparent ground mixes, the square covers, the key colour is gone.
        auto target = MakeBitmap(80, 40, clWhite);
        loaded.Draw(target->Canvas(), 0, 0, 0);
        loaded.Draw(target->Canvas(), 40, 0, 1);
        const std::uint32_t ground = PixelAt(*target, 2, 2);
        EXPECT_EQ(ChannelOf(ground, 16), 155);
        EXPECT_EQ(ChannelOf(ground, 8), 255);
        EXPECT_EQ(ColorAt(*target, 16, 16), clRed);
        EXPECT_EQ(ColorAt(*target, 42, 2), clWhite);
        EXPECT_EQ(ColorAt(*target, 56, 16), clNavy);
    }
}

TEST_F(ImageListTest, AnEmptyListWritesNoImageInfo) {
    TMemoryStream stream;
    list->WriteProperties(&stream);
    const std::string bytes(static_cast<const char*>(stream.Memory()), std::size_t(stream.Size()));
    EXPECT_EQ(bytes.find("ImageInfo"), std::string::npos);
    EXPECT_NE(bytes.find("FormatVersion"), std::string::npos);
    EXPECT_NE(bytes.find("DesignInfo"), std::string::npos);
}

// Writes the properties stream of a list of the given item images by hand.
void WriteName(TStream& AStream, const std::string& AName) {
    const auto length = std::uint8_t(AName.size());
    AStream.WriteBuffer(&length, 1);
    AStream.WriteBuffer(AName.data(), length);
}
void WriteInt(TStream& AStream, std::int32_t AValue) {
    AStream.WriteBuffer(&AValue, 4);
}

TEST_F(ImageListTest, AnItemTheSystemListCannotTakeIsDropped) {
    TMemoryStream stream;
    WriteName(stream, "ImageInfo");
    WriteInt(stream, 2);
    for (int width : {8, 32}) {
        TuiBitmap image(width, 32, pf32bit);
        TMemoryStream data;
        image.WriteData(&data);
        WriteName(stream, "Image.Data");
        WriteInt(stream, std::int32_t(data.Size()));
        stream.WriteBuffer(data.Memory(), data.Size());
        WriteName(stream, "");
    }
    WriteName(stream, "");
    stream.SetPosition(0);
    list->ReadProperties(&stream);
    EXPECT_EQ(list->Count(), 1);
    ASSERT_EQ(list->StoredImages()->Count(), 1);
    EXPECT_EQ(list->StoredImages()->Items(0)->Image()->Width(), 32);
}

TEST_F(ImageListTest, ADamagedStreamRaisesAndLeavesTheImages) {
    auto strip = Strip(32, 32, {clRed, clBlue});
    list->Add(strip.get(), nullptr);
    TMemoryStream good;
    list->WriteProperties(&good);
    const auto* bytes = static_cast<const std::uint8_t*>(good.Memory());

    TMemoryStream cut;
    cut.WriteBuffer(bytes, good.Size() - 40);
    cut.SetPosition(0);
    TMemoryStream unknown;
    WriteName(unknown, "Bitmap");
    WriteInt(unknown, 0);
    unknown.SetPosition(0);
    for (TMemoryStream* stream : {&cut, &unknown}) {
        EXPECT_ANY_THROW(list->ReadProperties(stream));
        EXPECT_EQ(list->Count(), 2);
        EXPECT_EQ(list->StoredImages()->Count(), 2);
        EXPECT_EQ(ColorAt(*list->StoredImages()->Items(1)->Image(), 5, 5), clBlue);
    }
}

TEST_F(ImageListTest, AssignTakesTheImagesOfAnyImageList) {
    auto strip = Strip(32, 32, {clRed, clBlue});
    list->Add(strip.get(), nullptr);
    TuiImageList copy(nullptr);
    copy.Assign(list.get());
    EXPECT_EQ(copy.Width(), 32);
    ASSERT_EQ(copy.StoredImages()->Count(), 2);
    EXPECT_EQ(ColorAt(*copy.StoredImages()->Items(1)->Image(), 5, 5), clBlue);

    TImageList plain(nullptr, 32, 32);
    auto other = Strip(32, 32, {clLime});
    plain.Add(other.get(), nullptr);
    copy.Assign(&plain);
    EXPECT_EQ(copy.Count(), 1);
    ASSERT_EQ(copy.StoredImages()->Count(), 1);
    EXPECT_EQ(ColorAt(*copy.StoredImages()->Items(0)->Image(), 5, 5), clLime);

    auto notAList = MakeBitmap(2, 2);
    copy.Assign(notAList.get());
    EXPECT_EQ(copy.Count(), 1);
}

// Changes made through the base class, which knows nothing of the stored items. The list starts as red,
// blue, lime and a yellow image whose fuchsia corner is its mask colour.
struct BaseChangeCase {
    const char* name;
    std::function<void(TCustomImageList&)> change;
    std::vector<TColor> colors; // of the stored items afterwards, and of the images drawn
    int maskedIndex;            // where the yellow image is afterwards (-1: replaced)
    bool sameItem;              // its stored item is the one it had (a new image count rebuilds them all)
};

void PrintTo(const BaseChangeCase& c, std::ostream* os) {
    *os << c.name;
}

void MoveFirstToLast(TCustomImageList& l) {
    l.Move(0, 3);
}
void MoveLastToFirst(TCustomImageList& l) {
    l.Move(3, 0);
}
void ReplaceSecond(TCustomImageList& l) {
    l.Replace(1, Strip(32, 32, {clAqua}).get(), nullptr);
}
void ReplaceLastMasked(TCustomImageList& l) {
    l.ReplaceMasked(3, Strip(32, 32, {clNavy}).get(), clFuchsia);
}
void InsertFirst(TCustomImageList& l) {
    l.Insert(0, Strip(32, 32, {clAqua}).get(), nullptr);
}
void ChangeBackground(TCustomImageList& l) {
    l.SetBkColor(clGray);
}

const BaseChangeCase BaseChangeCases[] = {
    {"MoveToTheEnd", MoveFirstToLast, {clBlue, clLime, clYellow, clRed}, 2, true},
    {"MoveToTheFront", MoveLastToFirst, {clYellow, clRed, clBlue, clLime}, 0, true},
    {"Replace", ReplaceSecond, {clRed, clAqua, clLime, clYellow}, 3, true},
    {"ReplaceMasked", ReplaceLastMasked, {clRed, clBlue, clLime, clNavy}, -1, false},
    {"Insert", InsertFirst, {clAqua, clRed, clBlue, clLime, clYellow}, 4, false},
    {"BackgroundColour", ChangeBackground, {clRed, clBlue, clLime, clYellow}, 3, true},
};

class ImageListBaseChange : public ImageListTest, public testing::WithParamInterface<BaseChangeCase> {};

TEST_P(ImageListBaseChange, StoredItemsFollowTheSystemList) {
    const BaseChangeCase& c = GetParam();
    auto strip = Strip(32, 32, {clRed, clBlue, clLime});
    list->Add(strip.get(), nullptr);
    auto yellow = Strip(32, 32, {clYellow});
    yellow->Canvas()->Brush()->SetColor(clFuchsia);
    yellow->Canvas()->FillRect(RECT{0, 0, 4, 4});
    list->AddMasked(yellow.get(), clFuchsia);
    TuiImageInfoItem* maskedItem = list->StoredImages()->Items(3);

    TCustomImageList& base = *list;
    c.change(base);

    ASSERT_EQ(list->Count(), int(c.colors.size()));
    ASSERT_EQ(list->StoredImages()->Count(), list->Count());
    auto target = MakeBitmap(40 * list->Count(), 32, clWhite);
    for (int i = 0; i < list->Count(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(ColorAt(*list->StoredImages()->Items(i)->Image(), 5, 5), c.colors[std::size_t(i)]);
        list->Draw(target->Canvas(), 40 * i, 0, i);
        EXPECT_EQ(ColorAt(*target, 40 * i + 5, 5), c.colors[std::size_t(i)]);
    }
    if (c.maskedIndex >= 0) {
        EXPECT_EQ(ColorAt(*target, 40 * c.maskedIndex + 1, 1), clWhite); // the masked corner stays clear
        if (c.sameItem) {
            // The moved or untouched item is the same one, with what it stores.
            EXPECT_EQ(list->StoredImages()->Items(c.maskedIndex), maskedItem);
            EXPECT_EQ(maskedItem->MaskColor(), clFuchsia);
        }
    }
    SaveBitmapPng(*target, std::string("imagelist-base-") + c.name + ".png");
}

INSTANTIATE_TEST_SUITE_P(Cases, ImageListBaseChange, testing::ValuesIn(BaseChangeCases),
                         [](const testing::TestParamInfo<BaseChangeCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(ImageListTest, CompressDataReachesEveryItem) {
    auto strip = Strip(32, 32, {clRed, clBlue});
    list->Add(strip.get(), nullptr);
    list->SetCompressData(true);
    for (int i = 0; i < 2; ++i)
        EXPECT_TRUE(list->StoredImages()->Items(i)->CompressData());
    auto more = Strip(32, 32, {clLime});
    list->Add(more.get(), nullptr);
    EXPECT_TRUE(list->StoredImages()->Items(2)->CompressData());
}

} // namespace
