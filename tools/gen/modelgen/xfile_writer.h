// Writes a mesh as a text DirectX .x file, one element per line as exporters do.
#pragma once

#include <string>

#include "mesh.h"

// The mesh with every set of vertices that print alike (position, normal and
// texture coordinate, to six decimals) written once, in order of first
// appearance, and the faces indexed into that list. Faces, their order and
// materials are unchanged.
Mesh MergeWrittenVertices(const Mesh& mesh);

// The whole file, vertices merged as MergeWrittenVertices does:
// "xof 0303txt 0032" header, one Mesh named `name` with its MeshNormals,
// MeshTextureCoords and MeshMaterialList (one inline Material per entry of
// mesh.materials, with a TextureFilename where it names a texture).
// Numbers are rounded to six decimals and written without trailing zeros
// beyond the first decimal, so equal meshes give equal bytes.
std::string FormatXFile(const Mesh& mesh, const std::string& name);
