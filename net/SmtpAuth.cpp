// Authentication of the SMTP session: PLAIN, LOGIN, CRAM-MD5, CRAM-SHA1 and NTLM, chosen by the
// owner or picked from what the server offers.
#include "net/SmtpProt.h"

#include "net/Base64.h"
#include "net/Md5.h"
#include "net/Ntlm.h"
#include "net/Sha1.h"
#include "platform/rtl/StringList.h"

#include <cstdio>

namespace smtp_auth_detail {

// HMAC-MD5 (RFC 2104): a key longer than the 64-byte block is replaced by its digest.
TMD5Digest HmacMd5(const std::string& Text, std::string Key) {
    if (Key.size() > 64) {
        const TMD5Digest digest = Md5OfString(Key);
        Key.assign(reinterpret_cast<const char*>(digest.data()), digest.size());
    }
    Key.resize(64, '\0');
    std::string inner(64, '\0'), outer(64, '\0');
    for (int i = 0; i < 64; ++i) {
        inner[i] = static_cast<char>(Key[i] ^ 0x36);
        outer[i] = static_cast<char>(Key[i] ^ 0x5C);
    }
    const TMD5Digest innerDigest = Md5OfString(inner + Text);
    return Md5OfString(outer +
                       std::string(reinterpret_cast<const char*>(innerDigest.data()), innerDigest.size()));
}

template <class Digest> std::string LowerHex(const Digest& D) {
    std::string text;
    char two[3];
    for (auto b : D) {
        std::snprintf(two, sizeof two, "%02x", static_cast<unsigned>(b));
        text += two;
    }
    return text;
}

// Methods in falling preference, as the automatic choice tries them.
const TSmtpAuthType Preference[] = {smtpAuthNtlm, smtpAuthCramMD5, smtpAuthCramSha1, smtpAuthLogin,
                                    smtpAuthPlain};
const char* const PreferenceNames[] = {"NTLM", "CRAM-MD5", "CRAM-SHA1", "LOGIN", "PLAIN"};

} // namespace smtp_auth_detail

void TCustomSmtpClient::Auth() {
    CheckReady();
    if (!FConnected) throw SmtpException("SMTP component not connected");
    if (!FInCompound) {
        FRequestType = smtpAuth;
        FCurrentStep = stNone;
    }
    FRequestDoneFlag = false;
    if (!FESmtpSupported) {
        FLastResponse = "500 ESMTP not supported.";
        SetErrorMessage();
        TriggerRequestDone(500);
        return;
    }
    if (AuthType == smtpAuthNone) {
        FLastResponse = "500 No Authentication Type Selected.";
        SetErrorMessage();
        TriggerRequestDone(500);
        return;
    }
    FAuthMethod = AuthType;
    if (AuthType == smtpAuthAutoSelect) {
        FAuthMethod = smtpAuthCramMD5;
        for (int i = 0; i < 5; ++i)
            if (FAuthTypesSupported->IndexOf(smtp_auth_detail::PreferenceNames[i]) >= 0) {
                FAuthMethod = smtp_auth_detail::Preference[i];
                break;
            }
    }
    AuthStartMethod();
}

void TCustomSmtpClient::AuthStartMethod() {
    auto finish = [this] {
        if (FRequestResult != 0)
            AuthFailed();
        else
            TriggerRequestDone(0);
    };
    // The next command of an exchange, sent once the server answered 334.
    auto then = [this](std::function<void()> Step) {
        return [this, Step] {
            if (FRequestResult != 0) {
                AuthFailed();
                return;
            }
            StateChange(smtpInternalReady);
            Step();
        };
    };
    auto challenge = [this](const char* Prefix, std::string& Out) {
        if (FLastResponse.size() <= 4) {
            FLastResponse = Prefix + FLastResponse;
            SetErrorMessage();
            FRequestDoneFlag = false;
            TriggerRequestDone(500);
            return false;
        }
        Out = FLastResponse.substr(4);
        return true;
    };
    StateChange(smtpInternalReady);
    switch (FAuthMethod) {
    case smtpAuthPlain:
        ExecAsync(smtpAuth, "AUTH PLAIN " + Base64Encode(std::string(1, '\0') + Username + '\0' + Password),
                  {235}, finish);
        break;
    case smtpAuthLogin:
        ExecAsync(smtpAuth, "AUTH LOGIN", {334}, then([this, then, finish] {
                      ExecAsync(smtpAuth, Base64Encode(Username), {334}, then([this, finish] {
                                    ExecAsync(smtpAuth, Base64Encode(Password), {235}, finish);
                                }));
                  }));
        break;
    case smtpAuthCramMD5:
    case smtpAuthCramSha1: {
        const bool md5 = FAuthMethod == smtpAuthCramMD5;
        ExecAsync(
            smtpAuth, md5 ? "AUTH CRAM-MD5" : "AUTH CRAM-SHA1", {334}, then([this, md5, challenge, finish] {
                std::string text;
                if (!challenge(md5 ? "500 Malformed MD5 Challege: " : "500 Malformed SHA1 Challege: ", text))
                    return;
                const std::string decoded = Base64Decode(text);
                std::string hex;
                if (md5) {
                    hex = smtp_auth_detail::LowerHex(smtp_auth_detail::HmacMd5(decoded, Password));
                } else {
                    hex = smtp_auth_detail::LowerHex(
                        HmacSha1(decoded.data(), decoded.size(), Password.data(), Password.size()));
                }
                ExecAsync(smtpAuth, Base64Encode(Username + " " + hex), {235}, finish);
            }));
        break;
    }
    case smtpAuthNtlm:
        ExecAsync(smtpAuth, "AUTH NTLM " + NtlmNegotiateMessage("", ""), {334},
                  then([this, challenge, finish] {
                      std::string text;
                      if (!challenge("500 Malformed NtlmMsg2: ", text)) return;
                      const TNTLM_Msg2_Info info = NtlmParseChallenge(text);
                      ExecAsync(smtpAuth, NtlmAuthenticateMessage("", "", Username, Password, info.Challenge),
                                {235}, finish);
                  }));
        break;
    default:
        FLastResponse = "500 No Authentication Type Selected.";
        SetErrorMessage();
        TriggerRequestDone(500);
        break;
    }
}

void TCustomSmtpClient::AuthFailed() {
    const WORD result = static_cast<WORD>(FRequestResult);
    if (AuthType == smtpAuthAutoSelect) {
        int at = 0;
        while (at < 5 && smtp_auth_detail::Preference[at] != FAuthMethod)
            ++at;
        if (FStatusCode == 504 && at + 1 < 5) {
            FAuthMethod = smtp_auth_detail::Preference[at + 1];
            FErrorMessage.clear();
            AuthStartMethod();
            return;
        }
        FErrorMessage = "500 Authentication Type could not be determined.";
    }
    FRequestDoneFlag = false;
    TriggerRequestDone(result);
}
