// TCddb: the CD database client. It reads a disc's table of contents through drive access, computes
// the disc identifier, asks an online CD database (protocol level 5) for matching entries with
// "cddb query" and fetches the chosen one with "cddb read", both as HTTP GET requests, and parses the
// entry into its disc record. Replies arrive from the message loop; every outcome is reported as a
// status text. The component also carries the reply handlers of the database's own line protocol (on
// its socket) and of submissions (over HTTP or mail), which run when such replies arrive.
#pragma once

#include "cd/CDInfo.h"
#include "platform/rtl/Component.h"
#include "platform/rtl/ObjectEvent.h"
#include "platform/rtl/WinTypes.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TWSocket;
class TSmtpCli;
class THttpCli;
class TMemoryStream;

enum TServerType { CDDBP = 0, HTTP = 1 };
enum TSubmissionType { TEST = 0, SUBMIT = 1 };
enum TLocalCDDBType { lctWIN = 0, lctUNIX = 1 };

struct TLocation {
    std::string Latitude;
    std::string Longitude;
    std::string Description;
};

struct TServer {
    std::string Site;
    std::string Address; // the server's path
    TServerType Protocol = CDDBP;
    int Port = 0;
    TLocation Location;
};

using TServerArray = std::array<TServer, 100>;

using TStatusEvent = TEvent<TObject*, const std::string&>;
// The matches of a query and the index of the one to read (-1 for none).
using TMatchEvent = TEvent<TObject*, const TMatchArray&, int&>;

// What the client is doing; RequestState() holds one of these.
namespace cddb_state {
inline constexpr int NotConnected = -1;
inline constexpr int Connected = 0;
inline constexpr int HandshakeSent = 1;
inline constexpr int HandshakeDone = 2;
inline constexpr int MatchChosen = 3;
inline constexpr int MatchListComplete = 4;
inline constexpr int NoUsableMatch = 5;
inline constexpr int QuerySent = 6;
inline constexpr int ServerListRequested = 7;
inline constexpr int ServerListComplete = 8;
inline constexpr int ProtocolLevelRequested = 9;
inline constexpr int ProtocolLevel5 = 10;
inline constexpr int ReadSent = 11;
inline constexpr int EntryRead = 12;
inline constexpr int ReadFailed = 13;
inline constexpr int SubmissionSent = 14;
inline constexpr int QuitSent = 15;
inline constexpr int HttpFailed = 16;
inline constexpr int BannerReadOnly = 17;
inline constexpr int BannerReadWrite = 18;
inline constexpr int NoServerList = 19;
inline constexpr int MailSubmissionFailed = 21;
inline constexpr int SubmissionAccepted = 22;
inline constexpr int SubmissionRefused = 23;
} // namespace cddb_state

class TCddb : public TComponent {
public:
    explicit TCddb(TComponent* AOwner);
    ~TCddb() override;

    // ---- Settings
    bool InternalTOCRetrieve = false;
    TCDInterface CDInterface = cdiAutoDetect;
    std::string LocalCDDBPath = ".\\";
    std::string LocalCDDBDLLPath = ".\\LocalCDDB.dll";
    std::string EmailUser;
    std::string EmailSubmit;
    std::string EmailTestSubmit;
    std::string ServerAddr;
    std::string ServerAdditionalAddr = "/~cddb/cddb.cgi";
    std::string ServerPort;
    TServerType ServerType = CDDBP;
    std::string ServerLatitude, ServerLongitude, ServerDescription;
    TSubmissionType SubmissionType = TEST;
    std::string MailServerAddress;
    std::string MailServerPort;
    std::string ClientName;
    std::string ClientVersion = "v0.1.76 Development";
    std::string ClientComments;

    TLocalCDDBType LocalCDDBType() const { return FLocalCDDBType; }
    // Values other than the two are ignored.
    void SetLocalCDDBType(TLocalCDDBType Value);
    const std::string& NoteToUser() const { return FNoteToUser; }
    // Keeps the first 70 characters.
    void SetNoteToUser(const std::string& Value);
    // The HTTP client's proxy settings.
    std::string ProxyAddress() const;
    void SetProxyAddress(const std::string& Value);
    std::string ProxyPort() const;
    void SetProxyPort(const std::string& Value);
    std::string ProxyUsername() const;
    void SetProxyUsername(const std::string& Value);
    std::string ProxyPassword() const;
    void SetProxyPassword(const std::string& Value);

    // ---- Operations
    // Rescans the drives and reads the table of contents of drive Index into CDInfo().TOC, with the
    // disc identifier; true on success. An index past the drives changes nothing and gives false.
    bool ReadDriveTOC(std::uint8_t Index);
    bool RereadTOC() { return ReadDriveTOC(FDrives.CurrentDrive); }
    // The device path of the current drive; empty (with a status) without drive access.
    std::string GetDrivePath();
    // Starts the query for the disc; true when the request was NOT started.
    bool Query();
    // Starts reading the chosen match; true when the request was NOT started. Allowed only right after
    // a query that ended with a match chosen, and only for a category of letters and a disc identifier
    // of 8 hex digits.
    bool ReadEntry();
    // Parses the entry lines read into CDInfo() (0, or -4 for a corrupt entry) and reads the disc's
    // table of contents again.
    int ParseEntry();
    void AbortRequest();

    TCDInfo& CDInfo() { return FCDInfo; }
    const TCDDriveTable& Drives() const { return FDrives; }
    int RequestState() const { return FRequestState; }
    bool Shook() const { return FShook; }
    const TMatchArray& Matches() const { return FMatches; }
    const TEntryArray& EntryLines() const { return FEntryLines; }
    const TServerArray& Sites() const { return FSites; }
    // The line-protocol socket, the mail client and the HTTP client the component owns.
    TWSocket& Socket() { return *FSocket; }
    TSmtpCli& SmtpClient() { return *FSmtp; }
    THttpCli& HttpClient() { return *FHttp; }

    // ---- Events
    TStatusEvent OnStatusMessage;
    TStatusEvent OnDataExchange;
    TMatchEvent OnMatch;

private:
    void Status(const std::string& Text);
    void DataExchange(const std::string& Text);
    bool StartGet(const std::string& Url, int State);
    std::string HelloPart() const;

    void HttpRequestDone(WORD Error);
    void HttpCommand(std::string& Line);
    void QueryReply(const std::string& Line);
    void ReadReply(const std::string& Line);
    void ServerListReply(const std::string& Line);
    void SubmissionReply(const std::string& Line);
    void GeneralReply(const std::string& Line);
    void ChooseMatch();

    void SocketConnected();
    void SocketClosed();
    void SocketDataAvailable();
    void BannerReply(const std::string& Line);
    void HandshakeReply(const std::string& Line);
    void ProtocolReply(const std::string& Line);

    // Request is the mail client's request code.
    void SmtpRequestDone(int Request, WORD Error);
    void SmtpHeaderLine(std::string& Line);

    std::unique_ptr<TWSocket> FSocket;
    std::unique_ptr<TSmtpCli> FSmtp;
    std::unique_ptr<THttpCli> FHttp;
    std::unique_ptr<TMemoryStream> FSendStream;
    std::unique_ptr<TMemoryStream> FRcvdStream;

    TCDDriveTable FDrives;
    TCDInfo FCDInfo;
    TMatchArray FMatches;
    TEntryArray FEntryLines;
    TServerArray FSites;
    int FRequestState = cddb_state::NotConnected;
    bool FShook = false;
    TLocalCDDBType FLocalCDDBType = lctUNIX;
    std::string FNoteToUser;
};

// The lines of a reply document: each ends at CR LF, a lone CR or a lone LF (a last line without an
// end counts too) and stops at a zero byte.
std::vector<std::string> SplitReplyLines(std::string_view Document);
