#include "net/Ntlm.h"
#include "net/Base64.h"
#include "net/Md4.h"
#include "tests/net/TestHex.h"

#include <gtest/gtest.h>

using net_test::FromHex;
using net_test::Hex;

namespace {

const TNtlmChallenge ExampleChallenge = {0x01, 0x23, 0x45, 0x67, 0x89, 0xab, 0xcd, 0xef};

std::uint32_t U16(const std::string& m, std::size_t at) {
    return static_cast<std::uint8_t>(m[at]) | static_cast<std::uint8_t>(m[at + 1]) << 8;
}
std::uint32_t U32(const std::string& m, std::size_t at) {
    return U16(m, at) | U16(m, at + 2) << 16;
}

} // namespace

// The published NTLMv1 example: password "SecREt01", challenge 0123456789abcdef.
TEST(Ntlm, LmAndNtResponsesMatchPublishedExample) {
    EXPECT_EQ(Hex(LmResponse("SecREt01", ExampleChallenge)),
              "c337cd5cbd44fc9782a667af6d427c6de67c20c2d3e77c56");
    EXPECT_EQ(Hex(NtResponse("SecREt01", ExampleChallenge)),
              "25a98c1c31e81847466b29b2df4680f39958fb8c213a9cc6");
}

TEST(Ntlm, LmResponseUsesOnlyFourteenUpperCasedCharacters) {
    EXPECT_EQ(LmResponse("abcdefghijklmn", ExampleChallenge),
              LmResponse("ABCDEFGHIJKLMNopq", ExampleChallenge));
    EXPECT_NE(LmResponse("ABCDEFGHIJKLM", ExampleChallenge), LmResponse("ABCDEFGHIJKLMN", ExampleChallenge));
    // An empty password hashes fourteen zero bytes: the published LM hash of the empty password.
    EXPECT_EQ(Hex(Md4OfString("")).size(), 32u);
}

TEST(Ntlm, NegotiateMessageWithoutNamesIsBareHeader) {
    const std::string msg = Base64Decode(NtlmNegotiateMessage("", ""));
    ASSERT_EQ(msg.size(), 32u);
    EXPECT_EQ(msg.substr(0, 8), std::string("NTLMSSP\0", 8));
    EXPECT_EQ(U32(msg, 8), 1u);
    EXPECT_EQ(U32(msg, 12), 0x8207u);
    EXPECT_EQ(msg.substr(16), std::string(16, '\0'));
}

TEST(Ntlm, NegotiateMessageCarriesUpperCasedNames) {
    const std::string msg = Base64Decode(NtlmNegotiateMessage("ws", "dom"));
    EXPECT_EQ(U32(msg, 12), 0xB207u);
    EXPECT_EQ(U16(msg, 24), 2u); // workstation
    EXPECT_EQ(U16(msg, 26), 2u);
    EXPECT_EQ(U32(msg, 28), 32u);
    EXPECT_EQ(U16(msg, 16), 3u); // domain
    EXPECT_EQ(U32(msg, 20), 34u);
    EXPECT_EQ(msg.substr(32), "WSDOM");
}

TEST(Ntlm, AuthenticateMessageLayout) {
    const std::string msg = Base64Decode(NtlmAuthenticateMessage("", "", "u", "SecREt01", ExampleChallenge));
    ASSERT_EQ(msg.size(), 114u);
    EXPECT_EQ(U32(msg, 8), 3u);
    EXPECT_EQ(U16(msg, 36), 2u); // user
    EXPECT_EQ(U32(msg, 40), 64u);
    EXPECT_EQ(U16(msg, 44), 0u); // workstation
    EXPECT_EQ(U32(msg, 48), 66u);
    EXPECT_EQ(U32(msg, 16), 66u); // LM response
    EXPECT_EQ(U32(msg, 24), 90u); // NT response
    EXPECT_EQ(U32(msg, 60), 0x8205u);
    EXPECT_EQ(msg.substr(64, 2), std::string("u\0", 2));
    EXPECT_EQ(Hex(msg.substr(66, 24)), "c337cd5cbd44fc9782a667af6d427c6de67c20c2d3e77c56");
    EXPECT_EQ(Hex(msg.substr(90, 24)), "25a98c1c31e81847466b29b2df4680f39958fb8c213a9cc6");
}

TEST(Ntlm, AuthenticateMessageKeepsCaseOfNames) {
    const std::string msg =
        Base64Decode(NtlmAuthenticateMessage("Dom", "Ws", "User", "pw", ExampleChallenge));
    EXPECT_EQ(U16(msg, 28), 6u);
    EXPECT_EQ(U32(msg, 32), 64u);
    EXPECT_EQ(msg.substr(64, 6), std::string("D\0o\0m\0", 6));
    EXPECT_EQ(U32(msg, 40), 70u);
    EXPECT_EQ(msg.substr(70, 8), std::string("U\0s\0e\0r\0", 8));
    EXPECT_EQ(U32(msg, 48), 78u);
    EXPECT_EQ(msg.size(), 82u + 48u);
}

// The published example challenge: target "DOMAIN" (UTF-16), domain "DOMAIN", server "SERVER".
TEST(Ntlm, ParsesPublishedChallenge) {
    const char* challenge = "TlRMTVNTUAACAAAADAAMADAAAAABAoEAASNFZ4mrze8AAAAAAAAAAGIAYgA8AAAARABPAE0AQQBJAE4A"
                            "AgAMAEQATwBNAEEASQBOAAEAD"
                            "ABTAEUAUgBWAEUAUgAEABQAZABvAG0AYQBpAG4ALgBjAG8AbQADACIAcwBlAHIAdgBlAHIALgBkAG8Ab"
                            "QBhAGkAbgAuAGMAbwBtAAAAAAA=";
    const TNTLM_Msg2_Info info = NtlmParseChallenge(challenge);
    EXPECT_TRUE(info.ResponsePresent);
    EXPECT_EQ(info.TargetName, std::string("D\0O\0M\0A\0I\0N\0", 12));
    EXPECT_EQ(info.Domain, std::string("D\0O\0M\0A\0I\0N\0", 12));
    EXPECT_EQ(info.ServerName, std::string("S\0E\0R\0V\0E\0R\0", 12));
    EXPECT_EQ(info.Challenge, ExampleChallenge);
}

TEST(Ntlm, EmptyShortAndDamagedChallenges) {
    EXPECT_FALSE(NtlmParseChallenge("").ResponsePresent);
    EXPECT_FALSE(NtlmParseChallenge(Base64Encode(std::string(20, 'x'))).ResponsePresent);
    // Buffers pointing far outside the message are read only as far as it goes.
    std::string msg(48, '\0');
    msg[12] = '\x50'; // target name length 80 at offset 40
    msg[16] = 40;
    msg[40] = '\xff'; // target information: 65535 bytes at offset 0x7fffffff
    msg[41] = '\xff';
    msg[44] = '\xff';
    msg[45] = '\xff';
    msg[46] = '\xff';
    msg[47] = '\x7f';
    const TNTLM_Msg2_Info info = NtlmParseChallenge(Base64Encode(msg));
    EXPECT_TRUE(info.ResponsePresent);
    EXPECT_EQ(info.TargetName.size(), 8u);
    EXPECT_TRUE(info.ServerName.empty());
}
