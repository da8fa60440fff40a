// Reading the reply header: the status line, the header lines that steer the client, and what the
// end of the header means for the body.
#include "net/HttpProt.h"

#include "net/HttpListValue.h"
#include "net/LineWSocket.h"
#include "platform/rtl/StrConvert.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/StringList.h"

#include <algorithm>
#include <cstring>

namespace http_reply_detail {

bool StartsWithNoCase(const std::string& Text, const char* Prefix) {
    const std::size_t n = std::strlen(Prefix);
    return Text.size() >= n && LowerCase(Text.substr(0, n)) == LowerCase(Prefix);
}

bool IsDigit(char C) {
    return C >= '0' && C <= '9';
}

// "HTTP/1.0" or "HTTP/1.1", blanks, a three-digit status from 100 to 599, then the end or a blank;
// DigitAt is where the status starts.
bool ParseStatusLine(const std::string& Line, int& Code, std::size_t& DigitAt) {
    if (Line.compare(0, 8, "HTTP/1.0") != 0 && Line.compare(0, 8, "HTTP/1.1") != 0) return false;
    std::size_t at = 8;
    while (at < Line.size() && (Line[at] == ' ' || Line[at] == '\t'))
        ++at;
    if (at == 8 || at + 3 > Line.size()) return false;
    if (!IsDigit(Line[at]) || !IsDigit(Line[at + 1]) || !IsDigit(Line[at + 2])) return false;
    if (at + 3 < Line.size() && Line[at + 3] != ' ' && Line[at + 3] != '\t') return false;
    Code = (Line[at] - '0') * 100 + (Line[at + 1] - '0') * 10 + (Line[at + 2] - '0');
    DigitAt = at;
    return Code >= 100 && Code <= 599;
}

// A length, or a list of the same length repeated (as proxies that merge headers write it).
bool ParseContentLength(const std::string& Value, std::int64_t& Length) {
    const std::vector<std::string> items = HttpListItems(Value);
    Length = -1;
    for (const auto& item : items) {
        // Decimal digits only: a sign, a blank or a hexadecimal prefix make it no length.
        if (!std::all_of(item.begin(), item.end(), IsDigit)) return false;
        std::int64_t n = -1;
        if (!TryStrToInt64(item, n) || n < 0) return false;
        if (Length >= 0 && n != Length) return false;
        Length = n;
    }
    return !items.empty();
}

} // namespace http_reply_detail

bool THttpCli::ProcessStatusLine(const std::string& Line) {
    int code = 0;
    std::size_t digit = 0;
    if (!http_reply_detail::ParseStatusLine(Line, code, digit)) {
        OnDataPush2(this);
        OnHeaderData(this);
        FailRequest(httpErrBadStatus, "Invalid status line");
        return false;
    }
    FServerVersion = Line.substr(5, 3);
    if (FRequestVer == "1.0")
        FCloseReq = true;
    else
        FCloseReq = FServerVersion == "1.0";
    DebugLog(loProtSpecDump, std::string("FCloseReq=") + (FCloseReq ? "1" : "0"));
    FStatusCode = code;
    FReasonPhrase = digit + 4 <= Line.size() ? Line.substr(digit + 4) : std::string();
    return true;
}

bool THttpCli::ProcessContentLength(const std::string& Value) {
    std::int64_t length = -1;
    if (!http_reply_detail::ParseContentLength(Value, length)) {
        FailRequest(httpErrBadLength, "Invalid Content-Length");
        return false;
    }
    // Two lengths that differ leave no way to tell where the body ends.
    if (FContentLength >= 0 && length != FContentLength) {
        FailRequest(httpErrBadLength, "Conflicting Content-Length");
        return false;
    }
    FContentLength = length;
    return true;
}

void THttpCli::ProcessHeaderLine(const std::string& Line) {
    // Blank lines ahead of the status line (left over after an earlier body) carry nothing.
    if (Line.empty() && FNextIsFirstLine) return;
    if (FHeaderLineCount == 0 && FNextIsFirstLine && !FReceivingHeader) {
        FReceivingHeader = true;
        OnHeaderBegin(this);
    }
    const bool first = FNextIsFirstLine;
    if (first && Line[0] == '<' &&
        (http_reply_detail::StartsWithNoCase(Line, "<HTML>") ||
         http_reply_detail::StartsWithNoCase(Line, "<!DOCTYPE"))) {
        // No header at all: the document starts right here and ends with the connection.
        if (FContentType.empty()) FContentType = "text/html";
        FNextIsFirstLine = false;
        FBodyFraming = bfClose;
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
        if (ProcessStatusLine(Line)) OnHeaderData(this);
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
            // Only a redirect sends the request elsewhere; the Location of a created or an ordinary
            // reply leaves its own body to be read.
            const bool redirect = FStatusCode == 301 || FStatusCode == 302 || FStatusCode == 303 ||
                                  FStatusCode == 307 || FStatusCode == 308;
            if (FRequestType == httpPUT)
                FLocation = value;
            else if (FollowRelocation && redirect && !HandleLocation(value))
                return; // the request ended: nothing more of this reply is read
        } else if (name == "content-length") {
            if (!ProcessContentLength(value)) return;
        } else if (name == "transfer-encoding") {
            const std::string coding = LowerCase(Trim(value));
            FTransferEncoding = FTransferEncoding.empty() ? coding : FTransferEncoding + ", " + coding;
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

bool THttpCli::BodyIsOnlyAStep() const {
    // A relocation past the limit may end the request with this reply: its body is then the document.
    if (FRelocationPending && FLocationChangeCurCount < LocationChangeMaxCount) return true;
    return ChallengeWillBeAnswered();
}

// An informational reply (other than a protocol switch) only announces the real one: what it said
// is forgotten and the next header is read without a new OnHeaderBegin.
void THttpCli::InterimReplyEnded() {
    FRcvdHeader->Clear();
    FAuthOffers->Clear();
    FNextIsFirstLine = true;
    FHeaderLineCount = 1;
    FContentLength = -1;
    FContentType.clear();
    FTransferEncoding.clear();
    FContentEncoding.clear();
}

void THttpCli::HeaderEnded() {
    DebugLog(loProtSpecInfo, "End of header");
    if (FStatusCode >= 100 && FStatusCode < 200 && FStatusCode != 101) {
        InterimReplyEnded();
        return;
    }
    FReceivingHeader = false;
    OnHeaderEnd(this);
    if (FState == httpReady) {
        DropAllHeld();
        return;
    }
    if (!PrepareBodyFraming()) return;
    // A 204, a 304 and informational replies never carry a body, whatever their header says.
    const bool neverBody = FStatusCode < 200 || FStatusCode == 204 || FStatusCode == 304;
    const bool noDocument = neverBody ||
                            (FBodyFraming == bfClose && (FStatusCode == 301 || FStatusCode == 302 ||
                                                         FStatusCode == 401 || FStatusCode == 407)) ||
                            (FBodyFraming == bfLength && FContentLength == 0) || FRequestType == httpHEAD;
    if (noDocument) {
        // The reply is complete: a close from now on cuts nothing short.
        FLineHandler = lhNone;
        FDocumentDone = true;
        DropAllHeld();
        if (FRelocationPending) {
            StartRelocation();
        } else if (!FCloseReq) {
            PostSetReady();
        } else {
            ChangeState(httpWaitingBody);
            FCtrlSocket->CloseDelayed();
        }
        return;
    }
    const auto dot = FDocName.rfind('.');
    const std::string ext = dot == std::string::npos ? std::string() : LowerCase(FDocName.substr(dot));
    if ((ext.empty() || ext == ".exe") && FContentType == "text/html")
        FDocName = (dot == std::string::npos ? FDocName : FDocName.substr(0, dot)) + ".htm";
    FDiscardBody = BodyIsOnlyAStep();
    ChangeState(httpWaitingBody);
    FLineHandler = lhBody;
    if (FBodySteps == 0 && FRcvdCnt == 0) BodyStep(nullptr, 0); // the document begins now
}
