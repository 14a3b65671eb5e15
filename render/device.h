// The Direct3D object and the rendering device: start-up (with the two models), loss and reset, and release.
#pragma once

#include <d3d9.h>

// Null before InitD3D and after Cleanup; otherwise one reference each.
extern IDirect3D9* pD3D;
extern IDirect3DDevice9* pd3dDevice;

// Where the frame writes the overlay lines with GDI before copying them into the back buffer: the
// back buffer's width and format, the lines' height, in the default pool, as StretchRect needs both
// its surfaces (GetDC would take other pools). Null when the device made none.
extern IDirect3DSurface9* pOverlaySurface;

// Set when a present failed (lost, removed, a driver error); cleared once the device answers that it is fine or reset.
extern bool bDeviceLost;

// Called once at start-up with the shown window; loads both models from the current directory.
// E_FAIL, after its box(es), when no device could be made; nothing is then left held.
HRESULT InitD3D(HWND hWnd);

// What the frame loop may do with the device now: draw; wait, while it is lost and cannot yet be
// reset; or end the program (after Cleanup, with exit status 1), when it answers with a driver error
// or its reset fails for another reason than a new loss, whose box this has shown.
enum class DeviceStatus { kReady, kLost, kFailed };

// Called before each frame; resets the device once it can be. The models (system-memory meshes,
// managed textures) outlive a reset; default-pool objects are made again.
DeviceStatus CheckDevice();

// Called once at exit, and safe in any state or when repeated: releases everything InitD3D made.
void Cleanup();
