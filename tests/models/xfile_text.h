// Reads back what a generated text .x file says: vertex positions, faces, materials and texture names.
#pragma once

#include <string>
#include <vector>

struct XFileText {
    std::vector<float> positions;   // x, y, z per vertex
    std::vector<int> face_material; // material index of each face, in file order
    int material_count = 0;
    std::vector<std::string> textures;  // per material; empty where it names none
};

// Parses the layout the model generator writes (one element per line); on a
// line it does not expect, returns false and names the line in `error`.
bool ReadXFileText(const std::string& path, XFileText& out, std::string& error);
