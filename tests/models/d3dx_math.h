// The D3DX matrix functions the scene drawing uses, in plain float arithmetic as
// documented: row vectors, left-handed, in A x B the matrix A acts first.
#pragma once

struct Matrix4 {
    float m[4][4];
};

struct Float3 {
    float x, y, z;
};

Matrix4 Identity();
Matrix4 Multiply(const Matrix4& a, const Matrix4& b);
Matrix4 RotationX(float angle);
Matrix4 RotationY(float angle);
Matrix4 RotationZ(float angle);
Matrix4 Translation(float x, float y, float z);
Matrix4 Scaling(float s);
Matrix4 LookAtLH(Float3 eye, Float3 at, Float3 up);
Matrix4 PerspectiveFovLH(float fov_y, float aspect, float near_z, float far_z);

// p as the row vector (x, y, z, 1) times m; w is returned separately.
Float3 TransformPoint(const Matrix4& m, Float3 p, float* w = nullptr);
// p as (x, y, z, 0): directions, no translation.
Float3 TransformDirection(const Matrix4& m, Float3 p);
