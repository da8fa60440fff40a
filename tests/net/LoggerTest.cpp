#include "net/NetExceptions.h"
#include "net/NetLogger.h"
#include "platform/rtl/FileUtils.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace logger_test {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class NetLoggerTest : public ::testing::Test {
protected:
    void SetUp() override {
        FDir = std::filesystem::temp_directory_path() /
               ("olva-net-logger-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(FDir);
        std::filesystem::create_directories(FDir);
    }
    void TearDown() override { std::filesystem::remove_all(FDir); }
    std::string Path(const char* name) const { return (FDir / name).string(); }
    std::filesystem::path FDir;
};

} // namespace logger_test

using namespace logger_test;

TEST_F(NetLoggerTest, CategoriesWithoutDestinationDoNothing) {
    TNetLogger logger(nullptr);
    int events = 0;
    logger.SetOnNetLogEvent([&](TObject*, TLogOption, const std::string&) { ++events; });
    logger.SetLogFileName(Path("none.log"));
    logger.SetLogOptions({loWsockErr, loWsockInfo});
    logger.DoDebugLog(nullptr, loWsockErr, "x");
    EXPECT_EQ(events, 0);
    EXPECT_FALSE(FileExists(Path("none.log")));
}

TEST_F(NetLoggerTest, EventGetsSenderCategoryAndText) {
    TNetLogger logger(nullptr);
    std::vector<std::string> got;
    logger.SetOnNetLogEvent([&](TObject* sender, TLogOption option, const std::string& msg) {
        EXPECT_EQ(sender, &logger);
        EXPECT_EQ(option, loWsockInfo);
        got.push_back(msg);
    });
    logger.SetLogOptions({loDestEvent});
    logger.DoDebugLog(&logger, loWsockInfo, "hello");
    logger.SetLogOptions({loDestEvent, loAddStamp});
    logger.DoDebugLog(&logger, loWsockInfo, "stamped");
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0], "hello");
    EXPECT_TRUE(std::regex_match(got[1], std::regex(R"(\d\d:\d\d:\d\d:\d\d\d stamped)"))) << got[1];
}

TEST_F(NetLoggerTest, AppendKeepsAndOverwriteTruncatesOnOpen) {
    const std::string path = Path("net.log");
    { std::ofstream(path, std::ios::binary) << "old\r\n"; }
    {
        TNetLogger logger(nullptr);
        logger.SetLogFileName(path);
        logger.SetLogOptions({loDestFile});
        logger.DoDebugLog(nullptr, loWsockErr, "one");
    }
    EXPECT_EQ(ReadFile(path), "old\r\none\r\n");
    {
        TNetLogger logger(nullptr);
        logger.SetLogFileName(path);
        logger.SetLogFileOption(lfoOverwrite);
        logger.SetLogOptions({loDestFile, loAddStamp});
        logger.DoDebugLog(nullptr, loWsockErr, "two");
        logger.DoDebugLog(nullptr, loWsockErr, "three");
    }
    EXPECT_TRUE(std::regex_match(
        ReadFile(path),
        std::regex("\\d\\d:\\d\\d:\\d\\d:\\d\\d\\d two\r\n\\d\\d:\\d\\d:\\d\\d:\\d\\d\\d three\r\n")))
        << ReadFile(path);
}

TEST_F(NetLoggerTest, ChangingTheFileNameMovesToTheNewFile) {
    TNetLogger logger(nullptr);
    logger.SetLogOptions({loDestFile});
    logger.SetLogFileName(Path("a.log"));
    logger.DoDebugLog(nullptr, loWsockErr, "1");
    logger.SetLogFileName(Path("a.log")); // same name: the file stays open
    logger.DoDebugLog(nullptr, loWsockErr, "2");
    logger.SetLogFileName(Path("b.log"));
    logger.DoDebugLog(nullptr, loWsockErr, "3");
    EXPECT_EQ(ReadFile(Path("a.log")), "1\r\n2\r\n");
    EXPECT_EQ(ReadFile(Path("b.log")), "3\r\n");
}

TEST_F(NetLoggerTest, FileErrorsRaiseLoggerException) {
    TNetLogger logger(nullptr);
    logger.SetLogOptions({loDestFile});
    try {
        logger.DoDebugLog(nullptr, loWsockErr, "x");
        FAIL();
    } catch (const ELoggerException& e) {
        EXPECT_EQ(e.Message(), "File name empty");
    }
    logger.SetLogFileName(Path("missing-dir/x.log"));
    EXPECT_THROW(logger.DoDebugLog(nullptr, loWsockErr, "x"), ELoggerException);
    // The lock was released: logging from here on still works.
    logger.SetLogFileName(Path("ok.log"));
    logger.DoDebugLog(nullptr, loWsockErr, "x");
    EXPECT_EQ(ReadFile(Path("ok.log")), "x\r\n");
}

TEST_F(NetLoggerTest, MessagesFromSeveralThreadsAreWrittenWhole) {
    TNetLogger logger(nullptr);
    logger.SetLogOptions({loDestFile});
    logger.SetLogFileName(Path("mt.log"));
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&, t] {
            for (int i = 0; i < 200; ++i)
                logger.DoDebugLog(nullptr, loWsockDump, std::string(50, static_cast<char>('a' + t)));
        });
    for (auto& th : threads)
        th.join();
    logger.SetLogFileName(""); // closes the file
    std::istringstream in(ReadFile(Path("mt.log")));
    std::string line;
    int lines = 0;
    while (std::getline(in, line)) {
        ASSERT_EQ(line.size(), 51u);
        EXPECT_EQ(line.find_first_not_of(line[0]), 50u);
        ++lines;
    }
    EXPECT_EQ(lines, 800);
}
