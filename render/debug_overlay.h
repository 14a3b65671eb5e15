// The diagnostic overlay: the ten drive-state lines written onto the window with GDI.
#pragma once

#include <windows.h>

#include "overlay.h"

// Holds one formatted line at a time.
extern char szText[kOverlayTextSize];

// Writes the ten lines of the current DriveState at x = 0, 18 pixels apart,
// onto hdc with whatever font and colours it holds.
void DrawOverlay(HDC hdc);
