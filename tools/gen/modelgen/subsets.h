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

// Joins materials into a subset where one material, an atlas of their textures and flat colours, and
// vertex colours show every face within 1/255 of its own lit colour for every light direction, lit with
// `ambient` (the scene's plus the model's level). A texture repeated across a face keeps a subset of its own.
PackedModel PackSubsets(const Mesh& mesh, const std::vector<NamedImage>& textures, double ambient,
                        const std::string& atlas_file);
