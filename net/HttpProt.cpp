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
#include <cstdio>
#include <cstring>

namespace http_prot_detail {

const char* StateName(THttpState State) {
    static const char* const names[] = {"httpReady",       "httpNotConnected",  "httpConnected",
                                        "httpDnsLookup",   "httpDnsLookupDone", "httpWaitingHeader",
                                        "httpWaitingBody", "httpBodyReceived",  "httpWaitingProxyConnect",
                                        "httpClosing",     "httpAborting"};
    return State <= httpAborting ? names[State] : nullptr;
}

bool StartsWithNoCase(const std::string& Text, const char* Prefix) {
    const std::size_t n = std::strlen(Prefix);
    return Text.size() >= n && LowerCase(Text.substr(0, n)) == LowerCase(Prefix);
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

using http_prot_detail::StartsWithNoCase;

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
    FCtrlSocket->OnError = [this](TObject*) { OnSocketError(this); };
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
        } else {
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
}

void THttpCli::DetachFromThread() {
    if (FBandwidthTimer) {
        FBandwidthTimerWasEnabled = FBandwidthTimer->Enabled();
        FBandwidthTimer->SetEnabled(false);
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
        PostRequestDone();
        return;
    }
    if (repeat) {
        RewindForRepeat();
        ResetRequest(true);
    }
}

void THttpCli::RewindForRepeat() {
    if (RcvdStream && FBodySteps > 0) {
        RcvdStream->SetSize(FRcvdStreamStartSize);
        RcvdStream->SetPosition(FRcvdStreamStartSize);
    }
    if (SendStream && FSentCount > 0) SendStream->Seek(-FSentCount, soCurrent);
    FRcvdCnt = 0;
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
    FCloseReq = FRequestVer == "1.0";
    FChunkState = 0;
    FChunkLength = FChunkRcvd = 0;
    FChunkDigits = 0;
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
    FRcvdCnt = 0; // bytes left over from an earlier reply belong to nothing
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

    if (FConnected && FCtrlSocket->State() == wsConnected) {
        if (ConnectionMatches()) {
            ChangeState(httpNotConnected);
            SocketSessionConnected(FCtrlSocket.get(), 0);
            return;
        }
        FRelocAfterClose = false;
        FCtrlSocket->Abort();
        FConnected = false;
    }
    ChangeState(httpNotConnected);
    Login();
}

void THttpCli::Login() {
    DebugLog(loProtSpecInfo, "Login " + FHostName);
    FRelocAfterClose = false;
    if (FConnected && FCtrlSocket->State() == wsConnected) {
        SocketSessionConnected(FCtrlSocket.get(), 0);
        return;
    }
    FConnected = false;
    FDnsResult.clear();
    ChangeState(httpDnsLookup);
    FCtrlSocket->SetLocalAddr(LocalAddr);
    try {
        FCtrlSocket->DnsLookup(FHostName);
    } catch (Exception& E) {
        FStatusCode = 404;
        FReasonPhrase = E.Message();
        if (FErrCode == 0) FErrCode = WSAEINVAL;
        ChangeState(httpReady);
    }
}

void THttpCli::Logout() {
    FCtrlSocket->Close();
    FConnected = false;
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
        if (FState == httpAborting) return;
        FErrCode = Error;
        FStatusCode = 404;
        FReasonPhrase = "can't resolve hostname to IP address";
        SocketSessionClosed(FCtrlSocket.get(), Error);
        return;
    }
    FDnsResult = FCtrlSocket->DnsResult();
    ChangeState(httpDnsLookupDone);
    SetupSocket();
    FConnHost = FHostName;
    FConnPort = FPort;
    FConnProtocol = FProtocol;
    if (FProtocol != "http") {
        FErrCode = static_cast<WORD>(FCtrlSocket->LastError());
        FStatusCode = 501;
        FReasonPhrase = "Protocol \"" + FProtocol + "\" not implemented";
        FCtrlSocket->Close();
        SocketSessionClosed(FCtrlSocket.get(), static_cast<WORD>(FCtrlSocket->LastError()));
        return;
    }
    DebugLog(loProtSpecInfo, "connect to " + FDnsResult + "/" + FPort);
    try {
        FCtrlSocket->Connect();
    } catch (Exception&) {
        const int error = FCtrlSocket->LastError();
        FErrCode = static_cast<WORD>(error);
        FStatusCode = 404;
        FReasonPhrase =
            "can't connect: " + WinsockErrorText(error) + " (Error #" + std::to_string(error) + ")";
        FCtrlSocket->Close();
        SocketSessionClosed(FCtrlSocket.get(), static_cast<WORD>(error));
    }
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
    ChangeState(httpConnected);
    OnSessionConnected(this);
    FLineHandler = lhHeader;
    ChangeState(httpWaitingHeader);
    try {
        static const char* const methods[] = {"", "GET", "POST", "PUT", "HEAD", ""};
        SendRequest(methods[FRequestType], FRequestVer);
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
    FCtrlSocket->QueueData(FSendBuffer.data(), static_cast<int>(FSendBuffer.size()));
    FCtrlSocket->Send(nullptr, 0);
    FSendBuffer.clear();
    DebugLog(loProtSpecInfo, "SendRequest Done");
}

void THttpCli::SocketDataSent(TObject*, WORD) {
    if (!FSendingBody || !SendStream) return;
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
    if (static_cast<int>(FRcvBuf.size()) < FRcvdCnt + 8193) FRcvBuf.resize(FRcvdCnt + 8193);
    const int n = FCtrlSocket->Receive(FRcvBuf.data() + FRcvdCnt, 8192);
    if (n <= 0) {
        DebugLog(loProtSpecInfo, "**data available. Len=" + std::to_string(n));
        return;
    }
    DebugLog(loProtSpecInfo, "Data available. Len=" + std::to_string(n));
    if (FRequestType == httpABORT) return;
    FRcvdCnt += n;
    FRcvBuf[FRcvdCnt] = 0;
    if (FOptions.Contains(httpoBandwidthControl) && FBandwidthTimer) {
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
    std::memmove(FRcvBuf.data(), FRcvBuf.data() + Count, FRcvdCnt - Count);
    FRcvdCnt -= Count;
}

bool THttpCli::TakeLine(std::string& Line) {
    const char* start = FRcvBuf.data();
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
                FRcvdCnt = 0;
                FCtrlSocket->Abort();
                return;
            }
            if (FLineHandler != lhBody || FDocumentDone) {
                FRcvdCnt = 0; // nothing more is expected on this reply
                return;
            }
            int avail = FRcvdCnt;
            if (FContentLength >= 0 && FTransferEncoding != "chunked")
                avail = static_cast<int>(std::min<std::int64_t>(avail, FContentLength - FRcvdCount));
            const int used = BodyStep(FRcvBuf.data(), avail);
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

// Ends the request at once on a reply that cannot be read; the connection is not reused.
void THttpCli::FailRequest(WORD Error, const std::string& Reason) {
    DebugLog(loProtSpecErr, Reason);
    FErrCode = Error;
    if (FStatusCode == 0 || FStatusCode < 400) FStatusCode = 404;
    FReasonPhrase = Reason;
    FRelocationPending = false;
    FLineHandler = lhNone;
    FRcvdCnt = 0;
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

void THttpCli::ProcessHeaderLine(const std::string& Line) {
    if (FHeaderLineCount == 0 && FNextIsFirstLine && !FReceivingHeader) {
        FReceivingHeader = true;
        OnHeaderBegin(this);
    }
    const bool first = FNextIsFirstLine;
    if (first && !Line.empty() && Line[0] == '<' &&
        (StartsWithNoCase(Line, "<HTML>") || StartsWithNoCase(Line, "<!DOCTYPE"))) {
        // No header at all: the document starts right here.
        if (FContentType.empty()) FContentType = "text/html";
        FNextIsFirstLine = false;
        ChangeState(httpWaitingBody);
        FLineHandler = lhBody;
        FReceivingHeader = false;
        OnHeaderEnd(this);
        const std::string body = Line + "\r\n";
        BodyStep(body.data(), static_cast<int>(body.size()));
        return;
    }
    if (Line.empty()) {
        HeaderEnded();
        return;
    }
    ++FHeaderLineCount;
    FRcvdHeader->Add(Line);
    if (first) {
        FNextIsFirstLine = false;
        if (Line.compare(0, 8, "HTTP/1.0") != 0 && Line.compare(0, 8, "HTTP/1.1") != 0) {
            OnDataPush2(this);
            OnHeaderData(this);
            return;
        }
        FServerVersion = Line.substr(5, 3);
        if (FRequestVer == "1.0")
            FCloseReq = true;
        else
            FCloseReq = FServerVersion == "1.0";
        DebugLog(loProtSpecDump, std::string("FCloseReq=") + (FCloseReq ? "1" : "0"));
        std::size_t digit = 9;
        while (digit < Line.size() && (Line[digit] < '0' || Line[digit] > '9'))
            ++digit;
        std::int64_t code = 0;
        if (digit < Line.size() && TryStrToInt64(Line.substr(digit, 3), code))
            FStatusCode = static_cast<int>(code);
        FReasonPhrase = digit + 4 <= Line.size() ? Line.substr(digit + 4) : std::string();
        OnHeaderData(this);
        return;
    }
    const auto colon = Line.find(':');
    if (colon != std::string::npos) {
        const std::string name = LowerCase(Line.substr(0, colon));
        std::size_t start = colon + 1;
        while (start < Line.size() && (Line[start] == ' ' || Line[start] == '\t'))
            ++start;
        const std::string value = Line.substr(start);
        if (name == "location") {
            if (FRequestType == httpPUT)
                FLocation = value;
            else if (FollowRelocation)
                HandleLocation(value);
        } else if (name == "content-length") {
            std::int64_t length = -1;
            if (!TryStrToInt64(Trim(value), length) || length < 0) {
                FailRequest(httpErrBadLength, "Invalid Content-Length");
                return;
            }
            FContentLength = length;
        } else if (name == "transfer-encoding") {
            FTransferEncoding = LowerCase(Trim(value));
        } else if (name == "content-range") {
            const auto dash = value.find('-');
            const auto slash = value.find('/');
            if (dash != std::string::npos && value.size() > 6) {
                ContentRangeBegin = value.substr(6, dash > 6 ? dash - 6 : 0);
                ContentRangeEnd =
                    value.substr(dash + 1, slash == std::string::npos ? std::string::npos : slash - dash - 1);
            }
        } else if (name == "accept-ranges") {
            FAcceptRanges = value;
        } else if (name == "content-type") {
            FContentType = LowerCase(value);
        } else if (name == "www-authenticate" || name == "proxy-authenticate") {
            FAuthOffers->Add(value);
        } else if (name == "set-cookie") {
            bool accept = true;
            OnCookie(this, value, accept);
        } else if (name == "connection" || name == "proxy-connection") {
            const std::string v = LowerCase(Trim(value));
            if (v == "close")
                FCloseReq = true;
            else if (v == "keep-alive")
                FCloseReq = false;
        } else if (name == "content-encoding") {
            FContentEncoding = value;
        }
    }
    OnHeaderData(this);
}

void THttpCli::HeaderEnded() {
    DebugLog(loProtSpecInfo, "End of header");
    if (FServerVersion == "1.1" && FStatusCode == 100) {
        FRcvdHeader->Clear();
        FNextIsFirstLine = true;
        FHeaderLineCount = 1; // the next line starts a header without a new OnHeaderBegin
        return;
    }
    FReceivingHeader = false;
    OnHeaderEnd(this);
    if (FState == httpReady) {
        FRcvdCnt = 0;
        return;
    }
    const bool chunked = FTransferEncoding == "chunked";
    const bool noDocument =
        (FContentLength == -1 && !chunked &&
         (FStatusCode < 200 || FStatusCode == 204 || FStatusCode == 301 || FStatusCode == 302 ||
          FStatusCode == 304 || FStatusCode == 401 || FStatusCode == 407)) ||
        (FContentLength == 0 && !chunked) || FRequestType == httpHEAD;
    if (noDocument) {
        FLineHandler = lhNone;
        if (FRelocationPending) {
            FRcvdCnt = 0;
            StartRelocation();
        } else if (!FCloseReq) {
            FRcvdCnt = 0;
            PostSetReady();
        } else {
            FRcvdCnt = 0;
            FDocumentDone = true;
            ChangeState(httpWaitingBody);
            FCtrlSocket->CloseDelayed();
        }
        return;
    }
    const auto dot = FDocName.rfind('.');
    const std::string ext = dot == std::string::npos ? std::string() : LowerCase(FDocName.substr(dot));
    if ((ext.empty() || ext == ".exe") && FContentType == "text/html")
        FDocName = (dot == std::string::npos ? FDocName : FDocName.substr(0, dot)) + ".htm";
    ChangeState(httpWaitingBody);
    FLineHandler = lhBody;
    if (FBodySteps == 0 && FRcvdCnt == 0) BodyStep(nullptr, 0); // the document begins now
}

int THttpCli::BodyStep(const char* Data, int Len) {
    if (FBodySteps++ == 0) {
        FRcvdCount = 0;
        DebugLog(loProtSpecInfo, "DocBegin");
        OnDocBegin(this);
        FContentCodingHnd->Prepare(FContentEncoding);
        FRcvdStreamStartSize = RcvdStream ? RcvdStream->Size() : 0;
        if (FContentLength == 0 && FTransferEncoding != "chunked") {
            FinishDocument();
            return 0;
        }
    }
    if (FTransferEncoding == "chunked") return ChunkedStep(Data, Len);
    if (Len > 0) DeliverBody(Data, Len);
    if (FState != httpWaitingBody) return Len; // the owner aborted while handling the data
    if (FContentLength >= 0 && FRcvdCount >= FContentLength) {
        DebugLog(loProtSpecInfo, "End of document");
        FinishDocument();
    }
    return Len;
}

void THttpCli::DeliverBody(const char* Data, int Len) {
    FRcvdCount += Len;
    FContentCodingHnd->WriteBuffer(Data, Len);
}

int THttpCli::ChunkedStep(const char* Data, int Len) {
    int i = 0;
    while (i < Len && !FDocumentDone) {
        const char c = Data[i];
        switch (FChunkState) {
        case 0: // the size in hexadecimal digits
            if (IsHexDigit(c)) {
                // Sizes beyond what a body can sensibly hold are refused before they overflow.
                if (++FChunkDigits > 15) {
                    FailRequest(httpErrBadChunk, "Invalid chunk size");
                    return Len;
                }
                FChunkLength = FChunkLength * 16 + HexDigitValue(c);
                ++i;
            } else {
                if (FChunkDigits == 0) {
                    FailRequest(httpErrBadChunk, "Invalid chunk size");
                    return Len;
                }
                DebugLog(loProtSpecInfo, "ChunkLength = " + std::to_string(FChunkLength));
                FChunkState = 1;
            }
            break;
        case 1: // the rest of the size line
            if (c == '\n') FChunkState = FChunkLength == 0 ? 3 : 2;
            ++i;
            FChunkRcvd = 0;
            break;
        case 2: { // the chunk's data
            const int n = static_cast<int>(std::min<std::int64_t>(FChunkLength - FChunkRcvd, Len - i));
            DeliverBody(Data + i, n);
            if (FState != httpWaitingBody) return Len; // the owner aborted while handling the data
            FChunkRcvd += n;
            i += n;
            if (FChunkRcvd == FChunkLength) FChunkState = 3;
            break;
        }
        case 3: // the line end after the data (or the trailer after the last chunk)
            ++i;
            if (c == '\n') {
                if (FChunkLength == 0) {
                    DebugLog(loProtSpecInfo, "httpChunkDone, end of document");
                    FinishDocument();
                } else {
                    FChunkState = 0;
                    FChunkLength = 0;
                    FChunkDigits = 0;
                }
            }
            break;
        }
    }
    return i;
}

void THttpCli::FinishDocument() {
    FDocumentDone = true;
    FLineHandler = lhNone;
    ChangeState(httpBodyReceived);
    StopBandwidthTimer();
    FContentCodingHnd->Complete();
    DebugLog(loProtSpecInfo, "DocEnd");
    OnDocEnd(this);
}

void THttpCli::AfterDocument() {
    FRcvdCnt = 0;
    if (FRelocationPending)
        StartRelocation();
    else if (FCloseReq)
        FCtrlSocket->CloseDelayed();
    else
        PostSetReady();
}

void THttpCli::SocketSessionClosed(TObject*, WORD Error) {
    if (FRelocAfterClose) {
        FRelocAfterClose = false;
        FConnected = false;
        RelocationAfterClose();
        return;
    }
    DebugLog(loProtSpecInfo, "SessionClosed Error: " + std::to_string(Error));
    if (Error != 0) FErrCode = Error;
    FConnected = false;
    // A reply that stops before its announced end is not a success.
    const bool bodyOpenEnded = FContentLength == -1 && FTransferEncoding != "chunked";
    const bool truncated = FState == httpWaitingHeader || (FState == httpWaitingBody && !FDocumentDone &&
                                                           FRequestType != httpHEAD && !bodyOpenEnded);
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
        FContentCodingHnd->Complete();
        OnDocEnd(this);
    }
    FLineHandler = lhNone;
    if (FRelocationPending && FErrCode == 0) {
        RelocationAfterClose();
        return;
    }
    OnSessionClosed(this);
    if (FState != httpReady) PostSetReady();
}

// ---- abort and synchronous use ----

void THttpCli::Abort() {
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
        FRcvdCnt = 0;
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
        FCtrlSocket->Resume();
    } else {
        FBandwidthCount = 0;
    }
}
