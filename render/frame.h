// One frame: clear, the scene, the ten overlay lines in the back buffer, present.
#pragma once

#include <windows.h>

// Called by the frame loop once per idle pass while DeviceReady(), after the
// drive update, with the window's kept device context; pd3dDevice must exist.
// Only a frame whose scene began gets the lines: written on pOverlaySurface in
// hdc's font and colours and copied into the back buffer, so the presented
// image carries them; onto hdc after the present when that cannot be done.
// A present that reports the device lost sets bDeviceLost.
void RenderFrame(HDC hdc);
