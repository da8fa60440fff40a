#include "net/ZlibContentCoding.h"

#include <zlib.h>

#include <string>

namespace zlib_coding_detail {

template <class Coding> class TZlibClass : public THttpContentCodingClass {
public:
    TZlibClass(std::string name, std::string token) : FName(std::move(name)), FToken(std::move(token)) {}
    std::string ClassName() const override { return FName; }
    std::string GetCoding() const override { return FToken; }
    std::unique_ptr<THttpContentCoding> Create(THttpWriteProc Output) const override {
        return std::make_unique<Coding>(std::move(Output));
    }

private:
    std::string FName, FToken;
};

} // namespace zlib_coding_detail

struct THttpCCodInflate::State {
    z_stream stream{};
    bool initialised = false;
    std::string pending; // the first bytes, kept until the stream kind is known
};

THttpCCodInflate::THttpCCodInflate(THttpWriteProc Output)
    : THttpContentCoding(std::move(Output)), FState(std::make_unique<State>()) {}

THttpCCodInflate::~THttpCCodInflate() {
    if (FState->initialised) inflateEnd(&FState->stream);
}

bool THttpCCodInflate::Inflate(const unsigned char* data, unsigned length) {
    z_stream& z = FState->stream;
    z.next_in = const_cast<unsigned char*>(data);
    z.avail_in = length;
    unsigned char out[16384];
    while (z.avail_in > 0 && !FEnded) {
        z.next_out = out;
        z.avail_out = sizeof out;
        const int rc = inflate(&z, Z_NO_FLUSH);
        const unsigned produced = static_cast<unsigned>(sizeof out - z.avail_out);
        if (produced > 0) {
            FProduced = true;
            Output(out, static_cast<int>(produced));
        }
        if (rc == Z_STREAM_END) {
            FEnded = true; // anything after the end of the stream is ignored
        } else if (rc != Z_OK && rc != Z_BUF_ERROR) {
            return false;
        } else if (produced == 0 && rc == Z_BUF_ERROR) {
            break;
        }
    }
    return true;
}

int THttpCCodInflate::WriteBuffer(const void* Buffer, int Count) {
    const auto* data = static_cast<const unsigned char*>(Buffer);
    if (Count <= 0) return Count;
    if (!FValid) return FProduced ? Count : Output(Buffer, Count);
    std::string& pending = FState->pending;
    if (!FProduced) pending.append(static_cast<const char*>(Buffer), static_cast<std::size_t>(Count));
    if (FFirstBlock) {
        if (pending.size() < 2) return Count; // the kind of stream shows in its first two bytes
        FFirstBlock = false;
        const auto b0 = static_cast<unsigned char>(pending[0]), b1 = static_cast<unsigned char>(pending[1]);
        // 15 + 32: a gzip or a zlib header, found by looking; bare deflate data has neither.
        const bool wrapped = (b0 == 0x1f && b1 == 0x8b) || ((b0 & 0x0F) == 8 && ((b0 << 8) | b1) % 31 == 0);
        if (inflateInit2(&FState->stream, wrapped ? 15 + 32 : -15) != Z_OK) {
            FValid = false;
            return Output(pending.data(), static_cast<int>(pending.size()));
        }
        FState->initialised = true;
        data = reinterpret_cast<const unsigned char*>(pending.data());
        Count = static_cast<int>(pending.size());
    }
    const bool producedBefore = FProduced;
    if (!Inflate(data, static_cast<unsigned>(Count))) {
        FValid = false;
        // A body that was never compressed is delivered as it came; a stream damaged half way is cut
        // where the damage begins, since raw bytes after decoded ones would only be garbage.
        if (!FProduced) return Output(pending.data(), static_cast<int>(pending.size()));
    }
    if (FProduced && !producedBefore) pending.clear();
    return Count;
}

void THttpCCodInflate::Complete() {
    std::string& pending = FState->pending;
    if (FFirstBlock && !pending.empty()) {
        // Too short to be a stream at all: the byte is passed on as it came, not swallowed.
        FValid = false;
        Output(pending.data(), static_cast<int>(pending.size()));
        pending.clear();
        return;
    }
    if (FValid && FState->initialised && !FEnded) FTruncated = true;
}

const THttpContentCodingClass& THttpCCodGzip::Class() {
    static const zlib_coding_detail::TZlibClass<THttpCCodGzip> cls("THttpCCodGzip", "gzip");
    return cls;
}

const THttpContentCodingClass& THttpCCodDeflate::Class() {
    static const zlib_coding_detail::TZlibClass<THttpCCodDeflate> cls("THttpCCodDeflate", "deflate");
    return cls;
}
