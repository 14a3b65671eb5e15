// Writes a mesh as a binary DirectX .x file, which the loader reads several
// times faster than the text form.
#pragma once

#include <string>

#include "mesh.h"

// The same mesh as FormatXFile(mesh, name) writes, with the same templates,
// counts and indices, in the binary form: header "xof 0303bin 0032", then
// tokens (little-endian 16-bit kinds) for names, braces, integer lists and
// lists of 32-bit floats. Every float is the nearest to the number the text
// file writes, so both forms load into the same mesh.
std::string FormatBinaryXFile(const Mesh& mesh, const std::string& name);
