// THttpCli: the asynchronous HTTP/1.0 and 1.1 client. One request at a time over one socket it owns;
// the connection is kept between requests when the server allows it. Progress arrives as events from
// the message loop. Relocation, Basic/NTLM authentication and proxies are handled here too.
#pragma once

#include "net/HttpChunkDecoder.h"
#include "net/NetWndControl.h"
#include "net/Ntlm.h"
#include "net/SocksWSocket.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/ObjectEvent.h"
#include "platform/rtl/Set.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TWSocket;
class TStream;
class TStrings;
class TStringList;
class TMemoryStream;
class TNetTimer;
class TNetLogger;
class THttpContCodHandler;
class THttpContentCoding;

enum THttpState : std::uint8_t {
    httpReady,
    httpNotConnected,
    httpConnected,
    httpDnsLookup,
    httpDnsLookupDone,
    httpWaitingHeader,
    httpWaitingBody,
    httpBodyReceived,
    httpWaitingProxyConnect,
    httpClosing,
    httpAborting
};

enum THttpRequest { httpABORT, httpGET, httpPOST, httpPUT, httpHEAD, httpCLOSE };

enum THttpCliOption {
    httpoNoBasicAuth,
    httpoNoNTLMAuth,
    httpoBandwidthControl,
    httpoEnableContentCoding,
    httpoUseQuality
};
using THttpCliOptions = Set<THttpCliOption, 8>;

enum THttpAuthType { httpAuthNone, httpAuthBasic, httpAuthNtlm };

// Request errors of our own, reported through ErrCode next to the socket's error numbers.
constexpr WORD httpErrTruncated = 20101;      // the server closed before the reply was complete
constexpr WORD httpErrHeaderTooLarge = 20102; // a header line or the whole header exceeds the limits
constexpr WORD httpErrBadLength = 20103;      // a Content-Length that is no length, or two that differ
constexpr WORD httpErrBadChunk = 20104;       // chunked framing that is malformed or too large
constexpr WORD httpErrBadStatus = 20105;      // a reply without a valid status line
constexpr WORD httpErrBadCoding = 20106;      // a body whose transfer or content coding cannot be undone
constexpr WORD httpErrBadPort = 20107;        // a URL or Location whose port is not a number in 1..65535
constexpr WORD httpErrBadProtocol = 20108;    // a URL or Location with a protocol the client cannot speak
constexpr WORD httpErrDeadline = 20109;       // the request took longer than RequestTimeout
// A request that saw no progress for Timeout milliseconds ends with the system's own time-out number.
constexpr WORD httpErrTimedOut = 10060;

// The longest header line and the largest header accepted from a server.
constexpr int HttpMaxHeaderLine = 16384;
constexpr int HttpMaxHeaderSize = 256 * 1024;

class EHttpException : public Exception {
public:
    EHttpException(const std::string& Msg, WORD ErrCode) : Exception(Msg), FErrorCode(ErrCode) {}
    WORD ErrorCode() const { return FErrorCode; }

private:
    WORD FErrorCode;
};

using THttpRequestDone = TEvent<TObject*, THttpRequest, WORD>;
using TDocDataEvent = TEvent<TObject*, const void*, int>;
using TOnCommand = TEvent<TObject*, std::string&>;
using TCookieRcvdEvent = TEvent<TObject*, const std::string&, bool&>;
using THttpDataPushEvent = TEvent<TObject*, WORD>;
using TBeforeHeaderSendEvent = TEvent<TObject*, const std::string&, TStrings*>;
using TLocationChangeExceeded = TEvent<TObject*, int, bool&>;

class THttpCli : public TNetWndControl {
public:
    explicit THttpCli(TComponent* AOwner);
    ~THttpCli() override;

    // Requests.
    void GetASync();
    virtual void DoRequestAsync(THttpRequest Rq);
    virtual void DoRequestSync(THttpRequest Rq);
    void Get() {
        LocationChangeCurCountReset();
        DoRequestSync(httpGET);
    }
    void Post() { DoRequestSync(httpPOST); }
    void Put() { DoRequestSync(httpPUT); }
    void Head() { DoRequestSync(httpHEAD); }
    void PostAsync() { DoRequestAsync(httpPOST); }
    void PutAsync() { DoRequestAsync(httpPUT); }
    void HeadAsync() { DoRequestAsync(httpHEAD); }
    void CloseAsync() { DoRequestAsync(httpCLOSE); }
    void Abort();

    // Settings.
    std::string URL, LocalAddr = "0.0.0.0", Proxy, ProxyPort = "80", Sender;
    std::string Agent = "Mozilla/4.0 (compatible; OLVA)";
    std::string Accept = "image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*";
    std::string AcceptLanguage, Reference, Connection, ProxyConnection;
    std::string Username, Password, ProxyUsername, ProxyPassword, Cookie;
    std::string ContentTypePost = "application/x-www-form-urlencoded";
    std::string ContentRangeBegin, ContentRangeEnd;
    bool NoCache = false;
    TDateTime ModifiedSince = 0;
    bool FollowRelocation = true;
    int LocationChangeMaxCount = 5;
    THttpAuthType ServerAuth = httpAuthNone, ProxyAuth = httpAuthNone;
    // Milliseconds a request may wait for the connection or for the next bytes in either direction;
    // 0 waits for ever. The default keeps a synchronous request from blocking on a silent server.
    DWORD Timeout = 30000;
    // Milliseconds the whole request may take, redirects and authentication included, however
    // steadily the server trickles: the reply header always, and the body too when no OnDocData
    // handler follows its progress (a download that reports progress is only bound by Timeout).
    // 0 sets no limit.
    DWORD RequestTimeout = 120000;
    std::int64_t BandwidthLimit = 10000;
    DWORD BandwidthSampling = 1000;
    std::string SocksServer, SocksLevel = "5", SocksPort, SocksUsercode, SocksPassword;
    TSocksAuthentication SocksAuthentication = socksNoAuthentication;
    TStream* RcvdStream = nullptr; // not owned
    TStream* SendStream = nullptr; // not owned

    const std::string& RequestVer() const { return FRequestVer; }
    void SetRequestVer(const std::string& Value);
    THttpCliOptions Options() const;
    void SetOptions(THttpCliOptions Value);
    bool MultiThreaded() const { return TNetWndControl::MultiThreaded(); }
    void SetMultiThreaded(bool Value);
    TNetLogger* NetLogger() const;
    void SetNetLogger(TNetLogger* Value);
    THttpContCodHandler& ContentCodingHnd() { return *FContentCodingHnd; }
    TWSocket& CtrlSocket() { return *FCtrlSocket; }

    // Per request.
    THttpState State() const { return FState; }
    THttpRequest RequestType() const { return FRequestType; }
    int StatusCode() const { return FStatusCode; }
    const std::string& ReasonPhrase() const { return FReasonPhrase; }
    TStringList& RcvdHeader() { return *FRcvdHeader; }
    std::int64_t RcvdCount() const { return FRcvdCount; }
    std::int64_t SentCount() const { return FSentCount; }
    std::int64_t ContentLength() const { return FContentLength; }
    const std::string& ContentType() const { return FContentType; }
    const std::string& TransferEncoding() const { return FTransferEncoding; }
    const std::string& ContentEncoding() const { return FContentEncoding; }
    const std::string& Location() const { return FLocation; }
    const std::string& DocName() const { return FDocName; }
    const std::string& ServerVersion() const { return FServerVersion; }
    const std::string& AcceptRanges() const { return FAcceptRanges; }
    bool CloseAfterRequest() const { return FCloseReq; }
    WORD ErrCode() const { return FErrCode; }
    int LocationChangeCurCount() const { return FLocationChangeCurCount; }
    std::uint8_t ServerNTLMState() const { return FAuthNTLMState; }
    std::uint8_t ProxyNTLMState() const { return FProxyAuthNTLMState; }
    std::uint8_t ServerBasicState() const { return FAuthBasicState; }
    std::uint8_t ProxyBasicState() const { return FProxyAuthBasicState; }

    // Events.
    TEvent<TObject*, const std::string&> OnTrace;
    TNotifyEvent OnSessionConnected, OnSessionClosed, OnHeaderData, OnHeaderBegin, OnHeaderEnd;
    TOnCommand OnCommand;
    TNotifyEvent OnRequestHeaderBegin, OnRequestHeaderEnd, OnDocBegin, OnDocEnd, OnSendBegin, OnSendEnd;
    TDocDataEvent OnDocData, OnSendData;
    TNotifyEvent OnStateChange, OnLocationChange, OnDataPush2, OnSocketError;
    THttpRequestDone OnRequestDone;
    TCookieRcvdEvent OnCookie;
    THttpDataPushEvent OnDataPush;
    TSessionConnected OnSocksConnected;
    TSocksAuthStateEvent OnSocksAuthState;
    TSocksErrorEvent OnSocksError;
    TBeforeHeaderSendEvent OnBeforeHeaderSend;
    TLocationChangeExceeded OnLocationChangeExceeded;

    void HandleMessage(TNetMessage& Msg) override;
    void AttachToThread() override;
    void DetachFromThread() override;

protected:
    int MessageCountNeeded() const override { return TNetWndControl::MessageCountNeeded() + 3; }
    void RegisterMessages() override;
    void UnregisterMessages() override;

    virtual void DebugLog(int Option, const std::string& Text);
    virtual bool CheckLogOptions(int Option) const;
    virtual void SendRequest(const std::string& Method, const std::string& Version);
    virtual void Login();
    virtual void Logout();
    void ResetRequest(bool KeepDocName);
    virtual void StartRelocation();
    virtual void RelocationAfterClose();
    virtual void StartAuthNTLM();
    virtual void StartProxyAuthNTLM();
    virtual void StartAuthBasic();
    virtual void StartProxyAuthBasic();
    void SocketDNSLookupDone(TObject* Sender, WORD Error);
    void SocketSessionClosed(TObject* Sender, WORD Error);
    void SocketSessionConnected(TObject* Sender, WORD Error);
    void SocketDataSent(TObject* Sender, WORD Error);
    void SocketDataAvailable(TObject* Sender, WORD Error);
    virtual void ChangeState(THttpState NewState);
    virtual void PostRequestDone();
    virtual void PostSetReady();
    void ExtractDocName();

private:
    enum TLineHandler { lhNone, lhHeader, lhBody };
    // How the end of a reply's body is known.
    enum TBodyFraming { bfLength, bfChunked, bfClose };

    void ProcessHeld();
    bool TakeLine(std::string& Line);
    void ProcessHeaderLine(const std::string& Line);
    bool ProcessStatusLine(const std::string& Line);
    bool ProcessContentLength(const std::string& Value);
    void HeaderEnded();
    void InterimReplyEnded();
    bool PrepareBodyFraming();
    // Passes body bytes to the document; returns how many belong to it.
    int BodyStep(const char* Data, int Len);
    int ChunkedStep(const char* Data, int Len);
    void DeliverBody(const char* Data, int Len);
    // Flushes the decoders; false when the body could not be decoded.
    bool CompleteDecoding();
    void FinishDocument();
    void AfterDocument();
    // Ends the request at once with an error; the connection is not reused.
    void FailRequest(WORD Error, const std::string& Reason);
    void FailConnect(const std::string& Reason);
    // Runs a socket operation whose failures come back through the socket's error event (ours) or
    // an exception; true, with the reason, when it failed.
    bool SocketStepFailed(const std::function<void()>& Step, std::string& Reason);
    void DropHeld(int Count);
    void DropAllHeld();
    // Works out where a followed Location leads; false when it cannot be followed (the request then
    // has ended with an error).
    bool HandleLocation(const std::string& RawValue);
    // Counts one followed Location; past LocationChangeMaxCount the owner decides. False when the
    // request ends with the redirecting reply.
    bool CountRelocation();
    // Whether the body of the reply whose header just ended is only a step on the way (a redirect
    // that will be followed, a challenge that will be answered): it is then read but not delivered.
    bool BodyIsOnlyAStep() const;
    bool ChallengeWillBeAnswered() const;
    void RedirectedMethod();
    void PreemptiveAuth();
    void AuthorizationLines(std::vector<std::string>& Lines);
    // Returns true when an authentication step started that repeats the request.
    bool AuthBookkeeping(bool& Started);
    struct TAuthStates {
        std::uint8_t Ntlm, ProxyNtlm, Basic, ProxyBasic;
    };
    enum TAuthStep { asNone, asServerNtlm, asProxyNtlm, asServerBasic, asProxyBasic };
    TAuthStates SettledAuthStates(int Status) const;
    bool NtlmStepAllowed(int Status) const;
    TAuthStep ChosenAuthStep(int Status, const TAuthStates& S) const;
    void KeepAliveRule(std::string& Value) const;
    void ProxyCredentialsForNewConnection();
    void SetupSocket();
    // Connects to FDnsResult, the server's address (or its name, for a SOCKS server that resolves it).
    void ConnectToAddress();
    bool ProxyTakesHostNames() const;
    bool DeadlineApplies() const;
    void BandwidthTick(TObject* Sender);
    void StartBandwidthControl();
    void StopBandwidthTimer();
    void StartTimeout();
    void StopTimeout();
    void TimeoutTick(TObject* Sender);
    void NoteProgress();
    void PostOwn(UINT Msg);
    void PostLogin();
    void RewindSendStream();
    void RewindForRepeat();
    bool ConnectionMatches() const;
    bool KeptConnectionUsable() const;
    void DropKeptConnection();
    void SendOnKeptConnection();
    bool RetryOnNewConnection();
    void LocationChangeCurCountReset() { FLocationChangeCurCount = 0; }

    std::unique_ptr<TWSocket> FCtrlSocket;
    std::unique_ptr<TStringList> FRcvdHeader;
    std::unique_ptr<TStringList> FAuthOffers;
    std::unique_ptr<THttpContCodHandler> FContentCodingHnd;
    // Decoders of the transfer codings listed before "chunked", the input side last.
    std::vector<std::unique_ptr<THttpContentCoding>> FTransferDecoders;
    TNetTimer* FBandwidthTimer = nullptr; // owned as a component
    TNetTimer* FTimeoutTimer = nullptr;   // owned as a component
    std::vector<char> FRcvBuf;
    int FRcvStart = 0; // the held bytes start here in the buffer
    int FRcvdCnt = 0;  // and are this many
    std::vector<char> FSendBlock;
    std::string FSendBuffer;

    UINT FMsg_WM_HTTP_REQUEST_DONE = 0, FMsg_WM_HTTP_SET_READY = 0, FMsg_WM_HTTP_LOGIN = 0;
    // Every request gets a number; a posted message of an earlier request is dropped.
    WPARAM FRequestSeq = 0;

    THttpState FState = httpReady;
    THttpRequest FRequestType = httpGET;
    std::string FRequestVer = "1.0";
    THttpCliOptions FOptions;
    int FStatusCode = 0;
    std::string FReasonPhrase;
    std::int64_t FRcvdCount = 0, FSentCount = 0, FContentLength = -1;
    std::string FContentType, FTransferEncoding, FContentEncoding, FLocation, FDocName, FServerVersion;
    std::string FAcceptRanges;
    bool FCloseReq = true;
    WORD FErrCode = 0;
    int FLocationChangeCurCount = 0;

    // Addressing.
    std::string FTargetHost, FTargetPort, FHostName, FPort, FProtocol, FPath, FDnsResult;
    std::string FCurrUsername, FCurrPassword, FCurrConnection, FCurrProxyConnection;
    std::string FConnHost, FConnPort, FConnProtocol;
    bool FConnected = false;
    bool FRelocationPending = false;
    bool FRelocAfterClose = false;
    int FRelocationStatus = 0;

    // Connection.
    bool FLoginPending = false;      // a posted login will send the request (again)
    bool FQuietClose = false;        // the socket is being dropped; its close drives nothing
    bool FSocketErrorRaised = false; // the socket reported an error through its error event
    bool FReusedConnection = false;  // the request went out on a connection kept from before
    bool FReplyStarted = false;      // bytes arrived since the request went out
    std::uint64_t FLastProgress = 0;
    std::uint64_t FRequestStart = 0; // when the owner asked for the request

    // Reception.
    TLineHandler FLineHandler = lhNone;
    TBodyFraming FBodyFraming = bfClose;
    int FHeaderLineCount = 0;
    int FHeaderBytes = 0;
    bool FReceivingHeader = false;
    bool FNextIsFirstLine = true;
    int FBodySteps = 0;
    bool FDocumentDone = false;
    bool FDiscardBody = false; // the body is read and dropped, see BodyIsOnlyAStep
    std::int64_t FRcvdStreamStartSize = 0;
    bool FSendingBody = false;
    THttpChunkDecoder FChunkDecoder{HttpMaxHeaderLine, HttpMaxHeaderSize};
    THttpContentCoding* FTransferInput = nullptr;

    // Authentication.
    std::uint8_t FAuthNTLMState = 0, FProxyAuthNTLMState = 0, FAuthBasicState = 0, FProxyAuthBasicState = 0;
    TNTLM_Msg2_Info FNTLMMsg2Info, FProxyNTLMMsg2Info;

    // Bandwidth.
    std::int64_t FBandwidthMaxCount = 0, FBandwidthCount = 0;
    bool FBandwidthPaused = false;
    bool FBandwidthTimerWasEnabled = false;
    bool FTimeoutTimerWasEnabled = false;
};
