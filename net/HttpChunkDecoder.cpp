#include "net/HttpChunkDecoder.h"

#include "net/UrlUtils.h"

void THttpChunkDecoder::Reset() {
    FState = sSize;
    FChunkLength = FChunkTaken = 0;
    FDigits = 0;
    FLineLength = 0;
    FTrailerBytes = 0;
    FNewChunk = false;
    FFailure = "";
}

int THttpChunkDecoder::Fail(const char* Why, int Used) {
    FState = sFailed;
    FFailure = Why;
    return Used;
}

void THttpChunkDecoder::DataTaken(std::int64_t Count) {
    FChunkTaken += Count;
    if (FState == sData && FChunkTaken >= FChunkLength) FState = sDataEnd;
}

int THttpChunkDecoder::ReadFraming(const char* Data, int Len) {
    FNewChunk = false;
    int i = 0;
    while (i < Len) {
        const char c = Data[i];
        switch (FState) {
        case sSize:
            if (IsHexDigit(c)) {
                // Sizes beyond what a body can sensibly hold are refused before they overflow.
                if (++FDigits > 15) return Fail("Invalid chunk size", i);
                FChunkLength = FChunkLength * 16 + HexDigitValue(c);
                ++FLineLength;
                ++i;
                break;
            }
            // Only an extension or the line end may follow the size.
            if (FDigits == 0 || (c != ';' && c != ' ' && c != '\t' && c != '\r' && c != '\n'))
                return Fail("Invalid chunk size", i);
            FState = sSizeLine;
            break;
        case sSizeLine:
            ++i;
            if (c != '\n') {
                if (++FLineLength > FMaxLine) return Fail("Chunk size line too long", i);
                break;
            }
            FChunkTaken = 0;
            FLineLength = 0;
            FNewChunk = true;
            FState = FChunkLength == 0 ? sTrailer : sData;
            if (FState == sData) return i; // the owner takes the data
            break;
        case sData:
            return i;
        case sDataEnd: // the data must be followed by the line end at once
            ++i;
            if (c == '\r')
                FState = sDataLF;
            else if (c == '\n')
                FState = sSize;
            else
                return Fail("Unexpected bytes after chunk data", i);
            if (FState == sSize) FChunkLength = FDigits = 0;
            break;
        case sDataLF:
            ++i;
            if (c != '\n') return Fail("Unexpected bytes after chunk data", i);
            FState = sSize;
            FChunkLength = FDigits = 0;
            break;
        case sTrailer: // header lines after the last chunk, up to an empty line
            ++i;
            if (++FTrailerBytes > FMaxTrailer) return Fail("Chunked trailer too large", i);
            if (c == '\n') {
                if (FLineLength == 0) {
                    FState = sDone;
                    return i;
                }
                FLineLength = 0;
            } else if (c != '\r' && ++FLineLength > FMaxLine) {
                return Fail("Chunked trailer line too long", i);
            }
            break;
        case sDone:
        case sFailed:
            return i;
        }
    }
    return i;
}
