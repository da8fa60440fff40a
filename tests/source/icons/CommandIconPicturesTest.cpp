// The command pictures the program holds: each one drawn inside its live area on a transparent ground,
// crisp at 16 pixels, none like another, and the generator's output the same on every run; a picture
// the generator cannot use stops it with its command named.
#include "platform/gdi/PngReader.h"
#include "platform/gdi/Surface.h"
#include "platform/rtl/Resources.h"
#include "source/mainform/CommandIcons.h"
#include "tools/commandicons/CommandIconArt.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <vector>

// The pictures embedded in the test program (see cmake/EmbedResources.cmake).
void OlvaRegisterResources_olva_app_tests();

namespace {

struct TStrip {
    int Size;
    const char* Resource;
};
const TStrip Strips[] = {{SmallCommandIconSize, SmallCommandIconResource},
                         {LargeCommandIconSize, LargeCommandIconResource}};

const TResourceData& Embedded(const char* Name) {
    static const bool registered = (OlvaRegisterResources_olva_app_tests(), true);
    (void)registered;
    const TResourceData* data = FindResource(CommandIconResourceType, Name);
    if (data == nullptr) throw std::runtime_error(std::string("no resource ") + Name);
    return *data;
}

std::shared_ptr<TSurface> Decoded(const TStrip& Strip) {
    const TResourceData& data = Embedded(Strip.Resource);
    std::shared_ptr<TSurface> surface;
    EXPECT_EQ(png_reader::ReadPng(data.Data, data.Size, std::int64_t(1) << 24, surface),
              png_reader::TPngReadResult::Ok);
    return surface;
}

std::uint8_t Alpha(const TSurface& Surface, int X, int Y) {
    return std::uint8_t(Surface.Pixel(X, Y) >> 24);
}

} // namespace

TEST(CommandIconPictures, EachStripHoldsOnePictureOfItsSizeForEveryEntry) {
    for (const TStrip& strip : Strips) {
        std::shared_ptr<TSurface> surface = Decoded(strip);
        ASSERT_TRUE(surface);
        EXPECT_EQ(surface->Height(), strip.Size);
        EXPECT_EQ(surface->Width(), strip.Size * static_cast<int>(CommandIcons().size()));
    }
}

TEST(CommandIconPictures, EveryPictureShowsSomethingInsideItsLiveAreaOnATransparentGround) {
    for (const TStrip& strip : Strips) {
        std::shared_ptr<TSurface> surface = Decoded(strip);
        ASSERT_TRUE(surface);
        const int n = strip.Size, margin = n / 16;
        for (std::size_t i = 0; i < CommandIcons().size(); ++i) {
            const char* command = CommandIcons()[i].Command;
            const int left = n * static_cast<int>(i);
            int covered = 0, opaque = 0, outside = 0;
            for (int y = 0; y < n; ++y)
                for (int x = 0; x < n; ++x) {
                    const int a = Alpha(*surface, left + x, y);
                    if (a == 0) continue;
                    ++covered;
                    if (a == 255) ++opaque;
                    if (x < margin || y < margin || x >= n - margin || y >= n - margin) ++outside;
                }
            EXPECT_GT(covered, n * n / 20) << command << " at " << n << " is all but empty";
            EXPECT_EQ(outside, 0) << command << " at " << n << " reaches outside its live area";
            // No background square: much of the picture's square stays clear.
            EXPECT_LT(covered, n * n * 9 / 10) << command << " at " << n << " fills its whole square";
            if (n == 16)
                // Crisp, not blurred: most covered pixels are fully opaque.
                EXPECT_GE(opaque * 100, covered * 55)
                    << command << ": " << opaque << " of " << covered << " pixels opaque";
        }
    }
}

TEST(CommandIconPictures, NoTwoPicturesAreAlikeAtEitherSize) {
    for (const TStrip& strip : Strips) {
        std::shared_ptr<TSurface> surface = Decoded(strip);
        ASSERT_TRUE(surface);
        const int n = strip.Size;
        std::map<std::vector<std::uint32_t>, const char*> seen;
        for (std::size_t i = 0; i < CommandIcons().size(); ++i) {
            std::vector<std::uint32_t> pixels;
            for (int y = 0; y < n; ++y)
                for (int x = 0; x < n; ++x)
                    pixels.push_back(surface->Pixel(n * static_cast<int>(i) + x, y));
            auto [at, fresh] = seen.emplace(pixels, CommandIcons()[i].Command);
            EXPECT_TRUE(fresh) << CommandIcons()[i].Command << " looks like " << at->second << " at " << n;
        }
    }
}

TEST(CommandIconPictures, TheGeneratorDrawsTheSameStripsOnEveryRun) {
    for (const TStrip& strip : Strips) {
        const std::string first = commandicons::DrawCommandIconStrip(strip.Size)->ToPng();
        const std::string second = commandicons::DrawCommandIconStrip(strip.Size)->ToPng();
        EXPECT_EQ(first, second) << strip.Size;
        // And what the program holds is what it draws.
        EXPECT_EQ(first, std::string(Embedded(strip.Resource).View())) << strip.Size;
    }
}

TEST(CommandIconPictures, AnUnusablePictureStopsTheGeneratorNamingItsCommand) {
    struct TCase {
        const char* What;
        std::function<void(art::TArt&)> Draw;
        const char* Expected;
    };
    const TCase cases[] = {
        {"empty", [](art::TArt&) {}, "is empty"},
        {"corner pixel",
         [](art::TArt& a) {
             a.Fill({0, 0, 1, 1}, art::Hex(0x102030));
         },
         "outside its live area"},
        {"bottom edge",
         [](art::TArt& a) {
             a.Fill({4, a.Height() - 1, 3, 1}, art::Hex(0x102030), 0.2);
         },
         "outside its live area"},
    };
    for (int size : {16, 32})
        for (const TCase& c : cases) {
            art::TArt picture(size, size);
            c.Draw(picture);
            try {
                commandicons::CheckCommandIcon(picture, "ActionAmplify");
                ADD_FAILURE() << c.What << " at " << size << " passed";
            } catch (const commandicons::EPictureError& e) {
                const std::string message = e.what();
                EXPECT_NE(message.find("ActionAmplify"), std::string::npos) << message;
                EXPECT_NE(message.find(c.Expected), std::string::npos) << message;
            }
        }
    // A picture inside its live area passes.
    art::TArt good(16, 16);
    good.Fill({1, 1, 14, 14}, art::Hex(0x102030));
    EXPECT_NO_THROW(commandicons::CheckCommandIcon(good, "ActionAmplify"));
    // A motif the generator has no drawing for.
    const TCommandIcon unknown{"ActionAmplify", TIconFamily::Effects, "no-such-motif"};
    try {
        commandicons::DrawCommandIcon(unknown, 16);
        ADD_FAILURE() << "an unknown motif was drawn";
    } catch (const commandicons::EPictureError& e) {
        EXPECT_NE(std::string(e.what()).find("ActionAmplify"), std::string::npos) << e.what();
    }
}
