// Every generated asset file, as bytes, ready to be written beside the program.
#pragma once

#include <string>
#include <vector>

#include "mesh.h"

struct AssetFile {
    std::string name;   // file name, e.g. "crs.x"
    std::string bytes;  // whole contents
};

// The two meshes exactly as written to crs.x (along the course table) and F1.x.
Mesh FinishedCourseMesh();
Mesh FinishedCarMesh();

// crs.x, F1.x and every texture they name.
std::vector<AssetFile> GenerateAssets();
