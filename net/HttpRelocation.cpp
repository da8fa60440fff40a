// Following "Location" replies: working out the new address, and sending the request again either on
// the open connection or over a new one.
#include "net/HttpProt.h"

#include "net/LineWSocket.h"
#include "net/UrlUtils.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Stream.h"
#include "platform/rtl/StringList.h"

#include <cctype>

namespace http_relocation_detail {

bool IsAbsoluteHttpUrl(const std::string& Value) {
    const std::string lower = LowerCase(Value.substr(0, 8));
    return lower.rfind("http://", 0) == 0 || lower.rfind("https://", 0) == 0;
}

// The scheme of an absolute reference ("ftp" of "ftp://h/x"), lower case; empty for a relative one.
// A relative reference cannot hold a ":" before its first "/", so this is never a path.
std::string SchemeOf(const std::string& Value) {
    const auto colon = Value.find(':');
    if (colon == std::string::npos || colon == 0) return std::string();
    if (!std::isalpha(static_cast<unsigned char>(Value[0]))) return std::string();
    for (std::size_t i = 1; i < colon; ++i) {
        const char c = Value[i];
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '+' && c != '-' && c != '.')
            return std::string();
    }
    return LowerCase(Value.substr(0, colon));
}

// A request path (or, through a proxy, a whole URL) with its dot segments worked out.
std::string NormalizedRequestPath(const std::string& Path) {
    if (!Path.empty() && Path[0] == '/') return RemoveDotSegments(Path);
    const auto authority = Path.find("://");
    if (authority == std::string::npos) return Path;
    const auto slash = Path.find('/', authority + 3);
    if (slash == std::string::npos) return Path;
    return Path.substr(0, slash) + RemoveDotSegments(std::string_view(Path).substr(slash));
}

// The directory part of a request path: up to and including its last "/" or ":" before any "?".
std::string DirectoryOf(const std::string& Path) {
    const std::string beforeQuery = Path.substr(0, Path.find('?'));
    const auto cut = beforeQuery.find_last_of("/:");
    return cut == std::string::npos ? std::string() : beforeQuery.substr(0, cut + 1);
}

} // namespace http_relocation_detail

bool THttpCli::HandleLocation(const std::string& RawValue) {
    using namespace http_relocation_detail;
    // A fragment names a place inside the document; it never travels in a request.
    std::string Value = RawValue.substr(0, RawValue.find('#'));
    // "//host/path" names another server with the protocol of this request.
    if (Value.rfind("//", 0) == 0) Value = FProtocol + ":" + Value;
    const std::string scheme = SchemeOf(Value);
    if (!scheme.empty() && scheme != "http") {
        // Taken as a path on this server it would fetch the wrong document.
        FLocation = Value;
        FailRequest(httpErrBadProtocol, "Cannot follow the relocation to \"" + Value + "\": protocol \"" +
                                            scheme + "\" not implemented");
        return false;
    }
    FRelocationPending = true;
    FRelocationStatus = FStatusCode;
    if (IsAbsoluteHttpUrl(Value)) {
        std::string proto, user, pass, host, port, path;
        SplitUrl(Value, proto, user, pass, host, port, path);
        proto = LowerCase(proto);
        if (port.empty()) port = "80";
        if (path.empty()) path = "/";
        path = NormalizedRequestPath(path);
        if (host.empty()) host = FTargetHost;
        const bool otherServer = LowerCase(host) != LowerCase(FTargetHost) || port != FTargetPort;
        if (!user.empty() && !pass.empty()) {
            FCurrUsername = user;
            FCurrPassword = pass;
        } else if (otherServer) {
            // Credentials given for one server are not handed to another one.
            FCurrUsername.clear();
            FCurrPassword.clear();
            FAuthBasicState = 0;
            FAuthNTLMState = 0;
        }
        FProtocol = proto;
        FTargetHost = host;
        FTargetPort = port;
        FLocation = proto + "://" + host + (port != "80" ? ":" + port : std::string()) + path;
        if (Proxy.empty()) {
            FHostName = host;
            FPort = port;
            FPath = path;
        } else {
            FPath = FLocation;
        }
        return true;
    }
    if (!Value.empty() && Value[0] == '/') {
        Value = NormalizedRequestPath(Value);
        if (Proxy.empty()) {
            FPath = Value;
            FLocation =
                "http://" + FTargetHost + (FTargetPort != "80" ? ":" + FTargetPort : std::string()) + FPath;
        } else {
            std::string proto, user, pass, host, port, path;
            SplitUrl(FPath, proto, user, pass, host, port, path);
            if (proto.empty()) proto = "http";
            FLocation = proto + "://" + host + (port.empty() ? std::string() : ":" + port) + Value;
            FPath = FLocation;
        }
        return true;
    }
    FPath = NormalizedRequestPath(DirectoryOf(FPath) + Value);
    if (Proxy.empty())
        FLocation =
            "http://" + FTargetHost + (FTargetPort != "80" ? ":" + FTargetPort : std::string()) + FPath;
    else
        FLocation = FPath;
    return true;
}

bool THttpCli::CountRelocation() {
    ++FLocationChangeCurCount;
    if (FLocationChangeCurCount <= LocationChangeMaxCount) return true;
    bool allowMore = false;
    OnLocationChangeExceeded(this, FLocationChangeCurCount, allowMore);
    return allowMore;
}

// Which request follows a redirect: 307 and 308 repeat it as it was, body and all; after the others
// a POST becomes a GET.
void THttpCli::RedirectedMethod() {
    if (FRequestType == httpPOST && FRelocationStatus != 307 && FRelocationStatus != 308)
        FRequestType = httpGET;
    RewindSendStream();
}

void THttpCli::StartRelocation() {
    DebugLog(loProtSpecInfo, "Starting relocation process");
    FRcvdCount = 0;
    DropAllHeld();
    FHeaderLineCount = 0;
    FBodySteps = 0;
    if (!CountRelocation()) {
        FRelocationPending = false;
        if (FCloseReq && FConnected)
            FCtrlSocket->CloseDelayed(); // the close then ends the request
        else
            PostSetReady();
        return;
    }
    if (!ConnectionMatches() || FCloseReq || !FConnected) {
        FRelocAfterClose = true;
        if (FCtrlSocket->State() == wsClosed) {
            FRelocAfterClose = false;
            RelocationAfterClose();
        } else {
            FCtrlSocket->CloseDelayed();
        }
        return;
    }
    OnLocationChange(this);
    RedirectedMethod();
    const std::string location = FLocation;
    ResetRequest(false);
    FLocation = location.empty() ? URL : location;
    ExtractDocName();
    if (RcvdStream) {
        RcvdStream->SetSize(FRcvdStreamStartSize);
        RcvdStream->SetPosition(FRcvdStreamStartSize);
    }
    FRelocationPending = false;
    PostLogin();
}

void THttpCli::RelocationAfterClose() {
    const std::string location = FLocation.substr(0, FLocation.find('#'));
    FConnected = false;
    FRelocationPending = false;
    RedirectedMethod();
    ExtractDocName();
    // Counted once, when the relocation was decided: a new connection is no second relocation.
    OnLocationChange(this);
    FRcvdHeader->Clear();
    FAuthOffers->Clear();
    FHeaderLineCount = 0;
    FHeaderBytes = 0;
    FBodySteps = 0;
    FDocumentDone = false;
    FReceivingHeader = false;
    FNextIsFirstLine = true;
    FContentType.clear();
    FStatusCode = 0;
    FTransferEncoding.clear();
    FContentEncoding.clear();
    FContentLength = -1;
    FRcvdCount = 0;
    FBodyFraming = bfClose;
    FChunkDecoder.Reset();
    DropAllHeld();
    FLocation = location;
    if (!Proxy.empty()) {
        std::string pProto, pUser, pPass, pHost, pPort, pPath;
        SplitUrl(Proxy, pProto, pUser, pPass, pHost, pPort, pPath);
        FPort = pPort.empty() ? ProxyPort : pPort;
    }
    if (RcvdStream) {
        RcvdStream->SetSize(FRcvdStreamStartSize);
        RcvdStream->SetPosition(FRcvdStreamStartSize);
    }
    FState = httpNotConnected;
    PostLogin();
}
