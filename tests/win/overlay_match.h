// Test support: the ten overlay lines as GDI draws them, found again in captured pixels; the back buffer read.
#pragma once

#include <d3d9.h>
#include <windows.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "overlay.h"

using OverlayLines = std::array<std::string, kOverlayLineCount>;

constexpr int kOverlayWidth = 320;  // of the overlay area, where lines start at the top left
constexpr int kOverlayHeight = kOverlayLineCount * kOverlayLineSpacing;

// The lines of a fresh drive state after ResetDrive, `held` frames with A and one without.
OverlayLines OverlayAfter(int held);

// Pixels as 0x00RRGGBB, row by row from the top.
using Pixels = std::vector<uint32_t>;

// A memory DC on a top-down 32-bit DIB of black pixels, with a fresh DC's font and colours.
struct Canvas {
    Canvas(int width, int height);
    Canvas(const Canvas&) = delete;
    ~Canvas();
    Pixels Read() const;
    int width, height;
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ previous;
    uint32_t* bits;
};

Pixels CaptureScreen(int x, int y, int width, int height);

// How many of `lines` an overlay area holds as a fresh DC's TextOutA draws them. Glyph edges are left
// out: text on the window is smoothed by another path than in a memory DC.
int MatchingLines(const Pixels& shown, const OverlayLines& lines);

int ChannelDistance(uint32_t a, uint32_t b);

// The back buffer as 0x00RRGGBB, row by row, read through a system-memory copy; its width goes to *width.
Pixels ReadBackBuffer(IDirect3DDevice9* device, UINT* width);
