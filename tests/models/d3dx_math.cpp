// Matrix helpers matching D3DXMatrixRotation*, Translation, Scaling, LookAtLH, PerspectiveFovLH.
#include "d3dx_math.h"

#include <cmath>

namespace {

Float3 Sub(Float3 a, Float3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
float Dot(Float3 a, Float3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Float3 Cross(Float3 a, Float3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
Float3 Normal(Float3 a)
{
    const float length = std::sqrt(Dot(a, a));
    return {a.x / length, a.y / length, a.z / length};
}

}  // namespace

Matrix4 Identity()
{
    Matrix4 r{};
    for (int i = 0; i < 4; ++i) {
        r.m[i][i] = 1.0f;
    }
    return r;
}

Matrix4 Multiply(const Matrix4& a, const Matrix4& b)
{
    Matrix4 r{};
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            for (int k = 0; k < 4; ++k) {
                r.m[i][j] += a.m[i][k] * b.m[k][j];
            }
        }
    }
    return r;
}

Matrix4 RotationX(float angle)
{
    Matrix4 r = Identity();
    r.m[1][1] = std::cos(angle);
    r.m[1][2] = std::sin(angle);
    r.m[2][1] = -std::sin(angle);
    r.m[2][2] = std::cos(angle);
    return r;
}

Matrix4 RotationY(float angle)
{
    Matrix4 r = Identity();
    r.m[0][0] = std::cos(angle);
    r.m[0][2] = -std::sin(angle);
    r.m[2][0] = std::sin(angle);
    r.m[2][2] = std::cos(angle);
    return r;
}

Matrix4 RotationZ(float angle)
{
    Matrix4 r = Identity();
    r.m[0][0] = std::cos(angle);
    r.m[0][1] = std::sin(angle);
    r.m[1][0] = -std::sin(angle);
    r.m[1][1] = std::cos(angle);
    return r;
}

Matrix4 Translation(float x, float y, float z)
{
    Matrix4 r = Identity();
    r.m[3][0] = x;
    r.m[3][1] = y;
    r.m[3][2] = z;
    return r;
}

Matrix4 Scaling(float s)
{
    Matrix4 r = Identity();
    r.m[0][0] = r.m[1][1] = r.m[2][2] = s;
    return r;
}

Matrix4 LookAtLH(Float3 eye, Float3 at, Float3 up)
{
    const Float3 z = Normal(Sub(at, eye));
    const Float3 x = Normal(Cross(up, z));
    const Float3 y = Cross(z, x);
    Matrix4 r = Identity();
    const Float3 axes[3] = {x, y, z};
    for (int c = 0; c < 3; ++c) {
        r.m[0][c] = axes[c].x;
        r.m[1][c] = axes[c].y;
        r.m[2][c] = axes[c].z;
        r.m[3][c] = -Dot(axes[c], eye);
    }
    return r;
}

Matrix4 PerspectiveFovLH(float fov_y, float aspect, float near_z, float far_z)
{
    const float y_scale = 1.0f / std::tan(fov_y / 2.0f);
    Matrix4 r{};
    r.m[0][0] = y_scale / aspect;
    r.m[1][1] = y_scale;
    r.m[2][2] = far_z / (far_z - near_z);
    r.m[2][3] = 1.0f;
    r.m[3][2] = -near_z * far_z / (far_z - near_z);
    return r;
}

Float3 TransformPoint(const Matrix4& m, Float3 p, float* w)
{
    const float in[4] = {p.x, p.y, p.z, 1.0f};
    float out[4] = {};
    for (int j = 0; j < 4; ++j) {
        for (int k = 0; k < 4; ++k) {
            out[j] += in[k] * m.m[k][j];
        }
    }
    if (w != nullptr) {
        *w = out[3];
    }
    return {out[0], out[1], out[2]};
}

Float3 TransformDirection(const Matrix4& m, Float3 p)
{
    const float in[3] = {p.x, p.y, p.z};
    float out[3] = {};
    for (int j = 0; j < 3; ++j) {
        for (int k = 0; k < 3; ++k) {
            out[j] += in[k] * m.m[k][j];
        }
    }
    return {out[0], out[1], out[2]};
}
