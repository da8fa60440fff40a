#include "net/HttpContentCoding.h"
#include "net/NetExceptions.h"
#include "platform/rtl/MemoryStream.h"
#include "tests/net/ScopedContentCoding.h"

#include <gtest/gtest.h>

#include <clocale>

namespace {

// A test coding that upper-cases ASCII letters.
class TUpperCoding : public THttpContentCoding {
public:
    using THttpContentCoding::THttpContentCoding;
    int WriteBuffer(const void* Buffer, int Count) override {
        std::string s(static_cast<const char*>(Buffer), Count);
        for (char& c : s)
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
        return Output(s.data(), Count);
    }
};

// Doubles every byte, and holds the last byte back until Complete.
class TDoubleCoding : public THttpContentCoding {
public:
    using THttpContentCoding::THttpContentCoding;
    int WriteBuffer(const void* Buffer, int Count) override {
        std::string s;
        for (int i = 0; i < Count; ++i)
            s.append(2, static_cast<const char*>(Buffer)[i]);
        FHeld += s;
        const std::string out = FHeld.substr(0, FHeld.size() - 1);
        FHeld = FHeld.substr(FHeld.size() - 1);
        return Output(out.data(), static_cast<int>(out.size()));
    }
    void Complete() override {
        Output(FHeld.data(), static_cast<int>(FHeld.size()));
        FHeld.clear();
    }

private:
    std::string FHeld;
};

template <class Coding> class TTestClass : public THttpContentCodingClass {
public:
    explicit TTestClass(std::string name) : FName(std::move(name)) {}
    std::string ClassName() const override { return FName; }
    std::unique_ptr<THttpContentCoding> Create(THttpWriteProc Output) const override {
        return std::make_unique<Coding>(std::move(Output));
    }

private:
    std::string FName;
};

const TTestClass<TUpperCoding> UpperClass("THttpContentCodingupper");
const TTestClass<TDoubleCoding> DoubleClass("THttpContentCodingdouble");
const TTestClass<TUpperCoding> NamelessClass("TSomeOtherCoding");

struct Client {
    TMemoryStream stream;
    std::string received;
    THttpContCodHandler handler{[this] { return &stream; },
                                [this](const void* b, int c) {
                                    received.append(static_cast<const char*>(b), c);
                                    return c;
                                }};
    void Feed(const std::string& s) { handler.WriteBuffer(s.data(), static_cast<int>(s.size())); }
};

} // namespace

TEST(HttpContentCoding, TokensFromClassNames) {
    EXPECT_EQ(THttpCCodIdentity::Class().GetCoding(), "identity");
    EXPECT_EQ(THttpCCodStar::Class().GetCoding(), "*");
    EXPECT_EQ(UpperClass.GetCoding(), "upper");
    try {
        NamelessClass.GetCoding();
        FAIL();
    } catch (const EHttpContentCodingException& e) {
        EXPECT_EQ(e.Message(), "GetCoding must be overriden in TSomeOtherCoding");
    }
    EXPECT_EQ(ContentCodings().FindCoding("IDENTITY"), &THttpCCodIdentity::Class());
    EXPECT_EQ(ContentCodings().FindCoding("gzip"), nullptr);
}

TEST(HttpContentCoding, AcceptEncodingWithDefaultRegistry) {
    Client client;
    EXPECT_EQ(client.handler.AcceptEncodingValue(), ""); // disabled
    client.handler.SetEnabled(true);
    EXPECT_EQ(client.handler.AcceptEncodingValue(), ""); // only quality-0 codings, no q-values
    client.handler.SetUseQuality(true);
    EXPECT_EQ(client.handler.AcceptEncodingValue(), "identity;q=0, *;q=0");
    client.handler.Items(1).Enabled = false; // one active item: no q-value
    client.handler.SetUseQuality(true);
    EXPECT_EQ(client.handler.AcceptEncodingValue(), "");
    client.handler.Items(0).Quality = 0.25f;
    EXPECT_EQ(client.handler.AcceptEncodingValue(), "identity");
}

TEST(HttpContentCoding, RemoveUndoesTheLatestRegistrationOfAClass) {
    TContCodingsList& registry = ContentCodings();
    const int before = registry.Count();
    registry.Add(UpperClass, 0.5f);
    registry.Add(DoubleClass, 0.25f);
    registry.Add(UpperClass, 0.75f);
    EXPECT_TRUE(registry.Remove(UpperClass)); // the last one of the class goes
    ASSERT_EQ(registry.Count(), before + 2);
    EXPECT_EQ(registry.Items(before).CodingClass, &UpperClass);
    EXPECT_EQ(registry.Items(before).Quality, 0.5f);
    EXPECT_EQ(registry.Items(before + 1).CodingClass, &DoubleClass);
    EXPECT_TRUE(registry.Remove(DoubleClass));
    EXPECT_TRUE(registry.Remove(UpperClass));
    EXPECT_FALSE(registry.Remove(UpperClass)); // nothing left of it: the registry is unchanged
    EXPECT_EQ(registry.Count(), before);
    EXPECT_EQ(registry.FindCoding("upper"), nullptr);
}

TEST(HttpContentCoding, ScopedRegistrationLeavesTheDefaultAnnouncement) {
    {
        const net_test::TScopedContentCoding upper(UpperClass, 0.5f);
        Client client;
        client.handler.SetEnabled(true);
        EXPECT_EQ(client.handler.AcceptEncodingValue(), "upper");
    }
    Client client;
    client.handler.SetEnabled(true);
    client.handler.SetUseQuality(true);
    EXPECT_EQ(client.handler.AcceptEncodingValue(), "identity;q=0, *;q=0");
    EXPECT_EQ(ContentCodings().FindCoding("upper"), nullptr);
}

TEST(HttpContentCoding, DisabledHandlerPassesBodyUndecoded) {
    Client client;
    EXPECT_TRUE(client.handler.Prepare("identity"));
    client.Feed("abc");
    EXPECT_EQ(client.received, "abc");
    EXPECT_EQ(client.stream.Size(), 3);
}

TEST(HttpContentCoding, ChainUndoesCodingsInReverseOrderAndFlushes) {
    const net_test::TScopedContentCoding upper(UpperClass, 0.5f);
    const net_test::TScopedContentCoding doubled(DoubleClass, 0.25f);
    Client client;
    client.handler.SetEnabled(true);
    EXPECT_EQ(client.handler.AcceptEncodingValue(), "upper, double");
    client.handler.SetUseQuality(true);
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8"); // a comma locale must not change the point
    EXPECT_EQ(client.handler.AcceptEncodingValue(), "identity;q=0, *;q=0, upper;q=0.5, double;q=0.25");
    std::setlocale(LC_NUMERIC, "C");

    // The decoder of the last token listed gets the raw bytes first and passes them on to the earlier one.
    ASSERT_TRUE(client.handler.Prepare("Upper, \"double\""));
    client.Feed("ab");
    client.Feed("c");
    EXPECT_EQ(client.received, "AABBC");
    client.handler.Complete();
    EXPECT_EQ(client.received, "AABBCC");
    EXPECT_EQ(client.stream.Size(), 6);

    client.received.clear();
    EXPECT_FALSE(client.handler.Prepare("upper, br"));
    client.Feed("xy");
    EXPECT_EQ(client.received, "xy");
}
