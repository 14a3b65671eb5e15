// Three doubles in course model units, and the vector arithmetic the generators use.
#pragma once

#include <cmath>

struct Vec3 {
    double x, y, z;
};

inline Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 operator*(Vec3 a, double s) { return {a.x * s, a.y * s, a.z * s}; }
inline double Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec3 Cross(Vec3 a, Vec3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
inline double Length(Vec3 v) { return std::sqrt(Dot(v, v)); }
// v scaled to length 1; the zero vector stays zero.
inline Vec3 Normalized(Vec3 v) {
    const double length = Length(v);
    return length > 0.0 ? v * (1.0 / length) : v;
}
