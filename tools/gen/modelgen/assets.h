// Every generated asset file, as bytes, ready to be written beside the program.
#pragma once

#include <string>
#include <vector>

struct AssetFile {
    std::string name;   // file name, e.g. "crs.x"
    std::string bytes;  // whole contents
};

#include "mesh.h"

// The two meshes exactly as written to crs.x and F1.x. The course one runs the
// drive over one lap (leaving the process-wide drive state at the lap's end).
Mesh FinishedCourseMesh();
Mesh FinishedCarMesh();

// crs.x, F1.x and every texture they name. Runs the drive over one lap of the
// course table (which leaves the process-wide drive state at the lap's end).
std::vector<AssetFile> GenerateAssets();
