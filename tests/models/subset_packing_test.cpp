// Packing the models' materials into few subsets (each one a draw call a frame)
// keeps what every face shows: its texel times its lit colour, for every light
// direction, within 2/255 once texels and vertex colours are stored as bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

#include "assets.h"
#include "textures.h"
#include "view.h"

namespace {

double Byte(double c) { return std::round(std::clamp(c, 0.0, 1.0) * 255.0) / 255.0; }

// A point sample with the device's repeating addressing; white for no texture.
Colour Sample(const Image* image, double u, double v)
{
    if (image == nullptr) return {1, 1, 1};
    const int x = static_cast<int>(std::floor(u * image->width)) % image->width;
    const int y = static_cast<int>(std::floor(v * image->height)) % image->height;
    return GetPixel(*image, (x + image->width) % image->width, (y + image->height) % image->height);
}

const Image* TextureOf(const Material& m, const PackedModel& packed, const std::vector<NamedImage>& images)
{
    if (m.texture.empty()) return nullptr;
    if (m.texture == packed.atlas_file) return &packed.atlas;
    for (const NamedImage& t : images) {
        if (t.file == m.texture) return &t.image;
    }
    ADD_FAILURE() << "no image " << m.texture;
    return nullptr;
}

// A point of a face, by the weights of its corners: texture coordinate and the
// diffuse colour it is lit with (the vertex colour, as a byte, where the mesh has them).
struct Point {
    double u, v;
    Colour diffuse;
};

Point At(const Mesh& mesh, const Face& f, const double w[3])
{
    Point p{0, 0, {0, 0, 0}};
    const uint32_t corners[3] = {f.a, f.b, f.c};
    for (int i = 0; i < 3; ++i) {
        const Vertex& v = mesh.vertices[corners[i]];
        Colour c = mesh.materials[f.material].diffuse;
        if (!mesh.colours.empty()) {
            const Colour& stored = mesh.colours[corners[i]];
            c = {Byte(stored.r), Byte(stored.g), Byte(stored.b)};
        }
        p.u += w[i] * v.u;
        p.v += w[i] * v.v;
        p.diffuse = {p.diffuse.r + w[i] * c.r, p.diffuse.g + w[i] * c.g, p.diffuse.b + w[i] * c.b};
    }
    return p;
}

// Channel k of what the device shows at p for N.L = n.
double Shown(const Image* texture, const Material& m, const Point& p, double ambient, double n, int k)
{
    const double lit = Channel(m.emissive, k) + Channel(m.diffuse, k) * ambient + Channel(p.diffuse, k) * n;
    return Channel(Sample(texture, p.u, p.v), k) * std::clamp(lit, 0.0, 1.0);
}

std::vector<double> Corners(const Mesh& mesh, const Face& f)
{
    std::vector<double> key;
    for (uint32_t c : {f.a, f.b, f.c}) {
        key.insert(key.end(), {mesh.vertices[c].pos.x, mesh.vertices[c].pos.y, mesh.vertices[c].pos.z});
    }
    return key;
}

void ExpectSameLook(const Mesh& built, const PackedModel& packed, double ambient, const char* name)
{
    const std::vector<NamedImage> images = AllTextures();
    std::map<std::vector<double>, const Face*> packed_faces;
    for (const Face& g : packed.mesh.faces) packed_faces[Corners(packed.mesh, g)] = &g;
    ASSERT_EQ(packed.mesh.faces.size(), built.faces.size()) << name;
    const double weights[4][3] = {{0.9, 0.05, 0.05}, {0.05, 0.9, 0.05}, {0.05, 0.05, 0.9}, {0.34, 0.33, 0.33}};
    int wrong = 0;
    for (const Face& f : built.faces) {
        const auto found = packed_faces.find(Corners(built, f));
        ASSERT_NE(found, packed_faces.end()) << name << ": a face is missing";
        const Face& g = *found->second;
        const Material& before = built.materials[f.material];
        const Material& after = packed.mesh.materials[g.material];
        for (const double* w : weights) {
            const Point was = At(built, f, w);
            const Point is = At(packed.mesh, g, w);
            for (double n : {0.0, 0.25, 0.5, 0.75, 1.0}) {
                for (int k = 0; k < 3; ++k) {
                    wrong += std::fabs(Shown(TextureOf(before, packed, images), before, was, ambient, n, k) -
                                       Shown(TextureOf(after, packed, images), after, is, ambient, n, k)) > 2.0 / 255;
                }
            }
        }
    }
    EXPECT_EQ(wrong, 0) << name;
}

TEST(SubsetPacking, EveryFaceShowsWhatItsOwnMaterialShowed)
{
    const PackedModel course = PackedCourse();
    ExpectSameLook(FinishedCourseMesh(), course, kSceneAmbient + kCourseAmbient, "course");
    const PackedModel car = PackedCar();
    ExpectSameLook(FinishedCarMesh(), car, kSceneAmbient + kCarAmbient, "car");
    // Built with 19 and 8 materials. Apart stay the grass, which repeats across
    // faces, and colours that glow or saturate under the light unlike the rest.
    EXPECT_LE(course.mesh.materials.size(), 4u);
    EXPECT_LE(car.mesh.materials.size(), 4u);
}

}  // namespace
