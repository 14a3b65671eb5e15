// The drawing transforms, composed in the order the scene drawing multiplies them.
#include "scene_transforms.h"

Matrix4 CourseWorld(const DriveStateData& s)
{
    Matrix4 rotation = Identity();
    rotation = Multiply(rotation, RotationY(s.fCrsRotY));
    rotation = Multiply(rotation, RotationX(s.fCrsRotX));
    rotation = Multiply(rotation, RotationZ(s.fCrsRotZ));
    Matrix4 world = Identity();
    world = Multiply(world, Translation(s.fPosX, s.fPosY, s.fPosZ));
    world = Multiply(world, rotation);
    return Multiply(world, Scaling(4.6f));
}

Matrix4 CarWorld(const DriveStateData& s)
{
    Matrix4 world = Identity();
    world = Multiply(world, RotationY(s.fCarRotY));
    world = Multiply(world, RotationX(s.fCarRotX));
    world = Multiply(world, RotationZ(s.fCarRotZ));
    return Multiply(world, Scaling(0.3f));
}

Matrix4 CameraView()
{
    const float cam_y = 1.0f;
    const float cam_z = -1.8f;
    return LookAtLH({0.0f, cam_y, cam_z}, {0.0f, cam_y - 1.0f, cam_z + 3.0f}, {0.0f, 1.0f, 0.0f});
}

Matrix4 CameraProjection() { return PerspectiveFovLH(3.1415927f / 4.0f, 1.0f, 1.0f, 100.0f); }
