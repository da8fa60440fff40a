#include "net/SmtpProt.h"

#include "net/LineWSocket.h"
#include "net/Resolution.h"
#include "net/WinsockErrors.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Stream.h"
#include "platform/rtl/StringList.h"
#include "platform/win/WinStructs.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"

#include <algorithm>
#include <cstring>
#include <typeinfo>

namespace smtp_prot_detail {

constexpr int ReceiveBufferSize = 4096;

std::uint16_t Bit(int Step) {
    return static_cast<std::uint16_t>(1u << Step);
}

// The status code of a reply: blanks, an optional sign, digits. Continued is true for "250-".
bool ReadCode(const std::string& Reply, int& Code, bool& Continued) {
    std::size_t i = 0;
    while (i < Reply.size() && (Reply[i] == ' ' || Reply[i] == '\t' || Reply[i] == '\r' || Reply[i] == '\n'))
        ++i;
    if (i < Reply.size() && (Reply[i] == '+' || Reply[i] == '-')) ++i;
    const std::size_t start = i;
    Code = 0;
    while (i < Reply.size() && Reply[i] >= '0' && Reply[i] <= '9' && i - start < 9)
        Code = Code * 10 + (Reply[i++] - '0');
    Continued = i < Reply.size() && Reply[i] == '-';
    return i > start;
}

} // namespace smtp_prot_detail

using smtp_prot_detail::Bit;

void ParseAddress(const std::string& Text, std::string& Name, std::string& Address) {
    Name.clear();
    Address.clear();
    std::size_t i = Text.find_first_not_of(' ');
    if (i == std::string::npos) return;
    const bool hasAngle = Text.find('<', i) != std::string::npos;
    auto between = [&](std::size_t from) {
        const auto open = Text.find('<', from);
        if (open == std::string::npos) return std::string();
        const auto close = Text.find('>', open + 1);
        return Text.substr(open + 1, close == std::string::npos ? std::string::npos : close - open - 1);
    };
    if (Text[i] == '"' || Text[i] == '\'') {
        const char quote = Text[i];
        const auto end = Text.find(quote, i + 1);
        Name = Text.substr(i + 1, end == std::string::npos ? std::string::npos : end - i - 1);
        const std::size_t rest = end == std::string::npos ? Text.size() : end + 1;
        Address = hasAngle ? between(rest) : Trim(Text.substr(rest));
    } else if (hasAngle) {
        Name = Trim(Text.substr(i, Text.find('<', i) - i));
        Address = between(i);
    } else {
        const auto blank = Text.find(' ', i);
        Name = Trim(Text.substr(i, blank == std::string::npos ? std::string::npos : blank - i));
        Address = blank == std::string::npos ? std::string() : Trim(Text.substr(blank));
    }
    if (Address.empty() && Name.find('@') != std::string::npos) {
        Address = Name;
        Name.clear();
    }
}

TCustomSmtpClient::TCustomSmtpClient(TComponent* AOwner)
    : TNetWndControl(AOwner), FCtrlSocket(std::make_unique<TWSocket>(nullptr)),
      FRcptName(std::make_unique<TStringList>()), FMailMessage(std::make_unique<TStringList>()),
      FAuthTypesSupported(std::make_unique<TStringList>()), FHdrLines(std::make_unique<TStringList>()) {
    FReceiveBuffer.resize(smtp_prot_detail::ReceiveBufferSize);
    GetWindowHandle();
    FCtrlSocket->OnDnsLookupDone = TDnsLookupDone(this, &TCustomSmtpClient::SocketDnsLookupDone);
    FCtrlSocket->OnSessionConnected = TSessionConnected(this, &TCustomSmtpClient::SocketSessionConnected);
    FCtrlSocket->OnSessionClosed = TSessionClosed(this, &TCustomSmtpClient::SocketSessionClosed);
    FCtrlSocket->OnDataAvailable = TDataAvailable(this, &TCustomSmtpClient::SocketDataAvailable);
}

TCustomSmtpClient::~TCustomSmtpClient() {
    FCtrlSocket->OnDnsLookupDone = nullptr;
    FCtrlSocket->OnSessionConnected = nullptr;
    FCtrlSocket->OnSessionClosed = nullptr;
    FCtrlSocket->OnDataAvailable = nullptr;
    FCtrlSocket->OnDataSent = nullptr;
    FCtrlSocket.reset();
    FinalizeWindow();
}

void TCustomSmtpClient::RegisterMessages() {
    TNetWndControl::RegisterMessages();
    FMsg_WM_SMTP_REQUEST_DONE = Handler()->RegisterMessage(this);
    FMsg_WM_SMTP_NEXT_LINE = Handler()->RegisterMessage(this);
    FMsg_WM_SMTP_SPARE = Handler()->RegisterMessage(this);
}

void TCustomSmtpClient::UnregisterMessages() {
    Handler()->UnregisterMessage(FMsg_WM_SMTP_SPARE);
    Handler()->UnregisterMessage(FMsg_WM_SMTP_NEXT_LINE);
    Handler()->UnregisterMessage(FMsg_WM_SMTP_REQUEST_DONE);
    TNetWndControl::UnregisterMessages();
}

void TCustomSmtpClient::AttachToThread() {
    TNetWndControl::AttachToThread();
    FCtrlSocket->AttachToThread();
}

void TCustomSmtpClient::DetachFromThread() {
    FCtrlSocket->DetachFromThread();
    TNetWndControl::DetachFromThread();
}

void TCustomSmtpClient::PostOwn(UINT Msg, WPARAM W) {
    PostMessage(GetWindowHandle(), Msg, W, 0);
}

void TCustomSmtpClient::HandleMessage(TNetMessage& Msg) {
    if (Msg.Msg != 0 && Msg.Msg == FMsg_WM_SMTP_REQUEST_DONE) {
        OnRequestDone(this, FRequestType, static_cast<WORD>(Msg.WParam));
        return;
    }
    if (Msg.Msg != 0 && Msg.Msg == FMsg_WM_SMTP_NEXT_LINE) {
        try {
            DataNext();
        } catch (Exception& E) {
            HandleBackgroundError(E);
        }
        return;
    }
    TNetWndControl::HandleMessage(Msg);
}

void TCustomSmtpClient::SetRcptName(TStrings* Value) {
    FRcptName->Assign(Value);
}

void TCustomSmtpClient::StateChange(TSmtpState NewState) {
    if (FState == NewState) return;
    FState = NewState;
    OnStateChange(this);
}

void TCustomSmtpClient::CheckReady() const {
    if (FState != smtpReady && FState != smtpInternalReady) throw SmtpException("SMTP component not ready");
}

void TCustomSmtpClient::SetErrorMessage() {
    if (FErrorMessage.empty()) FErrorMessage = FLastResponse;
}

std::string TCustomSmtpClient::SignOnName() const {
    std::string name = SignOn;
    if (name.empty()) {
        try {
            name = LocalHostName();
        } catch (Exception&) {
            name = "localhost";
        }
    }
    std::replace(name.begin(), name.end(), ' ', '_');
    return name;
}

void TCustomSmtpClient::TriggerRequestDone(WORD Error) {
    if (FRequestDoneFlag) return;
    FRequestDoneFlag = true;
    if (FInCompound && FState != smtpAbort) {
        StateChange(smtpInternalReady);
        FRequestResult = Error;
        NextStep();
        return;
    }
    FInCompound = false;
    StateChange(smtpReady);
    PostOwn(FMsg_WM_SMTP_REQUEST_DONE, Error);
}

// ---- session ----

void TCustomSmtpClient::Connect() {
    CheckReady();
    if (FConnected) throw SmtpException("SMTP component already connected");
    if (!FInCompound) FRequestType = smtpConnect;
    FRequestDoneFlag = false;
    FReceiveLen = 0;
    FRequestResult = 0;
    FESmtpSupported = false;
    if (!FInCompound) FErrorMessage.clear();
    FLastResponse.clear();
    StateChange(smtpDnsLookup);
    FCtrlSocket->SetLocalAddr(LocalAddr);
    try {
        FCtrlSocket->DnsLookup(Host);
    } catch (Exception& E) {
        FLastResponse = "500 " + E.Message();
        FStatusCode = 500;
        SetErrorMessage();
        TriggerRequestDone(500);
    }
}

void TCustomSmtpClient::SocketDnsLookupDone(TObject*, WORD Error) {
    if (FState != smtpDnsLookup) return;
    if (Error != 0) {
        FLastResponse = "500 " + WinsockErrorText(Error) + " (Winsock error #" + std::to_string(Error) + ")";
        FStatusCode = 500;
        SetErrorMessage();
        OnSessionConnected(this, Error);
        OnSessionClosed(this, Error);
        TriggerRequestDone(Error);
        return;
    }
    FCtrlSocket->SetAddr(FCtrlSocket->DnsResult());
    FCtrlSocket->SetLocalAddr(LocalAddr);
    FCtrlSocket->SetProto("tcp");
    try {
        FCtrlSocket->SetPort(Port);
        StateChange(smtpConnecting);
        FCtrlSocket->Connect();
    } catch (Exception& E) {
        FLastResponse = "500 " + TObject::ClassNameOf(typeid(E)) + ": " + E.Message();
        FStatusCode = 500;
        SetErrorMessage();
        FRequestResult = 500;
        TriggerRequestDone(500);
    }
}

void TCustomSmtpClient::SocketSessionConnected(TObject*, WORD Error) {
    if (Error != 0) {
        FLastResponse = "500 " + WinsockErrorText(Error) + " (Winsock error #" + std::to_string(Error) + ")";
        FStatusCode = 500;
        SetErrorMessage();
        FRequestResult = 500;
        TriggerRequestDone(Error);
        FCtrlSocket->Close();
        StateChange(smtpReady);
        return;
    }
    FConnected = true;
    StateChange(smtpWaitingBanner);
}

void TCustomSmtpClient::SocketSessionClosed(TObject*, WORD Error) {
    const bool wasConnected = FConnected;
    FConnected = false;
    ReleaseOutputStream();
    if (FState == smtpAbort) return;
    OnSessionClosed(this, Error);
    if (!wasConnected && FState == smtpReady) return;
    if (FRequestType == smtpQuit || (FInCompound && FCurrentStep == stQuit))
        TriggerRequestDone(0);
    else if (FRequestResult != 0 && FInCompound)
        TriggerRequestDone(static_cast<WORD>(FRequestResult));
    else
        TriggerRequestDone(smtpErrConnectionLost);
}

void TCustomSmtpClient::SocketDataAvailable(TObject*, WORD) {
    const int room = static_cast<int>(FReceiveBuffer.size()) - FReceiveLen - 1;
    if (room <= 0) {
        // A line longer than the whole buffer: the session cannot go on in step with the server.
        FReceiveLen = 0;
        FLastResponse = "500 Reply line too long";
        SetErrorMessage();
        FRequestResult = smtpErrLineTooLong;
        FNext = nullptr;
        TriggerRequestDone(smtpErrLineTooLong);
        FCtrlSocket->Abort();
        return;
    }
    const int n = FCtrlSocket->Receive(FReceiveBuffer.data() + FReceiveLen, room);
    if (n <= 0) return;
    FReceiveLen += n;
    for (;;) {
        const char* data = FReceiveBuffer.data();
        int end = -1;
        for (int i = 0; i + 1 < FReceiveLen; ++i)
            if (data[i] == '\r' && data[i + 1] == '\n') {
                end = i;
                break;
            }
        if (end < 0) break;
        const std::string line(data, end);
        std::memmove(FReceiveBuffer.data(), data + end + 2, FReceiveLen - end - 2);
        FReceiveLen -= end + 2;
        ProcessLine(line);
        if (!FCtrlSocket || FState == smtpAbort) return;
    }
    if (FReceiveLen >= static_cast<int>(FReceiveBuffer.size()) - 1) SocketDataAvailable(nullptr, 0);
}

void TCustomSmtpClient::ProcessLine(const std::string& Line) {
    FLastResponse = Line;
    OnResponse(this, Line);
    if (FCurrentStep == stEhlo || FRequestType == smtpEhlo) ParseEhloLine(Line);
    if (FState == smtpWaitingBanner) {
        OnDisplay(this, Line);
        int code;
        bool continued;
        smtp_prot_detail::ReadCode(Line, code, continued);
        if (continued) return;
        FStatusCode = code;
        if (code != 220) {
            SetErrorMessage();
            FRequestResult = code;
            FCtrlSocket->Close();
            return;
        }
        StateChange(smtpConnected);
        OnSessionConnected(this, 0);
        TriggerRequestDone(0);
        return;
    }
    if (FState == smtpWaitingResponse) {
        if (!FNext) throw SmtpException("Program error: FNext is nil");
        FNext();
        return;
    }
    OnDisplay(this, Line);
}

void TCustomSmtpClient::ParseEhloLine(const std::string& Line) {
    const std::string upper = UpperCase(Trim(Line));
    if (upper.size() <= 9) return;
    const std::string rest = upper.substr(4);
    if (rest.rfind("AUTH ", 0) != 0 && rest.rfind("AUTH=", 0) != 0) return;
    std::string words = rest.substr(5);
    std::replace(words.begin(), words.end(), '=', ' ');
    std::size_t i = 0;
    while (i < words.size()) {
        const auto start = words.find_first_not_of(' ', i);
        if (start == std::string::npos) break;
        const auto end = words.find(' ', start);
        const std::string word =
            words.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (FAuthTypesSupported->IndexOf(word) < 0) FAuthTypesSupported->Add(word);
        i = end == std::string::npos ? words.size() : end;
    }
}

// ---- the command engine ----

void TCustomSmtpClient::ExecAsync(TSmtpRequest Rq, const std::string& Cmd, std::vector<int> OkResponses,
                                  std::function<void()> DoneAsync) {
    CheckReady();
    if (!FConnected) throw SmtpException("SMTP component not connected");
    if (!FInCompound) {
        FRequestType = Rq;
        FCurrentStep = stNone;
    }
    FOkResponses = std::move(OkResponses);
    FRequestDoneFlag = false;
    FNext = [this] { CheckReply(); };
    FDoneAsync = std::move(DoneAsync);
    StateChange(smtpWaitingResponse);
    OnCommand(this, Cmd);
    OnDisplay(this, "> " + Cmd);
    if (FCtrlSocket->State() == wsConnected) FCtrlSocket->SendStr(Cmd + "\r\n");
}

void TCustomSmtpClient::CheckReply() {
    OnDisplay(this, "< " + FLastResponse);
    int code;
    bool continued;
    if (!smtp_prot_detail::ReadCode(FLastResponse, code, continued)) {
        code = smtpErrNoCode;
        continued = false;
    }
    if (continued) return;
    FStatusCode = code;
    if (!FOkResponses.empty()) {
        if (std::find(FOkResponses.begin(), FOkResponses.end(), code) != FOkResponses.end()) {
            FRequestResult = 0;
        } else {
            FRequestResult = code;
            SetErrorMessage();
        }
    } else if (code >= 500) {
        FRequestResult = code;
        SetErrorMessage();
    } else {
        FRequestResult = 0;
    }
    if (FDoneAsync) {
        auto done = std::move(FDoneAsync);
        FDoneAsync = nullptr;
        done();
        return;
    }
    if ((FRequestType == smtpQuit || FCurrentStep == stQuit) && FConnected && FRequestResult == 0) return;
    TriggerRequestDone(static_cast<WORD>(FRequestResult));
}

void TCustomSmtpClient::Helo() {
    ExecAsync(smtpHelo, "HELO " + SignOnName(), {250}, nullptr);
}

void TCustomSmtpClient::Ehlo() {
    FAuthTypesSupported->Clear();
    ExecAsync(smtpEhlo, "EHLO " + SignOnName(), {250}, [this] {
        if (FRequestResult == 0) FESmtpSupported = true;
        TriggerRequestDone(static_cast<WORD>(FRequestResult));
    });
}

void TCustomSmtpClient::Vrfy() {
    std::string name, address;
    ParseAddress(HdrTo, name, address);
    ExecAsync(smtpVrfy, "VRFY " + (address.empty() ? HdrTo : address), {250}, nullptr);
}

void TCustomSmtpClient::MailFrom() {
    std::string name, address;
    ParseAddress(FromName, name, address);
    ExecAsync(smtpMailFrom, "MAIL FROM:<" + address + ">", {250}, nullptr);
}

void TCustomSmtpClient::Rset() {
    ExecAsync(smtpRset, "RSET", {250}, nullptr);
}

void TCustomSmtpClient::Quit() {
    CheckReady();
    if (!FConnected) {
        if (!FInCompound) FRequestType = smtpQuit;
        FRequestDoneFlag = false;
        TriggerRequestDone(0);
        return;
    }
    ExecAsync(smtpQuit, "QUIT", {221}, nullptr);
}

void TCustomSmtpClient::RcptTo() {
    if (FRcptName->Count() == 0) throw SmtpException("RcptName list is empty");
    CheckReady();
    if (!FConnected) throw SmtpException("SMTP component not connected");
    FRcptIndex = -1;
    FLastRcptError = 0;
    FRcptAccepted = 0;
    if (!FInCompound) FRequestType = smtpRcptTo;
    RcptToNext();
}

// Every refused recipient, the last one too, is put to the owner: abort, retry or go on without it.
// Once every recipient had its answer the request succeeds when at least one was taken; with none
// taken there is nobody to send the message to, and the last refusal ends it.
void TCustomSmtpClient::RcptToNext() {
    int next = FRcptIndex + 1;
    if (FLastRcptError != 0) {
        TSmtpRcptToErrorAction action = srteAbort;
        OnRcptToError(this, static_cast<WORD>(FLastRcptError), FRcptIndex, action);
        if (action == srteAbort) {
            FRequestDoneFlag = false;
            TriggerRequestDone(static_cast<WORD>(FLastRcptError));
            return;
        }
        if (action == srteRetry) next = FRcptIndex;
    }
    if (next >= FRcptName->Count()) {
        FRequestDoneFlag = false;
        TriggerRequestDone(static_cast<WORD>(FRcptAccepted > 0 ? 0 : FLastRcptError));
        return;
    }
    FRcptIndex = next;
    FLastRcptError = 0;
    std::string name, address;
    ParseAddress((*FRcptName)[FRcptIndex], name, address);
    StateChange(smtpInternalReady);
    ExecAsync(smtpRcptTo, "RCPT TO:<" + address + ">", {250, 251}, [this] {
        FLastRcptError = FRequestResult;
        if (FRequestResult == 0) ++FRcptAccepted;
        StateChange(smtpInternalReady);
        RcptToNext();
    });
}

void TCustomSmtpClient::Data() {
    CheckReady();
    if (!FInCompound) FRequestType = smtpData;
    FRequestDoneFlag = false;
    FHdrIndex = -1;
    FLineRest.clear();
    FBodyLine = 0;
    FMoreData = true;
    FInHeader = true;
    PrepareEmail();
    BuildHeaders();
    if (SendMode == smtpToStream) {
        StateChange(smtpInternalReady);
        DataNext();
        return;
    }
    ExecAsync(smtpData, "DATA", {354}, [this] {
        if (FRequestResult != 0) {
            TriggerRequestDone(static_cast<WORD>(FRequestResult));
            return;
        }
        StateChange(smtpInternalReady);
        DataNext();
    });
}

void TCustomSmtpClient::GetData(int LineNum, std::string& Line, bool& More) {
    if (OnGetData)
        OnGetData(this, LineNum, Line, More);
    else
        More = false;
}

void TCustomSmtpClient::SendLine(const std::string& Line, bool MessageLine) {
    if (MessageLine) OnDisplay(this, "> " + Line);
    if (SendMode != smtpToSocket && FOutputStream) {
        FOutputStream->Write(Line.data(), static_cast<std::int64_t>(Line.size()));
        FOutputStream->Write("\r\n", 2);
    }
    if (SendMode == smtpToStream) {
        PostOwn(FMsg_WM_SMTP_NEXT_LINE, 0);
        return;
    }
    FAllSentHooked = true;
    FCtrlSocket->OnDataSent = [this](TObject*, WORD) {
        if (!FAllSentHooked) return;
        StateChange(smtpInternalReady);
        DataNext();
    };
    FCtrlSocket->SendStr(Line + "\r\n");
}

// Sends one body line, dot-stuffed. A line longer than a message line may be is split: the rest
// follows as a line of its own.
void TCustomSmtpClient::SendBodyLine(std::string Line) {
    constexpr std::size_t MaxLine = 998;
    FLineRest.clear();
    if (!Line.empty() && Line[0] == '.') Line.insert(Line.begin(), '.');
    if (Line.size() > MaxLine) {
        FLineRest = Line.substr(MaxLine);
        Line.resize(MaxLine);
    }
    SendLine(Line, true);
}

void TCustomSmtpClient::ReleaseOutputStream() {
    if (!FOutputStream) return;
    if (OnReleaseStream)
        OnReleaseStream(std::move(FOutputStream));
    else
        FOutputStream.reset();
}

void TCustomSmtpClient::DataNext() {
    if (SendMode != smtpToStream && !FConnected) {
        FAllSentHooked = false;
        return;
    }
    FAllSentHooked = false;
    if (FInHeader) {
        ++FHdrIndex;
        if (FHdrIndex < FHdrLines->Count()) {
            std::string line = (*FHdrLines)[FHdrIndex];
            HeaderLineHook(line);
            OnHeaderLine(this, line);
            // Header values were cleared of line breaks when the list was built; the hooks may add
            // lines of their own here.
            OnDisplay(this, "> " + line);
            SendLine(line, false);
            return;
        }
        FInHeader = false;
    }
    if (!FLineRest.empty()) {
        SendBodyLine(std::move(FLineRest));
        return;
    }
    if (FMoreData) {
        ++FBodyLine;
        std::string line;
        try {
            GetData(FBodyLine, line, FMoreData);
        } catch (Exception& E) {
            // The message cannot be completed: the transaction is given up, not ended with ".".
            FMoreData = false;
            FLastResponse = "500 " + E.Message();
            SetErrorMessage();
            ReleaseOutputStream();
            FRequestResult = 500;
            FRequestDoneFlag = false;
            FInCompound = false;
            FCtrlSocket->OnDataSent = nullptr;
            TriggerRequestDone(500);
            if (SendMode != smtpToStream) {
                FCtrlSocket->Abort();
                FConnected = false;
            }
            return;
        }
        if (FMoreData) {
            SendBodyLine(std::move(line));
            return;
        }
    }
    ReleaseOutputStream();
    if (SendMode == smtpToStream) {
        FRequestDoneFlag = false;
        TriggerRequestDone(0);
        return;
    }
    FCtrlSocket->OnDataSent = nullptr;
    ExecAsync(smtpData, ".", {250}, nullptr);
}

// ---- compound operations ----

void TCustomSmtpClient::Open() {
    std::uint16_t steps = Bit(stConnect);
    if (AuthType == smtpAuthNone)
        steps |= Bit(stHelo);
    else
        steps |= Bit(stEhlo) | Bit(stAuth);
    StartCompound(smtpOpen, steps);
}

void TCustomSmtpClient::Mail() {
    StartCompound(smtpMail, Bit(stMailFrom) | Bit(stRcptTo) | Bit(stData));
}

void TCustomSmtpClient::StartCompound(TSmtpRequest Rq, std::uint16_t Steps) {
    if (FConnected && (Steps & Bit(stConnect))) throw SmtpException("SMTP component already connected");
    CheckReady();
    FRequestType = Rq;
    FRequestResult = 0;
    FPendingSteps = Steps;
    FCurrentStep = stNone;
    FSavedError = 0;
    FInCompound = true;
    FLastResponse.clear();
    FErrorMessage.clear();
    NextStep();
}

void TCustomSmtpClient::NextStep() {
    if (FState == smtpAbort) {
        FPendingSteps = 0;
        FSavedError = FRequestResult = 426;
        FErrorMessage = "426 Operation aborted.";
    } else if (FRequestResult != 0) {
        // A failed step ends the operation; a refused EHLO included, since authentication was asked
        // for and the session must not go on without it.
        FSavedError = FRequestResult;
        const bool quitPending = (FPendingSteps & Bit(stQuit)) && FCurrentStep != stQuit;
        FPendingSteps = quitPending ? Bit(stQuit) : 0;
        SetErrorMessage();
    }
    static const TStep order[] = {stConnect,  stHelo,   stEhlo, stAuth, stVrfy,
                                  stMailFrom, stRcptTo, stData, stQuit};
    for (TStep step : order) {
        if (FPendingSteps & Bit(step)) {
            FPendingSteps &= static_cast<std::uint16_t>(~Bit(step));
            FCurrentStep = step;
            FRequestResult = 0;
            RunStep(step);
            return;
        }
    }
    FCurrentStep = stNone;
    FInCompound = false;
    FRequestDoneFlag = false;
    TriggerRequestDone(static_cast<WORD>(FSavedError));
}

void TCustomSmtpClient::RunStep(TStep Step) {
    try {
        switch (Step) {
        case stConnect:
            Connect();
            break;
        case stHelo:
            Helo();
            break;
        case stEhlo:
            Ehlo();
            break;
        case stAuth:
            Auth();
            break;
        case stVrfy:
            Vrfy();
            break;
        case stMailFrom:
            MailFrom();
            break;
        case stRcptTo:
            RcptTo();
            break;
        case stData:
            Data();
            break;
        case stQuit:
            Quit();
            break;
        default:
            break;
        }
    } catch (SmtpException& E) {
        FLastResponse = "500 " + E.Message();
        SetErrorMessage();
        FRequestDoneFlag = false;
        FInCompound = false;
        FPendingSteps = 0;
        TriggerRequestDone(500);
    }
}

void TCustomSmtpClient::Abort() {
    ReleaseOutputStream();
    StateChange(smtpAbort);
    FCtrlSocket->OnDataSent = nullptr;
    FCtrlSocket->Abort();
    FConnected = false;
    FInCompound = false;
    StateChange(smtpReady);
}
