// Scene drawing: the course moved and turned about the car, the car at the origin, one camera and light.
#pragma once

#include "mesh_model.h"

// Draw the course and the car as view.h places them (CoursePlacement,
// CarPlacement of the drive state). Each sets world, view and projection
// transforms and light 0, then draws every subset with its material and
// texture. pd3dDevice must exist; called between BeginScene and EndScene.
// A model with no materials leaves its mesh untouched.
void DrawCourse(const MeshModel* model);
void DrawCar(const MeshModel* model);
