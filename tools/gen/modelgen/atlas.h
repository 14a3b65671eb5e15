// One texture image holding several smaller ones, so that faces textured with
// any of them can be drawn together.
#pragma once

#include <vector>

#include "bitmap.h"

// Where one image sits in the atlas: its top-left texel and size.
struct AtlasTile {
    int x, y, width, height;
};

struct Atlas {
    Image image;                  // power-of-two sides
    std::vector<AtlasTile> tiles; // one per image given, in the same order
};

// Packs the images in rows, each framed by kAtlasBorder texels that continue it as if it repeated, so
// that a point sample just past a tile's edge reads what the repeating image gives there.
constexpr int kAtlasBorder = 4;
Atlas PackAtlas(const std::vector<Image>& images);

// Texture coordinates in the atlas for (u, v) in [0, 1] of the tile's image.
double AtlasU(const Atlas& atlas, const AtlasTile& tile, double u);
double AtlasV(const Atlas& atlas, const AtlasTile& tile, double v);
