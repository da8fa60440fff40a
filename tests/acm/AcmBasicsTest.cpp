#include "acm/AcmErrors.h"
#include "acm/AudioIO.h"
#include "acm/AudioSubject.h"
#include "acm/Codec.h"
#include "acm/WaveFormat.h"

#include <gtest/gtest.h>

namespace {

TEST(AcmErrorText, CodesWithAndWithoutContext) {
    struct Case {
        unsigned Code;
        const char* Context;
        const char* Text;
    };
    const Case cases[] = {
        {0, "", "no error"},
        {2, "", "Bad device ID."},
        {2, "Error opening audio device for input.",
         "Error opening audio device for input.\r\nBad device ID."},
        {34, "", "Cannot perform this action on a header that has not been prepared."},
        {514, "", "Cannot perform this action on a header that has not been prepared."},
        {513, "", "The conversion stream is already in use."},
        {32, "", "The selected audio format is not supported on this machine."},
        {9, "Error closing input device.",
         "Error closing input device.\r\nAn unexpected error has occurred (code #9)."},
        {600, "", "An unexpected error has occurred (code #600)."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ACMErrorText(c.Code, c.Context), c.Text) << c.Code;
    EXPECT_THROW(ACMCheck<EACMAudioInError>(5), EACMAudioIOError);
    EXPECT_NO_THROW(ACMCheck<EACMAudioInError>(0));
}

TEST(WaveFormat, DefaultsExtraSizeAndComparison) {
    TdeWaveFormat format;
    EXPECT_EQ(format.FormatTag(), 1);
    EXPECT_EQ(format.Channels(), 2);
    EXPECT_EQ(format.SamplesPerSec(), 11025u);
    EXPECT_EQ(format.AvgBytesPerSec(), 22050u);
    EXPECT_EQ(format.BlockAlign(), 2);
    EXPECT_EQ(format.BitsPerSample(), 8);
    EXPECT_EQ(format.ExtraSize(), 0);
    format.SetExtraSize(494);
    EXPECT_EQ(format.ExtraSize(), 494);
    try {
        format.SetExtraSize(495);
        FAIL() << "no error";
    } catch (const EACMError& e) {
        EXPECT_EQ(e.Message(), "The wave format buffer is too small.");
    }
    TdeWaveFormat other;
    EXPECT_FALSE(other.Equals(format));
    other.Assign(&format);
    EXPECT_TRUE(other.Equals(format));
    // Bytes beyond the header count too.
    auto buffer = other.FormatBuffer();
    buffer[400] = 7;
    other.SetFormatBuffer(buffer);
    EXPECT_FALSE(other.Equals(format));
}

// A publishing component for the tests.
class TTestSource : public TComponent, public IdeAudioSubject {
public:
    explicit TTestSource(TComponent* owner)
        : TComponent(owner), Subject(new TdeAudioSubject(this, &Format)) {}
    void Attach(IdeAudioObserver* o) override { Subject->Attach(o); }
    void Detach(IdeAudioObserver* o) override { Subject->Detach(o); }
    TdeWaveFormat* GetFormat() override { return &Format; }
    TdeWaveFormat Format;
    TdeAudioSubject* Subject;
};

TEST(AudioSubject, AnObserverThatDetachesItselfDoesNotMakeTheNextMissTheBlock) {
    TComponent owner(nullptr);
    auto* source = new TTestSource(&owner);
    std::vector<std::string> calls;
    TdeAudioObserver* first = nullptr;
    first = new TdeAudioObserver(&owner, [&](IdeAudioSubject*, const void*, int) {
        calls.push_back("first");
        first->SetAudioSource(nullptr);
    });
    auto* second = new TdeAudioObserver(&owner, [&](IdeAudioSubject*, const void*, int size) {
        calls.push_back("second " + std::to_string(size));
    });
    first->SetAudioSource(source);
    second->SetAudioSource(source);
    source->Subject->Notify(source, "x", 1);
    EXPECT_EQ(calls, (std::vector<std::string>{"first", "second 1"}));
    EXPECT_EQ(source->Subject->ObserverCount(), 1);
}

TEST(AudioSubject, ObserverErrorsGoToTheEventAndAreRaisedUnlessCleared) {
    TComponent owner(nullptr);
    auto* source = new TTestSource(&owner);
    int seconds = 0;
    auto* failing =
        new TdeAudioObserver(&owner, [](IdeAudioSubject*, const void*, int) { throw EACMError("boom"); });
    auto* second = new TdeAudioObserver(&owner, [&](IdeAudioSubject*, const void*, int) { ++seconds; });
    failing->SetAudioSource(source);
    second->SetAudioSource(source);
    EXPECT_THROW(source->Subject->Notify(source, nullptr, 0), EACMError);
    EXPECT_EQ(seconds, 0);
    std::string seen;
    source->Subject->OnObserverError = [&](IdeAudioSubject*, IdeAudioObserver* observer, Exception& e,
                                           bool& raise) {
        seen = e.Message();
        EXPECT_EQ(observer, failing);
        raise = false;
    };
    EXPECT_NO_THROW(source->Subject->Notify(source, nullptr, 0));
    EXPECT_EQ(seen, "boom");
    EXPECT_EQ(seconds, 1);
}

TEST(AudioObserver, SourceRulesAndLifetimes) {
    TComponent owner(nullptr);
    auto* observer = new TdeAudioObserver(&owner, nullptr);
    auto* plain = new TComponent(&owner);
    try {
        observer->SetAudioSource(&owner);
        FAIL();
    } catch (const EACMError& e) {
        EXPECT_EQ(e.Message(), "Component cannot observe itself.");
    }
    try {
        observer->SetAudioSource(plain);
        FAIL();
    } catch (const EACMError& e) {
        EXPECT_EQ(e.Message(), "The selected component is not an audio subject.");
    }
    auto* source = new TTestSource(&owner);
    observer->SetAudioSource(source);
    EXPECT_EQ(source->Subject->ObserverCount(), 1);
    delete observer; // a freed observer is no longer called
    EXPECT_EQ(source->Subject->ObserverCount(), 0);
    auto* again = new TdeAudioObserver(&owner, nullptr);
    again->SetAudioSource(source);
    delete source; // a freed source is forgotten
    EXPECT_EQ(again->AudioSource(), nullptr);
}

class TPoolOwner : public TdeAudioIO {
public:
    using TdeAudioIO::TdeAudioIO;
    void DoOpen() override {}
    void DoClose() override {}
};

TEST(AudioBufferPool, ExactThenSmallestExcessBelowTheSize) {
    TPoolOwner pool(nullptr);
    void* a = pool.GetBuffer(100);
    void* b = pool.GetBuffer(150);
    void* c = pool.GetBuffer(300);
    pool.ReleaseBuffer(a);
    pool.ReleaseBuffer(b);
    pool.ReleaseBuffer(c);
    EXPECT_EQ(pool.GetBuffer(100), a); // exact
    EXPECT_EQ(pool.GetBuffer(90), b);  // 150 is less than twice 90
    void* fresh = pool.GetBuffer(120); // 300 is too large for 120
    EXPECT_NE(fresh, c);
    EXPECT_EQ(pool.PoolBlockCount(), 4u);
    pool.FreePool();
    EXPECT_EQ(pool.PoolBlockCount(), 0u);
}

TEST(CodecCatalogue, ListsTheConverterWithItsFormats) {
    TdeCodec::Rebuild();
    ASSERT_GE(TdeCodec::Count(), 1);
    TdeCodec* codec = TdeCodec::Item(0);
    ASSERT_NE(codec, nullptr);
    EXPECT_FALSE(codec->ShortName().empty());
    EXPECT_TRUE(codec->Support().Contains(csConverter));
    EXPECT_FALSE(codec->Support().Contains(csCodec));
    EXPECT_GE(codec->MaxFormatSize(), 18u);
    ASSERT_FALSE(codec->Formats().empty());
    const auto& format = codec->Formats().front();
    EXPECT_FALSE(format.Name.empty());
    EXPECT_EQ(format.Format.size(), 18u);
    EXPECT_EQ(TdeCodec::Item(TdeCodec::Count()), nullptr);
    TdeCodec::FreeCatalogue();
}

} // namespace
