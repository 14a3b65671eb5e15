// modelgen refuses a mesh the program would draw wrongly or fail to load: faces
// wound against their normals, and vertices past what 16-bit indices address.
#include <gtest/gtest.h>

#include "mesh.h"

namespace {

// One face in the x-y plane, seen from -z (the camera's side): wound as Direct3D
// draws a front face when its corners' normals point to -z.
Mesh OneFace(uint32_t vertex_count) {
    Mesh mesh;
    mesh.vertices.resize(vertex_count, Vertex{{0, 0, 0}, {0, 0, -1}, 0, 0});
    for (uint32_t i = 0; i < vertex_count; ++i) mesh.vertices[i].pos = {i * 1e-3, 0, 0};
    const uint32_t last = vertex_count - 1;
    mesh.vertices[last - 2].pos = {0, 0, 0};
    mesh.vertices[last - 1].pos = {0, 1, 0};
    mesh.vertices[last].pos = {1, 0, 0};
    mesh.faces.push_back({last - 2, last - 1, last, 0});
    mesh.materials.push_back({{1, 1, 1}, {0, 0, 0}, ""});
    return mesh;
}

TEST(ModelChecks, RefusesAFaceWoundAgainstItsNormals) {
    Mesh mesh = OneFace(3);
    EXPECT_EQ(ModelFault(mesh), "");
    std::swap(mesh.faces[0].b, mesh.faces[0].c);
    EXPECT_EQ(ModelFault(mesh), "face 0 winds against the normal of its vertex 0");
}

TEST(ModelChecks, RefusesASubsetPastWhat16BitIndicesAddress) {
    EXPECT_EQ(ModelFault(OneFace(kMostVertices)), "");
    EXPECT_EQ(ModelFault(OneFace(kMostVertices + 1)),
              "subset 0 uses vertex 65535, past the last of the 65535 that 16-bit indices address");
}

}  // namespace
