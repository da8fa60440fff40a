// A program may end without the picture library's shut-down. The format list must then not reach, while
// the statics go, into a picture registry that ended before it.
#include "imaging/picture/FileFormatList.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Set when the registry below has ended; a plain flag, so it is still readable after the statics went.
bool RegistryEnded = false;

// Ends the registry's life among the statics at exit. Made after the format list's own statics, as the
// class library's registry is (it is made on first use, by the library's start-up), it ends first.
struct TRegistryLifetime {
    ~TRegistryLifetime() { RegistryEnded = true; }
};

// A registry that reports being used after its end by the exit code 3.
class TLifetimeCheckedRegistry : public TPictureFormats {
public:
    void UnregisterGraphicClass(TGraphicClass Class) override {
        if (RegistryEnded) std::_Exit(3);
        TPictureFormats::UnregisterGraphicClass(Class);
    }
};

} // namespace

TEST(FileFormatListDeathTest, EndingWithoutShutDownLeavesTheRegistryAlone) {
    EXPECT_EXIT(
        {
            TPictureFormats earlier;
            PicLibInitialize(earlier); // whatever the library keeps is made by now
            static TRegistryLifetime lifetime;
            static auto* registry = new TLifetimeCheckedRegistry;
            PicLibInitialize(*registry);
            std::exit(0); // no PicLibFinalize
        },
        testing::ExitedWithCode(0), "");
}

TEST(FileFormatList, StartingAgainReplacesTheListAndShutDownEndsIt) {
    TPictureFormats first, second;
    PicLibInitialize(first);
    TFileFormatList* list = FileFormatList();
    ASSERT_NE(list, nullptr);
    EXPECT_NE(first.Find("png"), nullptr);
    PicLibInitialize(second); // the first list unregisters its classes as it goes
    EXPECT_TRUE(first.Entries().empty());
    EXPECT_NE(second.Find("png"), nullptr);
    PicLibFinalize();
    EXPECT_EQ(FileFormatList(), nullptr);
    EXPECT_TRUE(second.Entries().empty());
    PicLibFinalize(); // a second shut-down does nothing
    EXPECT_EQ(FileFormatList(), nullptr);
}
