#include "platform/rtl/FileStream.h"
#include "platform/rtl/MemoryStream.h"
#include "platform/rtl/StreamAdapter.h"
#include "platform/rtl/WeakLink.h"

#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>

namespace {

std::filesystem::path OutDir() {
    const auto dir = std::filesystem::path(OLVA_TEST_OUT_DIR) / "stream";
    std::filesystem::create_directories(dir);
    return dir;
}

std::string ReadAll(TStream& s) {
    s.SetPosition(0);
    std::string out(static_cast<std::size_t>(s.Size()), '\0');
    s.ReadBuffer(out.data(), static_cast<std::int64_t>(out.size()));
    return out;
}

void WriteText(TStream& s, const std::string& text) {
    s.WriteBuffer(text.data(), static_cast<std::int64_t>(text.size()));
}

// Every seekable stream kind must show the same behaviour.
struct StreamKind {
    const char* name;
    std::function<std::unique_ptr<TStream>()> make;
};

std::vector<StreamKind> Kinds() {
    return {
        {"memory", [] { return std::make_unique<TMemoryStream>(); }},
        {"string", [] { return std::make_unique<TStringStream>(); }},
        {"file", [] { return std::make_unique<TFileStream>((OutDir() / "kind.bin").string(), fmCreate); }},
    };
}

} // namespace

TEST(Stream, SeekBeyondEndReadsNothingAndWritingThereFillsTheGapWithZeros) {
    for (const StreamKind& kind : Kinds()) {
        SCOPED_TRACE(kind.name);
        auto s = kind.make();
        WriteText(*s, "abc");
        EXPECT_EQ(10, s->Seek(7, soCurrent));
        char c = 'x';
        EXPECT_EQ(0, s->Read(&c, 1));
        EXPECT_EQ(3, s->Size()); // seeking alone does not grow the stream
        WriteText(*s, "Z");
        EXPECT_EQ(11, s->Size());
        EXPECT_EQ(std::string("abc\0\0\0\0\0\0\0Z", 11), ReadAll(*s));
        EXPECT_EQ(9, s->Seek(-2, soEnd));
        EXPECT_THROW(s->Seek(-1, soBeginning), EStreamError);
        EXPECT_THROW(s->Seek(-12, soEnd), EStreamError);
    }
}

TEST(Stream, ShortReadsReturnWhatIsThereAndReadBufferRaises) {
    for (const StreamKind& kind : Kinds()) {
        SCOPED_TRACE(kind.name);
        auto s = kind.make();
        WriteText(*s, "12345");
        s->SetPosition(3);
        char buffer[8] = {};
        EXPECT_EQ(2, s->Read(buffer, 8));
        EXPECT_EQ("45", std::string(buffer, 2));
        EXPECT_EQ(5, s->Position());
        s->SetPosition(3);
        try {
            s->ReadBuffer(buffer, 3);
            FAIL() << "short read accepted";
        } catch (const EReadError& e) {
            EXPECT_STREQ("Stream read error", e.what());
        }
        s->ReadBuffer(buffer, 0); // nothing asked, nothing to fail
    }
}

TEST(Stream, SetSizeTruncatesAndExtends) {
    for (const StreamKind& kind : Kinds()) {
        SCOPED_TRACE(kind.name);
        auto s = kind.make();
        WriteText(*s, "abcdef");
        s->SetSize(2);
        EXPECT_EQ(2, s->Size());
        EXPECT_LE(s->Position(), 2);
        s->SetSize(4);
        EXPECT_EQ(std::string("ab\0\0", 4), ReadAll(*s));
    }
}

TEST(Stream, CopyFromTable) {
    struct Case {
        std::int64_t sourcePosition;
        std::int64_t count;
        std::string copied; // empty with throws = true
        bool throws;
    };
    const std::vector<Case> cases = {
        {4, 0, "0123456789", false}, // 0 = everything, from the start whatever the position
        {2, 3, "234", false},        {0, 10, "0123456789", false}, {8, 2, "89", false}, {8, 3, "", true},
        {10, 1, "", true},
    };
    for (const Case& c : cases) {
        TMemoryStream source;
        WriteText(source, "0123456789");
        source.SetPosition(c.sourcePosition);
        TStringStream dest;
        WriteText(dest, ">");
        if (c.throws) {
            EXPECT_THROW(dest.CopyFrom(&source, c.count), EReadError) << c.sourcePosition << "+" << c.count;
            continue;
        }
        EXPECT_EQ(static_cast<std::int64_t>(c.copied.size()), dest.CopyFrom(&source, c.count));
        EXPECT_EQ(">" + c.copied, dest.DataString());
    }

    // Copies larger than one internal chunk, between different kinds of stream.
    std::string big(200000, '\0');
    for (std::size_t i = 0; i < big.size(); ++i)
        big[i] = static_cast<char>(i * 31 % 251);
    TStringStream source(big);
    TFileStream file((OutDir() / "big.bin").string(), fmCreate);
    EXPECT_EQ(200000, file.CopyFrom(&source, 0));
    EXPECT_EQ(big, ReadAll(file));
}

TEST(Stream, StringStreamKeepsTheTailWhenOverwritingTheMiddle) {
    TStringStream s("hello world");
    EXPECT_EQ(0, s.Position());
    EXPECT_EQ("hello", s.ReadString(5));
    s.SetPosition(6);
    s.WriteString("W");
    EXPECT_EQ("hello World", s.DataString());
    EXPECT_EQ("orld", s.ReadString(100));
    EXPECT_EQ("", s.ReadString(3));
}

TEST(Stream, FileStreamErrorsNameTheFileAndTheReason) {
    const auto dir = OutDir();
    const std::string missing = (dir / "no such.bin").string();
    struct Case {
        std::string path;
        WORD mode;
        bool create;
        std::string message;
    };
    const std::vector<Case> cases = {
        {missing, fmOpenRead, false, "Cannot open file \"" + missing + "\". No such file or directory"},
        {missing, fmOpenReadWrite | fmShareDenyNone, false,
         "Cannot open file \"" + missing + "\". No such file or directory"},
        {dir.string(), fmOpenRead, false, "Cannot open file \"" + dir.string() + "\". Is a directory"},
        {dir.string(), fmCreate, true, "Cannot create file \"" + dir.string() + "\". Is a directory"},
        {(dir / "none" / "x").string(), fmCreate | fmShareExclusive, true,
         "Cannot create file \"" + (dir / "none" / "x").string() + "\". No such file or directory"},
    };
    for (const Case& c : cases) {
        try {
            TFileStream s(c.path, c.mode);
            ADD_FAILURE() << "opened " << c.path;
        } catch (const EFCreateError& e) {
            EXPECT_TRUE(c.create);
            EXPECT_EQ(c.message, e.what());
        } catch (const EFOpenError& e) {
            EXPECT_FALSE(c.create);
            EXPECT_EQ(c.message, e.what());
        }
    }
}

TEST(Stream, FileStreamModes) {
    const std::string path = (OutDir() / "modes.bin").string();
    {
        TFileStream s(path, fmCreate);
        WriteText(s, "original");
    }
    {
        TFileStream s(path, fmOpenReadWrite | fmShareDenyWrite);
        s.Seek(0, soEnd);
        WriteText(s, "+");
        EXPECT_EQ("original+", ReadAll(s));
    }
    {
        TFileStream s(path, fmOpenRead);
        char c = 0;
        EXPECT_THROW(s.WriteBuffer("x", 1), EWriteError);
        EXPECT_EQ(1, s.Read(&c, 1));
        EXPECT_EQ('o', c);
    }
    {
        TFileStream s(path, fmCreate); // creating an existing file empties it
        EXPECT_EQ(0, s.Size());
        EXPECT_EQ(path, s.FileName());
    }
}

TEST(Stream, MemoryStreamFilesRoundTripAndAFailedLoadKeepsTheContent) {
    const std::string path = (OutDir() / "memory.bin").string();
    TMemoryStream s;
    WriteText(s, std::string("bin\0ary", 7));
    s.SaveToFile(path);
    TMemoryStream loaded;
    WriteText(loaded, "old");
    loaded.LoadFromFile(path);
    EXPECT_EQ(0, loaded.Position());
    EXPECT_EQ(std::string("bin\0ary", 7), ReadAll(loaded));

    EXPECT_THROW(loaded.LoadFromFile(path + ".missing"), EFOpenError);
    EXPECT_EQ(7, loaded.Size());
    EXPECT_THROW(s.SaveToFile(OutDir().string()), EFCreateError);

    loaded.Clear();
    EXPECT_EQ(0, loaded.Size());
    EXPECT_EQ(0, loaded.Position());
}

TEST(StreamAdapter, ReadWriteSeekStatAndSize) {
    TMemoryStream memory;
    IStream* stream = new TStreamAdapter(&memory);
    ULONG n = 0;
    EXPECT_EQ(S_OK, stream->Write("abcdef", 6, &n));
    EXPECT_EQ(6u, n);
    ULONGLONG pos = 99;
    EXPECT_EQ(S_OK, stream->Seek(-2, STREAM_SEEK_END, &pos));
    EXPECT_EQ(4u, pos);
    char buffer[8] = {};
    EXPECT_EQ(S_FALSE, stream->Read(buffer, 8, &n));
    EXPECT_EQ(2u, n);
    EXPECT_EQ("ef", std::string(buffer, 2));
    EXPECT_EQ(STG_E_INVALIDFUNCTION, stream->Seek(0, 7, &pos));
    EXPECT_EQ(STG_E_INVALIDFUNCTION, stream->Seek(-1, STREAM_SEEK_SET, &pos));
    EXPECT_EQ(STG_E_INVALIDPOINTER, stream->Read(nullptr, 1, &n));

    STATSTG stat;
    stat.cbSize = 12345;
    EXPECT_EQ(S_OK, stream->Stat(&stat, STATFLAG_NONAME));
    EXPECT_EQ(6u, stat.cbSize);
    EXPECT_EQ(STGTY_STREAM, stat.type);
    EXPECT_EQ(STG_E_INVALIDPOINTER, stream->Stat(nullptr, STATFLAG_DEFAULT));

    EXPECT_EQ(S_OK, stream->SetSize(3));
    EXPECT_EQ(3, memory.Size());

    TMemoryStream copy;
    IStream* target = new TStreamAdapter(&copy);
    stream->Seek(1, STREAM_SEEK_SET, nullptr);
    ULONGLONG read = 0, written = 0;
    EXPECT_EQ(S_OK, stream->CopyTo(target, 100, &read, &written));
    EXPECT_EQ(2u, read);
    EXPECT_EQ(2u, written);
    EXPECT_EQ("bc", ReadAll(copy));
    target->Release();
    stream->Release();
}

TEST(StreamAdapter, ReleasingTheLastReferenceFreesAnOwnedStreamOnly) {
    auto* owned = new TMemoryStream;
    TWeakLink<TStream> ownedLink(owned);
    TMemoryStream referenced;
    TWeakLink<TStream> referencedLink(&referenced);

    IStream* a = new TStreamAdapter(owned, soOwned);
    IStream* b = new TStreamAdapter(&referenced);
    EXPECT_EQ(2u, a->AddRef());
    EXPECT_EQ(1u, a->Release());
    EXPECT_TRUE(ownedLink.Alive());
    EXPECT_EQ(0u, a->Release());
    EXPECT_FALSE(ownedLink.Alive());
    EXPECT_EQ(0u, b->Release());
    EXPECT_TRUE(referencedLink.Alive());
}
