// Colour classes of a captured frame.
#include "scene_pixels.h"

namespace {

constexpr uint32_t kClearGrey = 0x646464;
constexpr int kBelowOverlay = kOverlayLineCount * kOverlayLineSpacing;

int Red(uint32_t pixel) { return static_cast<int>((pixel >> 16) & 0xFF); }
int Green(uint32_t pixel) { return static_cast<int>((pixel >> 8) & 0xFF); }
int Blue(uint32_t pixel) { return static_cast<int>(pixel & 0xFF); }

}  // namespace

SceneCounts CountScene(const ScreenPixels& client) {
    SceneCounts counts = {0, 0, 0};
    for (int y = kBelowOverlay; y < client.height; ++y) {
        for (int x = 0; x < client.width; ++x) {
            const uint32_t pixel = client.pixels[static_cast<size_t>(y) * client.width + x];
            if (pixel == kClearGrey) {
                ++counts.clear;
            } else if (Red(pixel) > 150 && Green(pixel) < 80 && Blue(pixel) < 80) {
                ++counts.car;
            } else if (Green(pixel) > Red(pixel) + 15 && Green(pixel) > Blue(pixel) + 15) {
                ++counts.grass;
            }
        }
    }
    return counts;
}
