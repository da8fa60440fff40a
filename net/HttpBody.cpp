// Reading the reply body: how its end is known (length, chunks or the connection's close), the
// chunked framing, and the transfer and content codings it passes through on its way to the owner.
#include "net/HttpContentCoding.h"
#include "net/HttpListValue.h"
#include "net/HttpProt.h"
#include "net/LineWSocket.h"
#include "net/ZlibContentCoding.h"
#include "platform/rtl/Stream.h"

#include <algorithm>

namespace http_body_detail {

// The decoder class of a transfer coding, or null for one that cannot be undone here.
const THttpContentCodingClass* TransferCodingClass(const std::string& Coding) {
    if (Coding == "gzip" || Coding == "x-gzip") return &THttpCCodGzip::Class();
    if (Coding == "deflate") return &THttpCCodDeflate::Class();
    return nullptr;
}

} // namespace http_body_detail

// Works out the body's framing from the transfer codings: "chunked" may only come last (it then
// frames the body), the codings before it are undone in the reverse of the order they are listed.
// A Transfer-Encoding overrides any Content-Length.
bool THttpCli::PrepareBodyFraming() {
    FTransferDecoders.clear();
    FTransferInput = nullptr;
    FChunkDecoder.Reset();
    std::vector<std::string> codings = HttpListItems(FTransferEncoding);
    std::erase(codings, "identity"); // no coding at all
    const bool chunked = !codings.empty() && codings.back() == "chunked";
    if (chunked) codings.pop_back();
    if (std::find(codings.begin(), codings.end(), "chunked") != codings.end()) {
        FailRequest(httpErrBadChunk, "Invalid Transfer-Encoding");
        return false;
    }
    THttpWriteProc output = [this](const void* Buffer, int Count) {
        return FContentCodingHnd->WriteBuffer(Buffer, Count);
    };
    for (const auto& coding : codings) {
        const THttpContentCodingClass* cls = http_body_detail::TransferCodingClass(coding);
        if (!cls) {
            FTransferDecoders.clear();
            FailRequest(httpErrBadCoding, "Unsupported Transfer-Encoding \"" + coding + "\"");
            return false;
        }
        FTransferDecoders.push_back(cls->Create(output));
        THttpContentCoding* decoder = FTransferDecoders.back().get();
        output = [decoder](const void* Buffer, int Count) { return decoder->WriteBuffer(Buffer, Count); };
    }
    FTransferInput = FTransferDecoders.empty() ? nullptr : FTransferDecoders.back().get();
    if (chunked)
        FBodyFraming = bfChunked;
    else if (FTransferEncoding.empty() && FContentLength >= 0)
        FBodyFraming = bfLength;
    else
        FBodyFraming = bfClose;
    // A body that ends with the connection leaves no connection to keep.
    if (FBodyFraming == bfClose) FCloseReq = true;
    return true;
}

int THttpCli::BodyStep(const char* Data, int Len) {
    if (FBodySteps++ == 0) {
        FRcvdCount = 0;
        DebugLog(loProtSpecInfo, FDiscardBody ? "Reading a body that is only a step" : "DocBegin");
        if (!FDiscardBody) {
            OnDocBegin(this);
            FContentCodingHnd->Prepare(FContentEncoding);
        }
        FRcvdStreamStartSize = RcvdStream ? RcvdStream->Size() : 0;
        if (FBodyFraming == bfLength && FContentLength == 0) {
            FinishDocument();
            return 0;
        }
    }
    if (FBodyFraming == bfChunked) return ChunkedStep(Data, Len);
    if (Len > 0) DeliverBody(Data, Len);
    if (FState != httpWaitingBody) return Len; // the owner aborted while handling the data
    if (FBodyFraming == bfLength && FRcvdCount >= FContentLength) {
        DebugLog(loProtSpecInfo, "End of document");
        FinishDocument();
    }
    return Len;
}

void THttpCli::DeliverBody(const char* Data, int Len) {
    FRcvdCount += Len;
    if (FDiscardBody) return;
    if (FTransferInput)
        FTransferInput->WriteBuffer(Data, Len);
    else
        FContentCodingHnd->WriteBuffer(Data, Len);
}

int THttpCli::ChunkedStep(const char* Data, int Len) {
    int i = 0;
    while (i < Len && !FDocumentDone) {
        if (const std::int64_t due = FChunkDecoder.DataLeft()) {
            const int n = static_cast<int>(std::min<std::int64_t>(due, Len - i));
            DeliverBody(Data + i, n);
            if (FState != httpWaitingBody) return Len; // the owner aborted while handling the data
            FChunkDecoder.DataTaken(n);
            i += n;
            continue;
        }
        i += FChunkDecoder.ReadFraming(Data + i, Len - i);
        if (FChunkDecoder.Failed()) {
            FailRequest(httpErrBadChunk, FChunkDecoder.Failure());
            return Len;
        }
        if (FChunkDecoder.NewChunkLength() >= 0)
            DebugLog(loProtSpecInfo, "ChunkLength = " + std::to_string(FChunkDecoder.NewChunkLength()));
        if (FChunkDecoder.Done()) {
            DebugLog(loProtSpecInfo, "httpChunkDone, end of document");
            FinishDocument();
        }
    }
    return i;
}

bool THttpCli::CompleteDecoding() {
    for (auto it = FTransferDecoders.rbegin(); it != FTransferDecoders.rend(); ++it)
        (*it)->Complete();
    FContentCodingHnd->Complete();
    bool failed = FContentCodingHnd->Failed();
    for (const auto& decoder : FTransferDecoders)
        failed = failed || decoder->Failed();
    return !failed;
}

void THttpCli::FinishDocument() {
    FDocumentDone = true;
    FLineHandler = lhNone;
    ChangeState(httpBodyReceived);
    StopBandwidthTimer();
    if (FDiscardBody) return;
    const bool decoded = CompleteDecoding();
    DebugLog(loProtSpecInfo, "DocEnd");
    OnDocEnd(this);
    // The body arrived whole but is not what its coding says: what was delivered is not the document.
    if (!decoded && FState == httpBodyReceived) FailRequest(httpErrBadCoding, "Body could not be decoded");
}

void THttpCli::AfterDocument() {
    DropAllHeld();
    if (FRelocationPending)
        StartRelocation();
    else if (FCloseReq)
        FCtrlSocket->CloseDelayed();
    else
        PostSetReady();
}
