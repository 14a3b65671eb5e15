// The committed assets are exactly what the generator writes now, the meshes
// keep their budgets and consistent faces, and the textures are 24-bit power-of-two BMPs.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>

#include "assets.h"

namespace {

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

uint32_t Read32(const std::string& bytes, size_t at)
{
    uint32_t value = 0;
    std::memcpy(&value, bytes.data() + at, sizeof value);
    return value;
}

bool PowerOfTwo(uint32_t n) { return n != 0 && (n & (n - 1)) == 0; }

TEST(Assets, CommittedFilesMatchTheGenerator)
{
    const std::vector<AssetFile> files = GenerateAssets();
    std::set<std::string> names;
    for (const AssetFile& file : files) {
        names.insert(file.name);
        const std::string committed = ReadFile(std::string(VATREL_ASSETS_DIR) + "/" + file.name);
        EXPECT_TRUE(committed == file.bytes)
            << file.name << " differs from the generator's output; rewrite it with the regenerate_assets target";
    }
    EXPECT_TRUE(names.count("crs.x") && names.count("F1.x"));
}

TEST(Assets, TexturesAre24BitPowerOfTwoBitmaps)
{
    int bitmaps = 0;
    for (const AssetFile& file : GenerateAssets()) {
        if (file.name.size() < 4 || file.name.substr(file.name.size() - 4) != ".bmp") {
            continue;
        }
        ++bitmaps;
        const std::string& b = file.bytes;
        ASSERT_GE(b.size(), 54u) << file.name;
        EXPECT_EQ(b.substr(0, 2), "BM") << file.name;
        EXPECT_EQ(Read32(b, 2), b.size()) << file.name;
        const uint32_t width = Read32(b, 18);
        const uint32_t height = Read32(b, 22);
        EXPECT_TRUE(PowerOfTwo(width) && PowerOfTwo(height)) << file.name << " " << width << "x" << height;
        EXPECT_EQ(b[28], 24) << file.name;
        EXPECT_EQ(Read32(b, 30), 0u) << file.name << " compressed";
        EXPECT_EQ(b.size(), 54u + ((width * 3 + 3) & ~3u) * height) << file.name;
    }
    EXPECT_GT(bitmaps, 0);
}

// Every texture a material names is among the files written.
TEST(Assets, EveryNamedTextureIsWritten)
{
    std::set<std::string> names;
    for (const AssetFile& file : GenerateAssets()) {
        names.insert(file.name);
    }
    int textured = 0;
    for (const Mesh& mesh : {FinishedCourseMesh(), FinishedCarMesh()}) {
        for (const Material& m : mesh.materials) {
            if (!m.texture.empty()) {
                ++textured;
                EXPECT_TRUE(names.count(m.texture)) << m.texture;
            }
        }
    }
    EXPECT_GT(textured, 1);
}

// Triangles bound the frame time; vertices stay within 16-bit indices, which
// the program's load (no 32-bit flag) keeps.
TEST(Assets, TriangleAndVertexBudgets)
{
    const Mesh course = FinishedCourseMesh();
    const Mesh car = FinishedCarMesh();
    EXPECT_LE(course.faces.size(), 20000u);
    EXPECT_LE(car.faces.size(), 3000u);
    EXPECT_LT(course.vertices.size(), 65535u);
    EXPECT_LT(car.vertices.size(), 65535u);
}

// Drawn with the device's default culling a face shows from the side its
// winding says; its vertex normals must point to that same side, or it is
// lit from behind. Every material is used, so each one is a real subset.
void ExpectConsistentFaces(const Mesh& mesh, const char* name)
{
    int flipped = 0;
    int degenerate = 0;
    std::set<uint32_t> used;
    for (const Face& f : mesh.faces) {
        const Vec3 a = mesh.vertices[f.a].pos;
        const Vec3 front = Cross(mesh.vertices[f.b].pos - a, mesh.vertices[f.c].pos - a);
        degenerate += Length(front) < 1e-12;
        for (uint32_t v : {f.a, f.b, f.c}) {
            flipped += Dot(front, mesh.vertices[v].normal) <= 0.0;
        }
        used.insert(f.material);
    }
    EXPECT_EQ(flipped, 0) << name;
    EXPECT_EQ(degenerate, 0) << name;
    EXPECT_EQ(used.size(), mesh.materials.size()) << name;
    for (const Vertex& v : mesh.vertices) {
        ASSERT_NEAR(Length(v.normal), 1.0, 1e-9) << name;
    }
}

TEST(Assets, FacesWindTheWayTheirNormalsPoint)
{
    ExpectConsistentFaces(FinishedCourseMesh(), "course");
    ExpectConsistentFaces(FinishedCarMesh(), "car");
}

}  // namespace
