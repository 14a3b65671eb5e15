// Test support: fresh working folders and the small model and texture files the tests write.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One material of a written .x file. texture null: no TextureFilename block.
struct XMaterial {
    float r, g, b, a;
    float power;
    float specular[3];
    float emissive[3];
    const char* texture;
};

// A plain material of the given diffuse colour and no texture.
XMaterial PlainMaterial(float r, float g, float b);

// Writes a text .x mesh with one quad (two triangles) per material, quad i
// drawn with material i; with no materials, one quad and no material list.
void WriteXFile(const std::string& path, const std::vector<XMaterial>& materials);

// Writes a 24-bit bottom-up .bmp of one colour (0xRRGGBB).
void WriteBmp(const std::string& path, int width, int height, uint32_t rgb);

// Makes a new empty folder under the temp path the current directory and
// returns its path with a trailing backslash.
std::string EnterFreshFolder();

// Writes a course (two materials, one textured with "road.bmp") as crs.x, the
// texture, and a one-material car as F1.x into the current directory.
void WriteDemoModels();
