// Scene drawing: the course moved and turned about the car, the car at the origin, one camera and light.
#pragma once

#include "mesh_model.h"
#include "view.h"

// Draw the course, then the car, under ViewSettings and the drive state. Each
// sets the world, view and projection transforms and light 0, then draws every
// subset with its material and texture. pd3dDevice must exist; called between
// BeginScene and EndScene. A model with no materials leaves its mesh untouched.
void DrawCourse(const MeshModel* model);
void DrawCar(const MeshModel* model);

// The same under other settings than ViewSettings: what DrawCourse and DrawCar
// pass on, open to checks with settings the program never uses.
void DrawCourseWith(const MeshModel* model, const ViewSettingsData& settings);
void DrawCarWith(const MeshModel* model, const ViewSettingsData& settings);
