// The text lines drivetrace prints: course plates, per-frame drive states, the overlay.
#pragma once

#include <cstdint>
#include <cstdio>

#include "course.h"
#include "drive.h"

// "index speed aux_a aux_b dvect_y dvect_x aux_c", one line.
void PrintPlate(std::FILE* out, int32_t index, const CoursePlate& plate);

// One line per frame, fields space-separated, floats as %.9g (which reads back
// to the same float): "frame plate_pos speed wx wy wz vect_x vect_y vect_z
// crs_rot_x crs_rot_y crs_rot_z fPosX fPosY fPosZ fCrsRotX fCrsRotY fCrsRotZ
// fCarRotX fCarRotY fCarRotZ". `frame` counts from 1.
void PrintFrame(std::FILE* out, int32_t frame, const DriveStateData& state);

// The ten overlay lines for `state`, each as the window writes it.
void PrintOverlay(std::FILE* out, const DriveStateData& state);
