// Every generated asset file, as bytes, ready to be written beside the program.
#pragma once

#include <string>
#include <vector>

#include "mesh.h"

struct AssetFile {
    std::string name;   // under the output folder, e.g. "crs.x"
    std::string bytes;  // whole contents
};

// The run folder's files: crs.x (the course along the course table) and F1.x, a subset per kind
// of surface, in the binary form, and every texture they name; or, with `text`, only the two
// models in the text form, for reading.
// Throws std::runtime_error naming the model and its ModelFault, if it has one.
std::vector<AssetFile> GenerateAssets(bool text);
