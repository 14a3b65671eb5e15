// The text lines drivetrace prints: course plates, per-frame drive states, the overlay.
#pragma once

#include <cstdint>
#include <cstdio>

#include "course.h"
#include "drive.h"

// "index speed aux_a aux_b dvect_y dvect_x aux_c", one line.
void PrintPlate(std::FILE* out, int32_t index, const CoursePlate& plate);

// One line per frame (from 1) with the fields drivetrace's usage lists, floats as %.9g, which reads
// back to the same float: the traces pin the drive to the bit.
void PrintFrame(std::FILE* out, int32_t frame, const DriveStateData& state);

// The ten overlay lines for `state`, each as the window writes it.
void PrintOverlay(std::FILE* out, const DriveStateData& state);
