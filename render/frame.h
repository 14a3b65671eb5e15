// One frame: clear, the scene, present, and the diagnostic overlay on top.
#pragma once

#include <windows.h>

// How long, in milliseconds, a frame waits at most for its present to be carried out.
constexpr DWORD kPresentWaitBudgetMs = 100;

// The pause, in milliseconds, between two looks at whether a present is done.
// Windows rounds a sleep up to its timer tick (15.6 ms unless a program asks
// for a finer one), so whoever runs frames asks for this period.
constexpr DWORD kPresentPollMs = 1;

// Called by the frame loop once per idle pass while DeviceReady(), after the
// drive update, with the window's kept device context; pd3dDevice must exist.
// Clears to grey, draws course and car inside the scene, presents once, and
// only when the scene began writes the ten overlay lines onto hdc once the
// present is done (waiting on pPresentQuery for at most kPresentWaitBudgetMs,
// sleeping kPresentPollMs between looks),
// so that the presented image does not cover them. A present that reports the
// device lost sets bDeviceLost and ends the frame without the lines.
void RenderFrame(HDC hdc);
