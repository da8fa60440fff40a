// THttpChunkDecoder: undoes the chunked framing of an HTTP body byte by byte: the hexadecimal size
// lines with their extensions, the line end that must follow each chunk's data, and the trailer
// after the last chunk. Its owner takes the chunk data itself (without copying it) whenever
// DataLeft() says some is due, so the decoder only ever sees framing bytes.
#pragma once

#include <cstdint>

class THttpChunkDecoder {
public:
    // The longest size line (with its extensions) or trailer line, and the largest trailer.
    THttpChunkDecoder(int MaxLine, int MaxTrailer) : FMaxLine(MaxLine), FMaxTrailer(MaxTrailer) {}

    void Reset();
    // Reads framing bytes from the front of Data until chunk data is due, the body ends or the
    // framing turns out malformed; returns how many bytes it read.
    int ReadFraming(const char* Data, int Len);
    // Bytes of the current chunk's data still to come; framing is expected when 0.
    std::int64_t DataLeft() const { return FState == sData ? FChunkLength - FChunkTaken : 0; }
    void DataTaken(std::int64_t Count);

    // The size of the chunk whose size line the last ReadFraming completed, or -1.
    std::int64_t NewChunkLength() const { return FNewChunk ? FChunkLength : -1; }
    bool Done() const { return FState == sDone; }
    bool Failed() const { return FState == sFailed; }
    // Why the framing was refused.
    const char* Failure() const { return FFailure; }

private:
    enum TState { sSize, sSizeLine, sData, sDataEnd, sDataLF, sTrailer, sDone, sFailed };

    // Marks the framing refused; returns Used, the bytes read so far.
    int Fail(const char* Why, int Used);

    int FMaxLine, FMaxTrailer;
    TState FState = sSize;
    std::int64_t FChunkLength = 0, FChunkTaken = 0;
    int FDigits = 0;
    int FLineLength = 0;
    int FTrailerBytes = 0;
    bool FNewChunk = false;
    const char* FFailure = "";
};
