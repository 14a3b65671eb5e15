// RGB images for the model textures and their 24-bit BMP file form.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "mesh.h"

// Pixels top row first (the row at texture v = 0), three bytes r, g, b each.
struct Image {
    int width, height;
    std::vector<uint8_t> rgb;
};

Image MakeImage(int width, int height, Colour fill);

// Colour components 0..1, clamped; x and y must lie inside the image.
void SetPixel(Image& image, int x, int y, Colour c);
Colour GetPixel(const Image& image, int x, int y);

// Fills the rectangle [x0, x1) x [y0, y1), clipped to the image.
void FillRect(Image& image, int x0, int y0, int x1, int y1, Colour c);

// The file: BITMAPFILEHEADER, BITMAPINFOHEADER (40 bytes, 24 bits, no
// compression), then rows bottom-up in b, g, r order, each padded to 4 bytes.
std::string FormatBmp(const Image& image);
