// The in-memory mesh that the model generator builds and the .x writer prints.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "vec3.h"

struct Vertex {
    Vec3 pos;
    Vec3 normal;  // unit length
    double u, v;  // texture coordinates; 0 where the material has no texture
};

// One triangle in the winding Direct3D draws by default: clockwise seen from
// the front, so Cross(b - a, c - a) points out of the front face.
struct Face {
    uint32_t a, b, c;
    uint32_t material;  // index into Mesh::materials, and so the subset
};

struct Colour {
    double r, g, b;
};

// Channel k (0 red, 1 green, 2 blue), for arithmetic done channel by channel.
inline double& Channel(Colour& c, int k) { return k == 0 ? c.r : (k == 1 ? c.g : c.b); }
inline double Channel(const Colour& c, int k) { return k == 0 ? c.r : (k == 1 ? c.g : c.b); }

struct Material {
    Colour diffuse;
    Colour emissive;      // lets the sides the light misses still read
    std::string texture;  // file name beside the model; empty for none
};

struct Mesh {
    std::vector<Vertex> vertices;
    std::vector<Face> faces;
    std::vector<Material> materials;
};

// Appends a material and returns its index.
uint32_t AddMaterial(Mesh& mesh, const Material& material);

// Readies a mesh for writing: faces grouped by material in a stable order (the
// loader sorts them so anyway) and materials no face uses dropped, so that
// every material is one non-empty subset.
void FinishMesh(Mesh& mesh);

// The loader reads faces with 16-bit vertex indices.
constexpr uint32_t kMostVertices = 65535;

// Why the mesh, as written, must not be: a face that winds against a corner's
// normal (it would be culled from the front), or a subset whose faces use a
// vertex past kMostVertices (the load fails). Empty when there is nothing wrong.
std::string ModelFault(const Mesh& mesh);
