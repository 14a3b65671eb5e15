// Test support: a plain shown window to create devices for, and device read-back helpers.
#pragma once

#include <d3d9.h>
#include <windows.h>

#include <cstdint>
#include <vector>

// A shown overlapped window at (100, 100), 800 x 600, with the default window
// procedure; the caller destroys it.
HWND CreateTestWindow();

// The top left width x height pixels of a render target (X8R8G8B8, A8R8G8B8 or
// R5G6B5) as 0x00RRGGBB, row by row, read back through a system-memory copy.
std::vector<uint32_t> ReadSurfaceArea(IDirect3DDevice9* device, IDirect3DSurface9* target, UINT width, UINT height);

// A render target of the back buffer's size and format (one reference, the caller's).
IDirect3DSurface9* MakeTargetLikeBackBuffer(IDirect3DDevice9* device);

// The back buffer (one reference, the caller's).
IDirect3DSurface9* BackBuffer(IDirect3DDevice9* device);
