#include "net/Base64.h"
#include "net/LineWSocket.h"
#include "net/Ntlm.h"
#include "net/SmtpMessage.h"
#include "platform/rtl/MemoryStream.h"
#include "platform/rtl/StringList.h"
#include "tests/net/SmtpTestServer.h"
#include "tests/net/TestResolver.h"

#include <gtest/gtest.h>

using smtp_test::DefaultReply;
using smtp_test::TSmtpTestServer;

namespace {

struct SmtpRun {
    TSmtpCli cli{nullptr};
    int doneCount = 0;
    TSmtpRequest lastRq = smtpCustom;
    WORD lastError = 0xFFFF;

    explicit SmtpRun(const std::string& port) {
        cli.Host = "127.0.0.1";
        cli.Port = port;
        cli.SignOn = "my host";
        cli.OnRequestDone = [this](TObject*, TSmtpRequest Rq, WORD Error) {
            ++doneCount;
            lastRq = Rq;
            lastError = Error;
        };
    }
    // Runs one operation to its end; returns its error code.
    WORD Run(const std::function<void()>& op) {
        const int before = doneCount;
        op();
        EXPECT_TRUE(net_test::PumpUntil([&] { return doneCount > before; }));
        return lastError;
    }
    void Recipients(std::initializer_list<const char*> names) {
        for (const char* n : names)
            cli.RcptName().Add(n);
    }
};

} // namespace

TEST(SmtpClient, SessionSendsExactCommandsAndDotStuffedMessage) {
    TSmtpTestServer server("220 mail.test ready\r\n", [](const std::string& c) {
        if (c.rfind("RCPT TO:<two", 0) == 0) return std::string("251 forwarded\r\n");
        return DefaultReply(c);
    });
    SmtpRun run(server.Port());
    run.cli.FromName = "Joe Sender <joe@example.test>";
    run.Recipients({"one@example.test", "\"Two, Person\" <two@example.test>"});
    run.cli.OwnHeaders = true;
    run.cli.MailMessage().Add("Subject: hello");
    run.cli.MailMessage().Add("");
    run.cli.MailMessage().Add(".hidden dot");
    run.cli.MailMessage().Add("last line");
    EXPECT_EQ(run.Run([&] { run.cli.Open(); }), 0);
    EXPECT_EQ(run.lastRq, smtpOpen);
    EXPECT_EQ(run.Run([&] { run.cli.Mail(); }), 0);
    EXPECT_EQ(run.lastRq, smtpMail);
    EXPECT_EQ(run.Run([&] { run.cli.Quit(); }), 0);
    EXPECT_EQ(server.Received(), "HELO my_host\r\n"
                                 "MAIL FROM:<joe@example.test>\r\n"
                                 "RCPT TO:<one@example.test>\r\n"
                                 "RCPT TO:<two@example.test>\r\n"
                                 "DATA\r\n"
                                 "Subject: hello\r\n"
                                 "\r\n"
                                 "..hidden dot\r\n"
                                 "last line\r\n"
                                 ".\r\n"
                                 "QUIT\r\n");
    EXPECT_FALSE(run.cli.Connected());
}

TEST(SmtpClient, EhloListsTheOfferedMechanismsOnce) {
    TSmtpTestServer server("220 ready\r\n", [](const std::string& c) {
        if (c.rfind("EHLO", 0) == 0)
            return std::string("250-host\r\n250-AUTH LOGIN PLAIN\r\n250-AUTH=LOGIN\r\n250 SIZE\r\n");
        return DefaultReply(c);
    });
    SmtpRun run(server.Port());
    EXPECT_EQ(run.Run([&] { run.cli.Connect(); }), 0);
    EXPECT_EQ(run.Run([&] { run.cli.Ehlo(); }), 0);
    EXPECT_EQ(run.cli.AuthTypesSupported().Text(), "LOGIN\r\nPLAIN\r\n");
    EXPECT_EQ(run.cli.LastResponse(), "250 SIZE");
}

struct AuthCase {
    const char* name;
    TSmtpAuthType type;
    std::string user, password;
    std::vector<std::string> replies;  // what the server answers after the EHLO, in order
    std::vector<std::string> expected; // what the client sends after the EHLO
};

class SmtpAuth : public testing::TestWithParam<AuthCase> {};

TEST_P(SmtpAuth, SendsTheExchange) {
    const AuthCase& c = GetParam();
    std::size_t next = 0;
    TSmtpTestServer server("220 ready\r\n", [&](const std::string& cmd) {
        if (cmd.rfind("EHLO", 0) == 0 || cmd == "QUIT") return DefaultReply(cmd);
        return next < c.replies.size() ? c.replies[next++] : std::string("500 unexpected\r\n");
    });
    SmtpRun run(server.Port());
    run.cli.AuthType = c.type;
    run.cli.Username = c.user;
    run.cli.Password = c.password;
    EXPECT_EQ(run.Run([&] { run.cli.Open(); }), 0);
    EXPECT_EQ(run.lastRq, smtpOpen);
    std::string expected = "EHLO my_host\r\n";
    for (const auto& line : c.expected)
        expected += line + "\r\n";
    EXPECT_EQ(server.Received(), expected);
}

namespace {

std::string FixedNtlmChallenge() {
    std::string m("NTLMSSP\0\2\0\0\0\0\0\0\0\x30\0\0\0\x01\x82\0\0", 24);
    m += "\x01\x23\x45\x67\x89\xAB\xCD\xEF";
    m += std::string(8, '\0');
    m += std::string("\0\0\0\0\x30\0\0\0", 8);
    return Base64Encode(m);
}

std::vector<AuthCase> AuthCases() {
    const std::string longKey(80, '\xAA');
    const std::string longChallenge = "Test Using Larger Than Block-Size Key - Hash Key First";
    return {
        {"Plain",
         smtpAuthPlain,
         "user",
         "pw",
         {"235 ok\r\n"},
         {"AUTH PLAIN " + Base64Encode(std::string("\0user\0pw", 8))}},
        {"Login",
         smtpAuthLogin,
         "user",
         "pw",
         {"334 VXNlcm5hbWU6\r\n", "334 UGFzc3dvcmQ6\r\n", "235 ok\r\n"},
         {"AUTH LOGIN", Base64Encode("user"), Base64Encode("pw")}},
        // The example exchange of the CRAM-MD5 definition.
        {"CramMd5",
         smtpAuthCramMD5,
         "tim",
         "tanstaaftanstaaf",
         {"334 " + Base64Encode("<1896.697170952@postoffice.reston.mci.net>") + "\r\n", "235 ok\r\n"},
         {"AUTH CRAM-MD5", Base64Encode("tim b913a602c7eda7a495b4e6e7334d3890")}},
        // A key longer than the block is hashed first (HMAC-MD5 test vector).
        {"CramMd5LongKey",
         smtpAuthCramMD5,
         "u",
         longKey,
         {"334 " + Base64Encode(longChallenge) + "\r\n", "235 ok\r\n"},
         {"AUTH CRAM-MD5", Base64Encode("u 6b1ab7fe4bd7bf8f0b62e6ce61b9d0cd")}},
        {"Ntlm",
         smtpAuthNtlm,
         "user",
         "pw",
         {"334 " + FixedNtlmChallenge() + "\r\n", "235 ok\r\n"},
         {"AUTH NTLM " + NtlmNegotiateMessage("", ""),
          NtlmAuthenticateMessage("", "", "user", "pw", NtlmParseChallenge(FixedNtlmChallenge()).Challenge)}},
        // The automatic choice takes the best offer and moves on after a 504.
        {"AutoSelectFallsBack",
         smtpAuthAutoSelect,
         "user",
         "pw",
         {"504 not now\r\n", "504 not now\r\n", "334 VXNlcm5hbWU6\r\n", "334 UGFzc3dvcmQ6\r\n", "235 ok\r\n"},
         {"AUTH CRAM-MD5", "AUTH CRAM-SHA1", "AUTH LOGIN", Base64Encode("user"), Base64Encode("pw")}},
    };
}

} // namespace

INSTANTIATE_TEST_SUITE_P(Cases, SmtpAuth, testing::ValuesIn(AuthCases()),
                         [](const testing::TestParamInfo<AuthCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(SmtpClient, OpenWithAuthenticationFailsWhenEhloIsRefused) {
    TSmtpTestServer server("220 ready\r\n", [](const std::string& c) {
        if (c.rfind("EHLO", 0) == 0) return std::string("502 not implemented\r\n");
        return DefaultReply(c);
    });
    SmtpRun run(server.Port());
    run.cli.AuthType = smtpAuthLogin;
    run.cli.Username = "u";
    run.cli.Password = "p";
    EXPECT_EQ(run.Run([&] { run.cli.Open(); }), 502);
    EXPECT_EQ(run.cli.ErrorMessage(), "502 not implemented");
    net_test::PumpFor(50);
    EXPECT_EQ(server.Received(), "EHLO my_host\r\n");
}

struct RecipientCase {
    const char* name;
    std::vector<const char*> recipients;
    TSmtpRcptToErrorAction action; // the owner's answer to every refusal
    std::vector<std::string> asked;
    WORD result;
    const char* commands; // the RCPT commands the server saw, without "RCPT TO:"
};

class SmtpRecipientErrors : public testing::TestWithParam<RecipientCase> {};

// "bad" is always refused, "good" taken, and "flaky" refused once then taken.
TEST_P(SmtpRecipientErrors, EveryRefusalIsPutToTheOwner) {
    const RecipientCase& c = GetParam();
    bool flakySeen = false;
    TSmtpTestServer server("220 ready\r\n", [&](const std::string& cmd) {
        if (cmd == "RCPT TO:<bad@x>") return std::string("550 no such user\r\n");
        if (cmd == "RCPT TO:<flaky@x>" && !flakySeen) {
            flakySeen = true;
            return std::string("450 try again\r\n");
        }
        return DefaultReply(cmd);
    });
    SmtpRun run(server.Port());
    for (const char* r : c.recipients)
        run.cli.RcptName().Add(r);
    std::vector<std::string> asked;
    run.cli.OnRcptToError = [&](TObject*, WORD Error, int Index, TSmtpRcptToErrorAction& Action) {
        asked.push_back(std::to_string(Error) + "@" + std::to_string(Index));
        Action = c.action;
    };
    EXPECT_EQ(run.Run([&] { run.cli.Connect(); }), 0);
    EXPECT_EQ(run.Run([&] { run.cli.RcptTo(); }), c.result);
    EXPECT_EQ(run.lastRq, smtpRcptTo);
    EXPECT_EQ(asked, c.asked);
    std::string seen = server.Received(), commands;
    for (std::size_t at; (at = seen.find("RCPT TO:")) != std::string::npos; seen.erase(0, at + 8))
        commands += (commands.empty() ? "" : " ") + seen.substr(at + 8, seen.find("\r\n", at) - at - 8);
    EXPECT_EQ(commands, c.commands);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SmtpRecipientErrors,
    testing::Values(
        RecipientCase{
            "FirstRefusedIgnored", {"bad@x", "good@x"}, srteIgnore, {"550@0"}, 0, "<bad@x> <good@x>"},
        RecipientCase{
            "LastRefusedIgnored", {"good@x", "bad@x"}, srteIgnore, {"550@1"}, 0, "<good@x> <bad@x>"},
        RecipientCase{"OnlyRecipientRefused", {"bad@x"}, srteIgnore, {"550@0"}, 550, "<bad@x>"},
        RecipientCase{"AllRefusedIgnored",
                      {"bad@x", "bad@x", "bad@x"},
                      srteIgnore,
                      {"550@0", "550@1", "550@2"},
                      550,
                      "<bad@x> <bad@x> <bad@x>"},
        RecipientCase{
            "LastRefusedAborts", {"good@x", "bad@x"}, srteAbort, {"550@1"}, 550, "<good@x> <bad@x>"},
        RecipientCase{
            "LastRetried", {"good@x", "flaky@x"}, srteRetry, {"450@1"}, 0, "<good@x> <flaky@x> <flaky@x>"}),
    [](const testing::TestParamInfo<RecipientCase>& info) { return std::string(info.param.name); });

TEST(SmtpClient, WithoutAHandlerTheFirstRefusalEndsTheRequest) {
    TSmtpTestServer server("220 ready\r\n", [](const std::string& c) {
        if (c == "RCPT TO:<bad@x>") return std::string("550 no such user\r\n");
        return DefaultReply(c);
    });
    SmtpRun run(server.Port());
    run.Recipients({"good@x", "bad@x", "good@x"});
    EXPECT_EQ(run.Run([&] { run.cli.Connect(); }), 0);
    EXPECT_EQ(run.Run([&] { run.cli.RcptTo(); }), 550);
    net_test::PumpFor(30);
    EXPECT_EQ(server.Received(), "RCPT TO:<good@x>\r\nRCPT TO:<bad@x>\r\n");
}

TEST(SmtpClient, MailWithTheLastRecipientRefusedAndIgnoredStillSends) {
    TSmtpTestServer server("220 ready\r\n", [](const std::string& c) {
        if (c == "RCPT TO:<bad@x>") return std::string("550 no such user\r\n");
        return DefaultReply(c);
    });
    SmtpRun run(server.Port());
    run.cli.FromName = "me@x";
    run.Recipients({"good@x", "bad@x"});
    run.cli.OwnHeaders = true;
    run.cli.MailMessage().Add("Subject: s");
    int asked = 0;
    run.cli.OnRcptToError = [&](TObject*, WORD, int, TSmtpRcptToErrorAction& Action) {
        ++asked;
        Action = srteIgnore;
    };
    EXPECT_EQ(run.Run([&] { run.cli.Connect(); }), 0);
    EXPECT_EQ(run.Run([&] { run.cli.Mail(); }), 0);
    EXPECT_EQ(asked, 1);
    EXPECT_NE(server.Received().find("DATA\r\n"), std::string::npos);
}

TEST(SmtpClient, FailedMailFromSkipsTheRest) {
    TSmtpTestServer server("220 ready\r\n", [](const std::string& c) {
        if (c.rfind("MAIL FROM", 0) == 0) return std::string("553 not allowed\r\n");
        return DefaultReply(c);
    });
    SmtpRun run(server.Port());
    run.cli.FromName = "a@b";
    run.Recipients({"c@d"});
    EXPECT_EQ(run.Run([&] { run.cli.Connect(); }), 0);
    EXPECT_EQ(run.Run([&] { run.cli.Mail(); }), 553);
    net_test::PumpFor(30);
    EXPECT_EQ(server.Received(), "MAIL FROM:<a@b>\r\n");
}

struct BadReplyCase {
    const char* name;
    std::string reply;
    WORD error;
};

class SmtpBadReply : public testing::TestWithParam<BadReplyCase> {};

TEST_P(SmtpBadReply, CompletesTheRequestWithAnError) {
    const BadReplyCase& c = GetParam();
    TSmtpTestServer server("220 ready\r\n", [&](const std::string&) { return c.reply; });
    SmtpRun run(server.Port());
    EXPECT_EQ(run.Run([&] { run.cli.Connect(); }), 0);
    EXPECT_EQ(run.Run([&] { run.cli.Helo(); }), c.error);
    EXPECT_EQ(run.cli.State(), smtpReady);
    net_test::PumpFor(30);
    EXPECT_EQ(run.doneCount, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SmtpBadReply,
    testing::Values(BadReplyCase{"NoDigits", "hello there\r\n", smtpErrNoCode},
                    BadReplyCase{"Refused", "554 go away\r\n", 554},
                    BadReplyCase{"LineTooLong", "250 " + std::string(5000, 'x') + "\r\n", smtpErrLineTooLong},
                    BadReplyCase{"ClosedInstead", "<close>", smtpErrConnectionLost}),
    [](const testing::TestParamInfo<BadReplyCase>& info) { return std::string(info.param.name); });

TEST(SmtpClient, ErrorsRaisedAtOnce) {
    TSmtpTestServer server("220 ready\r\n", DefaultReply);
    SmtpRun run(server.Port());
    auto message = [](const std::function<void()>& f) {
        try {
            f();
        } catch (SmtpException& e) {
            return e.Message();
        }
        return std::string("none");
    };
    EXPECT_EQ(message([&] { run.cli.Helo(); }), "SMTP component not connected");
    EXPECT_EQ(message([&] { run.cli.RcptTo(); }), "RcptName list is empty");
    // Quit while not connected completes at once with 0.
    EXPECT_EQ(run.Run([&] { run.cli.Quit(); }), 0);
    EXPECT_EQ(run.Run([&] { run.cli.Connect(); }), 0);
    EXPECT_EQ(message([&] { run.cli.Connect(); }), "SMTP component already connected");
    run.cli.Helo();
    EXPECT_EQ(message([&] { run.cli.Helo(); }), "SMTP component not ready");
    net_test::PumpUntil([&] { return run.cli.State() == smtpReady; });
}

TEST(SmtpClient, FailingBodySourceAbortsTheTransaction) {
    TSmtpTestServer server("220 ready\r\n", DefaultReply);
    SmtpRun run(server.Port());
    run.cli.OwnHeaders = true;
    run.cli.OnGetData = [](TObject*, int LineNum, std::string& Line, bool&) {
        if (LineNum == 2) throw EStreamError("read failed");
        Line = "first";
    };
    EXPECT_EQ(run.Run([&] { run.cli.Connect(); }), 0);
    EXPECT_EQ(run.Run([&] { run.cli.Data(); }), 500);
    net_test::PumpFor(50);
    EXPECT_EQ(server.Received(), "DATA\r\nfirst\r\n");
    EXPECT_EQ(server.Message().find(".\r\n"), std::string::npos);
}

TEST(SmtpClient, LongLinesAreSplitAndHeaderValuesStayOnTheirLine) {
    TSmtpTestServer server("220 ready\r\n", DefaultReply);
    SmtpRun run(server.Port());
    run.cli.HdrSubject = "Hi\r\nBcc: victim@x";
    run.cli.HdrTo = "to@x\nX-Evil: 1";
    run.cli.MailMessage().Add(std::string(2500, 'a'));
    EXPECT_EQ(run.Run([&] { run.cli.Connect(); }), 0);
    EXPECT_EQ(run.Run([&] { run.cli.Data(); }), 0);
    const std::string message = server.Message();
    EXPECT_EQ(message.find("\r\nBcc:"), std::string::npos);
    EXPECT_EQ(message.find("\r\nX-Evil:"), std::string::npos);
    EXPECT_NE(message.find("\r\nSubject: HiBcc: victim@x\r\n"), std::string::npos);
    std::size_t longest = 0, letters = 0;
    for (std::size_t start = 0, end; (end = message.find("\r\n", start)) != std::string::npos;
         start = end + 2) {
        longest = std::max(longest, end - start);
        if (message.compare(start, 1, "a") == 0) letters += end - start;
    }
    EXPECT_LE(longest, 998u);
    EXPECT_EQ(letters, 2500u);
}

TEST(SmtpClient, ConnectFailuresAndRefusedBanner) {
    {
        SmtpRun run(std::to_string(net_test::ClosedPort()));
        EXPECT_NE(run.Run([&] { run.cli.Connect(); }), 0);
        EXPECT_EQ(run.cli.State(), smtpReady);
        EXPECT_EQ(run.cli.LastResponse().substr(0, 4), "500 ");
    }
    {
        net_test::TResolverScope names;
        SmtpRun run("25");
        run.cli.Host = "no-such-host.test";
        EXPECT_EQ(run.Run([&] { run.cli.Connect(); }), 11001);
    }
    TSmtpTestServer server("554 no service\r\n", DefaultReply);
    SmtpRun run(server.Port());
    EXPECT_EQ(run.Run([&] { run.cli.Open(); }), 554);
    EXPECT_EQ(run.cli.ErrorMessage(), "554 no service");
}

TEST(SmtpClient, CopyToStreamKeepsWhatWasSent) {
    TSmtpTestServer server("220 ready\r\n", DefaultReply);
    SmtpRun run(server.Port());
    run.cli.OwnHeaders = true;
    run.cli.MailMessage().Add("one");
    run.cli.MailMessage().Add(".two");
    run.cli.SendMode = smtpCopyToStream;
    run.cli.SetOutputStream(std::make_unique<TMemoryStream>());
    std::string copy;
    run.cli.OnReleaseStream = [&](std::unique_ptr<TStream> stream) {
        auto* memory = static_cast<TMemoryStream*>(stream.get());
        copy.assign(static_cast<const char*>(memory->Memory()), static_cast<std::size_t>(memory->Size()));
    };
    EXPECT_EQ(run.Run([&] { run.cli.Connect(); }), 0);
    EXPECT_EQ(run.Run([&] { run.cli.Data(); }), 0);
    EXPECT_EQ(copy, "one\r\n..two\r\n");
    EXPECT_EQ(server.Message(), copy + ".\r\n");
}
