// Every generated asset file, as bytes, ready to be written beside the program.
#pragma once

#include <string>
#include <vector>

#include "mesh.h"

struct AssetFile {
    std::string name;   // under the output folder, e.g. "crs.x"
    std::string bytes;  // whole contents
};

// The two meshes as built, one material per kind of surface (road, kerb,
// grass, ...), faces grouped by material; the course along the course table.
Mesh FinishedCourseMesh();
Mesh FinishedCarMesh();

// The run folder's files: crs.x and F1.x in the binary form and every texture
// they name; or, with `text`, only the two models in the text form, for reading.
// Throws std::runtime_error naming the model and its ModelFault, if it has one.
std::vector<AssetFile> GenerateAssets(bool text);
