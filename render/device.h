// The Direct3D object and the rendering device: start-up (with the two models), loss and reset, and release.
#pragma once

#include <d3d9.h>

// Null before InitD3D and after Cleanup; otherwise one reference each.
extern IDirect3D9* pD3D;
extern IDirect3DDevice9* pd3dDevice;

// Where the frame writes the overlay lines with GDI before copying them into the back buffer: the
// back buffer's width and format, the lines' height, in the default pool (GetDC takes no other).
// Null when the device made none.
extern IDirect3DSurface9* pOverlaySurface;

// Set when a present reported D3DERR_DEVICELOST; cleared once the device is reset.
extern bool bDeviceLost;

// Called once at start-up with the shown window; loads both models from the current directory.
// E_FAIL, after its box(es), when no device could be made; nothing is then left held.
HRESULT InitD3D(HWND hWnd);

// Called before each frame: false while the device is lost and cannot yet be reset. The models
// (system-memory meshes, managed textures) outlive a reset; default-pool objects are made again.
bool DeviceReady();

// Called once at exit, and safe in any state or when repeated: releases everything InitD3D made.
void Cleanup();
