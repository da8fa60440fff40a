#include "net/HttpProt.h"

#include "net/HttpContentCoding.h"
#include "net/LineWSocket.h"
#include "net/NetLogger.h"
#include "net/NetTimer.h"
#include "net/UrlUtils.h"
#include "net/WinsockErrors.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/StrConvert.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Stream.h"
#include "platform/rtl/StringList.h"
#include "platform/win/WinStructs.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/socket.h>

namespace http_prot_detail {

// How much one receive may take: a large block while nothing limits the rate keeps the calls into the
// system (and the document events they bring) few on a fast link; the block the bandwidth allowance
// was made for otherwise.
constexpr int LargeReceiveBlock = 256 * 1024;
constexpr int LimitedReceiveBlock = 8192;

const char* StateName(THttpState State) {
    static const char* const names[] = {"httpReady",       "httpNotConnected",  "httpConnected",
                                        "httpDnsLookup",   "httpDnsLookupDone", "httpWaitingHeader",
                                        "httpWaitingBody", "httpBodyReceived",  "httpWaitingProxyConnect",
                                        "httpClosing",     "httpAborting"};
    return State <= httpAborting ? names[State] : nullptr;
}

// A port the request can connect to: digits only, from 1 to 65535.
bool ValidPort(const std::string& Port) {
    if (Port.empty() || Port.size() > 5) return false;
    for (char c : Port)
        if (c < '0' || c > '9') return false;
    const int value = std::stoi(Port);
    return value >= 1 && value <= 65535;
}

std::string RfcDate(TDateTime Value) {
    static const char days[] = "MonTueWedThuFriSatSun";
    static const char months[] = "JanFebMarAprMayJunJulAugSepOctNovDec";
    std::uint16_t y, mo, d, h, mi, s, ms;
    DecodeDateTime(Value, y, mo, d, h, mi, s, ms);
    const int day = (DayOfWeek(Value) + 5) % 7; // Sunday is 1 there, last here
    char text[64];
    std::snprintf(text, sizeof text, "%.3s, %2.2d %.3s %4.4d %2.2d:%2.2d:%2.2d", days + 3 * day, d,
                  months + 3 * (mo - 1), y, h, mi, s);
    return text;
}

} // namespace http_prot_detail

using http_prot_detail::ValidPort;

THttpCli::THttpCli(TComponent* AOwner)
    : TNetWndControl(AOwner), FCtrlSocket(std::make_unique<TWSocket>(nullptr)),
      FRcvdHeader(std::make_unique<TStringList>()), FAuthOffers(std::make_unique<TStringList>()) {
    FContentCodingHnd = std::make_unique<THttpContCodHandler>([this] { return RcvdStream; },
                                                              [this](const void* Buffer, int Count) {
                                                                  OnDocData(this, Buffer, Count);
                                                                  return Count;
                                                              });
    FSendBlock.resize(8192);
    GetWindowHandle();
    FCtrlSocket->OnSessionClosed = TSessionClosed(this, &THttpCli::SocketSessionClosed);
    FCtrlSocket->OnDataAvailable = TDataAvailable(this, &THttpCli::SocketDataAvailable);
    FCtrlSocket->OnSessionConnected = TSessionConnected(this, &THttpCli::SocketSessionConnected);
    FCtrlSocket->OnDataSent = TDataSent(this, &THttpCli::SocketDataSent);
    FCtrlSocket->OnDnsLookupDone = TDnsLookupDone(this, &THttpCli::SocketDNSLookupDone);
    FCtrlSocket->OnSocksConnected = [this](TObject*, WORD Error) { OnSocksConnected(this, Error); };
    FCtrlSocket->OnSocksError = [this](TObject*, int Error, const std::string& Msg) {
        OnSocksError(this, Error, Msg);
    };
    FCtrlSocket->OnSocksAuthState = [this](TObject*, TSocksAuthState S) { OnSocksAuthState(this, S); };
    FCtrlSocket->OnError = [this](TObject*) {
        FSocketErrorRaised = true;
        OnSocketError(this);
    };
}

THttpCli::~THttpCli() {
    // Nothing may reach this object once destruction started.
    FCtrlSocket->OnSessionClosed = nullptr;
    FCtrlSocket->OnDataAvailable = nullptr;
    FCtrlSocket->OnSessionConnected = nullptr;
    FCtrlSocket->OnDataSent = nullptr;
    FCtrlSocket->OnDnsLookupDone = nullptr;
    FCtrlSocket->OnError = nullptr;
    FCtrlSocket.reset();
    delete FBandwidthTimer;
    FBandwidthTimer = nullptr;
    delete FTimeoutTimer;
    FTimeoutTimer = nullptr;
    // Our own message numbers go back to the pool while this class's unregistering still runs.
    FinalizeWindow();
}

// ---- messages ----

void THttpCli::RegisterMessages() {
    TNetWndControl::RegisterMessages();
    FMsg_WM_HTTP_REQUEST_DONE = Handler()->RegisterMessage(this);
    FMsg_WM_HTTP_SET_READY = Handler()->RegisterMessage(this);
    FMsg_WM_HTTP_LOGIN = Handler()->RegisterMessage(this);
}

void THttpCli::UnregisterMessages() {
    Handler()->UnregisterMessage(FMsg_WM_HTTP_LOGIN);
    Handler()->UnregisterMessage(FMsg_WM_HTTP_SET_READY);
    Handler()->UnregisterMessage(FMsg_WM_HTTP_REQUEST_DONE);
    TNetWndControl::UnregisterMessages();
}

void THttpCli::PostOwn(UINT Msg) {
    PostMessage(GetWindowHandle(), Msg, FRequestSeq, 0);
}

void THttpCli::PostRequestDone() {
    PostOwn(FMsg_WM_HTTP_REQUEST_DONE);
}

void THttpCli::PostSetReady() {
    PostOwn(FMsg_WM_HTTP_SET_READY);
}

void THttpCli::PostLogin() {
    FLoginPending = true;
    PostOwn(FMsg_WM_HTTP_LOGIN);
}

void THttpCli::HandleMessage(TNetMessage& Msg) {
    const bool own = Msg.Msg != 0 && (Msg.Msg == FMsg_WM_HTTP_REQUEST_DONE ||
                                      Msg.Msg == FMsg_WM_HTTP_SET_READY || Msg.Msg == FMsg_WM_HTTP_LOGIN);
    if (!own) return TNetWndControl::HandleMessage(Msg);
    if (Msg.WParam != FRequestSeq) return; // left over from an earlier (aborted) request
    try {
        if (Msg.Msg == FMsg_WM_HTTP_REQUEST_DONE) {
            DebugLog(loProtSpecInfo, "RequestDone");
            OnRequestDone(this, FRequestType, FErrCode);
        } else if (Msg.Msg == FMsg_WM_HTTP_SET_READY) {
            ChangeState(httpReady);
        } else if (FLoginPending) { // not when the request ended meanwhile
            Login();
        }
    } catch (Exception& E) {
        HandleBackgroundError(E);
    }
}

void THttpCli::AttachToThread() {
    TNetWndControl::AttachToThread();
    FCtrlSocket->AttachToThread();
    if (FBandwidthTimer) FBandwidthTimer->SetEnabled(FBandwidthTimerWasEnabled);
    if (FTimeoutTimer) FTimeoutTimer->SetEnabled(FTimeoutTimerWasEnabled);
}

void THttpCli::DetachFromThread() {
    if (FBandwidthTimer) {
        FBandwidthTimerWasEnabled = FBandwidthTimer->Enabled();
        FBandwidthTimer->SetEnabled(false);
    }
    if (FTimeoutTimer) {
        FTimeoutTimerWasEnabled = FTimeoutTimer->Enabled();
        FTimeoutTimer->SetEnabled(false);
    }
    FCtrlSocket->DetachFromThread();
    TNetWndControl::DetachFromThread();
}

// ---- settings ----

void THttpCli::SetRequestVer(const std::string& Value) {
    if (Value != "1.0" && Value != "1.1") throw EHttpException("Insupported HTTP version", 5);
    FRequestVer = Value;
}

THttpCliOptions THttpCli::Options() const {
    THttpCliOptions result = FOptions;
    result.Exclude(httpoEnableContentCoding);
    result.Exclude(httpoUseQuality);
    if (FContentCodingHnd->Enabled()) result.Include(httpoEnableContentCoding);
    if (FContentCodingHnd->UseQuality()) result.Include(httpoUseQuality);
    return result;
}

void THttpCli::SetOptions(THttpCliOptions Value) {
    FOptions = Value;
    FContentCodingHnd->SetEnabled(Value.Contains(httpoEnableContentCoding));
    FContentCodingHnd->SetUseQuality(Value.Contains(httpoUseQuality));
}

void THttpCli::SetMultiThreaded(bool Value) {
    TNetWndControl::SetMultiThreaded(Value);
    FCtrlSocket->SetMultiThreaded(Value);
}

TNetLogger* THttpCli::NetLogger() const {
    return FCtrlSocket->NetLogger();
}

void THttpCli::SetNetLogger(TNetLogger* Value) {
    FCtrlSocket->SetNetLogger(Value);
}

bool THttpCli::CheckLogOptions(int Option) const {
    TNetLogger* logger = FCtrlSocket->NetLogger();
    return logger && logger->LogOptions().Contains(static_cast<TLogOption>(Option));
}

void THttpCli::DebugLog(int Option, const std::string& Text) {
    OnTrace(this, Text);
    if (CheckLogOptions(Option))
        FCtrlSocket->NetLogger()->DoDebugLog(this, static_cast<TLogOption>(Option), Text);
}

// ---- state ----

void THttpCli::ChangeState(THttpState NewState) {
    if (NewState == FState) return;
    FState = NewState;
    const char* name = http_prot_detail::StateName(NewState);
    DebugLog(loProtSpecInfo, std::string("State = ") + (name ? name : "INVALID STATE"));
    OnStateChange(this);
    if (FState != httpReady) return;
    bool started = false;
    const bool repeat = AuthBookkeeping(started);
    if (!started) {
        StopTimeout();
        PostRequestDone();
        return;
    }
    if (repeat) {
        RewindForRepeat();
        ResetRequest(true);
    }
}

// Moves the body to send back to where this request started reading it.
void THttpCli::RewindSendStream() {
    if (SendStream && FSentCount > 0) SendStream->Seek(-FSentCount, soCurrent);
    FSentCount = 0;
    FSendingBody = false;
}

void THttpCli::RewindForRepeat() {
    if (RcvdStream && FBodySteps > 0) {
        RcvdStream->SetSize(FRcvdStreamStartSize);
        RcvdStream->SetPosition(FRcvdStreamStartSize);
    }
    RewindSendStream();
    DropAllHeld();
}

void THttpCli::ResetRequest(bool KeepDocName) {
    FRcvdHeader->Clear();
    FAuthOffers->Clear();
    FErrCode = 0;
    if (!KeepDocName) FDocName.clear();
    FStatusCode = 0;
    FRcvdCount = 0;
    FSentCount = 0;
    FHeaderLineCount = 0;
    FHeaderBytes = 0;
    FBodySteps = 0;
    FDocumentDone = false;
    FReceivingHeader = false;
    FNextIsFirstLine = true;
    FContentType.clear();
    FTransferEncoding.clear();
    FContentEncoding.clear();
    FContentLength = -1;
    FSendingBody = false;
    FLocation = URL;
    FDiscardBody = false;
    FCloseReq = FRequestVer == "1.0";
    FBodyFraming = bfClose;
    FChunkDecoder.Reset();
}

void THttpCli::ExtractDocName() {
    std::string path = FPath.substr(0, FPath.find('?'));
    if (path.empty() || path.back() == '/') {
        FDocName = "document.htm";
        return;
    }
    std::string name = path.substr(path.rfind('/') + 1);
    if (name.size() > 255) name.resize(255);
    FDocName = name.substr(0, name.find('?'));
}

bool THttpCli::ConnectionMatches() const {
    return LowerCase(FConnHost) == LowerCase(FHostName) && FConnPort == FPort && FConnProtocol == FProtocol;
}

// ---- request start ----

void THttpCli::GetASync() {
    FLocationChangeCurCount = 0;
    DoRequestAsync(httpGET);
}

void THttpCli::DoRequestAsync(THttpRequest Rq) {
    if (Rq != httpCLOSE && FState != httpReady)
        throw EHttpException("HTTP component " + Name() + " is busy", 1);
    if ((Rq == httpPOST || Rq == httpPUT) && !SendStream)
        throw EHttpException("HTTP component has nothing to post or put", 2);
    ++FRequestSeq;
    FLoginPending = false;
    if (Rq == httpCLOSE) {
        FStatusCode = 200;
        FReasonPhrase = "OK";
        ChangeState(httpClosing);
        if (FCtrlSocket->State() == wsClosed)
            PostSetReady();
        else
            FCtrlSocket->CloseDelayed();
        return;
    }
    FRequestType = Rq;
    DropAllHeld(); // bytes left over from an earlier reply belong to nothing
    FRelocationPending = false;
    FRelocAfterClose = false;
    ResetRequest(false);
    FCurrUsername = Username;
    FCurrPassword = Password;
    FCurrConnection = Connection;
    FCurrProxyConnection = ProxyConnection;

    std::string proto, user, pass, host, port, path;
    SplitUrl(URL, proto, user, pass, host, port, path);
    path = path.substr(0, path.find('#')); // a fragment stays with the caller
    if (!user.empty()) FCurrUsername = user;
    if (!pass.empty()) FCurrPassword = pass;
    const bool namedPort = !port.empty();
    if (port.empty()) port = "80";
    if (proto.empty()) proto = "http";
    if (path.empty()) path = "/";
    FProtocol = proto;
    FTargetHost = host;
    FTargetPort = port;
    if (Proxy.empty()) {
        FPath = path;
        FHostName = host;
        FPort = port;
    } else {
        FPath = proto + "://" + host + (namedPort ? ":" + port : std::string()) + path;
        std::string pProto, pUser, pPass, pHost, pPort, pPath;
        SplitUrl(Proxy, pProto, pUser, pPass, pHost, pPort, pPath);
        FHostName = pHost.empty() ? Proxy : pHost;
        FPort = pPort.empty() ? ProxyPort : pPort;
    }
    ExtractDocName();
    FAuthNTLMState = FProxyAuthNTLMState = FAuthBasicState = FProxyAuthBasicState = 0;
    PreemptiveAuth();
    FRequestStart = GetTickCount64();
    StartTimeout();

    if (FConnected && FCtrlSocket->State() == wsConnected) {
        // Another server, or one that closed the kept connection: a new connection follows.
        if (ConnectionMatches() && KeptConnectionUsable()) {
            ChangeState(httpNotConnected);
            SendOnKeptConnection();
            return;
        }
        DropKeptConnection();
    }
    ChangeState(httpNotConnected);
    Login();
}

// A connection kept from an earlier reply is only worth a request while the server has neither closed
// it nor written to it: whatever it wrote unasked (a time-out notice, say) would be read as the reply.
bool THttpCli::KeptConnectionUsable() const {
    char probe;
    const auto n = ::recv(FCtrlSocket->HSocket(), &probe, 1, MSG_PEEK | MSG_DONTWAIT);
    return n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
}

void THttpCli::DropKeptConnection() {
    DebugLog(loProtSpecInfo, "Dropping the kept connection");
    FQuietClose = true;
    FCtrlSocket->Abort();
    FQuietClose = false;
    FConnected = false;
}

void THttpCli::SendOnKeptConnection() {
    FReusedConnection = true;
    SocketSessionConnected(FCtrlSocket.get(), 0);
}

// A request sent on a kept connection that the server closed before answering (it had timed the
// connection out just then) goes once more over a new connection; one sent on a new connection does
// not, so this cannot repeat.
// A POST is not idempotent: the server may have acted on it before it dropped the connection, so it
// is never sent a second time on the client's own initiative.
bool THttpCli::RetryOnNewConnection() {
    if (!FReusedConnection || FReplyStarted || FState != httpWaitingHeader || FErrCode != 0) return false;
    if (FRequestType == httpPOST) return false;
    DebugLog(loProtSpecInfo, "Kept connection closed before the reply, sending again on a new one");
    FReusedConnection = false;
    FConnected = false;
    FLineHandler = lhNone;
    RewindSendStream();
    ChangeState(httpNotConnected);
    PostLogin();
    return true;
}

void THttpCli::Login() {
    DebugLog(loProtSpecInfo, "Login " + FHostName);
    FRelocAfterClose = false;
    FLoginPending = false;
    if (FConnected && FCtrlSocket->State() == wsConnected) {
        if (KeptConnectionUsable()) {
            SendOnKeptConnection();
            return;
        }
        DropKeptConnection();
    }
    FConnected = false;
    ProxyCredentialsForNewConnection();
    FDnsResult.clear();
    ChangeState(httpDnsLookup);
    NoteProgress();
    if (!ValidPort(FPort) || !ValidPort(FTargetPort)) {
        FailRequest(httpErrBadPort, "Invalid port \"" + (ValidPort(FPort) ? FTargetPort : FPort) + "\"");
        return;
    }
    if (ProxyTakesHostNames()) {
        // The SOCKS server resolves the name itself: it may reach names this host cannot.
        FDnsResult = FHostName;
        ConnectToAddress();
        return;
    }
    std::string reason;
    if (SocketStepFailed(
            [this] {
                FCtrlSocket->SetLocalAddr(LocalAddr);
                FCtrlSocket->DnsLookup(FHostName);
            },
            reason))
        FailRequest(WSAEINVAL, reason);
}

bool THttpCli::ProxyTakesHostNames() const {
    const std::string level = UpperCase(Trim(SocksLevel));
    return !Trim(SocksServer).empty() && (level == "5" || level == "4A");
}

void THttpCli::Logout() {
    FCtrlSocket->Close();
    FConnected = false;
}

bool THttpCli::SocketStepFailed(const std::function<void()>& Step, std::string& Reason) {
    FSocketErrorRaised = false;
    try {
        Step();
    } catch (Exception& E) {
        Reason = E.Message();
        return true;
    }
    if (!FSocketErrorRaised) return false;
    FSocketErrorRaised = false;
    const int error = FCtrlSocket->LastError() ? FCtrlSocket->LastError() : WSAEINVAL;
    Reason = WinsockErrorText(error) + " (Error #" + std::to_string(error) + ")";
    return true;
}

void THttpCli::FailConnect(const std::string& Reason) {
    const int error = FCtrlSocket->LastError();
    FailRequest(static_cast<WORD>(error ? error : WSAEINVAL), "can't connect: " + Reason);
}

void THttpCli::SetupSocket() {
    FCtrlSocket->SetAddr(FDnsResult);
    FCtrlSocket->SetLocalAddr(LocalAddr);
    FCtrlSocket->SetPort(FPort);
    FCtrlSocket->SetProto("tcp");
    FCtrlSocket->SetSocksServer(SocksServer);
    FCtrlSocket->SetSocksLevel(SocksLevel);
    FCtrlSocket->SetSocksPort(SocksPort);
    FCtrlSocket->SetSocksUsercode(SocksUsercode);
    FCtrlSocket->SetSocksPassword(SocksPassword);
    FCtrlSocket->SetSocksAuthentication(SocksAuthentication);
    TWSocketOptions options = FCtrlSocket->ComponentOptions();
    options.Exclude(wsoNoReceiveLoop);
    FCtrlSocket->SetComponentOptions(options);
}

void THttpCli::SocketDNSLookupDone(TObject*, WORD Error) {
    if (Error != 0) {
        if (FState == httpAborting || FState != httpDnsLookup) return; // nobody waits for this answer
        if (FErrCode == 0) {
            FErrCode = Error;
            FStatusCode = 404;
            FReasonPhrase = "can't resolve hostname to IP address";
        }
        SocketSessionClosed(FCtrlSocket.get(), Error);
        return;
    }
    FDnsResult = FCtrlSocket->DnsResult();
    ConnectToAddress();
}

void THttpCli::ConnectToAddress() {
    ChangeState(httpDnsLookupDone);
    NoteProgress();
    std::string reason;
    if (SocketStepFailed([this] { SetupSocket(); }, reason)) return FailConnect(reason);
    FConnHost = FHostName;
    FConnPort = FPort;
    FConnProtocol = FProtocol;
    if (FProtocol != "http") {
        // Not a success: the owner is told by the error as well as by the status.
        FErrCode =
            FCtrlSocket->LastError() ? static_cast<WORD>(FCtrlSocket->LastError()) : httpErrBadProtocol;
        FStatusCode = 501;
        FReasonPhrase = "Protocol \"" + FProtocol + "\" not implemented";
        FCtrlSocket->Close();
        SocketSessionClosed(FCtrlSocket.get(), FErrCode);
        return;
    }
    DebugLog(loProtSpecInfo, "connect to " + FDnsResult + "/" + FPort);
    FReusedConnection = false;
    if (SocketStepFailed([this] { FCtrlSocket->Connect(); }, reason)) FailConnect(reason);
}

void THttpCli::SocketSessionConnected(TObject*, WORD Error) {
    DebugLog(loProtSpecInfo, "SessionConnected");
    if (Error != 0) {
        FErrCode = Error;
        FStatusCode = 404;
        FReasonPhrase = WinsockErrorText(Error) + " (Error #" + std::to_string(Error) + ")";
        OnSessionConnected(this);
        return;
    }
    FRelocationPending = false;
    FConnected = true;
    NoteProgress();
    ChangeState(httpConnected);
    OnSessionConnected(this);
    FLineHandler = lhHeader;
    ChangeState(httpWaitingHeader);
    try {
        static const char* const methods[] = {"", "GET", "POST", "PUT", "HEAD", ""};
        SendRequest(methods[FRequestType], FRequestVer);
        // Sending may already have found the connection closed and left it for a new one.
        if (!FConnected || FState != httpWaitingHeader) return;
        if ((FRequestType == httpPOST || FRequestType == httpPUT) && FAuthNTLMState != 1 &&
            FProxyAuthNTLMState != 1) {
            OnSendBegin(this);
            FSendingBody = true;
            SocketDataSent(FCtrlSocket.get(), 0);
        }
    } catch (Exception&) {
        Logout();
        throw;
    }
}

void THttpCli::SendRequest(const std::string& Method, const std::string& Version) {
    if (FOptions.Contains(httpoBandwidthControl)) StartBandwidthControl();
    FReplyStarted = false;
    FSendBuffer.clear();
    OnRequestHeaderBegin(this);
    const bool withBody = FRequestType == httpPOST || FRequestType == httpPUT;
    TStringList headers;
    headers.Add(Method + " " + FPath + " HTTP/" + Version);
    if (!Sender.empty()) headers.Add("From: " + Sender);
    if (!Accept.empty()) headers.Add("Accept: " + Accept);
    if (!Reference.empty()) headers.Add("Referer: " + Reference);
    if (!FCurrConnection.empty()) headers.Add("Connection: " + FCurrConnection);
    if (!AcceptLanguage.empty()) headers.Add("Accept-Language: " + AcceptLanguage);
    if (FRequestType != httpHEAD) {
        const std::string coding = FContentCodingHnd->AcceptEncodingValue();
        if (!coding.empty()) headers.Add("Accept-Encoding: " + coding);
    }
    if (withBody && !ContentTypePost.empty()) headers.Add("Content-Type: " + ContentTypePost);
    if (!Agent.empty()) headers.Add("User-Agent: " + Agent);
    headers.Add("Host: " + FTargetHost +
                (!FTargetPort.empty() && FTargetPort != "80" ? ":" + FTargetPort : ""));
    if (NoCache) headers.Add("Pragma: no-cache");
    if (!FCurrProxyConnection.empty()) headers.Add("Proxy-Connection: " + FCurrProxyConnection);
    if (withBody) {
        if (FAuthNTLMState == 1 || FProxyAuthNTLMState == 1)
            headers.Add("Content-Length: 0");
        else
            headers.Add("Content-Length: " + std::to_string(SendStream->Size() - SendStream->Position()));
    }
    if (ModifiedSince != 0)
        headers.Add("If-Modified-Since: " + http_prot_detail::RfcDate(ModifiedSince) + " GMT");
    std::vector<std::string> auth;
    AuthorizationLines(auth);
    for (const auto& line : auth)
        headers.Add(line);
    if (!Cookie.empty()) headers.Add("Cookie: " + Cookie);
    if (!ContentRangeBegin.empty() || !ContentRangeEnd.empty()) {
        headers.Add("Range: bytes=" + ContentRangeBegin + "-" + ContentRangeEnd);
        ContentRangeBegin.clear();
        ContentRangeEnd.clear();
    }
    FAcceptRanges.clear();
    if (CheckLogOptions(loProtSpecInfo) || OnTrace) {
        std::string trace = std::to_string(headers.Count()) + " header lines to send\r\n";
        for (int i = 0; i < headers.Count(); ++i)
            trace += headers[i] + "\r\n";
        DebugLog(loProtSpecInfo, trace);
    }
    OnBeforeHeaderSend(this, Method, &headers);
    auto sendLine = [this](std::string line) {
        OnCommand(this, line);
        // A header value never carries a line break of its own.
        line.erase(std::remove_if(line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; }),
                   line.end());
        FSendBuffer += line;
        FSendBuffer += "\r\n";
    };
    for (int i = 0; i < headers.Count(); ++i)
        sendLine(headers[i]);
    OnRequestHeaderEnd(this);
    sendLine(std::string());
    std::string reason;
    const bool failed = SocketStepFailed(
        [this] {
            FCtrlSocket->QueueData(FSendBuffer.data(), static_cast<int>(FSendBuffer.size()));
            FCtrlSocket->Send(nullptr, 0);
        },
        reason);
    FSendBuffer.clear();
    // A close found while sending has already been dealt with (and may have sent the request anew).
    if (failed && FConnected && FState == httpWaitingHeader) {
        const int error = FCtrlSocket->LastError();
        return FailRequest(static_cast<WORD>(error ? error : WSAENOTCONN), reason);
    }
    DebugLog(loProtSpecInfo, "SendRequest Done");
}

void THttpCli::SocketDataSent(TObject*, WORD) {
    if (!FSendingBody || !SendStream) return;
    NoteProgress(); // the server took the previous block
    const auto n =
        static_cast<int>(SendStream->Read(FSendBlock.data(), static_cast<std::int64_t>(FSendBlock.size())));
    if (n > 0) {
        FSentCount += n;
        OnSendData(this, FSendBlock.data(), n);
        FCtrlSocket->Send(FSendBlock.data(), n);
    } else {
        FSendingBody = false;
        OnSendEnd(this);
    }
}

// ---- reception ----

void THttpCli::SocketDataAvailable(TObject*, WORD) {
    const bool limited = FOptions.Contains(httpoBandwidthControl) && FBandwidthTimer;
    const int block = limited ? http_prot_detail::LimitedReceiveBlock : http_prot_detail::LargeReceiveBlock;
    if (FRcvdCnt == 0) FRcvStart = 0;
    if (static_cast<int>(FRcvBuf.size()) < FRcvStart + FRcvdCnt + block + 1) {
        // Held bytes move to the front before the buffer grows.
        if (FRcvStart > 0) {
            std::memmove(FRcvBuf.data(), FRcvBuf.data() + FRcvStart, FRcvdCnt);
            FRcvStart = 0;
        }
        if (static_cast<int>(FRcvBuf.size()) < FRcvdCnt + block + 1) FRcvBuf.resize(FRcvdCnt + block + 1);
    }
    char* end = FRcvBuf.data() + FRcvStart + FRcvdCnt;
    const int n = FCtrlSocket->Receive(end, block);
    if (n <= 0) {
        DebugLog(loProtSpecInfo, "**data available. Len=" + std::to_string(n));
        return;
    }
    DebugLog(loProtSpecInfo, "Data available. Len=" + std::to_string(n));
    if (FRequestType == httpABORT) return;
    FReplyStarted = true;
    NoteProgress();
    FRcvdCnt += n;
    end[n] = 0;
    if (limited) {
        FBandwidthCount += n;
        if (FBandwidthCount > FBandwidthMaxCount && !FBandwidthPaused) {
            FBandwidthPaused = true;
            FCtrlSocket->Pause();
        }
    }
    ProcessHeld();
}

void THttpCli::DropHeld(int Count) {
    Count = std::min(Count, FRcvdCnt);
    FRcvStart += Count;
    FRcvdCnt -= Count;
    if (FRcvdCnt == 0) FRcvStart = 0;
}

void THttpCli::DropAllHeld() {
    FRcvStart = 0;
    FRcvdCnt = 0;
}

bool THttpCli::TakeLine(std::string& Line) {
    const char* start = FRcvBuf.data() + FRcvStart;
    const void* lf = std::memchr(start, '\n', FRcvdCnt);
    if (!lf) return false;
    int len = static_cast<int>(static_cast<const char*>(lf) - start);
    const int consumed = len + 1;
    if (len > 0 && start[len - 1] == '\r') --len;
    Line.assign(start, len);
    DropHeld(consumed);
    return true;
}

void THttpCli::ProcessHeld() {
    while (FRcvdCnt > 0) {
        if (FState == httpWaitingBody) {
            if (FRequestType == httpHEAD) {
                DropAllHeld();
                FCtrlSocket->Abort();
                return;
            }
            if (FLineHandler != lhBody || FDocumentDone) {
                DropAllHeld(); // nothing more is expected on this reply
                return;
            }
            int avail = FRcvdCnt;
            if (FBodyFraming == bfLength)
                avail = static_cast<int>(std::min<std::int64_t>(avail, FContentLength - FRcvdCount));
            const int used = BodyStep(FRcvBuf.data() + FRcvStart, avail);
            DropHeld(used);
            if (FState != httpWaitingBody && FState != httpBodyReceived) return; // failed
            if (FDocumentDone) AfterDocument();
            return;
        }
        if (FState != httpWaitingHeader) {
            std::string line;
            while (TakeLine(line)) {
                DebugLog(loProtSpecDump, ">|" + line + "|");
                OnDataPush(this, static_cast<WORD>(FCtrlSocket->LastError()));
            }
            return;
        }
        std::string line;
        if (!TakeLine(line)) {
            if (FRcvdCnt > HttpMaxHeaderLine) FailRequest(httpErrHeaderTooLarge, "Header line too long");
            return;
        }
        DebugLog(loProtSpecDump, ">|" + line + "|");
        FHeaderBytes += static_cast<int>(line.size()) + 2;
        if (static_cast<int>(line.size()) > HttpMaxHeaderLine || FHeaderBytes > HttpMaxHeaderSize) {
            FailRequest(httpErrHeaderTooLarge, "Header too large");
            return;
        }
        if (FLineHandler == lhNone) {
            PostSetReady();
            return;
        }
        ProcessHeaderLine(line);
    }
}

// Ends the request at once on a reply that cannot be read, or a connection that cannot be made or
// went silent; the connection is not reused. The first error found is the one reported.
void THttpCli::FailRequest(WORD Error, const std::string& Reason) {
    DebugLog(loProtSpecErr, Reason);
    if (FErrCode == 0) {
        FErrCode = Error;
        if (FStatusCode < 400) FStatusCode = 404;
        FReasonPhrase = Reason;
    }
    FRelocationPending = false;
    FLoginPending = false;
    FLineHandler = lhNone;
    DropAllHeld();
    StopBandwidthTimer();
    if (FReceivingHeader) {
        FReceivingHeader = false;
        OnHeaderEnd(this);
    }
    FRelocAfterClose = false;
    FCtrlSocket->Abort();
    FConnected = false;
    if (FState != httpReady) ChangeState(httpReady);
}

void THttpCli::SocketSessionClosed(TObject*, WORD Error) {
    if (FRelocAfterClose) {
        FRelocAfterClose = false;
        FConnected = false;
        RelocationAfterClose();
        return;
    }
    DebugLog(loProtSpecInfo, "SessionClosed Error: " + std::to_string(Error));
    if (FQuietClose || FLoginPending) {
        // Nothing is on its way on this connection: the next request opens a new one.
        FConnected = false;
        OnSessionClosed(this);
        return;
    }
    if (RetryOnNewConnection()) return;
    if (Error != 0 && FErrCode == 0) FErrCode = Error;
    FConnected = false;
    // A reply that stops before its announced end is not a success.
    const bool truncated =
        !FDocumentDone &&
        (FState == httpWaitingHeader ||
         (FState == httpWaitingBody && FRequestType != httpHEAD && FBodyFraming != bfClose));
    if (truncated && FErrCode == 0) {
        FErrCode = httpErrTruncated;
        FRelocationPending = false;
        if (FStatusCode < 400) {
            FStatusCode = 404;
            FReasonPhrase = "Connection closed before the reply was complete";
        }
    }
    if (FReceivingHeader) {
        FReceivingHeader = false;
        OnHeaderEnd(this);
    } else if (FBodySteps > 0 && !FDocumentDone) {
        FDocumentDone = true;
        StopBandwidthTimer();
        const bool decoded = FDiscardBody || CompleteDecoding();
        if (!FDiscardBody) OnDocEnd(this);
        if (!decoded && FErrCode == 0) {
            FErrCode = httpErrBadCoding;
            FRelocationPending = false;
            if (FStatusCode < 400) FStatusCode = 404;
            FReasonPhrase = "Body could not be decoded";
        }
    }
    FLineHandler = lhNone;
    if (FRelocationPending && FErrCode == 0) {
        // A body that ended with the connection: the relocation is decided (and counted) only now.
        if (CountRelocation()) {
            RelocationAfterClose();
            return;
        }
        FRelocationPending = false;
    }
    OnSessionClosed(this);
    if (FState != httpReady) PostSetReady();
}

// ---- abort and synchronous use ----

void THttpCli::Abort() {
    // Whatever this request still had posted to itself (a login for a repeat, say) is void now.
    ++FRequestSeq;
    FLoginPending = false;
    StopTimeout();
    if (FState != httpReady) {
        const THttpState was = FState;
        ChangeState(httpAborting);
        if (was == httpDnsLookup) {
            try {
                FCtrlSocket->CancelDnsLookup();
            } catch (Exception&) {
            }
        }
        FStatusCode = 404;
        FReasonPhrase = "Connection aborted on request";
        FErrCode = 3;
        FRelocationPending = false;
        FRelocAfterClose = false;
        FLineHandler = lhNone;
        DropAllHeld();
        StopBandwidthTimer();
        if (was == httpDnsLookup) {
            SocketSessionClosed(FCtrlSocket.get(), 0);
        } else {
            FCtrlSocket->Abort();
            FConnected = false;
        }
        FState = httpAborting; // the close above may have asked for ready already
        ChangeState(httpReady);
        return;
    }
    FState = httpAborting;
    if (FCtrlSocket->State() != wsClosed) FCtrlSocket->Abort();
    FConnected = false;
    FStatusCode = 200;
    FReasonPhrase = "OK";
    FErrCode = 0;
    FState = httpReady;
    DebugLog(loProtSpecInfo, "State = httpReady");
    OnStateChange(this);
    OnRequestDone(this, FRequestType, FErrCode);
}

void THttpCli::DoRequestSync(THttpRequest Rq) {
    DoRequestAsync(Rq);
    bool done = false;
    const WPARAM seq = FRequestSeq;
    THttpRequestDone previous = OnRequestDone;
    OnRequestDone = [&done, &previous](TObject* S, THttpRequest R, WORD E) {
        done = true;
        previous(S, R, E);
    };
    while (!done && FRequestSeq == seq) {
        if (MultiThreaded()) {
            PumpPendingMessages();
        } else {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 1000, 0x1C5);
            MSG msg;
            bool quit = false;
            while (!done && PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
                if (msg.message == WM_QUIT) {
                    PostQuitMessage(static_cast<int>(msg.wParam));
                    quit = true;
                    break;
                }
                TranslateMessage(&msg);
                DispatchMessage(&msg);
            }
            if (quit) {
                OnRequestDone = previous;
                Abort();
                return;
            }
        }
    }
    OnRequestDone = previous;
    if (FStatusCode > 399 && FStatusCode != 401 && FStatusCode != 407)
        throw EHttpException(FReasonPhrase, static_cast<WORD>(FStatusCode));
}

// ---- bandwidth ----

void THttpCli::StartBandwidthControl() {
    if (!FBandwidthTimer) FBandwidthTimer = new TNetTimer(this);
    FBandwidthTimer->SetInterval(BandwidthSampling);
    FBandwidthTimer->SetOnTimer(TNotifyEvent(this, &THttpCli::BandwidthTick));
    FBandwidthTimer->SetEnabled(true);
    FBandwidthMaxCount = BandwidthLimit * static_cast<std::int64_t>(BandwidthSampling) / 1000;
    FBandwidthCount = 0;
    FBandwidthPaused = false;
    TWSocketOptions options = FCtrlSocket->ComponentOptions();
    options.Include(wsoNoReceiveLoop);
    FCtrlSocket->SetComponentOptions(options);
}

void THttpCli::StopBandwidthTimer() {
    if (!FBandwidthTimer) return;
    FBandwidthTimer->SetEnabled(false);
    if (FBandwidthPaused) {
        FBandwidthPaused = false;
        FCtrlSocket->Resume();
    }
}

void THttpCli::BandwidthTick(TObject*) {
    if (FBandwidthPaused) {
        FBandwidthPaused = false;
        FBandwidthCount -= FBandwidthMaxCount;
        NoteProgress(); // the pause was ours, not the server's silence
        FCtrlSocket->Resume();
    } else {
        FBandwidthCount = 0;
    }
}

// ---- time-out ----

void THttpCli::StartTimeout() {
    const DWORD shortest = Timeout == 0          ? RequestTimeout
                           : RequestTimeout == 0 ? Timeout
                                                 : std::min(Timeout, RequestTimeout);
    if (shortest == 0) return StopTimeout();
    if (!FTimeoutTimer) FTimeoutTimer = new TNetTimer(this);
    // Checked a few times per period, so a request ends close to its time-out.
    FTimeoutTimer->SetInterval(std::clamp<DWORD>(shortest / 4, 10, 1000));
    FTimeoutTimer->SetOnTimer(TNotifyEvent(this, &THttpCli::TimeoutTick));
    FTimeoutTimer->SetEnabled(true);
    NoteProgress();
}

void THttpCli::StopTimeout() {
    if (FTimeoutTimer) FTimeoutTimer->SetEnabled(false);
}

void THttpCli::NoteProgress() {
    FLastProgress = GetTickCount64();
}

bool THttpCli::DeadlineApplies() const {
    const bool inBody = FState == httpWaitingBody || FState == httpBodyReceived;
    return !inBody || !OnDocData;
}

void THttpCli::TimeoutTick(TObject*) {
    // Ready while a repeat of the request is on its way: not silent, and checked again once it is sent.
    if (FState == httpReady) return NoteProgress();
    const std::uint64_t now = GetTickCount64();
    if (RequestTimeout != 0 && now - FRequestStart >= RequestTimeout && DeadlineApplies())
        return FailRequest(httpErrDeadline,
                           "Request not completed within " + std::to_string(RequestTimeout) + " ms");
    // Paused by bandwidth control: the silence is ours.
    if (FBandwidthPaused || Timeout == 0) return NoteProgress();
    if (now - FLastProgress < Timeout) return;
    FailRequest(httpErrTimedOut,
                WinsockErrorText(httpErrTimedOut) + " (Error #" + std::to_string(httpErrTimedOut) + ")");
}
