// Test support: the ten overlay lines expected after a button pattern, drawn
// by GDI as the program draws them, and found again on the screen.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "overlay.h"

using OverlayLines = std::array<std::string, kOverlayLineCount>;

// The overlay after a fresh drive state has been reset and updated once per
// frame: `held_frames` frames with A held, then any number released (which
// changes no line).
OverlayLines ExpectedOverlay(int held_frames);

// A 32-bit top-down capture of part of the screen.
struct ScreenPixels {
    int width;
    int height;
    std::basic_string<uint32_t> pixels;  // 0x00RRGGBB, row by row
};

// Copies the screen rectangle at (x, y), width x height.
ScreenPixels CaptureScreen(int x, int y, int width, int height);

// The window's client area as on the screen.
ScreenPixels CaptureClient(HWND window);

// The lines drawn with TextOutA into a memory DC of the same size as the
// overlay area, in the DC's defaults (system font, black on opaque white), one
// line every kOverlayLineSpacing pixels from y = 0; `boxes` receives the
// extent of each line.
ScreenPixels DrawOverlay(const OverlayLines& lines, std::array<SIZE, kOverlayLineCount>& boxes);

// Number of lines whose text box in `screen` equals the same box in `drawn` pixel for pixel.
int MatchingOverlayLines(const ScreenPixels& screen, const ScreenPixels& drawn,
                         const std::array<SIZE, kOverlayLineCount>& boxes);

// Captures the overlay area of `window` repeatedly (the lines are visible only
// between the frame's text and its present) until all ten lines match or
// `timeout_ms` has passed. Returns the most lines that matched in one capture.
int WaitForOverlay(HWND window, const OverlayLines& lines, DWORD timeout_ms);
