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

// The four states as the end of a reply with this status leaves them: credentials that were taken
// are done, and done ones that were refused start again.
THttpCli::TAuthStates THttpCli::SettledAuthStates(int Status) const {
    TAuthStates s{FAuthNTLMState, FProxyAuthNTLMState, FAuthBasicState, FProxyAuthBasicState};
    if (s.Ntlm == 3 && Status != 401 && Status != 407)
        s.Ntlm = 4;
    else if (s.Ntlm == 4 && Status == 401)
        s.Ntlm = 0;
    if (s.ProxyNtlm == 3 && Status != 407)
        s.ProxyNtlm = 4;
    else if (s.ProxyNtlm == 4 && Status == 407)
        s.ProxyNtlm = 0;
    if (s.Basic == 1 && Status != 401 && Status != 407)
        s.Basic = 2;
    else if (s.Basic == 2 && Status == 401)
        s.Basic = 0;
    if (s.ProxyBasic == 1 && Status != 407)
        s.ProxyBasic = 2;
    else if (s.ProxyBasic == 2 && Status == 407)
        s.ProxyBasic = 0;
    return s;
}

bool THttpCli::NtlmStepAllowed(int Status) const {
    const bool ntlmConfigured =
        (Status == 401 && ServerAuth == httpAuthNtlm) || (Status == 407 && ProxyAuth == httpAuthNtlm);
    return !(FOptions.Contains(httpoNoNTLMAuth) && ntlmConfigured);
}

// Which authentication step a 401 or 407 with offers starts: NTLM before Basic, each only with
// credentials for it and an offer of it.
THttpCli::TAuthStep THttpCli::ChosenAuthStep(int Status, const TAuthStates& S) const {
    const bool serverCredentials = !FCurrUsername.empty() && !FCurrPassword.empty();
    const bool proxyCredentials = !ProxyUsername.empty() && !ProxyPassword.empty();
    if (NtlmStepAllowed(Status)) {
        const bool offered = LastOffer(*FAuthOffers, "NTLM", 4) >= 0;
        if (Status == 401 && S.Basic == 0 && serverCredentials && offered) return asServerNtlm;
        if (Status == 407 && S.ProxyBasic == 0 && proxyCredentials && offered) return asProxyNtlm;
    }
    const bool basicConfigured =
        (Status == 401 && ServerAuth == httpAuthBasic) || (Status == 407 && ProxyAuth == httpAuthBasic);
    if (!(FOptions.Contains(httpoNoBasicAuth) && basicConfigured)) {
        const bool offered = LastOffer(*FAuthOffers, "Basic", 5) >= 0;
        if (Status == 401 && S.Ntlm == 0 && serverCredentials && offered) return asServerBasic;
        if (Status == 407 && S.ProxyNtlm == 0 && proxyCredentials && offered) return asProxyBasic;
    }
    return asNone;
}

bool THttpCli::ChallengeWillBeAnswered() const {
    const int status = FStatusCode;
    if (FErrCode != 0 || (status != 401 && status != 407) || FAuthOffers->Count() == 0) return false;
    const TAuthStates s = SettledAuthStates(status);
    // A step that finds its credentials already sent gives up instead of asking again.
    switch (ChosenAuthStep(status, s)) {
    case asServerNtlm:
        return s.Ntlm <= 1;
    case asProxyNtlm:
        return s.ProxyNtlm <= 1;
    case asServerBasic:
        return s.Basic == 0;
    case asProxyBasic:
        return s.ProxyBasic == 0;
    case asNone:
        break;
    }
    return false;
}

bool THttpCli::AuthBookkeeping(bool& Started) {
    Started = false;
    const int status = FStatusCode;
    const TAuthStates settled = SettledAuthStates(status);
    FAuthNTLMState = settled.Ntlm;
    FProxyAuthNTLMState = settled.ProxyNtlm;
    FAuthBasicState = settled.Basic;
    FProxyAuthBasicState = settled.ProxyBasic;

    // A request that failed on the wire, or was aborted, is not repeated.
    if (FErrCode != 0 || (status != 401 && status != 407) || FAuthOffers->Count() == 0) return false;

    char trace[160];
    auto traceStates = [&] {
        std::snprintf(trace, sizeof trace,
                      "PrepareNTLMAuth end, FStatusCode = %d FProxyAuthNTLMState=%d FAuthNTLMState=%d",
                      status, FProxyAuthNTLMState, FAuthNTLMState);
        DebugLog(loProtSpecDump, trace);
    };
    const bool ntlmAllowed = NtlmStepAllowed(status);
    if (ntlmAllowed) traceStates();
    bool repeat = false;
    switch (ChosenAuthStep(status, settled)) {
    case asServerNtlm:
        StartAuthNTLM();
        repeat = FAuthNTLMState == 1 || FAuthNTLMState == 3;
        break;
    case asProxyNtlm:
        StartProxyAuthNTLM();
        repeat = FProxyAuthNTLMState == 1 || FProxyAuthNTLMState == 3;
        break;
    case asServerBasic:
        StartAuthBasic();
        repeat = FAuthBasicState == 1;
        break;
    case asProxyBasic:
        StartProxyAuthBasic();
        repeat = FProxyAuthBasicState == 1;
        break;
    case asNone:
        if (ntlmAllowed) traceStates();
        return false;
    }
    Started = true;
    if (ntlmAllowed) traceStates();
    if (status == 401) {
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
