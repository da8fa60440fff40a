#include "net/SmtpMessage.h"
#include "platform/rtl/MemoryStream.h"
#include "platform/rtl/StringList.h"
#include "tests/net/SocketTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>

namespace {

// Composes the message in stream mode and returns what was written, with the Date and Message-ID
// values (which change from run to run) replaced by fixed words.
std::string Compose(TSmtpCli& cli, WORD expectedError = 0) {
    cli.SendMode = smtpToStream;
    cli.SetOutputStream(std::make_unique<TMemoryStream>());
    std::string written;
    cli.OnReleaseStream = [&](std::unique_ptr<TStream> stream) {
        auto* memory = static_cast<TMemoryStream*>(stream.get());
        written.assign(static_cast<const char*>(memory->Memory()), static_cast<std::size_t>(memory->Size()));
    };
    int done = 0;
    WORD error = 0xFFFF;
    cli.OnRequestDone = [&](TObject*, TSmtpRequest, WORD e) {
        ++done;
        error = e;
    };
    cli.Data();
    EXPECT_TRUE(net_test::PumpUntil([&] { return done > 0; }));
    EXPECT_EQ(error, expectedError);
    written = std::regex_replace(written, std::regex("\r\nDate: [^\r]*"), "\r\nDate: DATE");
    written = std::regex_replace(written, std::regex("\r\nMessage-ID: <[^>]*>"), "\r\nMessage-ID: <ID>");
    return written;
}

class TempFile {
public:
    TempFile(const std::string& name, const std::string& content) {
        dir = std::filesystem::path(OLVA_TEST_OUT_DIR) / ("net-smtp-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        path = (dir / name).string();
        std::ofstream(path, std::ios::binary) << content;
    }
    ~TempFile() { std::filesystem::remove_all(dir); }
    std::filesystem::path dir;
    std::string path;
};

} // namespace

TEST(SmtpMessage, PlainMessageHeaderInOrder) {
    TSmtpCli cli(nullptr);
    cli.HdrFrom = "Joe <joe@x.test>";
    cli.HdrTo = "\"Ann\" <ann@x.test>; Bob <bob@x.test>";
    cli.HdrSubject = "Hello";
    cli.HdrPriority = smtpPriorityHigh;
    cli.MailMessage().Add("Line one");
    cli.MailMessage().Add(".starts with a dot");
    cli.FoldHeaders = true; // address headers go through the address encoder
    const std::string message = Compose(cli);
    EXPECT_EQ(message, "From: \"Joe\" <joe@x.test>\r\n"
                       "To: \"Ann\" <ann@x.test>,\"Bob\" <bob@x.test>\r\n"
                       "Subject: Hello\r\n"
                       "Sender: \"Joe\" <joe@x.test>\r\n"
                       "Mime-Version: 1.0\r\n"
                       "Content-Type: text/plain; charset=\"iso-8859-1\"\r\n"
                       "Date: DATE\r\n"
                       "X-Priority: 2\r\n"
                       "Priority: urgent\r\n"
                       "X-MSMail-Priority: High\r\n"
                       "Message-ID: <ID>\r\n"
                       "X-Mailer: OLVA SMTP Component V6.4\r\n"
                       "\r\n"
                       "Line one\r\n"
                       "..starts with a dot\r\n");
}

TEST(SmtpMessage, EightBitBodyNamesItsEncodingAndSubjectIsEncodedWhenAsked) {
    TSmtpCli cli(nullptr);
    cli.DefaultEncoding = smtpEnc8bit;
    cli.HdrSubject = "Caf\xE9";
    cli.MailMessage().Add("plain");
    std::string message = Compose(cli);
    EXPECT_NE(message.find(
                  "Content-Type: text/plain; charset=\"iso-8859-1\"\r\nContent-Transfer-Encoding: 8bit\r\n"),
              std::string::npos);
    EXPECT_NE(message.find("Subject: Caf\xE9\r\n"), std::string::npos);

    cli.Allow8bitChars = false;
    cli.DefaultEncoding = smtpEnc7bit;
    cli.MailMessage().Clear();
    cli.MailMessage().Add("Caf\xE9");
    message = Compose(cli);
    EXPECT_NE(message.find("Subject: =?iso-8859-1?Q?Caf=E9?=\r\n"), std::string::npos);
    // Text that needs it travels quoted-printable.
    EXPECT_NE(message.find("Content-Transfer-Encoding: quoted-printable\r\n"), std::string::npos);
    EXPECT_NE(message.find("\r\n\r\nCaf=E9"), std::string::npos);
}

TEST(SmtpMessage, MultipartWithBase64Attachment) {
    TempFile file("notes.txt", "abcdefgh");
    TSmtpCli cli(nullptr);
    cli.HdrFrom = "joe@x.test";
    cli.MailMessage().Add("See attached.");
    TStringList files;
    files.Add("  " + file.path + "  ");
    files.Add("");
    cli.SetEmailFiles(&files);
    EXPECT_EQ(cli.EmailFiles().Count(), 1);
    std::string message = Compose(cli);
    std::smatch match;
    ASSERT_TRUE(
        std::regex_search(message, match, std::regex("boundary=\"(= Multipart Boundary [0-9]{10})\"")));
    const std::string b = match[1];
    EXPECT_EQ(message, "From: joe@x.test\r\n"
                       "Subject: \r\n"
                       "Sender: joe@x.test\r\n"
                       "Mime-Version: 1.0\r\n"
                       "Content-Type: multipart/mixed;\r\n\tboundary=\"" +
                           b +
                           "\"\r\n"
                           "Date: DATE\r\n"
                           "Message-ID: <ID>\r\n"
                           "X-Mailer: OLVA SMTP Component V6.4\r\n"
                           "\r\n"
                           "This is a multipart MIME message.\r\n"
                           "\r\n"
                           "--" +
                           b +
                           "\r\n"
                           "Content-Type: text/plain; charset=\"iso-8859-1\"\r\n"
                           "Content-Transfer-Encoding: 7bit\r\n"
                           "\r\n"
                           "See attached.\r\n"
                           "\r\n"
                           "--" +
                           b +
                           "\r\n"
                           "Content-Type: text/plain;\r\n"
                           "\tname=\"notes.txt\"\r\n"
                           "Content-Transfer-Encoding: base64\r\n"
                           "Content-Disposition: attachment;\r\n"
                           "\tfilename=\"notes.txt\"\r\n"
                           "\r\n"
                           "YWJjZGVmZ2g=\r\n"
                           "\r\n"
                           "--" +
                           b + "--\r\n");
}

TEST(SmtpMessage, MissingAttachmentIsRefusedAtOnce) {
    TSmtpCli cli(nullptr);
    TStringList files;
    files.Add("/nonexistent/olva-file");
    try {
        cli.SetEmailFiles(&files);
        FAIL() << "no exception";
    } catch (SmtpException& e) {
        EXPECT_EQ(e.Message(), "File not found '/nonexistent/olva-file'");
    }
    EXPECT_EQ(cli.EmailFiles().Count(), 0);
}

struct AddressCase {
    const char* text;
    const char* name;
    const char* address;
};

TEST(SmtpMessage, ParseAddressForms) {
    const AddressCase cases[] = {
        {"Joe Sender <joe@x.test>", "Joe Sender", "joe@x.test"},
        {"joe@x.test", "", "joe@x.test"},
        {"  \"Doe, John\" <jd@x.test>", "Doe, John", "jd@x.test"},
        {"'Single' rest@x.test", "Single", "rest@x.test"},
        {"<only@x.test>", "", "only@x.test"},
        {"name addr@x.test", "name", "addr@x.test"},
    };
    for (const auto& c : cases) {
        std::string name, address;
        ParseAddress(c.text, name, address);
        EXPECT_EQ(name, c.name) << c.text;
        EXPECT_EQ(address, c.address) << c.text;
    }
}

struct FileEventCase {
    const char* name;
    TSmtpBeforeOpenFileAction before;
    bool missingFile;
    TSmtpAfterOpenFileAction after;
    WORD error;
    bool attached;
};

class SmtpFileEvents : public testing::TestWithParam<FileEventCase> {};

TEST_P(SmtpFileEvents, DecideAboutEachAttachment) {
    const FileEventCase& c = GetParam();
    TempFile file("data.bin", "xyz");
    TSmtpCli cli(nullptr);
    cli.MailMessage().Add("text");
    TStringList files;
    files.Add(file.path);
    cli.SetEmailFiles(&files);
    if (c.missingFile) std::filesystem::remove(file.path);
    cli.OnBeforeFileOpen = [&](TObject*, int index, const std::string& name,
                               TSmtpBeforeOpenFileAction& action) {
        EXPECT_EQ(index, 0);
        EXPECT_EQ(name, file.path);
        action = c.before;
    };
    bool sawError = false;
    cli.OnAfterFileOpen = [&](TObject*, int, const std::string&, Exception* e,
                              TSmtpAfterOpenFileAction& action) {
        sawError = e != nullptr;
        action = c.after;
    };
    const std::string message = Compose(cli, c.error);
    EXPECT_EQ(sawError, c.missingFile);
    EXPECT_EQ(message.find("filename=\"data.bin\"") != std::string::npos, c.attached);
    if (c.error == 0) {
        EXPECT_EQ(message.substr(message.size() - 4), "--\r\n"); // the closing boundary is always there
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SmtpFileEvents,
    testing::Values(
        FileEventCase{"Attach", smtpBeforeOpenFileNone, false, smtpAfterOpenFileNone, 0, true},
        FileEventCase{"SkipBefore", smtpBeforeOpenFileNext, false, smtpAfterOpenFileNone, 0, false},
        FileEventCase{"SkipAfter", smtpBeforeOpenFileNone, false, smtpAfterOpenFileNext, 0, false},
        FileEventCase{"SkipMissing", smtpBeforeOpenFileNone, true, smtpAfterOpenFileNext, 0, false},
        FileEventCase{"MissingUnhandled", smtpBeforeOpenFileNone, true, smtpAfterOpenFileNone, 500, false},
        FileEventCase{"AbortBefore", smtpBeforeOpenFileAbort, false, smtpAfterOpenFileNone, 500, false}),
    [](const testing::TestParamInfo<FileEventCase>& info) { return std::string(info.param.name); });

TEST(SmtpMessage, HeaderLineEventMayAddALine) {
    TSmtpCli cli(nullptr);
    cli.HdrFrom = "a@x.test";
    cli.OnHeaderLine = [](TObject*, std::string& line) {
        if (line.rfind("From:", 0) == 0) line += "\r\nX-Extra: added";
    };
    const std::string message = Compose(cli);
    EXPECT_EQ(message.substr(0, 40), "From: a@x.test\r\nX-Extra: added\r\nSubject:");
}

TEST(SmtpMessage, QuotedPrintableBodyKeepsLinesAndBytesExact) {
    TSmtpCli cli(nullptr);
    cli.Allow8bitChars = false;
    cli.MailMessage().Add("Caf\xE9 au lait");
    cli.MailMessage().Add("");
    cli.MailMessage().Add("trailing blank ");
    cli.MailMessage().Add(std::string(80, 'x'));
    const std::string message = Compose(cli);
    const std::string body = message.substr(message.find("\r\n\r\n") + 4);
    // Every line of the text is a line of the body; only the overlong one gains a soft break.
    EXPECT_EQ(body, "Caf=E9 au lait\r\n"
                    "\r\n"
                    "trailing blank=20\r\n" +
                        std::string(74, 'x') + "=\r\n" + std::string(6, 'x') + "\r\n");
    EXPECT_EQ(body.find("=0D=0A"), std::string::npos);
}
