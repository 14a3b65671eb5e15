// One frame: clear, the scene, the ten overlay lines in the back buffer, present.
#pragma once

#include <windows.h>

// Called by the frame loop after each drive update while CheckDevice() finds it ready, with the window's kept DC.
// The lines go into the presented image in hdc's look; onto hdc itself only when no surface takes them.
void RenderFrame(HDC hdc);
