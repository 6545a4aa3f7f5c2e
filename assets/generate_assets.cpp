// Draws the program's bundled pictures and writes them in the formats app.rc
// embeds (.bmp, .ico, .cur). Built and run by regenerate.sh on the developer's
// machine; its outputs are committed, so the cross build never runs it.
//
// Every picture is a shader: a function from a point (in pixels) to a colour,
// or to nothing where the picture is transparent. Pictures with a light
// background are supersampled for smooth edges; pictures on the magenta
// colour key are sampled once per pixel, so no edge pixel is ever a blend of
// the key and the picture (a blend would show as a pink fringe).
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
};

constexpr Rgb kKey{255, 0, 255};  // transparent wherever the program draws a bitmap
constexpr Rgb kWhite{255, 255, 255};

Rgb mix(Rgb a, Rgb b, double t) {
    const auto channel = [t](std::uint8_t x, std::uint8_t y) {
        return static_cast<std::uint8_t>(std::lround(x + (y - x) * std::clamp(t, 0.0, 1.0)));
    };
    return {channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

// ---------------------------------------------------------------- rendering

using Shader = std::function<std::optional<Rgb>(double x, double y)>;

struct Pixel {
    Rgb colour;
    double coverage = 0;  // share of the pixel's samples the shader painted
};

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<Pixel> pixels;  // top row first
    const Pixel& at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

Picture render(int width, int height, int samplesPerAxis, const Shader& shade) {
    Picture picture{width, height, std::vector<Pixel>(static_cast<std::size_t>(width * height))};
    const int samples = samplesPerAxis * samplesPerAxis;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            double r = 0, g = 0, b = 0;
            int painted = 0;
            for (int s = 0; s < samples; ++s) {
                const double sx = x + (s % samplesPerAxis + 0.5) / samplesPerAxis;
                const double sy = y + (s / samplesPerAxis + 0.5) / samplesPerAxis;
                if (const auto c = shade(sx, sy)) {
                    r += c->r, g += c->g, b += c->b;
                    ++painted;
                }
            }
            if (painted == 0) continue;
            const auto average = [painted](double sum) {
                return static_cast<std::uint8_t>(std::lround(sum / painted));
            };
            picture.pixels[static_cast<std::size_t>(y * width + x)] = {{average(r), average(g), average(b)},
                                                                       static_cast<double>(painted) / samples};
        }
    }
    return picture;
}

// ----------------------------------------------------------------- geometry

double clampTo(double v, double lo, double hi) { return std::max(lo, std::min(v, hi)); }

// A rectangle with independently rounded top and bottom corners.
bool inRoundedRect(double x, double y, double left, double top, double right, double bottom, double topRadius,
                   double bottomRadius) {
    if (x < left || x > right || y < top || y > bottom) return false;
    const auto inCorner = [x, y, left, right](double cornerY, double radius) {
        const double cx = clampTo(x, left + radius, right - radius);
        return std::hypot(x - cx, y - cornerY) <= radius;
    };
    if (y < top + topRadius) return inCorner(top + topRadius, topRadius);
    if (y > bottom - bottomRadius) return inCorner(bottom - bottomRadius, bottomRadius);
    return true;
}

bool inRoundedRect(double x, double y, double left, double top, double right, double bottom, double radius) {
    return inRoundedRect(x, y, left, top, right, bottom, radius, radius);
}

bool inEllipse(double x, double y, double cx, double cy, double rx, double ry) {
    const double dx = (x - cx) / rx, dy = (y - cy) / ry;
    return dx * dx + dy * dy <= 1.0;
}

// A stroke with round ends from (ax, ay) to (bx, by).
bool onStroke(double x, double y, double ax, double ay, double bx, double by, double width) {
    const double vx = bx - ax, vy = by - ay;
    const double lengthSquared = vx * vx + vy * vy;
    const double t = lengthSquared > 0 ? clampTo(((x - ax) * vx + (y - ay) * vy) / lengthSquared, 0, 1) : 0;
    return std::hypot(x - (ax + t * vx), y - (ay + t * vy)) <= width / 2;
}

// ------------------------------------------------------------ the mouse shape

// The computer mouse in its own units: 42 x 57, drawn at that size on the
// virtual mouse window, whose click zones lie over the buttons (left 0..25,
// right 24..41, both 25 high, sharing the seam column 24) and whose drag area
// lies over the body (from 24 down).
constexpr double kMouseWidth = 42, kMouseHeight = 57;
constexpr double kSeam = 24.5;  // centre of the seam column and row

bool inMouseOutline(double x, double y, double inset) {
    return inRoundedRect(x, y, inset, inset, kMouseWidth - inset, kMouseHeight - inset, 17 - inset, 20 - inset);
}

bool inWheel(double x, double y, double inset) {
    return inRoundedRect(x, y, 22 + inset, 6 + inset, 27 - inset, 17 - inset, 2.5 - inset);
}

struct MouseStyle {
    Rgb outline, leftButton, rightButton, body, seam, wheelRim, wheel, wheelRidge, shade;
    double outlineWidth;  // in mouse units
    double seamWidth;
};

std::optional<Rgb> shadeMouse(double x, double y, const MouseStyle& style) {
    if (!inMouseOutline(x, y, 0)) return std::nullopt;
    if (!inMouseOutline(x, y, style.outlineWidth)) return style.outline;
    if (inWheel(x, y, 0)) {
        if (!inWheel(x, y, style.seamWidth)) return style.wheelRim;
        return static_cast<int>(std::floor(y)) % 2 == 0 ? style.wheelRidge : style.wheel;
    }
    const double halfSeam = style.seamWidth / 2;
    if (std::abs(y - kSeam) < halfSeam || (y < kSeam && std::abs(x - kSeam) < halfSeam)) return style.seam;
    // A soft band inside the right and lower edge gives the shell some roundness.
    const bool nearEdge = !inMouseOutline(x, y, style.outlineWidth + 1.6 * style.seamWidth);
    const Rgb base = y < kSeam ? (x < kSeam ? style.leftButton : style.rightButton) : style.body;
    if (nearEdge && (x > kMouseWidth / 2 || y > kMouseHeight * 0.7)) return mix(base, style.shade, 0.5);
    return base;
}

// ----------------------------------------------------------------- pictures

// 50 x 57 white mouse on the colour key, one sample per pixel: hard edges.
Picture mousePicture() {
    const MouseStyle style{{128, 128, 128}, kWhite, kWhite, kWhite, {176, 176, 176}, {112, 112, 112},
                           {200, 200, 200}, {160, 160, 160}, {214, 214, 222}, 1.0, 1.0};
    return render(50, 57, 1, [&](double x, double y) { return shadeMouse(x, y, style); });
}

// 173 x 174 diagram of the same mouse: the click zones and the drag area in
// the colours the settings window names (green left, blue right, yellow drag).
Picture schematicPicture() {
    constexpr double scale = 2.8;
    const double originX = (173 - kMouseWidth * scale) / 2, originY = (174 - kMouseHeight * scale) / 2;
    const MouseStyle style{{70, 70, 70},     {96, 200, 96},    {128, 160, 255}, {255, 226, 64},   {70, 70, 70},
                           {70, 70, 70},     {190, 190, 190},  {150, 150, 150}, {120, 120, 120}, 0.9, 0.55};
    const Rgb background{248, 248, 252};
    return render(173, 174, 4, [&](double x, double y) -> std::optional<Rgb> {
        if (auto c = shadeMouse((x - originX) / scale, (y - originY) / scale, style)) return c;
        return background;
    });
}

// The program icon: a white mouse on a blue rounded square, at `size` pixels.
Picture appIcon(int size) {
    const double s = size;
    const double scale = s * 0.74 / kMouseHeight;
    const double originX = (s - kMouseWidth * scale) / 2, originY = (s - kMouseHeight * scale) / 2;
    // Strokes of about one device pixel whatever the size.
    const double pixel = 1.0 / scale;
    const MouseStyle style{{40, 70, 130},  kWhite,          kWhite,          kWhite,         {130, 150, 185},
                           {70, 90, 130},  {150, 165, 190}, {110, 125, 155}, {215, 225, 240}, 0.9 * pixel,
                           0.8 * pixel};
    const Rgb top{80, 160, 245}, bottom{20, 90, 200};
    return render(size, size, 4, [&](double x, double y) -> std::optional<Rgb> {
        if (!inRoundedRect(x, y, 0.02 * s, 0.02 * s, 0.98 * s, 0.98 * s, 0.22 * s)) return std::nullopt;
        if (auto c = shadeMouse((x - originX) / scale, (y - originY) / scale, style)) return c;
        return mix(top, bottom, y / s);
    });
}

// 32 x 32 green pencil lying from the lower left (its point) to the upper right.
Picture pencilPicture() {
    const double tipX = 2.5, tipY = 29.5;
    return render(32, 32, 1, [=](double x, double y) -> std::optional<Rgb> {
        const double along = ((x - tipX) - (y - tipY)) / std::sqrt(2.0);
        const double across = ((x - tipX) + (y - tipY)) / std::sqrt(2.0);
        constexpr double halfWidth = 4.2, coneLength = 9, length = 37;
        if (along < 0 || along > length || std::abs(across) > halfWidth) return std::nullopt;
        if (along < coneLength) {
            if (std::abs(across) > halfWidth * along / coneLength) return std::nullopt;
            return along < 3.5 ? Rgb{60, 60, 60} : Rgb{238, 200, 140};
        }
        if (along > length - 5.5) {
            // The eraser, with a rounded end.
            constexpr double capLength = 2.5;
            if (along > length - capLength && !inEllipse(along, across, length - capLength, 0, capLength, halfWidth)) {
                return std::nullopt;
            }
            return Rgb{240, 128, 150};
        }
        if (along > length - 9) return std::abs(along - (length - 7.2)) < 0.6 ? Rgb{150, 150, 160} : Rgb{200, 200, 210};
        if (across < -1.4) return Rgb{110, 215, 110};
        if (across > 1.4) return Rgb{20, 120, 40};
        return Rgb{50, 175, 70};
    });
}

// 16 x 16 round blue face beside the chat box.
Picture chatPicture() {
    return render(16, 16, 1, [](double x, double y) -> std::optional<Rgb> {
        const double r = std::hypot(x - 8, y - 8);
        if (r > 7.6) return std::nullopt;
        if (r > 6.7) return Rgb{20, 70, 160};
        if (inRoundedRect(x, y, 5, 4, 7, 7, 0) || inRoundedRect(x, y, 9, 4, 11, 7, 0)) return kWhite;
        if (y > 9 && r > 3.3 && r < 4.6) return kWhite;
        return mix(Rgb{110, 180, 255}, Rgb{30, 110, 230}, (x + y) / 20);
    });
}

// 325 x 49 search banner: the shop's orange logo tile at the left, a white
// input field under the search box from x = 76, and an orange search button
// (a magnifier) under the button's hot area at x = 263..320.
Picture bannerPicture() {
    const Rgb orange{255, 102, 0}, lightOrange{255, 140, 30};
    const auto orangeFill = [&](double y, double top, double bottom) {
        return mix(lightOrange, orange, (y - top) / (bottom - top));
    };
    return render(325, 49, 3, [&](double x, double y) -> std::optional<Rgb> {
        // Logo tile with a white mark in the manner of the character 淘:
        // three water drops at the left, a hooked frame and a small cross inside.
        if (inRoundedRect(x, y, 5, 4.5, 45, 44.5, 7)) {
            constexpr double w = 3.2;
            const bool mark = inEllipse(x, y, 13.5, 14, 2.1, 2.1) || inEllipse(x, y, 12.5, 23, 2.1, 2.1) ||
                              onStroke(x, y, 10.5, 36, 16.5, 28, w) || onStroke(x, y, 24, 15, 37, 15, w) ||
                              onStroke(x, y, 37, 15, 37, 35, w) || onStroke(x, y, 37, 35, 33.5, 38.5, w) ||
                              onStroke(x, y, 21.5, 15, 19.5, 20, w) || onStroke(x, y, 25, 22.5, 33, 22.5, w) ||
                              onStroke(x, y, 29, 20, 29, 33, w) || onStroke(x, y, 24.5, 33, 33.5, 33, w);
            return mark ? kWhite : orangeFill(y, 4.5, 44.5);
        }
        if (inRoundedRect(x, y, 71, 10, 259, 40, 3)) {
            return inRoundedRect(x, y, 73, 12, 257, 38, 2) ? kWhite : orange;
        }
        if (inRoundedRect(x, y, 262, 10, 322, 40, 4)) {
            const double ring = std::hypot(x - 289.5, y - 23);
            const bool magnifier = (ring > 4.6 && ring < 7.4) || onStroke(x, y, 294.5, 28, 299.5, 33, 3.6);
            return magnifier ? kWhite : orangeFill(y, 10, 40);
        }
        return mix(Rgb{255, 252, 246}, Rgb{255, 236, 214}, y / 49);
    });
}

// 32 x 32 pointing hand: '#' black, 'o' white, anything else transparent.
// The index fingertip is at the hot spot (5, 0).
constexpr std::array<std::string_view, 32> kHandRows = {
    "     ##",
    "    #oo#",
    "    #oo#",
    "    #oo#",
    "    #oo#",
    "    #oo###",
    "    #oo#oo###",
    "    #oo#oo#oo##",
    "    #oo#oo#oo#o#",
    "##  #oo#oo#oo#oo#",
    "#o# #oooooooo#oo#",
    "#oo##ooooooooooo#",
    " #oo#ooooooooooo#",
    " #ooooooooooooooo#",
    "  #oooooooooooooo#",
    "  #ooooooooooooo#",
    "   #oooooooooooo#",
    "   #ooooooooooo#",
    "    #oooooooooo#",
    "    #oooooooooo#",
    "    ############",
};

// --------------------------------------------------------------- file output

class Bytes {
public:
    void u8(unsigned v) { data_.push_back(static_cast<std::uint8_t>(v)); }
    void u16(unsigned v) { u8(v & 0xFF), u8(v >> 8); }
    void u32(std::uint32_t v) { u16(v & 0xFFFF), u16(v >> 16); }
    void zeros(std::size_t n) { data_.insert(data_.end(), n, 0); }
    std::size_t size() const { return data_.size(); }
    void append(const Bytes& other) { data_.insert(data_.end(), other.data_.begin(), other.data_.end()); }
    bool writeTo(const std::string& path) const {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(data_.data()), static_cast<std::streamsize>(data_.size()));
        return static_cast<bool>(out);
    }

private:
    std::vector<std::uint8_t> data_;
};

// BITMAPINFOHEADER; icons and cursors store twice the height (image + mask).
void infoHeader(Bytes& out, int width, int height, unsigned bitsPerPixel, std::uint32_t imageSize,
                std::uint32_t paletteSize = 0) {
    out.u32(40);
    out.u32(static_cast<std::uint32_t>(width));
    out.u32(static_cast<std::uint32_t>(height));
    out.u16(1);
    out.u16(bitsPerPixel);
    out.u32(0);  // BI_RGB
    out.u32(imageSize);
    out.u32(2835);  // 72 dpi
    out.u32(2835);
    out.u32(paletteSize);
    out.u32(0);
}

std::size_t rowBytes(int width, unsigned bitsPerPixel) {
    return (static_cast<std::size_t>(width) * bitsPerPixel + 31) / 32 * 4;
}

// 1 bit per pixel, rows bottom-up, each padded to 32 bits.
Bytes bitRows(int width, int height, const std::function<bool(int x, int y)>& bit) {
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

std::uint32_t packed(Rgb c) { return static_cast<std::uint32_t>(c.r) << 16 | c.g << 8 | c.b; }

// An 8-bit palettized .bmp of the picture laid over `background`. Every pixel
// keeps its exact colour, so the picture must use at most 256 colours. The
// background is always in the palette: GDI matches a transparent colour
// against the nearest palette entry, so without an exact entry for the key
// some colour of a picture that fills its whole area would vanish.
std::optional<Bytes> bmp8(const Picture& p, Rgb background) {
    std::vector<std::uint32_t> flattened;  // 0x00RRGGBB, top row first
    for (const Pixel& px : p.pixels) flattened.push_back(packed(mix(background, px.colour, px.coverage)));
    std::vector<std::uint32_t> colours = flattened;  // sorted: the palette, searched by lower_bound
    colours.push_back(packed(background));
    std::sort(colours.begin(), colours.end());
    colours.erase(std::unique(colours.begin(), colours.end()), colours.end());
    if (colours.size() > 256) {
        std::fprintf(stderr, "a %dx%d picture uses %zu colours, more than 256\n", p.width, p.height, colours.size());
        return std::nullopt;
    }
    const std::size_t stride = rowBytes(p.width, 8);
    const auto imageSize = static_cast<std::uint32_t>(stride * static_cast<std::size_t>(p.height));
    const auto offset = static_cast<std::uint32_t>(14 + 40 + 4 * colours.size());
    Bytes out;
    out.u8('B'), out.u8('M');
    out.u32(offset + imageSize);
    out.u32(0);
    out.u32(offset);
    infoHeader(out, p.width, p.height, 8, imageSize, static_cast<std::uint32_t>(colours.size()));
    for (const std::uint32_t c : colours) out.u32(c);  // RGBQUAD: blue, green, red, 0
    for (int y = p.height - 1; y >= 0; --y) {
        for (int x = 0; x < p.width; ++x) {
            const std::uint32_t c = flattened[static_cast<std::size_t>(y * p.width + x)];
            out.u8(static_cast<unsigned>(std::lower_bound(colours.begin(), colours.end(), c) - colours.begin()));
        }
        out.zeros(stride - static_cast<std::size_t>(p.width));
    }
    return out;
}

// One 32-bit icon image with straight alpha, followed by its AND mask.
Bytes iconImage(const Picture& p) {
    Bytes out;
    infoHeader(out, p.width, p.height * 2, 32, 0);
    for (int y = p.height - 1; y >= 0; --y) {
        for (int x = 0; x < p.width; ++x) {
            const Pixel& px = p.at(x, y);
            out.u8(px.colour.b), out.u8(px.colour.g), out.u8(px.colour.r);
            out.u8(static_cast<unsigned>(std::lround(px.coverage * 255)));
        }
    }
    out.append(bitRows(p.width, p.height, [&](int x, int y) { return p.at(x, y).coverage == 0; }));
    return out;
}

// An .ico (type 1) or .cur (type 2) file; for cursors the two per-image words
// that icons use for planes and bit depth hold the hot spot.
struct DirectoryImage {
    int width, height, colours;
    unsigned word1, word2;
    Bytes data;
};

Bytes iconFile(unsigned type, const std::vector<DirectoryImage>& images) {
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

Bytes appIconFile() {
    std::vector<DirectoryImage> images;
    for (int size : {16, 32, 48}) images.push_back({size, size, 0, 1, 32, iconImage(appIcon(size))});
    return iconFile(1, images);
}

Bytes handCursorFile() {
    const auto cell = [](int x, int y) {
        const std::string_view row = kHandRows[static_cast<std::size_t>(y)];
        return static_cast<std::size_t>(x) < row.size() ? row[static_cast<std::size_t>(x)] : ' ';
    };
    Bytes image;
    infoHeader(image, 32, 64, 1, 0);
    image.u32(0x000000);  // palette: black, white
    image.u32(0xFFFFFF);
    // XOR mask: 1 = white; AND mask: 1 = transparent.
    image.append(bitRows(32, 32, [&](int x, int y) { return cell(x, y) == 'o'; }));
    image.append(bitRows(32, 32, [&](int x, int y) { const char c = cell(x, y); return c != 'o' && c != '#'; }));
    return iconFile(2, {{32, 32, 2, 5, 0, image}});
}

bool write(const std::string& directory, const char* name, const std::optional<Bytes>& bytes) {
    if (!bytes) return false;
    const std::string path = directory + "/" + name;
    if (bytes->writeTo(path)) return true;
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string directory = argc > 1 ? argv[1] : ".";
    const bool ok = write(directory, "app.ico", appIconFile()) && write(directory, "hand.cur", handCursorFile()) &&
                    write(directory, "mouse.bmp", bmp8(mousePicture(), kKey)) &&
                    write(directory, "schematic.bmp", bmp8(schematicPicture(), kKey)) &&
                    write(directory, "pencil.bmp", bmp8(pencilPicture(), kKey)) &&
                    write(directory, "chat.bmp", bmp8(chatPicture(), kKey)) &&
                    write(directory, "banner.bmp", bmp8(bannerPicture(), kKey));
    return ok ? 0 : 1;
}
