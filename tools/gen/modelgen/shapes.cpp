// Primitive shapes: every triangle wound clockwise seen from outside.
#include "shapes.h"

#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

uint32_t AddVertex(Mesh& mesh, Vec3 pos, Vec3 normal, double u, double v) {
    mesh.vertices.push_back({pos, Normalized(normal), u, v});
    return static_cast<uint32_t>(mesh.vertices.size() - 1);
}

// Adds a triangle of existing vertices, swapping two corners when needed so
// that its front faces `outward`.
void AddTriangle(Mesh& mesh, uint32_t a, uint32_t b, uint32_t c, Vec3 outward, uint32_t material) {
    const Vec3 pa = mesh.vertices[a].pos;
    const Vec3 front = Cross(mesh.vertices[b].pos - pa, mesh.vertices[c].pos - pa);
    if (Dot(front, outward) < 0.0) {
        std::swap(b, c);
    }
    mesh.faces.push_back({a, b, c, material});
}

Vec3 Perpendicular(Vec3 axis) {
    const Vec3 helper = std::fabs(axis.y) < 0.9 ? Vec3{0, 1, 0} : Vec3{1, 0, 0};
    return Normalized(Cross(axis, helper));
}

}  // namespace

void AddPolygon(Mesh& mesh, std::vector<UvPoint> points, Vec3 outward, uint32_t material) {
    // The plane's own normal, turned to the outward side; `outward` only picks the side.
    Vec3 normal = Normalized(Cross(points[1].pos - points[0].pos, points[2].pos - points[0].pos));
    if (Dot(normal, outward) < 0.0) {
        normal = normal * -1.0;
    }
    std::vector<uint32_t> ids;
    for (const UvPoint& p : points) {
        ids.push_back(AddVertex(mesh, p.pos, normal, p.u, p.v));
    }
    for (size_t i = 1; i + 1 < ids.size(); ++i) {
        AddTriangle(mesh, ids[0], ids[i], ids[i + 1], normal, material);
    }
}

void AddPolygon(Mesh& mesh, const std::vector<Vec3>& points, Vec3 outward, uint32_t material) {
    std::vector<UvPoint> uv_points;
    for (Vec3 p : points) {
        uv_points.push_back({p, 0.0, 0.0});
    }
    AddPolygon(mesh, uv_points, outward, material);
}

void AddBox(Mesh& mesh, const Frame& f, Vec3 half, uint32_t material) {
    const Vec3 axes[3] = {f.side * half.x, f.up * half.y, f.forward * half.z};
    for (int axis = 0; axis < 3; ++axis) {
        const Vec3 a = axes[(axis + 1) % 3];
        const Vec3 b = axes[(axis + 2) % 3];
        for (double sign : {-1.0, 1.0}) {
            const Vec3 centre = f.origin + axes[axis] * sign;
            AddPolygon(mesh,
                       {{centre - a - b, 0, 1}, {centre + a - b, 1, 1}, {centre + a + b, 1, 0}, {centre - a + b, 0, 0}},
                       axes[axis] * sign, material);
        }
    }
}

void AddAlignedBox(Mesh& mesh, Vec3 low, Vec3 high, uint32_t material) {
    const Frame frame{(low + high) * 0.5, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    AddBox(mesh, frame, (high - low) * 0.5, material);
}

void AddCylinder(Mesh& mesh, Vec3 centre, Vec3 axis, double radius, double half_length, int segments,
                 uint32_t side_material, uint32_t cap_material) {
    const Vec3 e1 = Perpendicular(axis);
    const Vec3 e2 = Cross(axis, e1);
    const Vec3 ends[2] = {centre - axis * half_length, centre + axis * half_length};
    for (int i = 0; i < segments; ++i) {
        const double a0 = 2.0 * kPi * i / segments;
        const double a1 = 2.0 * kPi * (i + 1) / segments;
        const Vec3 r0 = e1 * std::cos(a0) + e2 * std::sin(a0);
        const Vec3 r1 = e1 * std::cos(a1) + e2 * std::sin(a1);
        const uint32_t v00 = AddVertex(mesh, ends[0] + r0 * radius, r0, 0, 0);
        const uint32_t v01 = AddVertex(mesh, ends[1] + r0 * radius, r0, 0, 0);
        const uint32_t v10 = AddVertex(mesh, ends[0] + r1 * radius, r1, 0, 0);
        const uint32_t v11 = AddVertex(mesh, ends[1] + r1 * radius, r1, 0, 0);
        const Vec3 out = (r0 + r1) * 0.5;
        AddTriangle(mesh, v00, v01, v11, out, side_material);
        AddTriangle(mesh, v00, v11, v10, out, side_material);
        for (int end = 0; end < 2; ++end) {
            const Vec3 cap_out = end == 0 ? axis * -1.0 : axis;
            AddPolygon(mesh, {ends[end], ends[end] + r0 * radius, ends[end] + r1 * radius}, cap_out, cap_material);
        }
    }
}

void AddCone(Mesh& mesh, Vec3 base, double radius, double height, int segments, uint32_t material) {
    const Vec3 apex = base + Vec3{0, height, 0};
    const double slope = radius / height;
    for (int i = 0; i < segments; ++i) {
        const double a0 = 2.0 * kPi * i / segments;
        const double a1 = 2.0 * kPi * (i + 1) / segments;
        const double am = (a0 + a1) * 0.5;
        const Vec3 r0{std::cos(a0), 0, std::sin(a0)};
        const Vec3 r1{std::cos(a1), 0, std::sin(a1)};
        const Vec3 rm{std::cos(am), 0, std::sin(am)};
        const uint32_t p0 = AddVertex(mesh, base + r0 * radius, r0 + Vec3{0, slope, 0}, 0, 0);
        const uint32_t p1 = AddVertex(mesh, base + r1 * radius, r1 + Vec3{0, slope, 0}, 0, 0);
        const uint32_t top = AddVertex(mesh, apex, rm + Vec3{0, slope, 0}, 0, 0);
        AddTriangle(mesh, p0, p1, top, rm + Vec3{0, slope, 0}, material);
    }
}

void AddSphere(Mesh& mesh, Vec3 centre, Vec3 scale, int rings, int segments, uint32_t material) {
    auto point = [&](int ring, int segment, Vec3& normal) {
        const double polar = kPi * ring / rings;
        const double azimuth = 2.0 * kPi * segment / segments;
        const Vec3 unit{std::sin(polar) * std::cos(azimuth), std::cos(polar), std::sin(polar) * std::sin(azimuth)};
        normal = Normalized({unit.x / scale.x, unit.y / scale.y, unit.z / scale.z});
        return centre + Vec3{unit.x * scale.x, unit.y * scale.y, unit.z * scale.z};
    };
    for (int ring = 0; ring < rings; ++ring) {
        for (int segment = 0; segment < segments; ++segment) {
            Vec3 n[4];
            const Vec3 p[4] = {point(ring, segment, n[0]), point(ring, segment + 1, n[1]),
                               point(ring + 1, segment + 1, n[2]), point(ring + 1, segment, n[3])};
            uint32_t id[4];
            for (int k = 0; k < 4; ++k) {
                id[k] = AddVertex(mesh, p[k], n[k], 0, 0);
            }
            const Vec3 out = n[0] + n[1] + n[2] + n[3];
            // The poles collapse one side of the quad: one triangle there.
            if (ring != 0) {
                AddTriangle(mesh, id[0], id[1], id[2], out, material);
            }
            if (ring != rings - 1) {
                AddTriangle(mesh, id[0], id[2], id[3], out, material);
            }
        }
    }
}
