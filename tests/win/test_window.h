// Test support: a plain shown window to create devices for, and device read-back helpers.
#pragma once

#include <d3d9.h>
#include <windows.h>

// A shown overlapped window at (100, 100), 800 x 600, with the default window
// procedure; the caller destroys it.
HWND CreateTestWindow();

// The colour (0xAARRGGBB) of the back buffer's pixel (x, y), read back through
// a system-memory copy.
D3DCOLOR ReadBackBufferPixel(IDirect3DDevice9* device, UINT x, UINT y);

// Removes every message waiting in this thread's queue; returns whether a
// WM_QUIT was among them, and its wParam in *exitCode.
bool DrainQueueForQuit(WPARAM* exitCode);
