#include "net/SmtpMessage.h"

#include "net/Base64.h"
#include "net/ByteSet.h"
#include "net/HeaderEncoding.h"
#include "net/HeaderFolding.h"
#include "net/MimeUtils.h"
#include "net/QuotedPrintable.h"
#include "net/Resolution.h"
#include "platform/rtl/FileNames.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Stream.h"
#include "platform/rtl/StringList.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <random>

namespace smtp_message_detail {

const char* EncodingName(TSmtpDefaultEncoding E) {
    static const char* const names[] = {"7bit", "8bit", "quoted-printable", "base64"};
    return names[E];
}

const char* ContentTypeText(TSmtpContentType T) {
    return T == smtpHtml ? "text/html" : "text/plain";
}

TByteSet HeaderSpecials() {
    return MakeByteSet("\"(),.:;<>@[\\]");
}

// Header values never carry a line break of their own: one would start a header line of its own.
std::string OneLine(const std::string& Value) {
    std::string result;
    for (char c : Value)
        if (c != '\r' && c != '\n') result += c;
    return result;
}

// The local time with its offset from UTC, in the form mail headers use.
std::string DateText(std::time_t Now) {
    static const char* const days[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::tm local{};
    if (!localtime_r(&Now, &local)) return "";
    const long offset = local.tm_gmtoff / 60;
    const long absOffset = offset < 0 ? -offset : offset;
    char text[64];
    std::snprintf(text, sizeof text, "%s, %d %s %04d %02d:%02d:%02d %c%02ld%02ld", days[local.tm_wday],
                  local.tm_mday, months[local.tm_mon], local.tm_year + 1900, local.tm_hour, local.tm_min,
                  local.tm_sec, offset < 0 ? '-' : '+', absOffset / 60, absOffset % 60);
    return text;
}

std::string NewMessageId() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    char text[64];
    std::snprintf(text, sizeof text, "%04d%02d%02d%02d%02d%02d%03d.", utc.tm_year + 1900, utc.tm_mon + 1,
                  utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec, static_cast<int>(ms));
    static std::mt19937 random{std::random_device{}()};
    std::string id = text;
    for (int i = 0; i < 4; ++i) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "%04X", static_cast<unsigned>(random() % 32767));
        id += hex;
    }
    std::string host;
    try {
        host = LocalHostName();
    } catch (Exception&) {
        host = "localhost";
    }
    return id + "@" + host;
}

} // namespace smtp_message_detail

using namespace std::string_literals;

// One address header line built from a list of addresses separated by "," or ";".
void EncodeAddressHeader(TStrings& List, const std::string& Name, const std::string& Value, char EncType,
                         const std::string& CharSet, bool Allow8Bit, bool Fold) {
    std::vector<std::string> items;
    std::string item;
    char quote = 0;
    for (std::size_t i = 0; i <= Value.size(); ++i) {
        const char c = i < Value.size() ? Value[i] : ',';
        if (quote) {
            if (c == quote) quote = 0;
            item += c;
        } else if (c == '"' || c == '\'') {
            quote = c;
            item += c;
        } else if (c == ',' || c == ';' || c == '\r' || c == '\n') {
            const auto start = item.find_first_not_of(" \t");
            if (start != std::string::npos) items.push_back(item.substr(start));
            item.clear();
        } else {
            item += c;
        }
    }
    std::string list;
    for (const auto& text : items) {
        std::string name, address;
        ParseAddress(text, name, address);
        if (name.empty()) {
            list += address + ",";
            continue;
        }
        if (!Allow8Bit && NeedsEncoding(name)) {
            name = HdrEncodeInLine(name, smtp_message_detail::HeaderSpecials(), EncType, CharSet,
                                   76 - static_cast<int>(Name.size()), Fold);
        } else {
            std::string quoted = "\"";
            for (char c : name) {
                if (c == '"' || c == '\\') quoted += '\\';
                quoted += c;
            }
            name = quoted + "\"";
        }
        list += name + " <" + address + ">,";
    }
    while (!list.empty() && list.back() == ',')
        list.pop_back();
    const std::string line = Trim(Name) + " " + Trim(list);
    if (Fold && line.size() > 76)
        FoldHdrLine(List, line);
    else
        List.Add(line);
}

void TCustomSmtpClient::BuildHeaders() {
    using namespace smtp_message_detail;
    FHdrLines->Clear();
    if (OwnHeaders) return;
    const char letter = DefaultEncoding == smtpEncBase64 ? 'B' : 'Q';
    const bool encodeAddresses = !Allow8bitChars || FoldHeaders;
    auto address = [&](const char* Name, const std::string& Value) {
        const std::string value = OneLine(Value);
        if (Trim(value).empty()) return;
        if (encodeAddresses)
            EncodeAddressHeader(*FHdrLines, Name, value, letter, CharSet, Allow8bitChars, FoldHeaders);
        else
            FHdrLines->Add(std::string(Name) + " " + Trim(value));
    };
    address("Reply-To:", HdrReplyTo);
    address("Return-Path:", HdrReturnPath);
    address("From:", HdrFrom);
    address("To:", HdrTo);
    address("Cc:", HdrCc);
    const std::string subject = OneLine(HdrSubject);
    if (Allow8bitChars && !FoldHeaders) {
        FHdrLines->Add("Subject: " + Trim(subject));
    } else if (!Allow8bitChars && NeedsEncoding(subject)) {
        FHdrLines->Add("Subject: " +
                       HdrEncodeInLine(subject, HeaderSpecials(), letter, CharSet, 66, FoldHeaders));
    } else {
        FoldHdrLine(*FHdrLines, "Subject: " + subject);
    }
    address("Sender:", !Trim(HdrSender).empty() ? HdrSender : HdrFrom);
    FHdrLines->Add("Mime-Version: 1.0");
    FHdrLines->Add("Content-Type: "s + ContentTypeText(ContentType) + "; charset=\"" + CharSet + "\"");
    FHdrLines->Add("Date: " + DateText(std::time(nullptr)));
    if (HdrPriority != smtpPriorityNone) {
        FHdrLines->Add("X-Priority: " + std::to_string(static_cast<int>(HdrPriority)));
        if (HdrPriority <= smtpPriorityHigh) {
            FHdrLines->Add("Priority: urgent");
            FHdrLines->Add("X-MSMail-Priority: High");
        } else if (HdrPriority == smtpPriorityNormal) {
            FHdrLines->Add("Priority: Normal");
            FHdrLines->Add("X-MSMail-Priority: Normal");
        } else {
            FHdrLines->Add("Priority: non-urgent");
            FHdrLines->Add("X-MSMail-Priority: Low");
        }
    }
    FMessageId = NewMessageId();
    FHdrLines->Add("Message-ID: <" + FMessageId + ">");
    if (ConfirmReceipt) address("Disposition-Notification-To:", HdrFrom);
    FHdrLines->Add("X-Mailer: OLVA SMTP Component V6.4");
    OnProcessHeader(this, FHdrLines.get());
    FHdrLines->Add("");
}

// ---- TSmtpCli ----

TSmtpCli::TSmtpCli(TComponent* AOwner)
    : TCustomSmtpClient(AOwner), FEmailFiles(std::make_unique<TStringList>()),
      FPreLines(std::make_unique<TStringList>()) {}

TSmtpCli::~TSmtpCli() = default;

void TSmtpCli::SetEmailFiles(TStrings* Value) {
    TStringList files;
    for (int i = 0; Value && i < Value->Count(); ++i) {
        const std::string name = Trim((*Value)[i]);
        if (name.empty()) continue;
        if (!FileExists(name)) throw SmtpException("File not found '" + name + "'");
        files.Add(name);
    }
    FEmailFiles->Assign(&files);
}

void TSmtpCli::PrepareEmail() {
    using namespace smtp_message_detail;
    FTextPhase = true;
    FFileIndex = 0;
    FUserLine = 0;
    FAttachStream.reset();
    FBodyEncoding = DefaultEncoding;
    FMailMsgText.clear();
    for (int i = 0; i < MailMessage().Count(); ++i)
        FMailMsgText += MailMessage()[i] + "\r\n";
    FMailMsgTextPos = FMailMsgText.empty() ? 0 : 1;
    if (!FMailMsgText.empty() && (FBodyEncoding == smtpEnc7bit || FBodyEncoding == smtpEnc8bit) &&
        !Allow8bitChars && NeedsEncoding(FMailMsgText))
        FBodyEncoding = smtpEncQuotedPrintable;
    FPreLines->Clear();
    if (FEmailFiles->Count() == 0) {
        FBoundary.clear();
        return;
    }
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[16];
    std::strftime(stamp, sizeof stamp, "%m%d%y%H%M", &local);
    FBoundary = "= Multipart Boundary "s + stamp;
    FPreLines->Add("This is a multipart MIME message.");
    FPreLines->Add("");
    FPreLines->Add("--" + FBoundary);
    FPreLines->Add("Content-Type: "s + ContentTypeText(ContentType) + "; charset=\"" + CharSet + "\"");
    FPreLines->Add("Content-Transfer-Encoding: "s + EncodingName(FBodyEncoding));
    FPreLines->Add("");
}

void TSmtpCli::HeaderLineHook(std::string& Line) {
    if (!FBoundary.empty()) {
        if (Line.size() >= 13 && UpperCase(Line.substr(0, 13)) == "CONTENT-TYPE:")
            Line = "Content-Type: multipart/mixed;\r\n\tboundary=\"" + FBoundary + "\"";
    } else if (Line.size() >= 18 && UpperCase(Line.substr(0, 18)) == "CONTENT-TYPE: TEXT" &&
               FBodyEncoding != smtpEnc7bit) {
        Line += "\r\nContent-Transfer-Encoding: "s + smtp_message_detail::EncodingName(FBodyEncoding);
    }
}

void TSmtpCli::GetData(int LineNum, std::string& Line, bool& More) {
    if (FPreLines->Count() > 0) {
        Line = (*FPreLines)[0].substr(0, 1023);
        FPreLines->Delete(0);
        return;
    }
    if (FTextPhase) {
        if (FMailMsgTextPos > 0 && FMailMsgTextPos <= static_cast<int>(FMailMsgText.size())) {
            switch (FBodyEncoding) {
            case smtpEnc7bit:
            case smtpEnc8bit:
                Line = WrapText(FMailMsgText, "\r\n", MakeByteSet("\t ,-."), TByteSet(), FMailMsgTextPos,
                                WrapMessageText ? 76 : 1 << 30);
                Line = TrimRight(Line);
                break;
            case smtpEncQuotedPrintable:
                Line = QuotedPrintableLine(FMailMsgText, 75, FMailMsgTextPos);
                break;
            case smtpEncBase64:
                Line.clear();
                Base64EncodeEx(FMailMsgText, 76, FMailMsgTextPos, Line);
                break;
            }
            return;
        }
        bool more = true;
        std::string userLine;
        TCustomSmtpClient::GetData(++FUserLine, userLine, more);
        if (more) {
            Line = userLine;
            return;
        }
        FTextPhase = false;
    }
    if (FAttachStream) {
        bool more = false;
        Line = EncodeBase64Line(*FAttachStream, more);
        if (!more) AttachmentDone();
        return;
    }
    if (FFileIndex < FEmailFiles->Count()) {
        Line.clear();
        OpenNextAttachment();
        return;
    }
    More = false;
}

TSmtpShareMode TSmtpCli::ShareMode() const {
    switch (FShareMode) {
    case 0:
        return smtpShareCompat;
    case 16:
        return smtpShareExclusive;
    case 48:
        return smtpShareDenyRead;
    case 64:
        return smtpShareDenyNone;
    default:
        return smtpShareDenyWrite;
    }
}

void TSmtpCli::SetShareMode(TSmtpShareMode Value) {
    static const WORD modes[] = {0, 16, 32, 48, 64};
    FShareMode = modes[Value];
}

// Ends the current file (sent or left out); after the last one the closing boundary ends the message.
void TSmtpCli::AttachmentDone() {
    FAttachStream.reset();
    ++FFileIndex;
    if (FFileIndex >= FEmailFiles->Count()) {
        FPreLines->Add("");
        FPreLines->Add("--" + FBoundary + "--");
    }
}

void TSmtpCli::OpenNextAttachment() {
    const std::string path = (*FEmailFiles)[FFileIndex];
    TSmtpBeforeOpenFileAction before = smtpBeforeOpenFileNone;
    OnBeforeFileOpen(this, FFileIndex, path, before);
    if (before == smtpBeforeOpenFileNext) return AttachmentDone();
    // Giving up throws: the body source fails and the message is not completed with ".".
    if (before == smtpBeforeOpenFileAbort)
        throw SmtpException("Message aborted before opening '" + path + "'");
    TSmtpAfterOpenFileAction after = smtpAfterOpenFileNone;
    try {
        FAttachStream = OpenFileStream(path, FShareMode);
    } catch (Exception& E) {
        OnAfterFileOpen(this, FFileIndex, path, &E, after);
        if (after == smtpAfterOpenFileNone || after == smtpAfterOpenFileAbort) throw;
        if (after == smtpAfterOpenFileNext) AttachmentDone();
        return; // retried at the next call
    }
    OnAfterFileOpen(this, FFileIndex, path, nullptr, after);
    if (after == smtpAfterOpenFileAbort) {
        FAttachStream.reset();
        throw SmtpException("Message aborted after opening '" + path + "'");
    }
    if (after == smtpAfterOpenFileNext) return AttachmentDone();
    if (after == smtpAfterOpenFileRetry) {
        FAttachStream.reset();
        return;
    }
    std::string name = ExtractFileName(path);
    std::string type = FilenameToContentType(name);
    OnAttachContentType(this, FFileIndex, name, type);
    name = smtp_message_detail::OneLine(name);
    type = smtp_message_detail::OneLine(type);
    if (!Allow8bitChars && NeedsEncoding(name)) {
        name = HdrEncodeInLine(name, smtp_message_detail::HeaderSpecials(),
                               FBodyEncoding == smtpEncBase64 ? 'B' : 'Q', CharSet, 63, FoldHeaders);
    } else if (name.size() > 64 && FoldHeaders) {
        name = FoldString(name,
                          MakeByteSet(" 0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"), 63);
    }
    FPreLines->Add("--" + FBoundary);
    FPreLines->Add("Content-Type: " + type + ";");
    FPreLines->Add("\tname=\"" + name + "\"");
    FPreLines->Add("Content-Transfer-Encoding: base64");
    FPreLines->Add("Content-Disposition: attachment;");
    FPreLines->Add("\tfilename=\"" + name + "\"");
    TStringList extra;
    OnAttachHeader(this, FFileIndex, name, &extra);
    for (int i = 0; i < extra.Count(); ++i)
        FPreLines->Add(smtp_message_detail::OneLine(extra[i]));
    FPreLines->Add("");
}
