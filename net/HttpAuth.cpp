// Answering server and proxy authentication with the Basic and NTLM schemes, and sending
// credentials before being asked.
#include "net/HttpProt.h"

#include "net/Base64.h"
#include "net/LineWSocket.h"
#include "net/Resolution.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/StringList.h"

#include <cstdio>

namespace http_auth_detail {

bool OfferIs(const std::string& Offer, const char* Scheme, std::size_t Len) {
    return Offer.size() >= Len && LowerCase(Offer.substr(0, Len)) == LowerCase(std::string(Scheme, Len));
}

// The last offer of the scheme, or -1.
int LastOffer(const TStringList& Offers, const char* Scheme, std::size_t Len) {
    for (int i = Offers.Count() - 1; i >= 0; --i)
        if (OfferIs(Offers[i], Scheme, Len)) return i;
    return -1;
}

std::string Workstation() {
    try {
        return LocalHostName();
    } catch (Exception&) {
        return std::string();
    }
}

} // namespace http_auth_detail

using http_auth_detail::LastOffer;

void THttpCli::KeepAliveRule(std::string& Value) const {
    if (FRequestVer == "1.0" || FServerVersion == "1.0" || FServerVersion.empty()) Value = "Keep-alive";
}

void THttpCli::PreemptiveAuth() {
    if (!Proxy.empty() && ProxyAuth != httpAuthNone && !ProxyUsername.empty() && !ProxyPassword.empty()) {
        const bool sameConnection = FConnected && FCtrlSocket->State() == wsConnected && ConnectionMatches();
        if (ProxyAuth == httpAuthNtlm) {
            FProxyAuthNTLMState = sameConnection ? 4 : 1;
            KeepAliveRule(FCurrProxyConnection);
        } else {
            FProxyAuthBasicState = sameConnection ? 2 : 1;
        }
    }
    if (ServerAuth != httpAuthNone && !FCurrUsername.empty() && !FCurrPassword.empty()) {
        if (ServerAuth == httpAuthNtlm) {
            FAuthNTLMState = 1;
            KeepAliveRule(FCurrConnection);
        } else {
            FAuthBasicState = 1;
        }
    }
}

// Proxy credentials accepted on a connection that is gone go along again on the new one, as they
// would on any connection opened for a request.
void THttpCli::ProxyCredentialsForNewConnection() {
    if (FProxyAuthNTLMState == 4) {
        FProxyAuthNTLMState = 1;
        KeepAliveRule(FCurrProxyConnection);
    } else if (FProxyAuthBasicState == 2) {
        FProxyAuthBasicState = 1;
    }
}

void THttpCli::AuthorizationLines(std::vector<std::string>& Lines) {
    using http_auth_detail::Workstation;
    if (FProxyAuthNTLMState != 1) {
        if (FAuthNTLMState == 1)
            Lines.push_back("Authorization: NTLM " + NtlmNegotiateMessage("", ""));
        else if (FAuthNTLMState == 3)
            Lines.push_back("Authorization: NTLM " + NtlmAuthenticateMessage("", Workstation(), FCurrUsername,
                                                                             FCurrPassword,
                                                                             FNTLMMsg2Info.Challenge));
        else if (FAuthBasicState == 1)
            Lines.push_back("Authorization: Basic " + Base64Encode(FCurrUsername + ":" + FCurrPassword));
    }
    if (FProxyAuthNTLMState == 1)
        Lines.push_back("Proxy-Authorization: NTLM " + NtlmNegotiateMessage("", ""));
    else if (FProxyAuthNTLMState == 3)
        Lines.push_back("Proxy-Authorization: NTLM " + NtlmAuthenticateMessage("", Workstation(),
                                                                               ProxyUsername, ProxyPassword,
                                                                               FProxyNTLMMsg2Info.Challenge));
    else if (FProxyAuthBasicState == 1)
        Lines.push_back("Proxy-Authorization: Basic " + Base64Encode(ProxyUsername + ":" + ProxyPassword));
}

bool THttpCli::AuthBookkeeping(bool& Started) {
    Started = false;
    const int status = FStatusCode;
    if (FAuthNTLMState == 3 && status != 401 && status != 407)
        FAuthNTLMState = 4;
    else if (FAuthNTLMState == 4 && status == 401)
        FAuthNTLMState = 0;
    if (FProxyAuthNTLMState == 3 && status != 407)
        FProxyAuthNTLMState = 4;
    else if (FProxyAuthNTLMState == 4 && status == 407)
        FProxyAuthNTLMState = 0;
    if (FAuthBasicState == 1 && status != 401 && status != 407)
        FAuthBasicState = 2;
    else if (FAuthBasicState == 2 && status == 401)
        FAuthBasicState = 0;
    if (FProxyAuthBasicState == 1 && status != 407)
        FProxyAuthBasicState = 2;
    else if (FProxyAuthBasicState == 2 && status == 407)
        FProxyAuthBasicState = 0;

    // A request that failed on the wire, or was aborted, is not repeated.
    if (FErrCode != 0 || (status != 401 && status != 407) || FAuthOffers->Count() == 0) return false;

    bool repeat = false;
    char trace[160];
    auto traceStates = [&] {
        std::snprintf(trace, sizeof trace,
                      "PrepareNTLMAuth end, FStatusCode = %d FProxyAuthNTLMState=%d FAuthNTLMState=%d",
                      status, FProxyAuthNTLMState, FAuthNTLMState);
        DebugLog(loProtSpecDump, trace);
    };
    const bool ntlmConfigured =
        (status == 401 && ServerAuth == httpAuthNtlm) || (status == 407 && ProxyAuth == httpAuthNtlm);
    if (!(FOptions.Contains(httpoNoNTLMAuth) && ntlmConfigured)) {
        traceStates();
        if (status == 401 && FAuthBasicState == 0 && !FCurrUsername.empty() && !FCurrPassword.empty() &&
            LastOffer(*FAuthOffers, "NTLM", 4) >= 0) {
            StartAuthNTLM();
            Started = true;
            repeat = FAuthNTLMState == 1 || FAuthNTLMState == 3;
        } else if (status == 407 && FProxyAuthBasicState == 0 && !ProxyUsername.empty() &&
                   !ProxyPassword.empty() && LastOffer(*FAuthOffers, "NTLM", 4) >= 0) {
            StartProxyAuthNTLM();
            Started = true;
            repeat = FProxyAuthNTLMState == 1 || FProxyAuthNTLMState == 3;
        }
        traceStates();
    }
    const bool basicConfigured =
        (status == 401 && ServerAuth == httpAuthBasic) || (status == 407 && ProxyAuth == httpAuthBasic);
    if (!Started && !(FOptions.Contains(httpoNoBasicAuth) && basicConfigured)) {
        if (status == 401 && FAuthNTLMState == 0 && !FCurrUsername.empty() && !FCurrPassword.empty() &&
            LastOffer(*FAuthOffers, "Basic", 5) >= 0) {
            StartAuthBasic();
            Started = true;
            repeat = FAuthBasicState == 1;
        } else if (status == 407 && FProxyAuthNTLMState == 0 && !ProxyUsername.empty() &&
                   !ProxyPassword.empty() && LastOffer(*FAuthOffers, "Basic", 5) >= 0) {
            StartProxyAuthBasic();
            Started = true;
            repeat = FProxyAuthBasicState == 1;
        }
    }
    if (Started && status == 401) {
        // The proxy's credentials go along again when the request travels over a new connection.
        if (FCloseReq) {
            if (FProxyAuthNTLMState == 4)
                FProxyAuthNTLMState = 1;
            else if (FProxyAuthBasicState == 2)
                FProxyAuthBasicState = 1;
        } else {
            if (FProxyAuthNTLMState < 4)
                FProxyAuthNTLMState = 0;
            else if (FProxyAuthBasicState < 2)
                FProxyAuthBasicState = 0;
        }
    }
    return repeat;
}

void THttpCli::StartAuthNTLM() {
    switch (FAuthNTLMState) {
    case 0:
        DebugLog(loProtSpecInfo, "Starting NTLM authentication");
        FAuthNTLMState = 1;
        FAuthBasicState = 0;
        KeepAliveRule(FCurrConnection);
        PostLogin();
        break;
    case 1: {
        const std::string offer = (*FAuthOffers)[LastOffer(*FAuthOffers, "NTLM", 4)];
        FNTLMMsg2Info = NtlmParseChallenge(offer.size() > 5 ? offer.substr(5, 1000) : std::string());
        FAuthNTLMState = 3;
        PostLogin();
        break;
    }
    case 3:
        FAuthOffers->Clear();
        FAuthNTLMState = 0;
        PostRequestDone();
        break;
    default:
        throw EHttpException("Unexpected AuthNTLMState", 6);
    }
}

void THttpCli::StartProxyAuthNTLM() {
    switch (FProxyAuthNTLMState) {
    case 0:
        DebugLog(loProtSpecInfo, "Starting Proxy NTLM authentication");
        FProxyAuthNTLMState = 1;
        FProxyAuthBasicState = 0;
        KeepAliveRule(FCurrProxyConnection);
        PostLogin();
        break;
    case 1: {
        const std::string offer = (*FAuthOffers)[LastOffer(*FAuthOffers, "NTLM", 4)];
        FProxyNTLMMsg2Info = NtlmParseChallenge(offer.size() > 5 ? offer.substr(5, 1000) : std::string());
        FProxyAuthNTLMState = 3;
        PostLogin();
        break;
    }
    case 3:
        FAuthOffers->Clear();
        FProxyAuthNTLMState = 0;
        PostRequestDone();
        break;
    default:
        throw EHttpException("Unexpected ProxyAuthNTLMState", 6);
    }
}

void THttpCli::StartAuthBasic() {
    switch (FAuthBasicState) {
    case 0:
        DebugLog(loProtSpecInfo, "Starting Basic authentication");
        FAuthBasicState = 1;
        FAuthNTLMState = 0;
        PostLogin();
        break;
    case 1:
        FAuthOffers->Clear();
        FAuthBasicState = 0;
        PostRequestDone();
        break;
    default:
        throw EHttpException("Unexpected AuthBasicState", 6);
    }
}

void THttpCli::StartProxyAuthBasic() {
    switch (FProxyAuthBasicState) {
    case 0:
        DebugLog(loProtSpecInfo, "Starting Proxy Basic authentication");
        FProxyAuthBasicState = 1;
        FProxyAuthNTLMState = 0;
        PostLogin();
        break;
    case 1:
        FProxyAuthBasicState = 0;
        FAuthOffers->Clear();
        PostRequestDone();
        break;
    default:
        throw EHttpException("Unexpected ProxyAuthBasicState", 6);
    }
}
