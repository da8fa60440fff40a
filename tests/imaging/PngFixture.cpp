#include "PngFixture.h"

#include "imaging/png/PngHeaderChunk.h"
#include "imaging/png/PngPicture.h"
#include "imaging/png/SkinPngImage.h"
#include "platform/rtl/MemoryStream.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Brush.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace pngfix {

std::unique_ptr<TPngPicture> Load(const std::string& bytes) {
    TStringStream s(bytes);
    auto pic = std::make_unique<TPngPicture>();
    pic->LoadFromStream(&s);
    return pic;
}

std::unique_ptr<TskPngImage> LoadSkin(const std::string& bytes) {
    TStringStream s(bytes);
    auto img = std::make_unique<TskPngImage>();
    EXPECT_NO_THROW(img->LoadFromStream(&s));
    return img;
}

std::string Save(TPngPicture& pic) {
    TMemoryStream out;
    pic.SaveToStream(&out);
    return std::string(static_cast<const char*>(out.Memory()), std::size_t(out.Size()));
}

std::string Inflate(const std::string& packed) {
    z_stream z{};
    inflateInit(&z);
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
    z.avail_in = uInt(packed.size());
    std::string out;
    char buf[65536];
    int rc;
    do {
        z.next_out = reinterpret_cast<Bytef*>(buf);
        z.avail_out = sizeof buf;
        rc = inflate(&z, Z_NO_FLUSH);
        out.append(buf, sizeof buf - z.avail_out);
    } while (rc == Z_OK);
    inflateEnd(&z);
    if (rc != Z_STREAM_END) throw std::runtime_error("inflate");
    return out;
}

int Channels(int colorType) {
    switch (colorType) {
    case 2:
        return 3;
    case 4:
        return 2;
    case 6:
        return 4;
    default:
        return 1;
    }
}

namespace {
std::string PackRow(int y, int x0, int dx, int count, int depth, int colorType, const SampleFn& sample) {
    const int ch = Channels(colorType);
    std::string out;
    if (depth < 8) {
        out.assign(std::size_t((count * depth + 7) / 8), '\0');
        for (int i = 0; i < count; ++i) {
            const int v = sample(x0 + i * dx, y, 0) & ((1 << depth) - 1);
            const int bit = i * depth;
            out[std::size_t(bit / 8)] = char(out[std::size_t(bit / 8)] | (v << (8 - depth - bit % 8)));
        }
        return out;
    }
    for (int i = 0; i < count; ++i)
        for (int c = 0; c < ch; ++c) {
            const int v = sample(x0 + i * dx, y, c);
            if (depth == 16)
                out += Be16(std::uint16_t(v));
            else
                out += char(v);
        }
    return out;
}

int Paeth(int a, int b, int c) {
    const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

int Predictor(int type, int a, int b, int c) {
    switch (type) {
    case 1:
        return a;
    case 2:
        return b;
    case 3:
        return (a + b) / 2;
    case 4:
        return Paeth(a, b, c);
    default:
        return 0;
    }
}
} // namespace

std::string Filter(int type, const std::string& raw, const std::string& prior, int bpp) {
    std::string out(1, char(type));
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const int a = i >= std::size_t(bpp) ? std::uint8_t(raw[i - std::size_t(bpp)]) : 0;
        const int c = i >= std::size_t(bpp) ? std::uint8_t(prior[i - std::size_t(bpp)]) : 0;
        out += char(std::uint8_t(raw[i]) - Predictor(type, a, std::uint8_t(prior[i]), c));
    }
    return out;
}

std::vector<std::string> UnfilterRows(const std::string& data, int rowBytes, int bpp) {
    std::vector<std::string> rows;
    std::string prior(std::size_t(rowBytes), '\0');
    for (std::size_t at = 0; at + std::size_t(rowBytes) < data.size() + 1; at += std::size_t(rowBytes) + 1) {
        const int type = std::uint8_t(data[at]);
        std::string raw(std::size_t(rowBytes), '\0');
        for (std::size_t i = 0; i < raw.size(); ++i) {
            const int a = i >= std::size_t(bpp) ? std::uint8_t(raw[i - std::size_t(bpp)]) : 0;
            const int c = i >= std::size_t(bpp) ? std::uint8_t(prior[i - std::size_t(bpp)]) : 0;
            raw[i] = char(std::uint8_t(data[at + 1 + i]) + Predictor(type, a, std::uint8_t(prior[i]), c));
        }
        rows.push_back(raw);
        prior = raw;
    }
    return rows;
}

std::string IdatData(const std::vector<ParsedChunk>& chunks) {
    std::string data;
    for (const auto& c : chunks)
        if (c.Type == "IDAT") data += c.Data;
    return data;
}

int NoiseSample(int x, int y, int c) {
    return int((std::uint32_t(x * 2654435761u) ^ std::uint32_t(y * 40503u + c * 977u)) >> 7) & 0xFF;
}

std::string RawImage(int w, int h, int depth, int colorType, int interlace, const SampleFn& sample,
                     int onlyFilter) {
    const int bpp = std::max(1, Channels(colorType) * depth / 8);
    std::string out;
    int rowIndex = 0;
    auto pass = [&](int y0, int x0, int dy, int dx) {
        const int pw = w > x0 ? (w - x0 + dx - 1) / dx : 0;
        if (pw == 0) return;
        std::string prior;
        for (int y = y0; y < h; y += dy) {
            std::string raw = PackRow(y, x0, dx, pw, depth, colorType, sample);
            if (prior.empty()) prior.assign(raw.size(), '\0');
            const int type = onlyFilter >= 0 ? onlyFilter : rowIndex++ % 5;
            out += Filter(type, raw, prior, bpp);
            prior = raw;
        }
    };
    if (interlace) {
        const int sr[7] = {0, 0, 4, 0, 2, 0, 1}, sc[7] = {0, 4, 0, 2, 0, 1, 0};
        const int rs[7] = {8, 8, 8, 4, 4, 2, 2}, cs[7] = {8, 8, 4, 4, 2, 2, 1};
        for (int p = 0; p < 7; ++p)
            pass(sr[p], sc[p], rs[p], cs[p]);
    } else {
        pass(0, 0, 1, 1);
    }
    return out;
}

std::string Png(int w, int h, int depth, int colorType, int interlace, const SampleFn& sample,
                const std::string& beforeData, std::size_t splitSize) {
    std::string data = Zlib(RawImage(w, h, depth, colorType, interlace, sample));
    std::string out =
        Signature() + Ihdr(std::uint32_t(w), std::uint32_t(h), depth, colorType, interlace) + beforeData;
    if (splitSize == 0) splitSize = data.size() + 1;
    for (std::size_t i = 0; i < data.size(); i += splitSize)
        out += Chunk("IDAT", data.substr(i, splitSize));
    return out + Chunk("IEND", "");
}

std::string Plte(int n) {
    std::string out;
    for (int i = 0; i < n; ++i) {
        const std::uint32_t c = PlteColor(i);
        out += char(c & 0xFF);
        out += char((c >> 8) & 0xFF);
        out += char((c >> 16) & 0xFF);
    }
    return Chunk("PLTE", out);
}

std::uint32_t PlteColor(int i) {
    const std::uint32_t r = std::uint32_t(i * 40 + 1) & 0xFF, g = std::uint32_t(255 - i * 30) & 0xFF,
                        b = std::uint32_t(i * 7) & 0xFF;
    return r | (g << 8) | (b << 16);
}

std::vector<ParsedChunk> ParseChunks(const std::string& png) {
    std::vector<ParsedChunk> out;
    std::size_t pos = 8;
    while (pos + 12 <= png.size()) {
        const auto* p = reinterpret_cast<const unsigned char*>(png.data() + pos);
        const std::uint32_t len = (std::uint32_t(p[0]) << 24) | (p[1] << 16) | (p[2] << 8) | p[3];
        out.push_back({png.substr(pos + 4, 4), png.substr(pos + 8, len)});
        pos += 12 + len;
    }
    return out;
}

std::vector<std::uint16_t> WrittenSamples(TPngPicture& pic) {
    pic.SetFilterSet(PngFilterBit(rfNone));
    pic.SetInterlaceMode(piNone);
    const std::string raw = Inflate(IdatData(ParseChunks(Save(pic))));
    const TChunkIHDR& h = *pic.HeaderChunk();
    const int bytes = h.BitDepth / 8;
    const int rowBytes = h.Width * Channels(h.ColorType) * bytes;
    std::vector<std::uint16_t> samples;
    for (std::size_t at = 0; at + std::size_t(rowBytes) < raw.size() + 1; at += std::size_t(rowBytes) + 1)
        for (int i = 0; i < rowBytes; i += bytes) {
            const auto hi = std::uint8_t(raw[at + 1 + std::size_t(i)]);
            samples.push_back(
                bytes == 2 ? std::uint16_t((hi << 8) | std::uint8_t(raw[at + 2 + std::size_t(i)])) : hi);
        }
    return samples;
}

std::vector<std::uint16_t> SampleList(int w, int h, int colorType, const SampleFn& sample) {
    std::vector<std::uint16_t> samples;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < Channels(colorType); ++c)
                samples.push_back(std::uint16_t(sample(x, y, c)));
    return samples;
}

std::string OutPath(const std::string& name) {
    const std::filesystem::path dir = std::filesystem::path(OLVA_TEST_OUT_DIR) / "imaging";
    std::filesystem::create_directories(dir);
    return (dir / name).string();
}

bool Run(const std::string& command) {
    return std::system(command.c_str()) == 0;
}

bool HaveConvert() {
    return Run("command -v convert >/dev/null 2>&1");
}

std::unique_ptr<TBitmap> FilledBitmap32(int w, int h, std::uint32_t color) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(pf32bit);
    bitmap->SetSize(w, h);
    bitmap->Canvas()->Brush()->SetColor(TColor(color));
    bitmap->Canvas()->FillRect(RECT{0, 0, w, h});
    return bitmap;
}

std::uint32_t BitmapPixel(TBitmap& bitmap, int x, int y) {
    const auto* p = static_cast<const std::uint8_t*>(bitmap.ScanLine(y)) + 4 * x;
    return RGB(p[2], p[1], p[0]);
}

} // namespace pngfix
