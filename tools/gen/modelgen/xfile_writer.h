// Writes a mesh as a text DirectX .x file, one element per line as exporters do.
#pragma once

#include <string>

#include "mesh.h"

// The mesh with every set of vertices that print alike (position, normal,
// texture coordinate and colour, to six decimals) written once, in order of first
// appearance, and the faces indexed into that list. Faces, their order and
// materials are unchanged.
Mesh MergeWrittenVertices(const Mesh& mesh);

// The whole file, vertices merged as MergeWrittenVertices does:
// "xof 0303txt 0032" header, one Mesh named `name` with its MeshNormals,
// MeshTextureCoords, MeshVertexColors (only when the mesh has colours, alpha 1)
// and MeshMaterialList (one inline Material per entry of mesh.materials, with a
// TextureFilename where it names a texture). Numbers are written as
// WrittenNumber gives them, so equal meshes give equal bytes.
std::string FormatXFile(const Mesh& mesh, const std::string& name);

// A number as the text file holds it: rounded to six decimals and written
// without trailing zeros beyond the first decimal; never "-0.0".
std::string WrittenNumber(double value);
