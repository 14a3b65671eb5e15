// Grouping materials into subsets that keep every face's lit colour, and
// rewriting faces, texture coordinates and vertex colours for them.
#include "subsets.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "atlas.h"

namespace {

constexpr double kTolerance = 1.0 / 255.0;

double Saturate(double x) { return std::clamp(x, 0.0, 1.0); }

// The part of a material's lit colour that does not depend on the light's direction.
Colour Constant(const Material& m, double ambient)
{
    return {m.emissive.r + m.diffuse.r * ambient, m.emissive.g + m.diffuse.g * ambient,
            m.emissive.b + m.diffuse.b * ambient};
}

// How a material is drawn in a subset whose constant part is `subset`: its
// texels scaled by `texel`, lit with `vertex` as the diffuse colour.
struct Look {
    Colour texel, vertex;
};

Look LookIn(const Material& m, Colour subset, double ambient)
{
    const Colour own = Constant(m, ambient);
    Look look{};
    for (int k = 0; k < 3; ++k) {
        const double b = Channel(own, k);
        const double s = Channel(subset, k);
        Channel(look.texel, k) = s > 0 ? b / s : 0;
        Channel(look.vertex, k) = b > 0 ? std::min(1.0, Channel(m.diffuse, k) * s / b) : 0;
    }
    return look;
}

// The largest difference, over light directions, between the material's own
// lit colour and the one it is drawn with.
double LookError(const Material& m, const Look& look, Colour subset, double ambient)
{
    const Colour own = Constant(m, ambient);
    double worst = 0;
    for (int i = 0; i <= 64; ++i) {
        const double n = i / 64.0;
        for (int k = 0; k < 3; ++k) {
            const double want = Saturate(Channel(own, k) + Channel(m.diffuse, k) * n);
            const double got = Channel(look.texel, k) * Saturate(Channel(subset, k) + Channel(look.vertex, k) * n);
            worst = std::max(worst, std::fabs(want - got));
        }
    }
    return worst;
}

struct Group {
    std::vector<uint32_t> members;  // material indices
    bool repeating;                 // textured across several repeats: identical materials only
};

// The largest constant part of the members', per channel: no texel needs to
// exceed 1, and a member that saturates keeps its texels as they are.
Colour SubsetConstant(const Mesh& mesh, const std::vector<uint32_t>& members, double ambient)
{
    Colour most{0, 0, 0};
    for (uint32_t m : members) {
        const Colour own = Constant(mesh.materials[m], ambient);
        most = {std::max(most.r, own.r), std::max(most.g, own.g), std::max(most.b, own.b)};
    }
    return most;
}

bool Accepts(const Mesh& mesh, std::vector<uint32_t> members, uint32_t candidate, double ambient)
{
    members.push_back(candidate);
    const Colour subset = SubsetConstant(mesh, members, ambient);
    for (uint32_t m : members) {
        const Material& material = mesh.materials[m];
        if (LookError(material, LookIn(material, subset, ambient), subset, ambient) > kTolerance) {
            return false;
        }
    }
    return true;
}

bool SameColour(const Colour& a, const Colour& b) { return a.r == b.r && a.g == b.g && a.b == b.b; }

bool SameMaterial(const Material& a, const Material& b)
{
    return SameColour(a.diffuse, b.diffuse) && SameColour(a.emissive, b.emissive) && a.texture == b.texture;
}

// The repeat of the texture that the face's smallest coordinates fall in.
void RepeatOrigin(const Mesh& mesh, const Face& f, double& u0, double& v0)
{
    const Vertex* c[3] = {&mesh.vertices[f.a], &mesh.vertices[f.b], &mesh.vertices[f.c]};
    u0 = std::floor(std::min({c[0]->u, c[1]->u, c[2]->u}));
    v0 = std::floor(std::min({c[0]->v, c[1]->v, c[2]->v}));
}

// True when every face of material m lies within one repeat of its texture.
bool WithinOneRepeat(const Mesh& mesh, uint32_t m)
{
    for (const Face& f : mesh.faces) {
        if (f.material != m) {
            continue;
        }
        double u0 = 0, v0 = 0;
        RepeatOrigin(mesh, f, u0, v0);
        for (uint32_t corner : {f.a, f.b, f.c}) {
            if (mesh.vertices[corner].u > u0 + 1.0 || mesh.vertices[corner].v > v0 + 1.0) {
                return false;
            }
        }
    }
    return true;
}

std::vector<Group> GroupMaterials(const Mesh& mesh, double ambient)
{
    std::vector<Group> groups;
    for (uint32_t m = 0; m < mesh.materials.size(); ++m) {
        const bool repeating = !mesh.materials[m].texture.empty() && !WithinOneRepeat(mesh, m);
        Group* home = nullptr;
        for (Group& g : groups) {
            const bool joins = (g.repeating || repeating)
                                   ? g.repeating == repeating && SameMaterial(mesh.materials[g.members[0]], mesh.materials[m])
                                   : Accepts(mesh, g.members, m, ambient);
            if (joins) {
                home = &g;
                break;
            }
        }
        if (home != nullptr) {
            home->members.push_back(m);
        } else {
            groups.push_back({{m}, repeating});
        }
    }
    std::stable_partition(groups.begin(), groups.end(), [](const Group& g) { return !g.repeating; });
    return groups;
}

bool AllSame(const Mesh& mesh, const Group& g)
{
    for (uint32_t m : g.members) {
        if (!SameMaterial(mesh.materials[m], mesh.materials[g.members[0]])) {
            return false;
        }
    }
    return true;
}

// A member whose constant part is the subset's lends it its colours; else the
// colours are chosen to give that constant part.
Material AtlasMaterial(const Mesh& mesh, const Group& g, Colour subset, double ambient, const std::string& file)
{
    for (uint32_t m : g.members) {
        if (SameColour(Constant(mesh.materials[m], ambient), subset)) {
            return {mesh.materials[m].diffuse, mesh.materials[m].emissive, file};
        }
    }
    Material out{{0, 0, 0}, {0, 0, 0}, file};
    for (int k = 0; k < 3; ++k) {
        Channel(out.diffuse, k) = std::min(1.0, Channel(subset, k) / ambient);
        Channel(out.emissive, k) = Channel(subset, k) - ambient * Channel(out.diffuse, k);
    }
    return out;
}

// The material's atlas tile: its texture scaled by `texel`, or a small block of that colour.
Image TileImage(const Material& m, Colour texel, const std::vector<NamedImage>& textures)
{
    if (m.texture.empty()) {
        return MakeImage(4, 4, texel);
    }
    const auto found = std::find_if(textures.begin(), textures.end(),
                                    [&](const NamedImage& t) { return t.file == m.texture; });
    if (found == textures.end()) {
        throw std::runtime_error("no image for texture " + m.texture);
    }
    Image image = found->image;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const Colour c = GetPixel(image, x, y);
            SetPixel(image, x, y, {c.r * texel.r, c.g * texel.g, c.b * texel.b});
        }
    }
    return image;
}

// Where each material's faces go.
struct Destination {
    uint32_t subset;
    bool atlas;
    size_t tile;
    Look look;
};

bool DiffersFrom(const Colour& a, const Colour& b)
{
    return std::fabs(a.r - b.r) > 1e-9 || std::fabs(a.g - b.g) > 1e-9 || std::fabs(a.b - b.b) > 1e-9;
}

// Face f with corners of its own, its texture coordinates moved into its atlas
// tile (the tile's middle for a flat colour) and, when `coloured`, its diffuse colour.
void AddFace(PackedModel& out, const Mesh& mesh, const Face& f, const Destination& p, const Atlas& atlas,
             bool coloured)
{
    double u0 = 0, v0 = 0;
    RepeatOrigin(mesh, f, u0, v0);
    const bool textured = !mesh.materials[f.material].texture.empty();
    const uint32_t first = static_cast<uint32_t>(out.mesh.vertices.size());
    for (uint32_t corner : {f.a, f.b, f.c}) {
        Vertex v = mesh.vertices[corner];
        if (p.atlas) {
            v.u = AtlasU(atlas, atlas.tiles[p.tile], textured ? v.u - u0 : 0.5);
            v.v = AtlasV(atlas, atlas.tiles[p.tile], textured ? v.v - v0 : 0.5);
        }
        out.mesh.vertices.push_back(v);
        if (coloured) {
            out.mesh.colours.push_back(p.look.vertex);
        }
    }
    out.mesh.faces.push_back({first, first + 1, first + 2, p.subset});
}

}  // namespace

PackedModel PackSubsets(const Mesh& mesh, const std::vector<NamedImage>& textures, double ambient,
                        const std::string& atlas_file)
{
    const std::vector<Group> groups = GroupMaterials(mesh, ambient);
    PackedModel out;
    out.atlas_file = atlas_file;
    std::vector<Destination> place(mesh.materials.size());
    std::vector<Image> tiles;
    bool coloured = false;
    for (uint32_t s = 0; s < groups.size(); ++s) {
        const Group& g = groups[s];
        const Colour subset = SubsetConstant(mesh, g.members, ambient);
        const bool atlas = !AllSame(mesh, g);
        out.mesh.materials.push_back(atlas ? AtlasMaterial(mesh, g, subset, ambient, atlas_file)
                                           : mesh.materials[g.members[0]]);
        for (uint32_t m : g.members) {
            place[m] = {s, atlas, tiles.size(), LookIn(mesh.materials[m], subset, ambient)};
            coloured = coloured || DiffersFrom(place[m].look.vertex, out.mesh.materials[s].diffuse);
            if (atlas) {
                tiles.push_back(TileImage(mesh.materials[m], place[m].look.texel, textures));
            }
        }
    }
    const Atlas atlas = tiles.empty() ? Atlas{} : PackAtlas(tiles);
    out.atlas = atlas.image;
    // Subset by subset, so that each subset's vertices lie together.
    for (uint32_t s = 0; s < groups.size(); ++s) {
        for (const Face& f : mesh.faces) {
            if (place[f.material].subset == s) {
                AddFace(out, mesh, f, place[f.material], atlas, coloured);
            }
        }
    }
    return out;
}
