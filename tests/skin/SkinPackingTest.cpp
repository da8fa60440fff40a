// Packed skins: the zlib streams, the skin stream of every version, packing a skin text with its
// picture files, and the container of skin files.
#include "SkinTestSupport.h"

#include "platform/rtl/FileStream.h"
#include "platform/rtl/StringList.h"
#include "skin/data/CompressedSkin.h"
#include "skin/data/CompressedSkinList.h"
#include "skin/data/SkinStream.h"
#include "skin/data/SkinZlib.h"

#include <gtest/gtest.h>

#include <fstream>

namespace skin_packing_test {
using namespace skintest;

std::string Packed(const std::string& Raw) {
    TStringStream source(Raw), dest;
    PackStream(&source, &dest);
    return dest.DataString();
}

std::string Unpacked(const std::string& Packed) {
    TStringStream source(Packed), dest;
    UnpackStream(&dest, &source);
    return dest.DataString();
}

std::string SampleBytes(int n) {
    std::string s;
    for (int i = 0; i < n; ++i)
        s += char((i * 7 + i / 13) & 0xFF);
    return s;
}

TEST(SkinZlibTest, PackingWritesTheMaximumLevelHeaderAndRoundTrips) {
    const std::string raw = SampleBytes(20000);
    const std::string packed = Packed(raw);
    ASSERT_GE(packed.size(), 2u);
    EXPECT_EQ(std::uint8_t(packed[0]), 0x78);
    EXPECT_EQ(std::uint8_t(packed[1]), 0xDA);
    EXPECT_EQ(Unpacked(packed), raw);
    EXPECT_EQ(Unpacked(Packed("")), "");
}

TEST(SkinZlibTest, BytesAfterTheStreamAreIgnored) {
    const std::string raw = SampleBytes(9000);
    EXPECT_EQ(Unpacked(Packed(raw) + "trailing garbage \x01\x02"), raw);
}

TEST(SkinZlibTest, DamagedAndShortStreamsRaise) {
    const std::string packed = Packed(SampleBytes(9000));
    EXPECT_THROW(Unpacked(packed.substr(0, packed.size() / 2)), EDecompressionError);
    std::string damaged = packed;
    damaged[0] = 0x12;
    EXPECT_THROW(Unpacked(damaged), EDecompressionError);
    try {
        Unpacked("not zlib at all");
        FAIL();
    } catch (const EDecompressionError& e) {
        EXPECT_EQ(e.Message(), "compression error");
    }
    // A stream that asks for a preset dictionary cannot make progress: it fails instead of hanging.
    EXPECT_THROW(Unpacked(std::string("\x78\xBB\x00\x00\x00\x01\x00\x00", 8)), EDecompressionError);
}

TEST(SkinZlibTest, StreamsRefuseWhatTheyCannotDo) {
    TMemoryStream dest;
    TCompressionStream packer(zcDefault, &dest);
    packer.WriteBuffer("abcdef", 6);
    EXPECT_EQ(packer.Seek(0, soCurrent), 6);
    char buffer[4];
    EXPECT_THROW(packer.Read(buffer, 4), ECompressionError);
    EXPECT_THROW(packer.Seek(1, soBeginning), ECompressionError);
    packer.Finish();

    TStringStream source(Packed(SampleBytes(10000)));
    TDecompressionStream unpacker(&source);
    EXPECT_THROW(unpacker.Write("x", 1), EDecompressionError);
    EXPECT_EQ(unpacker.Seek(5000, soCurrent), 5000);
    EXPECT_EQ(unpacker.Seek(6000, soBeginning), 6000);
    EXPECT_THROW(unpacker.Seek(100, soBeginning), EDecompressionError);
    EXPECT_EQ(unpacker.Seek(0, soBeginning), 0);
    unpacker.ReadBuffer(buffer, 4);
    EXPECT_EQ(std::string(buffer, 4), SampleBytes(4));
}

// A skin stream of a version with every optional picture present: which of them each version keeps.
TEST(SkinStreamTest, EachVersionHoldsItsOwnOptionalPictures) {
    struct Case {
        int Version;
        bool Inactive, RollUp;
    } cases[] = {{-1, false, false}, {0, false, false}, {1, false, true}, {2, true, true}, {3, true, false}};
    for (const Case& c : cases) {
        TskSkinPictureSet pictures;
        int n = 1;
        for (TBitmap* p : {&pictures.Picture, &pictures.InactivePicture, &pictures.Mask,
                           &pictures.RollUpPicture, &pictures.RollUpMask}) {
            const int size = n++;
            p->Assign(MakeBitmap(size, 2, [](int, int) { return 0x123456u; }).get());
        }
        pictures.ActivePictures.push_back(
            MakeBitmap(3, 3, [](int x, int y) { return std::uint32_t(x * 50 + y); }));
        TStringList text;
        text.SetText("[VERSION]\nskinname=test");
        TMemoryStream stream;
        WriteSkinStream(stream, pictures, text, c.Version);
        stream.SetPosition(0);
        TskSkinPictureSet back;
        std::string readText;
        EXPECT_EQ(ReadSkinStream(stream, back, readText), c.Version);
        EXPECT_EQ(back.Picture.Width(), 1) << c.Version;
        EXPECT_EQ(back.InactivePicture.Width(), c.Inactive ? 2 : 0) << c.Version;
        EXPECT_EQ(back.Mask.Width(), 3) << c.Version;
        EXPECT_EQ(back.RollUpPicture.Width(), c.RollUp ? 4 : 0) << c.Version;
        EXPECT_EQ(back.RollUpMask.Width(), c.RollUp ? 5 : 0) << c.Version;
        ASSERT_EQ(back.ActivePictureCount(), 1) << c.Version;
        EXPECT_EQ(PixelOf(*back.ActivePicture(0), 2, 1), 101u);
        EXPECT_EQ(readText, "[VERSION]\r\nskinname=test\r\n");
    }
}

TEST(SkinStreamTest, AVersionAboveThreeStopsTheReading) {
    TMemoryStream stream;
    WriteSkinInt32(stream, 4);
    stream.WriteBuffer("\x00garbage", 8);
    stream.SetPosition(0);
    TskSkinPictureSet pictures;
    std::string text;
    EXPECT_EQ(ReadSkinStream(stream, pictures, text), 4);
    EXPECT_TRUE(pictures.Picture.Empty());
    EXPECT_TRUE(text.empty());
}

TEST(SkinStreamTest, PicturesAreCutByTheirOwnLengthAndCheckedAgainstTheBytesLeft) {
    TskSkinPictureSet pictures;
    pictures.ActivePictures.push_back(MakeBitmap(5, 4, [](int x, int) { return x ? 0xFFFFFFu : 0u; }));
    pictures.ActivePictures.push_back(MakeBitmap(2, 2, [](int, int) { return 0x0000FFu; }));
    TStringList text;
    text.SetText("[SKINCONTROLS]\ncount=0");
    TMemoryStream stream;
    WriteSkinStream(stream, pictures, text);
    const std::string whole(static_cast<const char*>(stream.Memory()), std::size_t(stream.Size()));

    // Cut inside the second picture: the picture is damaged.
    const std::size_t textStart = whole.find("[SKINCONTROLS]");
    TStringStream cut(whole.substr(0, textStart - 10));
    TskSkinPictureSet back;
    std::string readText;
    EXPECT_ANY_THROW(ReadSkinStream(cut, back, readText));

    // A count of a thousand pictures stops at the end of the data.
    std::string many = whole.substr(0, textStart);
    const std::size_t countAt = 4 + 5; // version, five flags
    many[countAt] = char(0xE8);
    many[countAt + 1] = char(0x03);
    TStringStream manyStream(many);
    EXPECT_NO_THROW(ReadSkinStream(manyStream, back, readText));
    EXPECT_EQ(back.ActivePictureCount(), 2);
    EXPECT_TRUE(readText.empty());
}

TEST(SkinStreamTest, APictureClaimingAHugeSizeIsRefusedBeforeItIsDecoded) {
    // A run-length BMP header claiming 30000 x 30000 pixels, as many times as the budget allows none.
    std::string bmp = "BM";
    auto put32 = [](std::string& s, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            s += char((v >> (8 * i)) & 0xFF);
    };
    auto put16 = [](std::string& s, std::uint32_t v) {
        s += char(v & 0xFF);
        s += char((v >> 8) & 0xFF);
    };
    const std::uint32_t size = 14 + 40 + 8 + 2;
    put32(bmp, size);
    put32(bmp, 0);
    put32(bmp, 14 + 40 + 8);
    put32(bmp, 40);
    put32(bmp, 30000);
    put32(bmp, 30000);
    put16(bmp, 1);
    put16(bmp, 8);
    put32(bmp, 1); // run-length, 8 bits
    put32(bmp, 2);
    for (int i = 0; i < 4; ++i)
        put32(bmp, 0);
    put32(bmp, 2); // two palette entries
    bmp += std::string(8 - 4, '\0');
    bmp += std::string("\x00\x01", 2); // end of bitmap
    ASSERT_EQ(bmp.size(), size);
    std::string stream;
    put32(stream, 0);
    stream += '\x01';
    stream += '\x01';
    put32(stream, 3);
    stream += bmp + bmp + bmp;
    TStringStream source(stream);
    TskSkinPictureSet pictures;
    std::string text;
    EXPECT_THROW(ReadSkinStream(source, pictures, text), EInvalidGraphic);
}

class SkinFilesTest : public testing::Test {
protected:
    void SetUp() override { Dir = OutDir("packing"); }
    void WriteText(const std::string& Name, const std::string& Text) {
        std::ofstream(Dir + Name, std::ios::binary) << Text;
    }
    std::string Dir;
};

const char* const MinimalSkin = "[VERSION]\nskinname=Test\n[PICTURES]\npicture=\ninactivepicture=\nmask=\n"
                                "rolluppicture=\nrollupmask=\nactivepicturescount=2\n0=one.bmp\n1=two.bmp\n"
                                "[FORMINFO]\n[SKINOBJECTS]\ncount=0\n[SKINCONTROLS]\ncount=0\n";

TEST_F(SkinFilesTest, PackingATextWithoutOptionalPicturesWritesFiveEmptyFlags) {
    MakeBitmap(4, 3, [](int x, int y) {
        return std::uint32_t(x * 40 + y * 1000);
    })->SaveToFile(Dir + "one.bmp");
    MakeBitmap(2, 5, [](int, int) { return 0x00FF00u; })->SaveToFile(Dir + "two.bmp");
    WriteText("skin.txt", MinimalSkin);
    TskCompressedStoredSkin stored(nullptr);
    ASSERT_TRUE(stored.LoadFromSkinTextFile(Dir + "skin.txt"));
    EXPECT_EQ(std::uint8_t(static_cast<const char*>(stored.CompressedStream().Memory())[1]), 0xDA);
    const std::string stream = Inflate(stored.CompressedStream());
    ASSERT_GT(stream.size(), 13u);
    EXPECT_EQ(stream.substr(0, 4), std::string("\x02\x00\x00\x00", 4));
    EXPECT_EQ(stream.substr(4, 5), std::string(5, '\x01'));
    EXPECT_EQ(stream.substr(9, 4), std::string("\x02\x00\x00\x00", 4));
    EXPECT_EQ(stream.substr(13, 2), "BM");
    EXPECT_NE(stream.find("[VERSION]\r\nskinname=Test\r\n"), std::string::npos);

    TStringStream source(stream);
    TskSkinPictureSet pictures;
    std::string text;
    EXPECT_EQ(ReadSkinStream(source, pictures, text), 2);
    ASSERT_EQ(pictures.ActivePictureCount(), 2);
    EXPECT_EQ(PixelOf(*pictures.ActivePicture(0), 3, 2), std::uint32_t(3 * 40 + 2 * 1000));
    EXPECT_EQ(pictures.ActivePicture(1)->Height(), 5);
    EXPECT_EQ(pictures.ActivePicture(2), nullptr);
    EXPECT_EQ(pictures.ActivePicture(-1), nullptr);
}

TEST_F(SkinFilesTest, ATextThatIsNoSkinLeavesThePackedBytesAsTheyWere) {
    WriteText("notskin.txt", "[VERSION]\n[PICTURES]\n");
    TskCompressedStoredSkin stored(nullptr);
    stored.CompressedStream().WriteBuffer("keep", 4);
    EXPECT_FALSE(stored.LoadFromSkinTextFile(Dir + "notskin.txt"));
    EXPECT_EQ(stored.CompressedStream().Size(), 4);
}

TEST_F(SkinFilesTest, AMissingPictureRaisesAndLeavesThePackedBytesEmpty) {
    std::string text = MinimalSkin;
    text.replace(text.find("two.bmp"), 7, "absent.bmp");
    MakeBitmap(4, 3, [](int, int) { return 0u; })->SaveToFile(Dir + "one.bmp");
    WriteText("missing.txt", text);
    TskCompressedStoredSkin stored(nullptr);
    stored.CompressedStream().WriteBuffer("old", 3);
    EXPECT_ANY_THROW(stored.LoadFromSkinTextFile(Dir + "missing.txt"));
    EXPECT_TRUE(stored.IsEmpty());
}

TEST_F(SkinFilesTest, ContainersRoundTripAndRefuseWhatTheyCannotHold) {
    TskCompressedStoredSkin empty(nullptr);
    TMemoryStream eight;
    empty.SaveToCompressedStream(&eight);
    ASSERT_EQ(eight.Size(), 8);
    EXPECT_EQ(std::string(static_cast<const char*>(eight.Memory()), 8), std::string("\x02\0\0\0\0\0\0\0", 8));
    TskCompressedStoredSkin back(nullptr);
    back.CompressedStream().WriteBuffer("xx", 2);
    back.LoadFromCompressedStream(&eight);
    EXPECT_TRUE(back.IsEmpty());

    TskCompressedStoredSkin full(nullptr);
    PackTestSkin(MinimalSkin, {}, full.CompressedStream());
    TMemoryStream container;
    full.SaveToCompressedStream(&container);
    container.SaveToFile(Dir + "skin.skn");
    TskCompressedStoredSkin fromFile(nullptr);
    fromFile.LoadFromCompressedFile(Dir + "skin.skn");
    EXPECT_EQ(Inflate(fromFile.CompressedStream()), Inflate(full.CompressedStream()));
    EXPECT_THROW(fromFile.LoadFromCompressedFile(Dir + "no-such.skn"), EFOpenError);

    const std::string bytes(static_cast<const char*>(container.Memory()), std::size_t(container.Size()));
    auto reads = [](const std::string& b) {
        TStringStream s(b);
        TskCompressedStoredSkin skin(nullptr);
        skin.LoadFromCompressedStream(&s);
        return skin.CompressedStream().Size();
    };
    EXPECT_EQ(reads(bytes), std::int64_t(bytes.size() - 8));
    std::string v4 = bytes, negative = bytes, pastEnd = bytes;
    v4[0] = 4;
    negative[7] = char(0x80);
    pastEnd[4] = char(pastEnd[4] + 1);
    EXPECT_EQ(reads(v4), 0);
    EXPECT_EQ(reads(negative), 0);
    EXPECT_EQ(reads(pastEnd), 0);
    EXPECT_EQ(reads(bytes.substr(0, 6)), 0);
    std::string v3 = bytes;
    v3[0] = 3;
    EXPECT_EQ(reads(v3), std::int64_t(bytes.size() - 8));
}

TEST_F(SkinFilesTest, FormDataIsThePackedBytesAlone) {
    TskCompressedStoredSkin stored(nullptr);
    PackTestSkin(MinimalSkin, {}, stored.CompressedStream());
    TMemoryStream data;
    stored.WriteCompressedData(&data);
    EXPECT_EQ(data.Size(), stored.CompressedStream().Size());
    TskCompressedStoredSkin copy(nullptr);
    data.SetPosition(0);
    copy.ReadCompressedData(&data);
    EXPECT_EQ(Inflate(copy.CompressedStream()), Inflate(stored.CompressedStream()));
}

TEST_F(SkinFilesTest, SkinListItemsAreNamedByIndexAndKeepContainers) {
    TskCompressedSkinList list(nullptr);
    for (int i = 0; i < 3; ++i)
        list.Skins()->Add();
    EXPECT_EQ(list.Skins()->Items(2)->Name(), "skSkin2");
    EXPECT_EQ(list.Skins()->Items(2)->DisplayName(), "skSkin2");
    PackTestSkin(MinimalSkin, {}, list.Skins()->Items(1)->StoredSkin()->CompressedStream());
    TMemoryStream skinProperty;
    list.Skins()->Items(1)->WriteSkin(&skinProperty);
    TskCompressedSkinList other(nullptr);
    other.SetSkins(list.Skins());
    ASSERT_EQ(other.Skins()->Count(), 3);
    EXPECT_EQ(other.Skins()->Items(1)->StoredSkin()->CompressedStream().Size(),
              list.Skins()->Items(1)->StoredSkin()->CompressedStream().Size());
    TskSkinListItem* item = other.Skins()->Add();
    item->ReadSkin(&skinProperty);
    EXPECT_EQ(Inflate(item->StoredSkin()->CompressedStream()),
              Inflate(list.Skins()->Items(1)->StoredSkin()->CompressedStream()));
    item->SetFileName("/somewhere/skin.txt"); // not designing: only stored
    EXPECT_EQ(item->FileName(), "/somewhere/skin.txt");
}

} // namespace skin_packing_test
