// Scene drawing: the course moved and turned about the car, the car at the origin, one camera and light.
#pragma once

#include "mesh_model.h"

// The fixed camera, projection, light and course scale.
struct ViewSettingsData {
    float fCamX, fCamY, fCamZ;              // eye; the point looked at is 1.0 lower and 3.0 further along z
    float fCamHeading, fCamPitch, fCamBank; // radians, applied before the look-at
    float fCrsScale;                        // uniform scale of the course
    float fFovDiv;                          // vertical field of view is pi / fFovDiv
    float fLightDirX, fLightDirY, fLightDirZ;
    float fCrsUpX, fCrsUpY, fCrsUpZ;        // up vector of the course's camera
};

extern const ViewSettingsData ViewSettings;

// Draw the course (translated by the drive state's fPos*, turned by its fCrsRot*,
// scaled by fCrsScale) and the car (turned by fCarRot*, scaled by 0.3). Each sets
// world, view and projection transforms and light 0, then draws every subset
// with its material and texture. pd3dDevice must exist; called between
// BeginScene and EndScene. A model with no materials leaves its mesh untouched.
void DrawCourse(const MeshModel* model);
void DrawCar(const MeshModel* model);
