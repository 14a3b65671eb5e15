// The .x writer writes each vertex once: vertices that print alike are merged,
// and every face still draws the corners it had.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "assets.h"
#include "xfile_writer.h"

namespace {

Vertex At(double x, double y, double z, Vec3 normal = {0, 1, 0}, double u = 0, double v = 0)
{
    return {{x, y, z}, normal, u, v};
}

// Two triangles of a quad as separate vertices, plus corners that look alike
// but differ in what is written (normal, texture coordinate).
TEST(VertexMerge, MergesOnlyVerticesThatPrintAlike)
{
    Mesh mesh;
    mesh.materials = {{{1, 0, 0}, {0, 0, 0}, ""}, {{0, 1, 0}, {0, 0, 0}, "road.bmp"}};
    mesh.vertices = {
        At(0, 0, 0), At(0, 0, 1), At(1, 0, 0),
        // The shared edge again: one copy off by less than the last printed digit, one as -0.
        At(1, 0, 0), At(1e-8, 0, 1), At(1, -0.0, 1),
        // The same corner with another normal, and with another texture coordinate.
        At(0, 0, 0, {0, 0, 1}), At(0, 0, 0, {0, 1, 0}, 0.5, 0), At(0, 0, 1, {0, 1, 0}, 0, 1e-7),
    };
    mesh.faces = {{0, 1, 2, 0}, {3, 4, 5, 1}, {6, 7, 8, 1}};

    const Mesh merged = MergeWrittenVertices(mesh);

    ASSERT_EQ(merged.vertices.size(), 6u);
    EXPECT_EQ(merged.materials.size(), 2u);
    ASSERT_EQ(merged.faces.size(), 3u);
    const uint32_t expected[3][4] = {{0, 1, 2, 0}, {2, 1, 3, 1}, {4, 5, 1, 1}};
    for (size_t i = 0; i < 3; ++i) {
        const Face& f = merged.faces[i];
        EXPECT_EQ(f.a, expected[i][0]) << "face " << i;
        EXPECT_EQ(f.b, expected[i][1]) << "face " << i;
        EXPECT_EQ(f.c, expected[i][2]) << "face " << i;
        EXPECT_EQ(f.material, expected[i][3]) << "face " << i;
    }
    EXPECT_EQ(merged.vertices[4].normal.z, 1.0);
    EXPECT_EQ(merged.vertices[5].u, 0.5);

    const std::string text = FormatXFile(mesh, "quad");
    EXPECT_NE(text.find("\n 6;\n"), std::string::npos) << "vertex count as written";
    EXPECT_NE(text.find(" 3;2,1,3;,\n"), std::string::npos) << "second face as written";
    // Six decimals at most, no trailing zeros past the first, no "-0".
    EXPECT_NE(text.find("\n 1.0;0.0;1.0;,\n"), std::string::npos) << "fourth position as written";
    EXPECT_NE(text.find("\n  0.5;0.0;;\n"), std::string::npos) << "last texture coordinate as written";
}

double Apart(Vec3 a, Vec3 b) { return std::max({std::fabs(a.x - b.x), std::fabs(a.y - b.y), std::fabs(a.z - b.z)}); }

// Within half the last printed digit, a merged corner writes the same text as
// the corner it replaces.
void ExpectSameCorners(const Mesh& mesh, const char* name)
{
    const Mesh merged = MergeWrittenVertices(mesh);
    ASSERT_EQ(merged.faces.size(), mesh.faces.size()) << name;
    // Flat-shaded parts keep a corner per face, smooth strips share theirs.
    EXPECT_LT(merged.vertices.size() * 4, mesh.vertices.size() * 3) << name << ": neighbouring faces share corners";
    int moved = 0;
    for (size_t i = 0; i < mesh.faces.size(); ++i) {
        const Face& before = mesh.faces[i];
        const Face& after = merged.faces[i];
        moved += before.material != after.material;
        const uint32_t corners[3][2] = {{before.a, after.a}, {before.b, after.b}, {before.c, after.c}};
        for (const auto& corner : corners) {
            const Vertex& was = mesh.vertices[corner[0]];
            const Vertex& is = merged.vertices[corner[1]];
            moved += Apart(was.pos, is.pos) > 1e-6 || Apart(was.normal, is.normal) > 1e-6 ||
                     std::fabs(was.u - is.u) > 1e-6 || std::fabs(was.v - is.v) > 1e-6;
        }
    }
    EXPECT_EQ(moved, 0) << name;
}

TEST(VertexMerge, ModelsDrawTheSameCorners)
{
    ExpectSameCorners(FinishedCourseMesh(), "course");
    ExpectSameCorners(FinishedCarMesh(), "car");
}

}  // namespace
