// The world, view and projection transforms the scene drawing builds each frame, from the drive state.
#pragma once

#include "d3dx_math.h"
#include "drive.h"

// Course moved by the drive's translation, turned about y, x, z, scaled by 4.6.
Matrix4 CourseWorld(const DriveStateData& s);
// Car turned by the car angles and scaled by 0.3, at the origin.
Matrix4 CarWorld(const DriveStateData& s);
// Fixed camera: eye (0, 1, -1.8) looking at (0, 0, 1.2), y up.
Matrix4 CameraView();
// 45-degree vertical field, aspect 1, near 1, far 100.
Matrix4 CameraProjection();
