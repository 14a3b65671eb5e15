// Image pixels and 24-bit BMP encoding.
#include "bitmap.h"

#include <algorithm>
#include <cmath>

namespace {

uint8_t Byte(double component) { return static_cast<uint8_t>(std::lround(std::clamp(component, 0.0, 1.0) * 255.0)); }

void Put16(std::string& out, uint32_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

void Put32(std::string& out, uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

}  // namespace

Image MakeImage(int width, int height, Colour fill) {
    Image image{width, height, std::vector<uint8_t>(static_cast<size_t>(width) * height * 3)};
    FillRect(image, 0, 0, width, height, fill);
    return image;
}

void SetPixel(Image& image, int x, int y, Colour c) {
    uint8_t* p = &image.rgb[(static_cast<size_t>(y) * image.width + x) * 3];
    p[0] = Byte(c.r);
    p[1] = Byte(c.g);
    p[2] = Byte(c.b);
}

Colour GetPixel(const Image& image, int x, int y) {
    const uint8_t* p = &image.rgb[(static_cast<size_t>(y) * image.width + x) * 3];
    return {p[0] / 255.0, p[1] / 255.0, p[2] / 255.0};
}

void FillRect(Image& image, int x0, int y0, int x1, int y1, Colour c) {
    for (int y = std::max(y0, 0); y < std::min(y1, image.height); ++y) {
        for (int x = std::max(x0, 0); x < std::min(x1, image.width); ++x) {
            SetPixel(image, x, y, c);
        }
    }
}

std::string FormatBmp(const Image& image) {
    const uint32_t row_bytes = (static_cast<uint32_t>(image.width) * 3 + 3) & ~3u;
    const uint32_t pixel_bytes = row_bytes * static_cast<uint32_t>(image.height);
    const uint32_t header_bytes = 14 + 40;
    std::string out = "BM";
    Put32(out, header_bytes + pixel_bytes);
    Put32(out, 0);
    Put32(out, header_bytes);
    Put32(out, 40);
    Put32(out, static_cast<uint32_t>(image.width));
    Put32(out, static_cast<uint32_t>(image.height));  // positive: bottom-up rows
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);  // BI_RGB
    Put32(out, pixel_bytes);
    Put32(out, 2835);  // 72 dpi
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = image.height - 1; y >= 0; --y) {
        std::string row;
        for (int x = 0; x < image.width; ++x) {
            const uint8_t* p = &image.rgb[(static_cast<size_t>(y) * image.width + x) * 3];
            row += static_cast<char>(p[2]);
            row += static_cast<char>(p[1]);
            row += static_cast<char>(p[0]);
        }
        row.resize(row_bytes, '\0');
        out += row;
    }
    return out;
}
