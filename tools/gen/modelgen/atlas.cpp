// Row packing of images into one power-of-two texture, each framed by its own repeat.
#include "atlas.h"

#include <algorithm>
#include <numeric>

namespace {

int PowerOfTwoAtLeast(int n)
{
    int p = 1;
    while (p < n) {
        p *= 2;
    }
    return p;
}

// Tile positions for rows `width` texels wide, in the order given; returns the
// height used.
int PlaceInRows(const std::vector<Image>& images, const std::vector<size_t>& order, int width,
                std::vector<AtlasTile>& tiles)
{
    int x = 0, y = 0, row_height = 0;
    for (size_t i : order) {
        const int w = images[i].width + 2 * kAtlasBorder;
        const int h = images[i].height + 2 * kAtlasBorder;
        if (x + w > width) {
            x = 0;
            y += row_height;
            row_height = 0;
        }
        tiles[i] = {x + kAtlasBorder, y + kAtlasBorder, images[i].width, images[i].height};
        x += w;
        row_height = std::max(row_height, h);
    }
    return y + row_height;
}

void CopyRepeated(const Image& from, const AtlasTile& tile, Image& to)
{
    for (int ty = -kAtlasBorder; ty < tile.height + kAtlasBorder; ++ty) {
        for (int tx = -kAtlasBorder; tx < tile.width + kAtlasBorder; ++tx) {
            const int sx = (tx % tile.width + tile.width) % tile.width;
            const int sy = (ty % tile.height + tile.height) % tile.height;
            SetPixel(to, tile.x + tx, tile.y + ty, GetPixel(from, sx, sy));
        }
    }
}

}  // namespace

Atlas PackAtlas(const std::vector<Image>& images)
{
    std::vector<size_t> order(images.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return images[a].height > images[b].height; });
    int widest = 1;
    for (const Image& image : images) {
        widest = std::max(widest, image.width + 2 * kAtlasBorder);
    }
    Atlas atlas;
    atlas.tiles.resize(images.size());
    int width = PowerOfTwoAtLeast(widest);
    int height = PowerOfTwoAtLeast(PlaceInRows(images, order, width, atlas.tiles));
    while (height > width) {
        width *= 2;
        height = PowerOfTwoAtLeast(PlaceInRows(images, order, width, atlas.tiles));
    }
    atlas.image = MakeImage(width, height, {0, 0, 0});
    for (size_t i = 0; i < images.size(); ++i) {
        CopyRepeated(images[i], atlas.tiles[i], atlas.image);
    }
    return atlas;
}

double AtlasU(const Atlas& atlas, const AtlasTile& tile, double u)
{
    return (tile.x + u * tile.width) / atlas.image.width;
}

double AtlasV(const Atlas& atlas, const AtlasTile& tile, double v)
{
    return (tile.y + v * tile.height) / atlas.image.height;
}
