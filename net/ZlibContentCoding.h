// The "gzip" and "deflate" content codings, decoded with zlib. They are not in the default registry;
// a client that wants them announced and decoded registers them:
//   ContentCodings().Add(THttpCCodGzip::Class(), 1.0f);
#pragma once

#include "net/HttpContentCoding.h"

#include <memory>

// Inflates a gzip or zlib stream (the header tells which) block by block. "deflate" bodies sent as
// bare deflate data without the zlib header are recognised too.
class THttpCCodInflate : public THttpContentCoding {
public:
    explicit THttpCCodInflate(THttpWriteProc Output);
    ~THttpCCodInflate() override;
    int WriteBuffer(const void* Buffer, int Count) override;
    // Delivers what is held back and notes a stream that never reached its end.
    void Complete() override;
    bool Failed() const override { return !FValid || FTruncated; }
    // False once the input turned out not to be a valid stream.
    bool Valid() const { return FValid; }

private:
    bool Inflate(const unsigned char* data, unsigned length);
    struct State;
    std::unique_ptr<State> FState;
    bool FValid = true;
    bool FFirstBlock = true;
    bool FEnded = false;
    bool FProduced = false;
    bool FTruncated = false;
};

class THttpCCodGzip : public THttpCCodInflate {
public:
    using THttpCCodInflate::THttpCCodInflate;
    static const THttpContentCodingClass& Class();
};

class THttpCCodDeflate : public THttpCCodInflate {
public:
    using THttpCCodInflate::THttpCCodInflate;
    static const THttpContentCodingClass& Class();
};
