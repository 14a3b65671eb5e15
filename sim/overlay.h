// The ten diagnostic lines written on the window each frame, formatted from the drive state.
#pragma once

#include <cstddef>

#include "drive.h"

constexpr int kOverlayLineCount = 10;
constexpr int kOverlayLineSpacing = 18;  // pixels between lines; the first is at y = 0
constexpr size_t kOverlayTextSize = 80;  // bytes of the line buffer, terminator included

// Writes overlay line `line` (0..9, top to bottom) for `state` into `text`
// ("wx = -4000", "fPosX = 4.000000", ...) and returns its length.
int FormatOverlayLine(int line, const DriveStateData& state, char (&text)[kOverlayTextSize]);
