// Reads back what a generated text .x file says: positions, faces, each face's material, each material's texture.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct Point {
    float x, y, z;
};

struct XFileText {
    std::vector<Point> positions;
    std::vector<std::array<uint32_t, 3>> faces;  // vertex indexes
    std::vector<uint32_t> face_material;
    std::vector<std::string> textures;           // per material; empty where it names none
};

// Parses the layout the model generator writes; false when the file is
// missing or says less than that layout holds.
bool ReadXFileText(const std::string& path, XFileText& out);
