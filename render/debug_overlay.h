// The diagnostic overlay: the ten drive-state lines written with GDI.
#pragma once

#include <windows.h>

#include "overlay.h"

// Holds one formatted line at a time.
extern char szText[kOverlayTextSize];

// Writes the ten lines of the current DriveState at x = 0, 18 pixels apart,
// onto hdc with whatever font and colours it holds. Where lineBoxes is given,
// it receives each line's extent on hdc, top to bottom.
void DrawOverlay(HDC hdc, RECT* lineBoxes = nullptr);
