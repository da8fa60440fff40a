#include "cd/Cddb.h"

#include "cd/AspiCD.h"
#include "cd/CddbText.h"
#include "cd/LocalCDDB.h"
#include "net/HttpProt.h"
#include "net/LineWSocket.h"
#include "net/Resolution.h"
#include "net/SmtpMessage.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/MemoryStream.h"
#include "platform/rtl/StrConvert.h"
#include "platform/rtl/StrUtils.h"

namespace cddb_detail {

using namespace cddb_state;

// The reply code of a line: its first three characters as a number, -1 when they are not digits.
int ReplyCode(const std::string& Line) {
    if (Line.size() < 3) return -1;
    int code = 0;
    for (int i = 0; i < 3; ++i) {
        const char c = Line[static_cast<std::size_t>(i)];
        if (c < '0' || c > '9') return -1;
        code = code * 10 + (c - '0');
    }
    return code;
}

bool StartsWithDigit(const std::string& Line) {
    return !Line.empty() && Line[0] >= '0' && Line[0] <= '9';
}

template <std::size_t N>
void StoreInFirstEmpty(std::array<std::string, N>& Entries, const std::string& Text) {
    for (std::string& entry : Entries)
        if (entry.empty()) {
            entry = Text;
            return;
        }
}

std::string UpTo(const std::string& Text, char Stop) {
    return Text.substr(0, Text.find(Stop));
}

std::string HttpFailureText(const char* Operation, const std::string& Reason) {
    return std::string("CDDB Component Internal Error: THttpCli.") + Operation +
           " failed because of error \"" + Reason + "\"";
}

const char* SmtpRequestName(int Request) {
    switch (Request) {
    case smtpConnect:
        return "Connect";
    case smtpHelo:
        return "Helo";
    case smtpMail:
        return "Mail";
    case smtpQuit:
        return "Quit";
    default:
        return "";
    }
}

} // namespace cddb_detail

std::vector<std::string> SplitReplyLines(std::string_view Document) {
    std::vector<std::string> lines;
    std::size_t i = 0;
    while (i < Document.size()) {
        std::size_t end = i;
        while (end < Document.size() && Document[end] != '\r' && Document[end] != '\n')
            ++end;
        const std::string_view line = Document.substr(i, end - i);
        lines.emplace_back(line.substr(0, line.find('\0')));
        if (end < Document.size() && Document[end] == '\r' && end + 1 < Document.size() &&
            Document[end + 1] == '\n')
            ++end;
        i = end + 1;
    }
    return lines;
}

TCddb::TCddb(TComponent* AOwner) : TComponent(AOwner) {
    FSocket = std::make_unique<TWSocket>(nullptr);
    FSmtp = std::make_unique<TSmtpCli>(nullptr);
    FHttp = std::make_unique<THttpCli>(nullptr);
    FSendStream = std::make_unique<TMemoryStream>();
    FRcvdStream = std::make_unique<TMemoryStream>();
    FHttp->RcvdStream = FRcvdStream.get();
    FHttp->SendStream = FSendStream.get();

    ClientName = "OLVA CD database client";
    SetNoteToUser("Sent by the OLVA CD database client");
    EmailSubmit = "submit@cddb.olva-audio.example";
    EmailTestSubmit = "test-submit@cddb.olva-audio.example";
    ServerAddr = "cddb.olva-audio.example";
    MailServerPort = FSmtp->Port;

    FSocket->SetLineMode(true);
    FSocket->SetLineEnd("\r\n");
    FSocket->SetProto("tcp");
    FSocket->SetPort("8880");
    FSocket->SetAddr(ServerAddr);
    FSocket->OnSessionConnected = TSessionConnected([this](TObject*, WORD) { SocketConnected(); }, this);
    FSocket->OnSessionClosed = TSessionClosed([this](TObject*, WORD) { SocketClosed(); }, this);
    FSocket->OnDataAvailable = TDataAvailable([this](TObject*, WORD) { SocketDataAvailable(); }, this);
    FHttp->OnCommand = TOnCommand([this](TObject*, std::string& Line) { HttpCommand(Line); }, this);
    FHttp->OnRequestDone =
        THttpRequestDone([this](TObject*, THttpRequest, WORD Error) { HttpRequestDone(Error); }, this);
    FSmtp->OnRequestDone = TSmtpRequestDone(
        [this](TObject*, TSmtpRequest Request, WORD Error) { SmtpRequestDone(Request, Error); }, this);
    FSmtp->OnDisplay = TSmtpDisplay([this](TObject*, const std::string& Text) { DataExchange(Text); }, this);
    FSmtp->OnHeaderLine =
        TSmtpHeaderLine([this](TObject*, std::string& Line) { SmtpHeaderLine(Line); }, this);

    if (IsCDInterfaceAvailable()) {
        InternalTOCRetrieve = true;
        if (ScanCDDrives(FDrives, CDInterface)) {
            ReadCDTOC(FDrives, 0, FCDInfo.TOC, CDInterface);
            FDrives.CurrentDrive = 0;
        }
    } else {
        InternalTOCRetrieve = false;
    }
}

TCddb::~TCddb() {
    FSocket.reset();
    FSmtp.reset();
    FHttp.reset();
    FSendStream.reset();
    FRcvdStream.reset();
}

void TCddb::SetLocalCDDBType(TLocalCDDBType Value) {
    if (Value == lctWIN || Value == lctUNIX) FLocalCDDBType = Value;
}

void TCddb::SetNoteToUser(const std::string& Value) {
    FNoteToUser = Value.substr(0, 70);
}

std::string TCddb::ProxyAddress() const {
    return FHttp->Proxy;
}
void TCddb::SetProxyAddress(const std::string& Value) {
    FHttp->Proxy = Value;
}
std::string TCddb::ProxyPort() const {
    return FHttp->ProxyPort;
}
void TCddb::SetProxyPort(const std::string& Value) {
    FHttp->ProxyPort = Value;
}
std::string TCddb::ProxyUsername() const {
    return FHttp->ProxyUsername;
}
void TCddb::SetProxyUsername(const std::string& Value) {
    FHttp->ProxyUsername = Value;
}
std::string TCddb::ProxyPassword() const {
    return FHttp->ProxyPassword;
}
void TCddb::SetProxyPassword(const std::string& Value) {
    FHttp->ProxyPassword = Value;
}

void TCddb::Status(const std::string& Text) {
    if (OnStatusMessage) OnStatusMessage(this, Text);
}

void TCddb::DataExchange(const std::string& Text) {
    if (OnDataExchange) OnDataExchange(this, Text);
}

bool TCddb::ReadDriveTOC(std::uint8_t Index) {
    if (!InternalTOCRetrieve) {
        Status("No CD-ROM interface detected!");
        return false;
    }
    ScanCDDrives(FDrives, CDInterface);
    if (Index >= FDrives.Count) return false;
    const bool failed = ReadCDTOC(FDrives, Index, FCDInfo.TOC, CDInterface);
    if (failed) Status("No CD in CD/DVD drive!");
    FCDInfo.DiscId = DiscIdText(CddbDiscId(FCDInfo.TOC));
    FDrives.CurrentDrive = Index;
    return !failed;
}

std::string TCddb::GetDrivePath() {
    if (!InternalTOCRetrieve) {
        Status("No CD-ROM interface detected!");
        return std::string();
    }
    return FDrives.Drives[FDrives.CurrentDrive].DevicePath;
}

std::string TCddb::HelloPart() const {
    std::string localHost;
    try {
        localHost = LocalHostName();
    } catch (Exception&) {
    }
    return CddbEscape(HelloUserText(EmailUser, localHost)) + "+" + CddbEscape(HelloWord(ClientName)) + "+" +
           CddbEscape(HelloWord(ClientVersion));
}

bool TCddb::StartGet(const std::string& Url, int State) {
    FRcvdStream->Clear();
    FRcvdStream->SetPosition(0);
    FHttp->RcvdStream = FRcvdStream.get();
    FHttp->URL = Url;
    DataExchange(Url + "\r\n");
    try {
        FHttp->GetASync();
    } catch (Exception&) {
        FRequestState = cddb_state::HttpFailed;
        Status(cddb_detail::HttpFailureText("GetAsync", FHttp->ReasonPhrase()));
        return true;
    }
    FRequestState = State;
    return false;
}

bool TCddb::Query() {
    if (ServerType != HTTP) {
        Status("Selected server not an HTTP server");
        return true;
    }
    const std::string url = "http://" + ServerAddr + ":" + ServerPort + ServerAdditionalAddr +
                            "?cmd=" + CddbEscape(CddbQueryCommand(FCDInfo.TOC)) + "&hello=" + HelloPart() +
                            "&proto=5";
    Status("Querying CD");
    return StartGet(url, cddb_state::QuerySent);
}

bool TCddb::ReadEntry() {
    // Only a query that ended with a match chosen names an entry to read.
    if (FRequestState != cddb_state::MatchChosen) {
        Status("Can't perform a CDDB READ without a successful CDDB QUERY!");
        return true;
    }
    if (ServerType != HTTP) {
        Status("Selected server not an HTTP server");
        return true;
    }
    const std::string category = Trim(FCDInfo.Category), discId = Trim(FCDInfo.DiscId);
    // Both go into the address unescaped, so nothing but letters and hex digits may pass. The lookup
    // ends here, so the state says so before the owner hears why.
    if (!IsValidCategory(category) || !IsValidDiscId(discId)) {
        FRequestState = cddb_state::NoUsableMatch;
        Status("Can't perform a CDDB READ without a valid category and disc ID!");
        return true;
    }
    const std::string url = "http://" + ServerAddr + ":" + ServerPort + ServerAdditionalAddr +
                            "?cmd=cddb+read+" + category + "+" + discId + "&hello=" + HelloPart() +
                            "&proto=5";
    Status("Reading CD info");
    return StartGet(url, cddb_state::ReadSent);
}

int TCddb::ParseEntry() {
    const std::string category = FCDInfo.Category;
    TLocalCDDB local;
    const int result = local.ParseEntry(FCDInfo, FEntryLines);
    if (result == -4) Status("The entry is corrupt");
    RereadTOC();
    FCDInfo.Category = category;
    return result;
}

void TCddb::AbortRequest() {
    FHttp->Abort();
}

void TCddb::HttpRequestDone(WORD Error) {
    using namespace cddb_state;
    const int state = FRequestState;
    if (Error != 0 || FHttp->StatusCode() != 200) {
        FRequestState = HttpFailed;
        const std::string reason = Error != 0 ? FHttp->ReasonPhrase()
                                              : Format("%d %s", {FHttp->StatusCode(), FHttp->ReasonPhrase()});
        Status(cddb_detail::HttpFailureText(state == SubmissionSent ? "PostAsync" : "GetAsync", reason));
        return;
    }
    void (TCddb::*handler)(const std::string&) = nullptr;
    switch (state) {
    case QuerySent:
        handler = &TCddb::QueryReply;
        break;
    case ServerListRequested:
        handler = &TCddb::ServerListReply;
        break;
    case ReadSent:
        handler = &TCddb::ReadReply;
        break;
    case SubmissionSent:
        handler = &TCddb::SubmissionReply;
        break;
    default:
        return;
    }
    const std::string_view document(static_cast<const char*>(FRcvdStream->Memory()),
                                    static_cast<std::size_t>(FRcvdStream->Size()));
    for (const std::string& line : SplitReplyLines(document)) {
        DataExchange(line);
        (this->*handler)(line);
        // A query or read reply is complete once it settled the request (its terminating ".", or a
        // reply of one line): whatever follows belongs to nothing.
        if (FRequestState != state && (state == QuerySent || state == ReadSent)) break;
    }
    // A reply that stopped short (empty, without a status line, a list without its ".") still ends
    // the request, so the owner stops waiting and can say why.
    if (FRequestState == QuerySent && state == QuerySent) {
        FRequestState = NoUsableMatch;
        Status("The CD database sent an incomplete reply");
    } else if (FRequestState == ReadSent && state == ReadSent) {
        FRequestState = ReadFailed;
        Status("The CD database sent an incomplete entry");
    }
    if (handler == &TCddb::ReadReply) ParseEntry();
}

void TCddb::ChooseMatch() {
    using namespace cddb_state;
    int count = 0;
    while (count < static_cast<int>(FMatches.size()) && !FMatches[static_cast<std::size_t>(count)].empty())
        ++count;
    int rightOne = 0;
    if (OnMatch) OnMatch(this, FMatches, rightOne);
    // A choice outside the list is no choice.
    if (rightOne < 0 || rightOne >= count) {
        FRequestState = NoUsableMatch;
        return;
    }
    // "category discid title": the entry is read under the identifier the server named, which for an
    // exact match may be another disc's that the server found equal to this one.
    const std::string m = Trim(FMatches[static_cast<std::size_t>(rightOne)]);
    FCDInfo.Category = cddb_detail::UpTo(m, ' ');
    const auto blank = m.find(' ');
    FCDInfo.DiscId = blank == std::string::npos ? std::string() : m.substr(blank + 1, 8);
    FRequestState = MatchChosen;
}

void TCddb::QueryReply(const std::string& Line) {
    using namespace cddb_state;
    const int code = cddb_detail::ReplyCode(Line);
    if (Line == ".") {
        FRequestState = MatchListComplete;
        Status("Received matches");
        ChooseMatch();
    } else if (code == 200) {
        FRequestState = MatchChosen;
        Status("Found exact match");
        FMatches = {};
        FMatches[0] = EntryTextToUtf8(Trim(Line.size() > 4 ? Line.substr(4) : std::string()));
        ChooseMatch();
    } else if (code == 210 || code == 211) {
        Status(code == 210 ? "Found exact matches" : "Found inexact matches");
        FMatches = {};
        Status("OK, receiving matches");
    } else if (code == 202) {
        FRequestState = NoUsableMatch;
        Status("No match found");
    } else if (code == 403) {
        FRequestState = NoUsableMatch;
        Status("Database entry is corrupt");
    } else if (code == 409) {
        FRequestState = NoUsableMatch;
        FShook = false;
        Status("No handshake");
    } else if (cddb_detail::StartsWithDigit(Line)) {
        // A server error ends the query; the state changes before the owner hears about it.
        if (code < 0 || code >= 400) FRequestState = NoUsableMatch;
        GeneralReply(Line);
    } else {
        cddb_detail::StoreInFirstEmpty(FMatches, EntryTextToUtf8(Trim(Line)));
    }
}

void TCddb::ReadReply(const std::string& Line) {
    using namespace cddb_state;
    const int code = cddb_detail::ReplyCode(Line);
    if (code == 210) {
        Status("OK, CDDB database entry follows");
        FEntryLines = {};
    } else if (code == 401) {
        FRequestState = ReadFailed;
        Status("Specified CDDB entry not found");
    } else if (code == 402) {
        FRequestState = ReadFailed;
        GeneralReply(Line);
    } else if (code == 403) {
        FRequestState = ReadFailed;
        Status("Database entry is corrupt");
    } else if (code == 409) {
        FRequestState = ReadFailed;
        FShook = false;
        Status("No handshake");
    } else if (Line == ".") {
        // The end of an entry that already failed is no successful read.
        if (FRequestState == ReadFailed) return;
        FRequestState = EntryRead;
        Status("Entry read");
    } else if (!Line.empty() && std::string_view("#TDEP").find(Line[0]) != std::string_view::npos) {
        // Kept as sent: a value split over several lines is joined with its blanks.
        cddb_detail::StoreInFirstEmpty(FEntryLines, Line);
    } else {
        FRequestState = ReadFailed;
        GeneralReply(Line);
    }
}

void TCddb::ServerListReply(const std::string& Line) {
    using namespace cddb_state;
    const int code = cddb_detail::ReplyCode(Line);
    if (Line.rfind(".", 0) == 0) {
        FRequestState = ServerListComplete;
        Status("Got sites");
    } else if (code == 210) {
        Status("OK, receiving sites");
        FSites = {};
    } else if (code == 401) {
        Status("No site information available");
        FRequestState = NoServerList;
    } else {
        for (TServer& site : FSites) {
            if (!site.Site.empty()) continue;
            std::vector<std::string> words;
            std::size_t at = 0;
            // Six words, then the rest of the line as the description.
            while (words.size() < 6 && at < Line.size()) {
                const auto start = Line.find_first_not_of(' ', at);
                if (start == std::string::npos) break;
                const auto end = Line.find(' ', start);
                words.push_back(Line.substr(start, end - start));
                at = end == std::string::npos ? Line.size() : end;
            }
            words.resize(6);
            site.Site = words[0];
            site.Protocol = LowerCase(words[1]) == "http" ? HTTP : CDDBP;
            TryStrToInt(words[2], site.Port);
            site.Address = words[3];
            site.Location = {words[4], words[5], Trim(at < Line.size() ? Line.substr(at) : std::string())};
            break;
        }
    }
}

void TCddb::SubmissionReply(const std::string& Line) {
    using namespace cddb_state;
    switch (cddb_detail::ReplyCode(Line)) {
    case 200:
        FRequestState = SubmissionAccepted;
        Status("OK, submission has been sent.");
        break;
    case 500:
        FRequestState = SubmissionRefused;
        Status("Missing required header information.");
        break;
    case 501:
        FRequestState = SubmissionRefused;
        Status("Invalid header information.");
        break;
    default:
        break;
    }
}

void TCddb::GeneralReply(const std::string& Line) {
    const int code = cddb_detail::ReplyCode(Line);
    if (code < 0) {
        Status("Unexpected reply line: " + Line);
        return;
    }
    std::string text;
    switch (code) {
    case 402:
        text = "Server error";
        break;
    case 408:
        text = "CGI environment error";
        break;
    case 500:
        text = "Command syntax error, command unknown, command unimplemented";
        break;
    case 530:
        text = "Server error, server timeout";
        FShook = false;
        break;
    default: {
        static const char* const kinds[] = {"",
                                            "Informative message",
                                            "Command OK",
                                            "Command OK so far",
                                            "Command OK, but cannot be performed",
                                            "Command unimplemented, incorrect, or program error"};
        const int kind = code / 100;
        text = kind >= 1 && kind <= 5 ? kinds[kind] : "";
        switch (code % 100) {
        case 0:
            text += ", ready for further commands";
            break;
        case 10:
            text += ", more server-to-client output follows";
            break;
        case 20:
            text += ", more client-to-server input follows";
            break;
        case 30:
            text += ", connection will close";
            FRequestState = cddb_state::NotConnected;
            FShook = false;
            break;
        default:
            break;
        }
    }
    }
    Status(text);
}

void TCddb::HttpCommand(std::string& Line) {
    if (FRequestState != cddb_state::SubmissionSent || Line.rfind("Content-Length:", 0) != 0) return;
    const std::string crlf = "\r\n";
    Line += crlf + "Category: " + Trim(FCDInfo.Category) + crlf + "Discid: " + FCDInfo.DiscId + crlf +
            "User-Email: " + EmailUser + crlf +
            "Submit-Mode: " + (SubmissionType == TEST ? "test" : "submit") + crlf +
            "X-Cddbd-Note: " + FNoteToUser;
}

void TCddb::SocketConnected() {
    FRequestState = cddb_state::Connected;
}

void TCddb::SocketClosed() {
    const int was = FRequestState;
    FRequestState = cddb_state::NotConnected;
    if (was != cddb_state::NotConnected) Status("Connection closed");
}

void TCddb::SocketDataAvailable() {
    using namespace cddb_state;
    const std::string line = Trim(FSocket->ReceiveStr());
    if (line.empty()) return;
    DataExchange(line);
    switch (FRequestState) {
    case Connected:
        BannerReply(line);
        break;
    case HandshakeSent:
        HandshakeReply(line);
        break;
    case QuerySent:
        QueryReply(line);
        break;
    case ServerListRequested:
        ServerListReply(line);
        break;
    case ProtocolLevelRequested:
        ProtocolReply(line);
        break;
    case ReadSent:
        ReadReply(line);
        break;
    case QuitSent:
        Status("Connection closed");
        FRequestState = NotConnected;
        break;
    default:
        GeneralReply(line);
        break;
    }
}

void TCddb::BannerReply(const std::string& Line) {
    using namespace cddb_state;
    switch (cddb_detail::ReplyCode(Line)) {
    case 200:
        FShook = false;
        Status("OK, read/write allowed");
        FRequestState = BannerReadWrite;
        break;
    case 201:
        FShook = false;
        Status("OK, read only");
        FRequestState = BannerReadOnly;
        break;
    case 432:
    case 433:
    case 434: {
        const int code = cddb_detail::ReplyCode(Line);
        FRequestState = NotConnected;
        FShook = false;
        Status(code == 432   ? "No connections allowed: permission denied"
               : code == 433 ? "No connections allowed: X users allowed, Y currently active"
                             : "No connections allowed: system load too high");
        break;
    }
    default:
        GeneralReply(Line);
    }
}

void TCddb::HandshakeReply(const std::string& Line) {
    using namespace cddb_state;
    switch (cddb_detail::ReplyCode(Line)) {
    case 200:
        FRequestState = HandshakeDone;
        FShook = true;
        Status("Handshake successful");
        break;
    case 402:
        FRequestState = HandshakeDone;
        FShook = true;
        Status("Already shook hands");
        break;
    case 431:
        FRequestState = NotConnected;
        FShook = false;
        Status("Handshake not successful, closing connection");
        break;
    default:
        GeneralReply(Line);
    }
}

void TCddb::ProtocolReply(const std::string& Line) {
    using namespace cddb_state;
    switch (cddb_detail::ReplyCode(Line)) {
    case 201:
        FRequestState = ProtocolLevel5;
        Status("OK, protocol level now: 5");
        break;
    case 501:
        FRequestState = Connected;
        Status("Illegal protocol level");
        break;
    case 502:
        FRequestState = ProtocolLevel5;
        Status("Protocol level already 5");
        break;
    default:
        GeneralReply(Line);
    }
}

void TCddb::SmtpRequestDone(int Request, WORD Error) {
    if (Error != 0) {
        FRequestState = cddb_state::MailSubmissionFailed;
        Status(Format("CDDB Component Internal Error: TSmtpCli.%s failed because of error \"%s\"",
                      {std::string(cddb_detail::SmtpRequestName(Request)), FSmtp->ErrorMessage()}));
        return;
    }
    switch (Request) {
    case smtpConnect:
        FSmtp->Helo();
        break;
    case smtpHelo:
        FSmtp->Mail();
        break;
    case smtpMail:
        FSmtp->Quit();
        break;
    case smtpQuit:
        Status("OK, submission has been sent.");
        break;
    default:
        break;
    }
}

void TCddb::SmtpHeaderLine(std::string& Line) {
    if (LowerCase(Line.substr(0, 5)) == "from:") Line += "\r\nX-Cddbd-Note: " + FNoteToUser;
}
