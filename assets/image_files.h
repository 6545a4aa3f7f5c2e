// The file formats app.rc embeds, written by generate_assets.cpp: 8-bit
// palettized .bmp (RLE8-compressed when that is smaller), .ico with 32-bit
// images (PNG for the 256-pixel one, as Windows stores its large icons) and
// monochrome .cur. Self-contained: the generator needs no library.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace assets {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

struct Pixel {
    Rgb colour;
    double coverage = 0;  // 0 transparent .. 1 opaque
};

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<Pixel> pixels;  // top row first
    const Pixel& at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

inline Rgb mix(Rgb a, Rgb b, double t) {
    const auto channel = [t](std::uint8_t x, std::uint8_t y) {
        return static_cast<std::uint8_t>(std::lround(x + (y - x) * std::clamp(t, 0.0, 1.0)));
    };
    return {channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

class Bytes {
public:
    void u8(unsigned v) { data_.push_back(static_cast<std::uint8_t>(v)); }
    void u16(unsigned v) { u8(v & 0xFF), u8(v >> 8); }
    void u32(std::uint32_t v) { u16(v & 0xFFFF), u16(v >> 16); }
    void u32BigEndian(std::uint32_t v) { u8(v >> 24), u8(v >> 16 & 0xFF), u8(v >> 8 & 0xFF), u8(v & 0xFF); }
    void zeros(std::size_t n) { data_.insert(data_.end(), n, 0); }
    std::size_t size() const { return data_.size(); }
    const std::vector<std::uint8_t>& data() const { return data_; }
    void append(const Bytes& other) { data_.insert(data_.end(), other.data_.begin(), other.data_.end()); }
    bool writeTo(const std::string& path) const {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(data_.data()), static_cast<std::streamsize>(data_.size()));
        return static_cast<bool>(out);
    }

private:
    std::vector<std::uint8_t> data_;
};

// ------------------------------------------------------------------- .bmp

constexpr unsigned kBiRgb = 0, kBiRle8 = 1;

// BITMAPINFOHEADER; icons and cursors store twice the height (image + mask).
inline void infoHeader(Bytes& out, int width, int height, unsigned bitsPerPixel, std::uint32_t imageSize,
                       std::uint32_t paletteSize = 0, unsigned compression = kBiRgb) {
    out.u32(40);
    out.u32(static_cast<std::uint32_t>(width));
    out.u32(static_cast<std::uint32_t>(height));
    out.u16(1);
    out.u16(bitsPerPixel);
    out.u32(compression);
    out.u32(imageSize);
    out.u32(2835);  // 72 dpi
    out.u32(2835);
    out.u32(paletteSize);
    out.u32(0);
}

inline std::size_t rowBytes(int width, unsigned bitsPerPixel) {
    return (static_cast<std::size_t>(width) * bitsPerPixel + 31) / 32 * 4;
}

// 1 bit per pixel, rows bottom-up, each padded to 32 bits.
inline Bytes bitRows(int width, int height, const std::function<bool(int x, int y)>& bit) {
    Bytes out;
    for (int y = height - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(rowBytes(width, 1), 0);
        for (int x = 0; x < width; ++x) {
            if (bit(x, y)) row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        }
        for (auto b : row) out.u8(b);
    }
    return out;
}

// Palette indexes, rows bottom-up, uncompressed: each row padded to 32 bits.
inline Bytes rawRows8(const std::vector<std::uint8_t>& indexes, int width, int height) {
    Bytes out;
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) out.u8(indexes[static_cast<std::size_t>(y * width + x)]);
        out.zeros(rowBytes(width, 8) - static_cast<std::size_t>(width));
    }
    return out;
}

// BI_RLE8, rows bottom-up: (n, index) repeats an index n times; (0, n,
// n indexes, padded to 16 bits) copies n >= 3 differing ones; (0, 0) ends a
// row and (0, 1) the picture.
inline Bytes rleRows8(const std::vector<std::uint8_t>& indexes, int width, int height) {
    Bytes out;
    for (int y = height - 1; y >= 0; --y) {
        const std::uint8_t* row = &indexes[static_cast<std::size_t>(y * width)];
        const auto runAt = [&](int x) {
            int run = 1;
            while (x + run < width && run < 255 && row[x + run] == row[x]) ++run;
            return run;
        };
        for (int x = 0; x < width;) {
            if (const int run = runAt(x); run >= 2) {
                out.u8(static_cast<unsigned>(run)), out.u8(row[x]);
                x += run;
                continue;
            }
            int end = x;
            while (end < width && end - x < 255 && runAt(end) == 1) ++end;
            if (end - x < 3) {
                for (; x < end; ++x) out.u8(1), out.u8(row[x]);
                continue;
            }
            out.u8(0), out.u8(static_cast<unsigned>(end - x));
            for (int i = x; i < end; ++i) out.u8(row[i]);
            if ((end - x) % 2) out.u8(0);
            x = end;
        }
        out.u8(0), out.u8(y == 0 ? 1 : 0);
    }
    return out;
}

inline std::uint32_t packed(Rgb c) { return static_cast<std::uint32_t>(c.r) << 16 | c.g << 8 | c.b; }

inline int distanceSquared(std::uint32_t a, std::uint32_t b) {
    int sum = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int d = static_cast<int>(a >> shift & 0xFF) - static_cast<int>(b >> shift & 0xFF);
        sum += d * d;
    }
    return sum;
}

// Brings the pixels (0x00RRGGBB) down to at most `limit` distinct colours:
// while there are too many, the rarer of the two closest colours gives way to
// the other. The large renderings have more blended edge pixels than a
// palette holds, but only a few of each blend, so the change is invisible.
// `kept` (the key) neither gives way nor takes another colour's pixels.
inline void limitColours(std::vector<std::uint32_t>& pixels, std::size_t limit, std::uint32_t kept) {
    std::vector<std::pair<std::uint32_t, std::size_t>> counts;  // colour, pixels
    {
        std::vector<std::uint32_t> sorted = pixels;
        std::sort(sorted.begin(), sorted.end());
        for (std::size_t i = 0; i < sorted.size(); ++i) {
            if (i == 0 || sorted[i] != sorted[i - 1]) counts.push_back({sorted[i], 0});
            ++counts.back().second;
        }
    }
    std::vector<std::pair<std::uint32_t, std::uint32_t>> replaced;  // colour, its replacement
    while (counts.size() > limit) {
        std::size_t a = 0, b = 0;
        int best = -1;
        for (std::size_t i = 0; i < counts.size(); ++i) {
            for (std::size_t j = i + 1; j < counts.size(); ++j) {
                if (counts[i].first == kept || counts[j].first == kept) continue;
                const int d = distanceSquared(counts[i].first, counts[j].first);
                if (best < 0 || d < best) best = d, a = i, b = j;
            }
        }
        if (counts[a].second < counts[b].second) std::swap(a, b);
        replaced.push_back({counts[b].first, counts[a].first});
        counts[a].second += counts[b].second;
        counts.erase(counts.begin() + static_cast<std::ptrdiff_t>(b));
    }
    for (std::uint32_t& p : pixels) {
        for (const auto& [from, to] : replaced) p = p == from ? to : p;
    }
}

// An 8-bit palettized .bmp of the picture laid over `background`. The
// background is always in the palette: GDI matches a transparent colour
// against the nearest palette entry, so without an exact entry for the key
// some colour of a picture that fills its whole area would vanish.
inline Bytes bmp8(const Picture& p, Rgb background) {
    std::vector<std::uint32_t> flattened;  // 0x00RRGGBB, top row first
    for (const Pixel& px : p.pixels) flattened.push_back(packed(mix(background, px.colour, px.coverage)));
    flattened.push_back(packed(background));  // counted into the palette, dropped again below
    limitColours(flattened, 256, packed(background));
    flattened.pop_back();
    std::vector<std::uint32_t> colours = flattened;  // sorted: the palette, searched by lower_bound
    colours.push_back(packed(background));
    std::sort(colours.begin(), colours.end());
    colours.erase(std::unique(colours.begin(), colours.end()), colours.end());
    std::vector<std::uint8_t> indexes;
    for (const std::uint32_t c : flattened) {
        indexes.push_back(
            static_cast<std::uint8_t>(std::lower_bound(colours.begin(), colours.end(), c) - colours.begin()));
    }
    const Bytes raw = rawRows8(indexes, p.width, p.height), rle = rleRows8(indexes, p.width, p.height);
    const bool compressed = rle.size() < raw.size();
    const Bytes& image = compressed ? rle : raw;
    const auto offset = static_cast<std::uint32_t>(14 + 40 + 4 * colours.size());
    Bytes out;
    out.u8('B'), out.u8('M');
    out.u32(offset + static_cast<std::uint32_t>(image.size()));
    out.u32(0);
    out.u32(offset);
    infoHeader(out, p.width, p.height, 8, static_cast<std::uint32_t>(image.size()),
               static_cast<std::uint32_t>(colours.size()), compressed ? kBiRle8 : kBiRgb);
    for (const std::uint32_t c : colours) out.u32(c);  // RGBQUAD: blue, green, red, 0
    out.append(image);
    return out;
}

// ------------------------------------------------------------------- .png

inline std::uint32_t crc32(const std::uint8_t* data, std::size_t size) {
    static const auto table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i) c = table[(c ^ data[i]) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

// Deflate with the fixed Huffman codes and greedy LZ77 matches: far from the
// best compressor, but a few lines, and the icon's flat areas and row-wise
// gradients shrink well with it.
class Deflater {
public:
    std::vector<std::uint8_t> compress(const std::vector<std::uint8_t>& in) {
        bits(1, 1), bits(1, 2);  // the only block, fixed codes
        std::vector<int> head(1 << 15, -1), previous(in.size(), -1);
        const auto hash = [&](std::size_t i) { return (in[i] << 10 ^ in[i + 1] << 5 ^ in[i + 2]) & 0x7FFF; };
        for (std::size_t i = 0; i < in.size();) {
            std::size_t bestLength = 0, bestDistance = 0;
            if (i + 3 <= in.size()) {
                int candidate = head[static_cast<std::size_t>(hash(i))];
                for (int chain = 0; candidate >= 0 && chain < 128; ++chain) {
                    const std::size_t distance = i - static_cast<std::size_t>(candidate);
                    if (distance > 32768) break;
                    std::size_t length = 0;
                    while (length < 258 && i + length < in.size() && in[candidate + length] == in[i + length]) {
                        ++length;
                    }
                    if (length > bestLength) bestLength = length, bestDistance = distance;
                    candidate = previous[static_cast<std::size_t>(candidate)];
                }
            }
            const std::size_t step = bestLength >= 3 ? bestLength : 1;
            if (bestLength >= 3) {
                match(bestLength, bestDistance);
            } else {
                literal(in[i]);
            }
            for (std::size_t end = i + step; i < end; ++i) {
                if (i + 3 > in.size()) continue;
                const auto h = static_cast<std::size_t>(hash(i));
                previous[i] = head[h];
                head[h] = static_cast<int>(i);
            }
        }
        literal(256);
        if (bitCount_) out_.push_back(static_cast<std::uint8_t>(bitBuffer_));
        return out_;
    }

private:
    void bits(std::uint32_t value, int count) {
        bitBuffer_ |= value << bitCount_;
        bitCount_ += count;
        while (bitCount_ >= 8) {
            out_.push_back(static_cast<std::uint8_t>(bitBuffer_));
            bitBuffer_ >>= 8;
            bitCount_ -= 8;
        }
    }
    // Huffman codes go out from their most significant bit.
    void code(std::uint32_t value, int count) {
        std::uint32_t reversed = 0;
        for (int k = 0; k < count; ++k) reversed |= (value >> k & 1) << (count - 1 - k);
        bits(reversed, count);
    }
    void literal(unsigned symbol) {
        if (symbol < 144)
            code(0x30 + symbol, 8);
        else if (symbol < 256)
            code(0x190 + symbol - 144, 9);
        else if (symbol < 280)
            code(symbol - 256, 7);
        else
            code(0xC0 + symbol - 280, 8);
    }
    void match(std::size_t length, std::size_t distance) {
        static constexpr std::array<unsigned, 29> lengthBase{3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                                             15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                                             67, 83, 99, 115, 131, 163, 195, 227, 258};
        static constexpr std::array<int, 29> lengthExtra{0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                         2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
        static constexpr std::array<unsigned, 30> distanceBase{
            1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
            193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
        unsigned l = 28;
        while (lengthBase[l] > length) --l;
        literal(257 + l);
        bits(static_cast<std::uint32_t>(length - lengthBase[l]), lengthExtra[l]);
        unsigned d = 29;
        while (distanceBase[d] > distance) --d;
        code(d, 5);
        bits(static_cast<std::uint32_t>(distance - distanceBase[d]), d < 4 ? 0 : static_cast<int>(d / 2 - 1));
    }

    std::vector<std::uint8_t> out_;
    std::uint32_t bitBuffer_ = 0;
    int bitCount_ = 0;
};

// An RGBA .png with straight alpha; each row takes whichever of the filters
// None, Sub and Up leaves the smallest residues.
inline Bytes png(const Picture& p) {
    std::vector<std::uint8_t> scanlines;
    std::vector<std::uint8_t> above(static_cast<std::size_t>(p.width) * 4, 0);
    for (int y = 0; y < p.height; ++y) {
        std::vector<std::uint8_t> row;
        for (int x = 0; x < p.width; ++x) {
            const Pixel& px = p.at(x, y);
            const auto alpha = static_cast<std::uint8_t>(std::lround(px.coverage * 255));
            const Rgb c = alpha ? px.colour : Rgb{};
            row.insert(row.end(), {c.r, c.g, c.b, alpha});
        }
        std::array<std::vector<std::uint8_t>, 3> filtered{row, row, row};
        for (std::size_t i = 0; i < row.size(); ++i) {
            filtered[1][i] = static_cast<std::uint8_t>(row[i] - (i >= 4 ? row[i - 4] : 0));
            filtered[2][i] = static_cast<std::uint8_t>(row[i] - above[i]);
        }
        const auto cost = [](const std::vector<std::uint8_t>& r) {
            long sum = 0;
            for (const std::uint8_t b : r) sum += b < 128 ? b : 256 - b;
            return sum;
        };
        std::size_t best = 0;
        for (std::size_t f = 1; f < 3; ++f) best = cost(filtered[f]) < cost(filtered[best]) ? f : best;
        scanlines.push_back(static_cast<std::uint8_t>(best));
        scanlines.insert(scanlines.end(), filtered[best].begin(), filtered[best].end());
        above = row;
    }
    std::uint32_t a = 1, b = 0;
    for (const std::uint8_t byte : scanlines) a = (a + byte) % 65521, b = (b + a) % 65521;

    Bytes zlib;
    zlib.u8(0x78), zlib.u8(0x01);
    for (const std::uint8_t byte : Deflater().compress(scanlines)) zlib.u8(byte);
    zlib.u32BigEndian(b << 16 | a);

    Bytes out;
    // The signature, "\x89PNG\r\n\x1A\n".
    for (const unsigned byte : {0x89u, 0x50u, 0x4Eu, 0x47u, 0x0Du, 0x0Au, 0x1Au, 0x0Au}) out.u8(byte);
    const auto chunk = [&out](const char* type, const Bytes& body) {
        Bytes typed;
        for (int i = 0; i < 4; ++i) typed.u8(static_cast<unsigned char>(type[i]));
        typed.append(body);
        out.u32BigEndian(static_cast<std::uint32_t>(body.size()));
        out.append(typed);
        out.u32BigEndian(crc32(typed.data().data(), typed.size()));
    };
    Bytes header;
    header.u32BigEndian(static_cast<std::uint32_t>(p.width));
    header.u32BigEndian(static_cast<std::uint32_t>(p.height));
    for (const unsigned byte : {8, 6, 0, 0, 0}) header.u8(byte);  // 8 bits, RGBA, deflate, no interlace
    chunk("IHDR", header);
    chunk("IDAT", zlib);
    chunk("IEND", Bytes{});
    return out;
}

// ------------------------------------------------------------ .ico and .cur

// A monochrome cursor image: `whiteAt` says white or black, or nothing where it is transparent.
inline Bytes cursorImage(int size, const std::function<std::optional<bool>(int x, int y)>& whiteAt) {
    Bytes image;
    infoHeader(image, size, size * 2, 1, 0);
    image.u32(0x000000);  // palette: black, white
    image.u32(0xFFFFFF);
    // XOR mask: 1 = white; AND mask: 1 = transparent.
    image.append(bitRows(size, size, [&](int x, int y) { return whiteAt(x, y).value_or(false); }));
    image.append(bitRows(size, size, [&](int x, int y) { return !whiteAt(x, y).has_value(); }));
    return image;
}

// An .ico (type 1) or .cur (type 2) file; for cursors the two per-image words
// that icons use for planes and bit depth hold the hot spot.
struct DirectoryImage {
    int width, height, colours;
    unsigned word1, word2;
    Bytes data;
};

inline Bytes iconFile(unsigned type, const std::vector<DirectoryImage>& images) {
    Bytes out;
    out.u16(0);
    out.u16(type);
    out.u16(static_cast<unsigned>(images.size()));
    std::size_t offset = 6 + 16 * images.size();
    for (const auto& image : images) {
        out.u8(static_cast<unsigned>(image.width % 256));
        out.u8(static_cast<unsigned>(image.height % 256));
        out.u8(static_cast<unsigned>(image.colours));
        out.u8(0);
        out.u16(image.word1);
        out.u16(image.word2);
        out.u32(static_cast<std::uint32_t>(image.data.size()));
        out.u32(static_cast<std::uint32_t>(offset));
        offset += image.data.size();
    }
    for (const auto& image : images) out.append(image.data);
    return out;
}

}  // namespace assets
