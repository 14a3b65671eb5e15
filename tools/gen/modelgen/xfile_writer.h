// Writes a mesh as a text DirectX .x file, one element per line as exporters do.
#pragma once

#include <string>

#include "mesh.h"

// The mesh with the vertices that print alike (to six decimals) written once, in order of first use;
// faces keep their order. Both forms write it, so the loader reads the same vertices from each.
Mesh MergeWrittenVertices(const Mesh& mesh);

// The text file: one Mesh `name`, merged, with normals, texture coordinates and one inline Material
// per subset; equal meshes give equal bytes.
std::string FormatXFile(const Mesh& mesh, const std::string& name);

// A number as the text file holds it: six decimals at most, never "-0.0".
std::string WrittenNumber(double value);
