// Packing a model's materials into few subsets that draw the same colours:
// each subset costs the device a draw call, which on a software renderer
// under Wine costs more than its pixels.
#pragma once

#include <string>
#include <vector>

#include "mesh.h"
#include "textures.h"

// A model as written: `mesh.materials` are the subsets, and `atlas` is the
// image that the subsets naming `atlas_file` sample (empty when none does).
struct PackedModel {
    Mesh mesh;
    Image atlas;
    std::string atlas_file;
};

// The device lights each vertex, per colour channel, as
//   lit = saturate(emissive + diffuse * ambient + diffuse' * max(N.L, 0))
// with the material's ambient colour equal to its diffuse one (as the program
// loads it), `ambient` the sum of the scene's and the light's ambient level,
// diffuse' the vertex colour where the mesh has them (else the material's
// diffuse), no specular, and the texel multiplied in after lighting.
//
// Materials join a subset when one material, an atlas of their textures and
// flat colours, and per-vertex colours give every face the colour it had,
// within 1/255 for every light direction. Faces of a repeating texture that
// spans more than one repeat keep it in a subset of their own (merged only
// with identical materials); such subsets come last, the rest in the order of
// their first material. Faces keep their order within a subset; the result is
// finished as FinishMesh does.
PackedModel PackSubsets(const Mesh& mesh, const std::vector<NamedImage>& textures, double ambient,
                        const std::string& atlas_file);
