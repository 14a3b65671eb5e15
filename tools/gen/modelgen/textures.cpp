// Procedural texture images: road, kerbs, start line, grass, boards, banner, race number.
#include "textures.h"

#include <cmath>

namespace {

constexpr Colour kAsphalt{0.34, 0.34, 0.36};
constexpr Colour kShoulder{0.46, 0.44, 0.40};
constexpr Colour kWhite{0.94, 0.94, 0.92};
constexpr Colour kKerbRed{0.80, 0.12, 0.10};
constexpr Colour kBlack{0.06, 0.06, 0.07};
constexpr Colour kLiveryRed{0.78, 0.06, 0.05};

// Deterministic lattice value in [0, 1) for integer cell (x, y) and a seed.
double Lattice(int x, int y, int seed) {
    uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u +
                 static_cast<uint32_t>(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return ((h ^ (h >> 16)) & 0xFFFF) / 65536.0;
}

// Smooth value noise that wraps every `period` cells, sampled at (x, y) in cells.
double SoftNoise(double x, double y, int period, int seed) {
    const int x0 = static_cast<int>(std::floor(x));
    const int y0 = static_cast<int>(std::floor(y));
    const double fx = x - x0;
    const double fy = y - y0;
    const double sx = fx * fx * (3 - 2 * fx);
    const double sy = fy * fy * (3 - 2 * fy);
    auto at = [&](int cx, int cy) {
        return Lattice(((cx % period) + period) % period, ((cy % period) + period) % period, seed);
    };
    const double top = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * sx;
    const double bottom = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * sx;
    return top + (bottom - top) * sy;
}

Colour Shade(Colour c, double factor) { return {c.r * factor, c.g * factor, c.b * factor}; }

// Asphalt with a faint, broad unevenness (cells of 16 pixels).
void FillAsphalt(Image& image) {
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const double n = SoftNoise(x / 16.0, y / 16.0, image.width / 16, 7);
            SetPixel(image, x, y, Shade(kAsphalt, 0.94 + 0.12 * n));
        }
    }
}

// Columns [x0, x1) and their mirror image across the road's centre.
void FillMirrored(Image& image, int x0, int x1, int y0, int y1, Colour c) {
    FillRect(image, x0, y0, x1, y1, c);
    FillRect(image, image.width - x1, y0, image.width - x0, y1, c);
}

// Pixel rows of the 7-row, 5-column digits, top row first, bit 4 = left column.
constexpr uint8_t kDigits[10][7] = {
    {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}, {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E},
    {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}, {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E},
    {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}, {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E},
    {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E}, {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08},
    {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}, {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C},
};

}  // namespace

Image RoadImage() {
    Image image = MakeImage(64, 64, kAsphalt);
    FillAsphalt(image);
    FillMirrored(image, 0, 4, 0, 64, kShoulder);
    FillMirrored(image, 5, 7, 0, 64, kWhite);
    return image;
}

Image KerbImage() {
    Image image = RoadImage();
    FillMirrored(image, 0, 6, 0, 32, kKerbRed);
    FillMirrored(image, 0, 6, 32, 64, kWhite);
    FillMirrored(image, 6, 8, 0, 64, kWhite);
    return image;
}

Image StartImage() {
    Image image = KerbImage();
    // Squares of 4 x 4 pixels in two rows at each end of v, between the kerbs.
    for (int x = 8; x < 56; x += 4) {
        for (int row : {0, 1}) {
            const Colour first = ((x / 4 + row) % 2 == 0) ? kWhite : kBlack;
            const Colour second = ((x / 4 + row) % 2 == 0) ? kBlack : kWhite;
            FillRect(image, x, row * 4, x + 4, row * 4 + 4, first);
            FillRect(image, x, 56 + row * 4, x + 4, 60 + row * 4, second);
        }
    }
    return image;
}

Image GrassImage() {
    Image image = MakeImage(64, 64, {0, 0, 0});
    const Colour grass{0.26, 0.50, 0.20};
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            const double broad = SoftNoise(x / 16.0, y / 16.0, 4, 3);
            const double fine = SoftNoise(x / 8.0, y / 8.0, 8, 5);
            SetPixel(image, x, y, Shade(grass, 0.82 + 0.26 * broad + 0.08 * fine));
        }
    }
    return image;
}

Image BoardImage(int bars) {
    Image image = MakeImage(32, 32, {0.10, 0.20, 0.62});
    const int spacing = 32 / (bars + 1);
    for (int bar = 1; bar <= bars; ++bar) {
        for (int y = 4; y < 28; ++y) {
            const int x = bar * spacing - 2 + (28 - y) / 6;  // slanted like a chevron leg
            FillRect(image, x, y, x + 4, y + 1, kWhite);
        }
    }
    return image;
}

Image BannerImage() {
    Image image = MakeImage(64, 16, kWhite);
    for (int y = 0; y < 16; y += 8) {
        for (int x = 0; x < 64; x += 8) {
            if ((x / 8 + y / 8) % 2 == 0) {
                FillRect(image, x, y, x + 8, y + 8, kBlack);
            }
        }
    }
    return image;
}

Image NumberImage(int digit) {
    Image image = MakeImage(64, 64, kLiveryRed);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            const double dx = x + 0.5 - 32.0;
            const double dy = y + 0.5 - 32.0;
            if (dx * dx + dy * dy < 27.0 * 27.0) {
                SetPixel(image, x, y, kWhite);
            }
        }
    }
    // The digit 5 x 7 cells of 6 pixels, centred.
    for (int row = 0; row < 7; ++row) {
        for (int column = 0; column < 5; ++column) {
            if (kDigits[digit][row] & (0x10 >> column)) {
                FillRect(image, 17 + column * 6, 11 + row * 6, 23 + column * 6, 17 + row * 6, kBlack);
            }
        }
    }
    return image;
}

Image WingImage(int digit) {
    Image image = MakeImage(64, 32, kLiveryRed);
    FillRect(image, 18, 1, 46, 31, kWhite);
    for (int row = 0; row < 7; ++row) {
        for (int column = 0; column < 5; ++column) {
            if (kDigits[digit][row] & (0x10 >> column)) {
                FillRect(image, 22 + column * 4, 2 + row * 4, 26 + column * 4, 6 + row * 4, kBlack);
            }
        }
    }
    return image;
}

std::vector<NamedImage> AllTextures() {
    return {
        {"road.bmp", RoadImage()},     {"kerb.bmp", KerbImage()},     {"start.bmp", StartImage()},
        {"grass.bmp", GrassImage()},   {"board1.bmp", BoardImage(1)}, {"board2.bmp", BoardImage(2)},
        {"board3.bmp", BoardImage(3)}, {"banner.bmp", BannerImage()}, {"number.bmp", NumberImage(5)},
        {"wing.bmp", WingImage(5)},
    };
}
