// The texture images of both models, drawn in code: broad shapes and soft
// noise only, since the device samples them with point filtering and no mip-maps.
#pragma once

#include <string>
#include <vector>

#include "bitmap.h"

struct NamedImage {
    std::string file;  // the name the materials use, e.g. "road.bmp"
    Image image;
};

// Road surfaces, 64 x 64, u across the road from its left edge, v along it (a repeat per two plates):
// asphalt with edge lines; with red and white kerbs; kerbed with chequered ends that meet at the start.
Image RoadImage();
Image KerbImage();
Image StartImage();
// Grass with soft light and dark patches, tiling seamlessly, 64 x 64.
Image GrassImage();
// Distance board, 32 x 32: `bars` (1..3) white slanted bars on blue.
Image BoardImage(int bars);
// Chequered banner over the start, 64 x 16.
Image BannerImage();
// Race number plate, 64 x 64: a white disc on the livery red with a black digit.
Image NumberImage(int digit);
// Rear wing top, 64 x 32: the race number on a white panel across the livery red.
Image WingImage(int digit);

// Every texture file of both models.
std::vector<NamedImage> AllTextures();
