#include "platform/rtl/Resources.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/MemoryStream.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

// Generated from tests/rtl/resources.cmake.
void OlvaRegisterResources_olva_rtl_tests();

namespace resources_test {

std::string FileBytes(const std::string& name) {
    std::ifstream in(std::string(OLVA_TEST_DATA_DIR) + "/" + name, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

class Resources : public ::testing::Test {
protected:
    void SetUp() override { OlvaRegisterResources_olva_rtl_tests(); }
};

} // namespace resources_test

using namespace resources_test;

TEST_F(Resources, EmbeddedFilesComeBackByteForByte) {
    struct Case {
        const char* type;
        const char* name;
        const char* file;
    };
    const Case cases[] = {
        {"RCDATA", "EMBEDDED_TEXT", "embedded.txt"},
        {"rcdata", "embedded_text", "embedded.txt"}, // case does not matter
        {"RCDATA", "EMPTY", "empty.bin"},
        {"BINARY", "MIXED CASE", "binary.bin"},
    };
    for (const Case& c : cases) {
        const TResourceData* found = FindResource(c.type, c.name);
        ASSERT_NE(nullptr, found) << c.type << "/" << c.name;
        const std::string expected = FileBytes(c.file);
        EXPECT_FALSE(c.file == std::string("binary.bin") && expected.size() < 700) << "fixture missing";
        EXPECT_EQ(expected, std::string(found->View())) << c.name;
        EXPECT_EQ(0, found->Data[found->Size]); // zero-terminated for text
    }
    EXPECT_EQ(nullptr, FindResource("RCDATA", "MIXED CASE")); // the type is part of the key
    EXPECT_EQ(nullptr, FindResource("BINARY", "NOPE"));
}

TEST_F(Resources, ResourceStreamReadsSeeksAndRefusesWrites) {
    TResourceStream stream("Mixed Case", "Binary");
    const std::string expected = FileBytes("binary.bin");
    EXPECT_EQ(static_cast<std::int64_t>(expected.size()), stream.Size());
    TMemoryStream copy;
    copy.CopyFrom(&stream, 0);
    EXPECT_EQ(expected,
              std::string(static_cast<const char*>(copy.Memory()), static_cast<std::size_t>(copy.Size())));

    stream.Seek(-4, soEnd);
    char tail[8] = {};
    EXPECT_EQ(4, stream.Read(tail, 8));
    EXPECT_EQ("tail", std::string(tail, 4));
    EXPECT_EQ(0, stream.Read(tail, 1));
    EXPECT_THROW(stream.Seek(-1, soBeginning), EStreamError);
    try {
        stream.WriteBuffer("x", 1);
        FAIL() << "wrote to a resource";
    } catch (const EStreamError& e) {
        EXPECT_STREQ("Can't write to a read-only resource stream", e.what());
    }
    EXPECT_THROW(stream.SetSize(0), EStreamError);

    try {
        TResourceStream missing(nullptr, "NO_SUCH", "RCDATA");
        FAIL() << "opened a missing resource";
    } catch (const EResNotFound& e) {
        EXPECT_STREQ("Resource NO_SUCH not found", e.what());
    }
}
