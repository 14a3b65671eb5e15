// The text lines drivetrace prints: per-frame drive states, the overlay.
#pragma once

#include <cstdint>
#include <cstdio>

#include "drive.h"

// One line per frame (from 1) with the fields drivetrace's usage lists, floats as %.9g, which reads
// back to the same float: the traces pin the drive to the bit.
void PrintFrame(std::FILE* out, int32_t frame, const DriveStateData& state);

// The ten overlay lines for `state`, each as the window writes it.
void PrintOverlay(std::FILE* out, const DriveStateData& state);
