// Compressing test bodies with zlib, as servers send them.
#pragma once

#include <zlib.h>

#include <string>

namespace net_test {

// Compresses with the given window bits: 15 zlib, 31 gzip, -15 bare deflate.
inline std::string Compress(const std::string& text, int windowBits) {
    z_stream z{};
    deflateInit2(&z, 6, Z_DEFLATED, windowBits, 8, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&z, text.size()) + 32, '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
    z.avail_in = static_cast<uInt>(text.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    deflate(&z, Z_FINISH);
    out.resize(z.total_out);
    deflateEnd(&z);
    return out;
}

} // namespace net_test
