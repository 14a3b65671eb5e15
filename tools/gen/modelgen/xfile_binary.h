// Writes a mesh as a binary DirectX .x file, which the loader reads several
// times faster than the text form.
#pragma once

#include <string>

#include "mesh.h"

// What FormatXFile(mesh, name) writes, in the binary form; each float is the nearest to the text's
// number, so that both forms load into the same mesh.
std::string FormatBinaryXFile(const Mesh& mesh, const std::string& name);
