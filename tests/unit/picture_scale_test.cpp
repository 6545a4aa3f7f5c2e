// Which rendering of the bundled pictures the program draws at each DPI, and
// the committed pictures themselves: every rendering at the size it is shown,
// no key-coloured fringe, the hand pointer's hot spot where the finger is.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "forms/win32/picture_scale.h"

namespace {

using namespace lumo::win32;

TEST(PictureScale, EachDpiTakesTheNearestLargerRenderingAndOnlyShrinksIt) {
    struct Row {
        int dpi, percent, mouseHeight;  // the 57-pixel mouse picture as shown
    };
    for (const Row& row : {Row{96, 100, 57}, Row{120, 150, 71}, Row{144, 150, 86}, Row{168, 200, 100},
                           Row{192, 200, 114}, Row{216, 200, 128}, Row{288, 200, 171}}) {
        SCOPED_TRACE(row.dpi);
        const int percent = kRenderingPercents[renderingForDpi(row.dpi)];
        EXPECT_EQ(percent, row.percent);
        const int shown = lumo::roundHalfEven(57.0 * row.dpi / kDpiAt100Percent);  // as twips become pixels
        EXPECT_EQ(shown, row.mouseHeight);
        if (row.dpi <= 192) {
            EXPECT_GE(renderedPixels(57, percent), shown);
        }
        if (row.dpi == 96 || row.dpi == 144 || row.dpi == 192) {
            EXPECT_EQ(renderedPixels(57, percent), shown);  // drawn as rendered, unscaled
        }
    }
    EXPECT_EQ(kAppIconSizes[nearestLargerOrLargest(kAppIconSizes, 28)], 32);
    EXPECT_EQ(kAppIconSizes[nearestLargerOrLargest(kAppIconSizes, 56)], 64);
    EXPECT_EQ(kAppIconSizes[nearestLargerOrLargest(kAppIconSizes, 300)], 256);
    for (const int percent : kRenderingPercents) {
        for (int pixels = 1; pixels < 1000; ++pixels)
            ASSERT_EQ(pixelsAt100(renderedPixels(pixels, percent), percent), pixels);
    }
}

// ------------------------------------------------------- the committed files

std::vector<std::uint8_t> readAsset(const std::string& name) {
    std::ifstream in(std::string(LUMO_ASSETS_DIR) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

unsigned u16(const std::vector<std::uint8_t>& b, std::size_t at) { return b.at(at) | b.at(at + 1) << 8; }
std::uint32_t u32(const std::vector<std::uint8_t>& b, std::size_t at) { return u16(b, at) | u16(b, at + 2) << 16; }

struct Bitmap {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;  // 0xRRGGBB, bottom row first
};

// An 8-bit .bmp, uncompressed or RLE8.
Bitmap decodeBmp8(const std::vector<std::uint8_t>& file) {
    Bitmap bitmap{static_cast<int>(u32(file, 18)), static_cast<int>(u32(file, 22)), {}};
    EXPECT_EQ(u16(file, 28), 8u);
    std::vector<std::uint8_t> indexes(static_cast<std::size_t>(bitmap.width * bitmap.height));
    std::size_t at = u32(file, 10);
    if (u32(file, 30) == 0) {
        const std::size_t stride = (static_cast<std::size_t>(bitmap.width) + 3) / 4 * 4;
        for (std::size_t i = 0; i < indexes.size(); ++i)
            indexes[i] = file.at(at + i / bitmap.width * stride + i % bitmap.width);
    } else {
        std::size_t x = 0, y = 0;
        for (;;) {
            const std::uint8_t count = file.at(at), value = file.at(at + 1);
            at += 2;
            if (count > 0) {
                for (int i = 0; i < count; ++i) indexes.at(y * bitmap.width + x++) = value;
            } else if (value == 0) {
                x = 0, ++y;
            } else if (value == 1) {
                break;
            } else {
                for (int i = 0; i < value; ++i) indexes.at(y * bitmap.width + x++) = file.at(at++);
                at += value % 2;
            }
        }
    }
    for (const std::uint8_t index : indexes) bitmap.pixels.push_back(u32(file, 54 + 4u * index) & 0xFFFFFF);
    return bitmap;
}

TEST(BundledPictures, EveryRenderingHasTheShownSizeAndKeyedOnesNoFringe) {
    constexpr std::uint32_t kKey = 0xFF00FF;
    struct Picture {
        const char* name;
        int width, height;
        bool keyed;  // drawn over its surroundings, transparent where it holds the key
    };
    for (const Picture& picture :
         {Picture{"mouse", 50, 57, true}, Picture{"schematic", 173, 174, false}, Picture{"pencil", 32, 32, true},
          Picture{"chat", 16, 16, true}, Picture{"banner", 325, 49, false}}) {
        for (const int percent : kRenderingPercents) {
            const std::string name = std::string(picture.name) + "-" + std::to_string(percent) + ".bmp";
            SCOPED_TRACE(name);
            const Bitmap bitmap = decodeBmp8(readAsset(name));
            EXPECT_EQ(bitmap.width, renderedPixels(picture.width, percent));
            EXPECT_EQ(bitmap.height, renderedPixels(picture.height, percent));
            int keyPixels = 0;
            for (const std::uint32_t c : bitmap.pixels) {
                const int distance = std::abs(static_cast<int>(c >> 16) - 0xFF) + static_cast<int>(c >> 8 & 0xFF) +
                                     std::abs(static_cast<int>(c & 0xFF) - 0xFF);
                keyPixels += c == kKey;
                // A blend of the key with the picture would show as a pink fringe.
                if (c != kKey) {
                    ASSERT_GT(distance, 192) << std::hex << c;
                }
            }
            EXPECT_EQ(keyPixels > 0, picture.keyed);
        }
    }
}

TEST(BundledPictures, TheIconsHoldEverySizeAndTheHandItsHotSpotAtTheFingertip) {
    for (const char* name : {"app.ico", "app-on.ico"}) {
        const std::vector<std::uint8_t> icon = readAsset(name);
        ASSERT_EQ(u16(icon, 4), kAppIconSizes.size()) << name;
        for (std::size_t i = 0; i < kAppIconSizes.size(); ++i) EXPECT_EQ(icon.at(6 + 16 * i), kAppIconSizes[i] % 256);
    }

    const std::vector<std::uint8_t> cursor = readAsset("hand.cur");
    ASSERT_EQ(u16(cursor, 4), kRenderingPercents.size());
    for (std::size_t i = 0; i < kRenderingPercents.size(); ++i) {
        const std::size_t entry = 6 + 16 * i;
        const int size = renderedPixels(32, kRenderingPercents[i]);
        const unsigned hotX = u16(cursor, entry + 4), hotY = u16(cursor, entry + 6);
        SCOPED_TRACE(size);
        EXPECT_EQ(cursor.at(entry), size);
        EXPECT_EQ(hotX, static_cast<unsigned>(renderedPixels(5, kRenderingPercents[i])));
        EXPECT_EQ(hotY, 0u);
        // The hot spot's pixel is drawn (its AND-mask bit clear): the fingertip's outline.
        const std::size_t stride = (static_cast<std::size_t>(size) + 31) / 32 * 4;
        const std::size_t andMask = u32(cursor, entry + 12) + 40 + 8 + stride * size;
        const std::size_t row = andMask + stride * (size - 1 - hotY);  // rows bottom-up
        EXPECT_FALSE(cursor.at(row + hotX / 8) >> (7 - hotX % 8) & 1);
    }
}

}  // namespace
