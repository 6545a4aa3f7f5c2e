// Draws the program's bundled pictures and writes them in the formats app.rc
// embeds (.bmp, .ico, .cur). Built and run by regenerate.sh on the developer's
// machine; its outputs are committed, so the cross build never runs it.
//
// Every picture is a shader: a function from a point (in the picture's own
// units, its pixels at 100 %) to a colour, or to nothing where the picture is
// transparent. Each picture is drawn afresh for every rendering the program
// picks from (renderings.h), with its shapes scaled, so
// edges fall on the pixels of that rendering instead of being enlarged
// pixels. Pictures with a light background are supersampled for smooth
// edges; pictures on the magenta colour key are sampled once per pixel, so
// no edge pixel is ever a blend of the key and the picture (a blend would
// show as a pink fringe).
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "assets/image_files.h"
#include "assets/renderings.h"

namespace {

using assets::Bytes;
using assets::mix;
using assets::Picture;
using assets::Pixel;
using assets::Rgb;
using lumo::assets::kAppIconSizes;
using lumo::assets::kHandCursorHotSpotX;
using lumo::assets::kHandCursorPixels;
using lumo::assets::kRenderingPercents;
using lumo::assets::renderedPixels;

constexpr Rgb kKey{255, 0, 255};  // transparent wherever the program draws a bitmap
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};

// ---------------------------------------------------------------- rendering

using Shader = std::function<std::optional<Rgb>(double x, double y)>;

// `width` x `height` pixels of a picture drawn `scale` times its own units.
Picture render(int width, int height, int samplesPerAxis, double scale, const Shader& shade) {
    Picture picture{width, height, std::vector<Pixel>(static_cast<std::size_t>(width * height))};
    const int samples = samplesPerAxis * samplesPerAxis;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            double r = 0, g = 0, b = 0;
            int painted = 0;
            for (int s = 0; s < samples; ++s) {
                const double sx = x + (s % samplesPerAxis + 0.5) / samplesPerAxis;
                const double sy = y + (s / samplesPerAxis + 0.5) / samplesPerAxis;
                if (const auto c = shade(sx / scale, sy / scale)) {
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

// A picture of `width` x `height` units at 100 %, rendered at `percent`.
Picture renderAt(int percent, int width, int height, int samplesPerAxis, const Shader& shade) {
    return render(renderedPixels(width, percent), renderedPixels(height, percent), samplesPerAxis, percent / 100.0,
                  shade);
}

// A line `units` wide at 100 % as a whole number of pixels at `percent`, in
// units: one-sample pictures have no half pixels to show a fraction with.
double wholePixels(double units, int percent) {
    const double scale = percent / 100.0;
    return std::max(1.0, std::round(units * scale)) / scale;
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
    double ridgeHeight = 1;  // of each stripe on the wheel
};

std::optional<Rgb> shadeMouse(double x, double y, const MouseStyle& style) {
    if (!inMouseOutline(x, y, 0)) return std::nullopt;
    if (!inMouseOutline(x, y, style.outlineWidth)) return style.outline;
    if (inWheel(x, y, 0)) {
        if (!inWheel(x, y, style.seamWidth)) return style.wheelRim;
        return static_cast<int>(std::floor(y / style.ridgeHeight)) % 2 == 0 ? style.wheelRidge : style.wheel;
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

// The 50 x 57 white mouse of the virtual mouse window, on the colour key, one
// sample per pixel: hard edges.
Picture mousePicture(int percent) {
    const double line = wholePixels(1.0, percent);
    const MouseStyle style{
        {128, 128, 128}, kWhite, kWhite, kWhite, {176, 176, 176}, {112, 112, 112}, {200, 200, 200}, {160, 160, 160},
        {214, 214, 222}, line,   line,   line};
    return renderAt(percent, 50, 57, 1, [&](double x, double y) { return shadeMouse(x, y, style); });
}

// 173 x 174 diagram of the same mouse: the click zones and the drag area in
// the colours the settings window names (green left, blue right, yellow drag).
Picture schematicPicture(int percent) {
    constexpr double scale = 2.8;
    const double originX = (173 - kMouseWidth * scale) / 2, originY = (174 - kMouseHeight * scale) / 2;
    const MouseStyle style{{70, 70, 70}, {96, 200, 96},   {128, 160, 255}, {255, 226, 64},  {70, 70, 70},
                           {70, 70, 70}, {190, 190, 190}, {150, 150, 150}, {120, 120, 120}, 0.9,
                           0.55};
    const Rgb background{248, 248, 252};
    return renderAt(percent, 173, 174, 4, [&](double x, double y) -> std::optional<Rgb> {
        if (auto c = shadeMouse((x - originX) / scale, (y - originY) / scale, style)) return c;
        return background;
    });
}

// The program icon: a white mouse on a blue rounded square, at `size` pixels;
// on a green one while the keyboard mouse is on.
Picture appIcon(int size, bool keyboardMouseOn) {
    const double s = size;
    const double scale = s * 0.74 / kMouseHeight;
    const double originX = (s - kMouseWidth * scale) / 2, originY = (s - kMouseHeight * scale) / 2;
    // Strokes of about one device pixel up to 48 pixels, thicker in the large icons.
    const double pixel = std::max(1.0, s / 48) / scale;
    const MouseStyle style{{40, 70, 130},   kWhite,        kWhite,          kWhite,
                           {130, 150, 185}, {70, 90, 130}, {150, 165, 190}, {110, 125, 155},
                           {215, 225, 240}, 0.9 * pixel,   0.8 * pixel};
    const Rgb top = keyboardMouseOn ? Rgb{90, 215, 110} : Rgb{80, 160, 245};
    const Rgb bottom = keyboardMouseOn ? Rgb{20, 140, 50} : Rgb{20, 90, 200};
    return render(size, size, 4, 1, [&](double x, double y) -> std::optional<Rgb> {
        if (!inRoundedRect(x, y, 0.02 * s, 0.02 * s, 0.98 * s, 0.98 * s, 0.22 * s)) return std::nullopt;
        if (auto c = shadeMouse((x - originX) / scale, (y - originY) / scale, style)) return c;
        return mix(top, bottom, y / s);
    });
}

// 32 x 32 green pencil lying from the lower left (its point) to the upper right.
Picture pencilPicture(int percent) {
    const double tipX = 2.5, tipY = 29.5;
    return renderAt(percent, 32, 32, 1, [=](double x, double y) -> std::optional<Rgb> {
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
Picture chatPicture(int percent) {
    return renderAt(percent, 16, 16, 1, [](double x, double y) -> std::optional<Rgb> {
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
Picture bannerPicture(int percent) {
    const Rgb orange{255, 102, 0}, lightOrange{255, 140, 30};
    const auto orangeFill = [&](double y, double top, double bottom) {
        return mix(lightOrange, orange, (y - top) / (bottom - top));
    };
    return renderAt(percent, 325, 49, 3, [&](double x, double y) -> std::optional<Rgb> {
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

// ------------------------------------------------------------ the hand pointer

// Signed distances (negative inside) of the shapes the hand is made of. The
// smallest of them is the hand's outline, and its depth inside where the
// shapes overlap deeply enough (they all do by more than the outline's width).
double capsuleDistance(double x, double y, double ax, double ay, double bx, double by, double radius) {
    const double vx = bx - ax, vy = by - ay;
    const double t = clampTo(((x - ax) * vx + (y - ay) * vy) / (vx * vx + vy * vy), 0, 1);
    return std::hypot(x - (ax + t * vx), y - (ay + t * vy)) - radius;
}

double boxDistance(double x, double y, double left, double top, double right, double bottom, double radius) {
    const double qx = std::abs(x - (left + right) / 2) - ((right - left) / 2 - radius);
    const double qy = std::abs(y - (top + bottom) / 2) - ((bottom - top) / 2 - radius);
    return std::hypot(std::max(qx, 0.0), std::max(qy, 0.0)) + std::min(std::max(qx, qy), 0.0) - radius;
}

// The pointing hand in its 32 x 32 units: the index fingertip at the top,
// x = 5..7, which is where the hot spot (5, 0) lies. White inside, a black
// outline `line` units wide and black creases between the fingers; nothing
// outside.
std::optional<bool> handIsWhite(double x, double y, double line) {
    const double outline = std::min({capsuleDistance(x, y, 6, 2, 6, 12, 2),      // index finger
                                     capsuleDistance(x, y, 9, 7, 9, 12, 2),      // middle finger
                                     capsuleDistance(x, y, 12, 8, 12, 12, 2),    // ring finger
                                     capsuleDistance(x, y, 15, 9.5, 15, 13, 2),  // little finger
                                     capsuleDistance(x, y, 2, 11, 6, 15.5, 2),   // thumb
                                     boxDistance(x, y, 4, 10, 17, 18, 1.5),      // palm
                                     boxDistance(x, y, 4.5, 12, 16, 21, 1)});    // wrist
    if (outline > 0) return std::nullopt;
    const bool crease = onStroke(x, y, 7.5, 6, 7.5, 10, line) || onStroke(x, y, 10.5, 7, 10.5, 10.5, line) ||
                        onStroke(x, y, 13.5, 8.5, 13.5, 11.5, line) || onStroke(x, y, 4, 11.5, 5.5, 13, line);
    return outline < -line && !crease;
}

// The hand at the size of a rendering, its hot spot scaled with it.
assets::DirectoryImage handCursorImage(int percent) {
    const int size = renderedPixels(kHandCursorPixels, percent);
    const double scale = percent / 100.0, line = wholePixels(1.0, percent);
    Bytes image = assets::cursorImage(
        size, [&](int x, int y) { return handIsWhite((x + 0.5) / scale, (y + 0.5) / scale, line); });
    return {size, size, 2, static_cast<unsigned>(renderedPixels(kHandCursorHotSpotX, percent)), 0, std::move(image)};
}

// --------------------------------------------------------------- file output

Bytes appIconFile(bool keyboardMouseOn) {
    std::vector<assets::DirectoryImage> images;
    for (const int size : kAppIconSizes) {
        const Picture icon = appIcon(size, keyboardMouseOn);
        // Every size is stored as PNG (Windows reads PNG icon images since Vista):
        // as 32-bit bitmaps the eight sizes would add about 35 KB to the exe.
        images.push_back({size, size, 0, 1, 32, assets::png(icon)});
    }
    return assets::iconFile(1, images);
}

Bytes handCursorFile() {
    std::vector<assets::DirectoryImage> images;
    for (const int percent : kRenderingPercents) images.push_back(handCursorImage(percent));
    return assets::iconFile(2, images);
}

bool write(const std::string& directory, const std::string& name, const Bytes& bytes) {
    const std::string path = directory + "/" + name;
    if (bytes.writeTo(path)) return true;
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string directory = argc > 1 ? argv[1] : ".";
    // The bitmaps, each as <name>-<percent>.bmp.
    const std::array<std::pair<const char*, Picture (*)(int)>, 5> bitmaps{{{"mouse", mousePicture},
                                                                           {"schematic", schematicPicture},
                                                                           {"pencil", pencilPicture},
                                                                           {"chat", chatPicture},
                                                                           {"banner", bannerPicture}}};
    bool ok = write(directory, "app.ico", appIconFile(false)) && write(directory, "app-on.ico", appIconFile(true)) &&
              write(directory, "hand.cur", handCursorFile());
    for (const auto& [name, draw] : bitmaps) {
        for (const int percent : kRenderingPercents) {
            ok = ok && write(directory, std::string(name) + "-" + std::to_string(percent) + ".bmp",
                             assets::bmp8(draw(percent), kKey));
        }
    }
    return ok ? 0 : 1;
}
