// The skin element stream: hand-built records of every stream version, round trips of the newest one,
// embedded pictures and their window, and streams that lie about their lengths or end too soon.
#include "GdiPlusTestSupport.h"

#include "platform/rtl/Exceptions.h"
#include "ui/core/skins/SkinDetails.h"
#include "ui/core/skins/SkinElement.h"
#include "ui/core/skins/SkinStream.h"

#include <cstring>
#include <string>

using namespace ui_core_test;
using namespace graphics_test;
using namespace gdiplus_test;

namespace {

class SkinStreamTest : public UiCoreTest {};

// Little-endian record bytes, written by hand.
class TBytes {
public:
    TBytes& Int(std::int32_t AValue) {
        for (int i = 0; i < 4; ++i)
            FData += static_cast<char>((static_cast<std::uint32_t>(AValue) >> (8 * i)) & 0xFF);
        return *this;
    }
    TBytes& Byte(int AValue) {
        FData += static_cast<char>(AValue);
        return *this;
    }
    TBytes& Word(int AValue) { return Byte(AValue & 0xFF).Byte(AValue >> 8); }
    TBytes& Str(const std::string& AValue) {
        Int(static_cast<std::int32_t>(AValue.size()));
        FData += AValue;
        return *this;
    }
    TBytes& Wide(const std::u16string& AValue) {
        Int(static_cast<std::int32_t>(AValue.size()));
        for (char16_t unit : AValue)
            Word(unit);
        return *this;
    }
    TBytes& Picture(const std::string& ABytes) {
        Int(static_cast<std::int32_t>(ABytes.size()));
        FData += ABytes;
        return *this;
    }
    TBytes& Rect(int L, int T, int R, int B) { return Int(L).Int(T).Int(R).Int(B); }
    TBytes& Raw(const std::string& ABytes) {
        FData += ABytes;
        return *this;
    }
    const std::string& Data() const { return FData; }

private:
    std::string FData;
};

// What each version holds, as the format's table gives it.
struct TVersionRow {
    double Version;
    bool Gradient, DetailsTexts, LegacyBorderStrings, ElementImageCount, ImageCount;
};
const TVersionRow Versions[] = {
    {1.01, false, false, true, true, false}, {1.02, true, false, true, true, false},
    {1.04, true, true, true, true, false},   {1.08, true, true, true, true, false},
    {1.09, true, true, false, true, false},  {1.1, true, true, false, false, true}};

std::string PngOf(int AWidth, int AHeight, std::uint32_t APixel) {
    auto image = MakeImage(AWidth, AHeight, [&](int, int) { return APixel; });
    return Encoded(*image, dfPNG);
}

void AddImage(TBytes& AOut, const TVersionRow& ARow, int AMargin, int ACount, const std::string& APng) {
    AOut.Rect(AMargin, AMargin, AMargin, AMargin).Byte(ilVertical);
    if (ARow.ImageCount) AOut.Int(ACount);
    AOut.Word((1 << esNormal) | (1 << esPressed)).Byte(smTile);
    if (ARow.Gradient) AOut.Int(clRed).Int(clBlue).Byte(gmVertical);
    AOut.Picture(APng);
}

void AddBorders(TBytes& AOut, const TVersionRow& ARow, int AThin) {
    for (int side = 0; side < 4; ++side) {
        if (ARow.LegacyBorderStrings) AOut.Str("legacy").Str("");
        AOut.Int(side == 1 ? clBlack : clNone).Int(AThin + side);
    }
}

// An element record of that version: two images, borders, and one property of each kind.
std::string ElementRecord(const TVersionRow& ARow, const std::string& APng) {
    TBytes out;
    out.Int(clYellow).Byte(200);
    if (ARow.ElementImageCount) out.Int(2);
    out.Rect(1, 2, 3, 4);
    AddImage(out, ARow, 1, 3, "");
    AddImage(out, ARow, 2, 2, APng);
    AddBorders(out, ARow, 1);
    out.Int(clWhite).Int(30).Int(-4);
    out.Int(8);
    out.Str("TovSkinIntegerProperty").Str("Count").Int(-7);
    out.Str("TovSkinBooleanProperty").Str("Flat").Byte(1);
    out.Str("TovSkinColor").Str("TextColorHot").Int(clGreen);
    out.Str("TovSkinRectProperty").Str("Pad").Rect(5, 6, 7, 8);
    out.Str("TovSkinSizeProperty").Str("Size").Int(-3).Int(9);
    out.Str("TovSkinStringProperty").Str("Caption").Str("Play");
    out.Str("TovSkinWideStringProperty").Str("Hint").Wide(u"Lecture \u00e0 deux");
    out.Str("TovSkinAlternateImageAttributes").Str("AlternateImage1Normal");
    out.Byte(120).Byte(gmBackwardDiagonal).Int(clNavy).Int(clNone);
    AddBorders(out, ARow, 2);
    AddBorders(out, ARow, 3);
    out.Rect(1, 1, 2, 2);
    return out.Data();
}

TEST_F(SkinStreamTest, ElementRecordsOfEveryVersion) {
    const std::string png = PngOf(4, 6, Bgra(0, 0, 255, 255));
    for (const TVersionRow& row : Versions) {
        SCOPED_TRACE(row.Version);
        TStringStream stream(ElementRecord(row, png) + "next");
        TovSkinElement element(nullptr, "E");
        element.DataRead(&stream, row.Version);
        EXPECT_EQ(stream.ReadString(4), "next");

        EXPECT_EQ(element.Color(), clYellow);
        EXPECT_EQ(element.Alpha(), 200);
        EXPECT_EQ(element.ContentOffset()->Rect(), (TRect{1, 2, 3, 4}));
        EXPECT_EQ(element.TextColor(), clWhite);
        EXPECT_EQ(element.MinSize()->GetSize(), (TSize{30, 0})); // negative sizes become 0
        // Images: their own count from 1.1, the element's before.
        TovSkinImage* image = element.Image();
        EXPECT_EQ(element.Glyph()->ImageCount(), row.ImageCount ? 3 : 2);
        EXPECT_EQ(image->ImageCount(), 2);
        EXPECT_EQ(image->Margins()->Margin(), (TRect{2, 2, 2, 2}));
        EXPECT_EQ(image->ImageLayout(), ilVertical);
        EXPECT_EQ(image->States(), (TovSkinElementStates{esNormal, esPressed}));
        EXPECT_EQ(image->Stretch(), smTile);
        EXPECT_EQ(image->GradientBeginColor(), row.Gradient ? clRed : clNone);
        EXPECT_EQ(image->Gradient(), row.Gradient ? gmVertical : gmHorizontal);
        EXPECT_EQ(image->Texture()->GetSize(), (TSize{4, 6}));
        EXPECT_EQ(image->Size(), (TSize{4, 1}));
        EXPECT_TRUE(element.Glyph()->Texture()->Empty());
        // Borders.
        EXPECT_EQ(element.Borders()->Top()->Color(), clBlack);
        EXPECT_EQ(element.Borders()->Bottom()->Thin(), 4);
        // Properties, each of its own class.
        TovSkinProperty* p = nullptr;
        ASSERT_EQ(element.Properties()->Count(), 8);
        ASSERT_TRUE(element.LookupProperty("Count", p));
        EXPECT_EQ(static_cast<TovSkinIntegerProperty*>(p)->Value(), -7);
        ASSERT_TRUE(element.LookupProperty("Flat", p));
        EXPECT_TRUE(static_cast<TovSkinBooleanProperty*>(p)->Value());
        EXPECT_EQ(element.GetTextColor(2), clGreen);
        ASSERT_TRUE(element.LookupProperty("Pad", p));
        EXPECT_EQ(static_cast<TovSkinRectProperty*>(p)->Value()->Rect(), (TRect{5, 6, 7, 8}));
        ASSERT_TRUE(element.LookupProperty("Size", p));
        EXPECT_EQ(static_cast<TovSkinSizeProperty*>(p)->Value(), (TSize{-3, 9}));
        ASSERT_TRUE(element.LookupProperty("Caption", p));
        EXPECT_EQ(static_cast<TovSkinStringProperty*>(p)->Value(), "Play");
        ASSERT_TRUE(element.LookupProperty("Hint", p));
        EXPECT_NE(dynamic_cast<TovSkinWideStringProperty*>(p), nullptr);
        EXPECT_EQ(static_cast<TovSkinStringProperty*>(p)->Value(), "Lecture \xc3\xa0 deux");
        ASSERT_TRUE(element.LookupProperty("AlternateImage1Normal", p));
        auto* alternate = dynamic_cast<TovSkinAlternateImageAttributes*>(p);
        ASSERT_NE(alternate, nullptr);
        EXPECT_EQ(alternate->Alpha(), 120);
        EXPECT_EQ(alternate->Gradient(), gmBackwardDiagonal);
        EXPECT_EQ(alternate->GradientBeginColor(), clNavy);
        EXPECT_EQ(alternate->Borders()->Left()->Thin(), 2);
        EXPECT_EQ(alternate->BordersInner()->Right()->Thin(), 5);
        EXPECT_EQ(alternate->ContentOffsets()->Rect(), (TRect{1, 1, 2, 2}));
    }
}

TEST_F(SkinStreamTest, ABordersRecordOf108HasLegacyStringsAndOneOf109HasNone) {
    for (const TVersionRow& row : Versions) {
        TBytes bytes;
        AddBorders(bytes, row, 1);
        TStringStream stream(bytes.Data());
        TovSkinBorders borders(nullptr, "Borders");
        borders.DataRead(&stream, row.Version);
        EXPECT_EQ(stream.Position(), stream.Size()) << row.Version;
        EXPECT_EQ(borders.Top()->Color(), clBlack) << row.Version;
    }
}

TEST_F(SkinStreamTest, DetailsRecordsOfEveryVersion) {
    const std::string small = PngOf(16, 16, Bgra(0, 255, 0, 255));
    for (const TVersionRow& row : Versions) {
        SCOPED_TRACE(row.Version);
        TBytes bytes;
        bytes.Str("Night");
        if (row.DetailsTexts)
            bytes.Str("Night sky").Str("Dark").Wide(u"Notes \u263a").Picture(small).Picture("");
        TStringStream stream(bytes.Data());
        TovSkinDetails details;
        details.SetDisplayName("old");
        int changes = 0;
        details.OnChange = TNotifyEvent([&](TObject*) { ++changes; });
        details.DataRead(&stream, row.Version);
        EXPECT_EQ(changes, 1);
        EXPECT_EQ(stream.Position(), stream.Size());
        EXPECT_EQ(details.Name(), "Night");
        EXPECT_EQ(details.DisplayName(), row.DetailsTexts ? "Night sky" : "");
        EXPECT_EQ(details.GroupName(), row.DetailsTexts ? "Dark" : "");
        EXPECT_EQ(details.Notes(), row.DetailsTexts ? "Notes \xe2\x98\xba" : "");
        // An icon the stream does not bring is the default one.
        EXPECT_EQ(ImagePixel(*details.GetIcon(0), 8, 8) == Bgra(0, 255, 0, 255), row.DetailsTexts);
        EXPECT_EQ(details.GetIcon(0)->GetSize(), (TSize{16, 16}));
        EXPECT_EQ(details.GetIcon(1)->GetSize(), (TSize{48, 48}));
    }
}

// An element with something in every field.
void FillElement(TovSkinElement& AElement) {
    AElement.SetColor(clTeal);
    AElement.SetAlpha(77);
    AElement.SetTextColor(clMaroon);
    AElement.ContentOffset()->SetRect(TRect{4, 3, 2, 1});
    AElement.MinSize()->SetSize(TSize{20, 10});
    AElement.Borders()->Right()->SetColor(clRed);
    AElement.Borders()->Right()->SetThin(3);
    auto texture =
        MakeImage(24, 8, [](int x, int y) { return Premultiplied(x * 10, y * 30, 50, 100 + x * 6); });
    AElement.Image()->Texture()->Assign(texture.get());
    AElement.Image()->SetImageCount(3);
    AElement.Image()->SetStates(TovSkinElementStates{esHot, esChecked});
    AElement.Image()->Margins()->SetMargin(TRect{1, 2, 3, 1});
    AElement.Image()->SetGradientEndColor(clSilver);
    AElement.Glyph()->SetImageCount(2);
    AElement.Glyph()->SetStretch(smNoResize);
    auto add = [&](TovSkinObjectClass AClass, const std::string& AName) {
        return static_cast<TovSkinProperty*>(AElement.Properties()->Add(AName, AClass));
    };
    static_cast<TovSkinIntegerProperty*>(add(ovSkinClassOf<TovSkinIntegerProperty>(), "I"))->SetValue(42);
    static_cast<TovSkinBooleanProperty*>(add(ovSkinClassOf<TovSkinBooleanProperty>(), "B"))->SetValue(true);
    static_cast<TovSkinColor*>(add(ovSkinClassOf<TovSkinColor>(), "C"))->SetValue(clOlive);
    static_cast<TovSkinRectProperty*>(add(ovSkinClassOf<TovSkinRectProperty>(), "R"))
        ->Value()
        ->SetRect(TRect{1, 2, 3, 4});
    static_cast<TovSkinSizeProperty*>(add(ovSkinClassOf<TovSkinSizeProperty>(), "S"))->SetValue(TSize{5, 6});
    static_cast<TovSkinStringProperty*>(add(ovSkinClassOf<TovSkinStringProperty>(), "T"))->SetValue("text");
    static_cast<TovSkinStringProperty*>(add(ovSkinClassOf<TovSkinWideStringProperty>(), "W"))
        ->SetValue("\xe2\x82\xac");
    auto* alternate = static_cast<TovSkinAlternateImageAttributes*>(
        add(ovSkinClassOf<TovSkinAlternateImageAttributes>(), "AlternateImage2Hot"));
    alternate->SetAlpha(9);
    alternate->BordersInner()->Top()->SetColor(clFuchsia);
    alternate->ContentOffsets()->SetRect(TRect{2, 2, 2, 2});
}

std::string Written(TovSkinElement& AElement) {
    TMemoryStream stream;
    AElement.DataWrite(&stream);
    return std::string(static_cast<const char*>(stream.Memory()), stream.Size());
}

TEST_F(SkinStreamTest, AnElementWrittenAndReadBackAt11IsTheSame) {
    TovSkinElement source(nullptr, "E");
    FillElement(source);
    const std::string bytes = Written(source);
    TStringStream stream(bytes);
    TovSkinElement copy(nullptr, "E");
    copy.DataRead(&stream, 1.1);
    EXPECT_EQ(stream.Position(), stream.Size());
    EXPECT_TRUE(copy.Compare(&source));
    EXPECT_EQ(copy.Image()->ImageCount(), 3);
    EXPECT_EQ(copy.Glyph()->ImageCount(), 2);
    EXPECT_EQ(copy.Glyph()->Stretch(), smNoResize);
    EXPECT_EQ(Written(copy), bytes);
    // Read as 1.09 the layout differs: the stream is misread.
    TStringStream old(bytes);
    TovSkinElement misread(nullptr, "E");
    bool same = false;
    try {
        misread.DataRead(&old, 1.09);
        same = misread.Compare(&source) && old.Position() == old.Size();
    } catch (const Exception&) {
    }
    EXPECT_FALSE(same);
}

TEST_F(SkinStreamTest, GroupsAndDetailsRoundTrip) {
    TovSkinControlGroup group(nullptr, "Buttons");
    FillElement(*group.Elements()->Add("Face"));
    group.Elements()->Add("Arrow")->SetColor(clRed);
    static_cast<TovSkinColor*>(group.Properties()->Add("Back", ovSkinClassOf<TovSkinColor>()))
        ->SetValue(clBlue);
    TMemoryStream stream;
    group.DataWrite(&stream);
    stream.SetPosition(0);
    // The container reads the name and makes the group under it.
    TovSkinControlGroup read(nullptr, ReadStringFromStream(&stream));
    read.DataRead(&stream, 1.1);
    EXPECT_EQ(read.Name(), "Buttons");
    ASSERT_EQ(read.Elements()->Count(), 2);
    EXPECT_TRUE(read.Elements()->FindByName("Face")->Compare(group.Elements()->FindByName("Face")));
    EXPECT_EQ(read.Elements()->FindByName("Arrow")->Color(), clRed);
    EXPECT_TRUE(read.Properties()->Compare(group.Properties()));

    TovSkinDetails details;
    details.SetName("N");
    details.SetNotes("\xe2\x98\x83 notes");
    details.LoadDefaultIcon(1);
    TMemoryStream detailStream;
    details.DataWrite(&detailStream);
    detailStream.SetPosition(0);
    TovSkinDetails back;
    back.DataRead(&detailStream, 1.1);
    EXPECT_EQ(back.Notes(), details.Notes());
    EXPECT_TRUE(back.GetIcon(1)->Compare(details.GetIcon(1)));
    EXPECT_EQ(back.GetIcon(0)->GetSize(), (TSize{16, 16})); // none was written: the default
}

TEST_F(SkinStreamTest, APictureOfSizeZeroLeavesTheTextureAsItWas) {
    TovSkinImage image;
    auto texture = MakeImage(3, 3, [](int, int) { return Bgra(9, 9, 9, 255); });
    image.Texture()->Assign(texture.get());
    TBytes bytes;
    AddImage(bytes, Versions[5], 0, 1, "");
    TStringStream stream(bytes.Data());
    image.DataRead(&stream, 1.1);
    EXPECT_TRUE(image.Texture()->Compare(texture.get()));
    // An empty texture is written as size 0.
    TovSkinImage empty;
    TMemoryStream written;
    empty.DataWrite(&written);
    EXPECT_EQ(written.Size(), 16 + 1 + 4 + 2 + 1 + 4 + 4 + 1 + 4);
}

// An image that reads more than it is given.
class TGreedyImage : public TovPNGImage {
public:
    void LoadFromStream(TStream* AStream) override {
        char bytes[64];
        AStream->Read(bytes, sizeof(bytes));
    }
};

TEST_F(SkinStreamTest, APictureLeavesTheStreamAfterItsBlockWhateverItsReaderDoes) {
    const std::string png = PngOf(2, 2, Bgra(1, 2, 3, 255));
    // A decoder that stops early: PNG followed by junk inside the block.
    TBytes early;
    early.Picture(png + "junk!").Str("after");
    TStringStream stream(early.Data());
    TovPNGImage image;
    ReadImageFromStream(&stream, &image);
    EXPECT_EQ(ReadStringFromStream(&stream), "after");
    EXPECT_EQ(image.GetSize(), (TSize{2, 2}));
    // A reader that goes past its block.
    TBytes past;
    past.Picture("abc").Str("after").Str("more");
    TStringStream stream2(past.Data());
    TGreedyImage greedy;
    ReadImageFromStream(&stream2, &greedy);
    EXPECT_EQ(ReadStringFromStream(&stream2), "after");
    // Bytes that are no picture: the stream goes on, and the picture fails when it is used.
    TBytes broken;
    broken.Picture("not a png").Int(1234);
    TStringStream stream3(broken.Data());
    TovPNGImage bad;
    ReadImageFromStream(&stream3, &bad);
    EXPECT_EQ(ReadIntegerFromStream(&stream3), 1234);
    EXPECT_THROW(bad.Width(), EovGdipException);
}

TEST_F(SkinStreamTest, ThePartStreamIsAWindowOfItsSource) {
    TStringStream source("0123456789abcdef");
    TovSkinPartStream part(&source, 6, 4);
    EXPECT_EQ(part.Size(), 6);
    EXPECT_EQ(part.Seek(-5, soBeginning), 0);
    EXPECT_EQ(source.Position(), 4);
    EXPECT_EQ(part.Seek(1000, soEnd), 6);
    EXPECT_EQ(source.Position(), 10);
    EXPECT_EQ(part.Seek(2, soBeginning), 2);
    EXPECT_EQ(part.Seek(1, soCurrent), 3);
    EXPECT_EQ(part.Seek(-2, soEnd), 4);
    // Reads are not cut at the window's end.
    char bytes[5];
    part.Seek(4, soBeginning);
    EXPECT_EQ(part.Read(bytes, 5), 5);
    EXPECT_EQ(std::string(bytes, 5), "89abc");
    // A write moves the end to where the source stands.
    part.Seek(0, soEnd);
    part.Write("XYZ", 3);
    EXPECT_EQ(part.Size(), 9);
}

TEST_F(SkinStreamTest, OnlyPropertyClassesAreMadeFromAStoredName) {
    for (const char* name : {"TovSkinElement", "TovSkinControlGroup", "TStringList", "TovSkinBorders"}) {
        TBytes bytes;
        bytes.Int(2).Str("TovSkinColor").Str("Ok").Int(clRed).Str(name).Str("Bad").Int(0);
        TStringStream stream(bytes.Data());
        TovSkinElement element(nullptr, "E");
        std::vector<TovSkinChanges> notices;
        element.OnChange =
            TovSkinChangeNotify([&](TObject*, TovSkinChanges AChanges) { notices.push_back(AChanges); });
        try {
            element.Properties()->DataRead(&stream, 1.1);
            FAIL() << name;
        } catch (const EClassNotFound& e) {
            EXPECT_EQ(e.Message(), std::string("Class ") + name + " not found");
        }
        // The bracket closed and reported what was read before.
        EXPECT_EQ(element.Properties()->Count(), 1);
        EXPECT_EQ(notices.size(), 1u);
        element.SetColor(clBlue);
        EXPECT_EQ(notices.size(), 2u);
    }
}

TEST_F(SkinStreamTest, LengthsAndCountsBeyondTheBytesLeftAreReadErrors) {
    const std::string huge = TBytes().Int(0x7FFFFFFF).Data();
    const struct {
        const char* What;
        std::string Bytes;
        std::function<void(TStream*)> Read;
    } cases[] = {
        {"string", huge + "abc", [](TStream* s) { ReadStringFromStream(s); }},
        {"wide string", TBytes().Int(0x40000000).Data() + "ab",
         [](TStream* s) { ReadWideStringFromStream(s); }},
        {"picture", huge + "abc",
         [](TStream* s) {
             TovPNGImage image;
             ReadImageFromStream(s, &image);
         }},
        {"property count", huge,
         [](TStream* s) {
             TovSkinElement element(nullptr, "E");
             element.Properties()->DataRead(s, 1.1);
         }},
        {"element count", huge,
         [](TStream* s) {
             TovSkinControlGroup group(nullptr, "G");
             group.DataRead(s, 1.1);
         }},
        {"stretch mode", TBytes().Rect(0, 0, 0, 0).Byte(0).Int(1).Word(1).Byte(9).Data(),
         [](TStream* s) {
             TovSkinImage image;
             image.DataRead(s, 1.1);
         }},
    };
    for (const auto& c : cases) {
        TStringStream stream(c.Bytes);
        try {
            c.Read(&stream);
            FAIL() << c.What;
        } catch (const EReadError& e) {
            EXPECT_EQ(e.Message(), "Stream read error") << c.What;
        }
    }
    // Negative lengths and counts are empty.
    TStringStream negative(TBytes().Int(-5).Int(-1).Data());
    EXPECT_EQ(ReadStringFromStream(&negative), "");
    TovSkinElement element(nullptr, "E");
    element.Properties()->DataRead(&negative, 1.1);
    EXPECT_EQ(element.Properties()->Count(), 0);
}

TEST_F(SkinStreamTest, EveryShortenedRecordIsAReadError) {
    TovSkinElement source(nullptr, "E");
    FillElement(source);
    const std::string bytes = Written(source);
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        TStringStream stream(bytes.substr(0, length));
        TovSkinElement element(nullptr, "E");
        EXPECT_THROW(element.DataRead(&stream, 1.1), EReadError) << length;
    }
}

} // namespace
