// Test support: fresh working folders and the small model and texture files the tests write.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One material of a written .x file: its diffuse colour (alpha 1, power 8, grey
// specular, no emission) and a texture file name, none when null.
struct XMaterial {
    float r, g, b;
    const char* texture;
};

// Writes a text .x mesh with one quad (two triangles) per material (one at least), quad i drawn with material i.
void WriteXFile(const std::string& path, const std::vector<XMaterial>& materials);

// Writes a top-down 32-bit .bmp `width` pixels wide of `pixels` (0x00RRGGBB, row by row from the top).
void WriteBmp(const std::string& path, int width, const std::vector<uint32_t>& pixels);

// Makes a new folder under the temp path the current directory, and writes into it a course (two materials, the
// first textured with "road.bmp") as crs.x, the texture, and a one-material car as F1.x.
void EnterFolderOfDemoModels();
