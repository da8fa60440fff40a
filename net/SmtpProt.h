// TCustomSmtpClient: the event-driven SMTP session. Every operation returns at once; OnRequestDone
// reports its end from the message loop. Open and Mail run several commands in a row. The message
// sent after DATA is built from the header properties and the body lines the client is given.
#pragma once

#include "net/NetWndControl.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/ObjectEvent.h"
#include "platform/rtl/Stream.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TWSocket;
class TStrings;
class TStringList;

enum TSmtpState {
    smtpReady,
    smtpDnsLookup,
    smtpConnecting,
    smtpConnected,
    smtpInternalReady,
    smtpWaitingBanner,
    smtpWaitingResponse,
    smtpAbort
};

enum TSmtpRequest {
    smtpConnect,
    smtpHelo,
    smtpMailFrom,
    smtpVrfy,
    smtpRcptTo,
    smtpData,
    smtpQuit,
    smtpRset,
    smtpOpen,
    smtpMail,
    smtpEhlo,
    smtpAuth,
    smtpCustom
};

enum TSmtpAuthType {
    smtpAuthNone,
    smtpAuthPlain,
    smtpAuthLogin,
    smtpAuthCramMD5,
    smtpAuthCramSha1,
    smtpAuthNtlm,
    smtpAuthAutoSelect
};

enum TSmtpRcptToErrorAction { srteAbort, srteRetry, srteIgnore };
enum TSmtpContentType { smtpHtml, smtpPlainText };
enum TSmtpDefaultEncoding { smtpEnc7bit, smtpEnc8bit, smtpEncQuotedPrintable, smtpEncBase64 };
enum TSmtpPriority {
    smtpPriorityNone,
    smtpPriorityHighest,
    smtpPriorityHigh,
    smtpPriorityNormal,
    smtpPriorityLow,
    smtpPriorityLowest
};
enum TSmtpSendMode { smtpToSocket, smtpToStream, smtpCopyToStream };

// A reply line longer than the receive buffer: the request fails with this code.
constexpr WORD smtpErrLineTooLong = 20601;
// A reply without a status code.
constexpr WORD smtpErrNoCode = 20600;
// The connection was lost.
constexpr WORD smtpErrConnectionLost = 10004;

class SmtpException : public Exception {
public:
    using Exception::Exception;
};

using TSmtpDisplay = TEvent<TObject*, const std::string&>;
using TSmtpRequestDone = TEvent<TObject*, TSmtpRequest, WORD>;
using TSmtpSessionEvent = TEvent<TObject*, WORD>;
using TSmtpRcptToError = TEvent<TObject*, WORD, int, TSmtpRcptToErrorAction&>;
using TSmtpProcessHeader = TEvent<TObject*, TStrings*>;
using TSmtpHeaderLine = TEvent<TObject*, std::string&>;
// Sender, line number (from 1), the line to fill, whether more lines follow.
using TSmtpGetData = TEvent<TObject*, int, std::string&, bool&>;

// The display name and the address of a text like "Name <addr>", "\"Name\" <addr>" or "addr".
void ParseAddress(const std::string& Text, std::string& Name, std::string& Address);

class TCustomSmtpClient : public TNetWndControl {
public:
    explicit TCustomSmtpClient(TComponent* AOwner);
    ~TCustomSmtpClient() override;

    // Single commands.
    virtual void Connect();
    void Helo();
    void Ehlo();
    void Auth();
    void Vrfy();
    void MailFrom();
    void RcptTo();
    void Data();
    void Rset();
    void Quit();
    // Compound operations.
    void Open();
    void Mail();
    void Abort();

    // Session settings.
    std::string Host, Port = "smtp", LocalAddr = "0.0.0.0", SignOn, Username, Password, FromName;
    TSmtpAuthType AuthType = smtpAuthNone;
    TStringList& RcptName() { return *FRcptName; }
    void SetRcptName(TStrings* Value);

    // Message settings.
    std::string HdrFrom, HdrTo, HdrCc, HdrReplyTo, HdrReturnPath, HdrSubject, HdrSender;
    TSmtpPriority HdrPriority = smtpPriorityNone;
    std::string CharSet = "iso-8859-1";
    TSmtpContentType ContentType = smtpPlainText;
    TSmtpDefaultEncoding DefaultEncoding = smtpEnc7bit;
    bool Allow8bitChars = true, FoldHeaders = false, WrapMessageText = false, ConfirmReceipt = false;
    bool OwnHeaders = false;
    TSmtpSendMode SendMode = smtpToSocket;
    TStringList& MailMessage() { return *FMailMessage; }
    // The stream the two stream modes write to; the client owns it until the message is complete.
    void SetOutputStream(std::unique_ptr<TStream> Stream) { FOutputStream = std::move(Stream); }
    std::function<void(std::unique_ptr<TStream>)> OnReleaseStream;

    TSmtpState State() const { return FState; }
    const std::string& ErrorMessage() const { return FErrorMessage; }
    const std::string& LastResponse() const { return FLastResponse; }
    const std::string& MessageId() const { return FMessageId; }
    TStringList& AuthTypesSupported() { return *FAuthTypesSupported; }
    bool Connected() const { return FConnected; }
    TWSocket& CtrlSocket() { return *FCtrlSocket; }

    TSmtpDisplay OnDisplay, OnCommand, OnResponse;
    TSmtpRequestDone OnRequestDone;
    TSmtpSessionEvent OnSessionConnected, OnSessionClosed;
    TSmtpRcptToError OnRcptToError;
    TNotifyEvent OnStateChange;
    TSmtpProcessHeader OnProcessHeader;
    TSmtpHeaderLine OnHeaderLine;
    TSmtpGetData OnGetData;

    void HandleMessage(TNetMessage& Msg) override;
    void AttachToThread() override;
    void DetachFromThread() override;

protected:
    int MessageCountNeeded() const override { return TNetWndControl::MessageCountNeeded() + 3; }
    void RegisterMessages() override;
    void UnregisterMessages() override;
    void AbortOnError() override { Abort(); }

    // Message composition hooks.
    virtual void PrepareEmail() {}
    virtual void HeaderLineHook(std::string&) {}
    // Fills Line with the next body line; More false ends the body.
    virtual void GetData(int LineNum, std::string& Line, bool& More);
    void BuildHeaders();

    void ExecAsync(TSmtpRequest Rq, const std::string& Cmd, std::vector<int> OkResponses,
                   std::function<void()> DoneAsync);
    void TriggerRequestDone(WORD Error);
    void SetErrorMessage();
    void StateChange(TSmtpState NewState);
    std::string SignOnName() const;

    std::unique_ptr<TWSocket> FCtrlSocket;
    std::unique_ptr<TStringList> FRcptName, FMailMessage, FAuthTypesSupported, FHdrLines;
    std::unique_ptr<TStream> FOutputStream;
    TSmtpState FState = smtpReady;
    TSmtpRequest FRequestType = smtpConnect;
    bool FConnected = false, FESmtpSupported = false, FRequestDoneFlag = false;
    std::string FErrorMessage, FLastResponse, FMessageId;
    int FStatusCode = 0;
    int FRequestResult = 0;

private:
    enum TStep {
        stNone,
        stHelo,
        stConnect,
        stMailFrom,
        stRcptTo,
        stData,
        stVrfy,
        stQuit,
        stRset,
        stEhlo,
        stAuth
    };

    void CheckReady() const;
    void SocketDnsLookupDone(TObject*, WORD Error);
    void SocketSessionConnected(TObject*, WORD Error);
    void SocketSessionClosed(TObject*, WORD Error);
    void SocketDataAvailable(TObject*, WORD Error);
    void ProcessLine(const std::string& Line);
    void CheckReply();
    void StartCompound(TSmtpRequest Rq, std::uint16_t Steps);
    void NextStep();
    void RunStep(TStep Step);
    void RcptToNext();
    void AuthStartMethod();
    void AuthFailed();
    void DataNext();
    void SendLine(const std::string& Line, bool MessageLine);
    void SendBodyLine(std::string Line);
    void ReleaseOutputStream();
    void ParseEhloLine(const std::string& Line);
    void PostOwn(UINT Msg, WPARAM W);

    UINT FMsg_WM_SMTP_REQUEST_DONE = 0, FMsg_WM_SMTP_NEXT_LINE = 0, FMsg_WM_SMTP_SPARE = 0;
    std::vector<char> FReceiveBuffer;
    int FReceiveLen = 0;
    std::vector<int> FOkResponses;
    std::function<void()> FNext, FDoneAsync;
    bool FInCompound = false;
    std::uint16_t FPendingSteps = 0;
    TStep FCurrentStep = stNone;
    int FSavedError = 0;
    int FRcptIndex = -1;
    int FLastRcptError = 0;
    int FRcptAccepted = 0; // recipients the server took in this RcptTo
    // Authentication exchange.
    TSmtpAuthType FAuthMethod = smtpAuthNone;
    int FAuthStep = 0;
    // Message transmission.
    int FHdrIndex = -1;
    int FBodyLine = 0;
    bool FMoreData = false;
    bool FInHeader = false;
    bool FAllSentHooked = false;
    // The rest of a body line too long for one line of the message.
    std::string FLineRest;
};
