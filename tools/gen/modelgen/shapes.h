// Primitive shapes appended to a mesh: polygons, boxes, cylinders, cones, spheres.
#pragma once

#include <vector>

#include "mesh.h"

// A point with its texture coordinates, for flat polygons.
struct UvPoint {
    Vec3 pos;
    double u, v;
};

// Convex planar polygon, its points in order around it (either direction), the
// first three not in a line: fanned into triangles that face the side of
// `outward`, with the plane's normal on every vertex.
void AddPolygon(Mesh& mesh, std::vector<UvPoint> points, Vec3 outward, uint32_t material);

// Same, texture coordinates 0.
void AddPolygon(Mesh& mesh, const std::vector<Vec3>& points, Vec3 outward, uint32_t material);

// An oriented frame: origin and three unit axes (side, up, forward).
struct Frame {
    Vec3 origin;
    Vec3 side, up, forward;
};

// Box centred at `frame.origin` with half extents along the frame's axes;
// each face maps the whole texture once. 12 triangles.
void AddBox(Mesh& mesh, const Frame& frame, Vec3 half, uint32_t material);

// Axis-aligned box between two corners. 12 triangles.
void AddAlignedBox(Mesh& mesh, Vec3 low, Vec3 high, uint32_t material);

// Cylinder around `axis` (unit) through `centre`, smooth sides and flat caps.
// 4 * segments triangles.
void AddCylinder(Mesh& mesh, Vec3 centre, Vec3 axis, double radius, double half_length, int segments,
                 uint32_t side_material, uint32_t cap_material);

// Upright cone standing on `base` (its centre), smooth sides, open bottom.
// `segments` triangles.
void AddCone(Mesh& mesh, Vec3 base, double radius, double height, int segments, uint32_t material);

// Sphere with smooth normals, squashed by `scale` per axis.
// 2 * segments * (rings - 1) triangles.
void AddSphere(Mesh& mesh, Vec3 centre, Vec3 scale, int rings, int segments, uint32_t material);
