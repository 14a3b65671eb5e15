// The Direct3D object and the rendering device: start-up (with the two models), loss and reset, and release.
#pragma once

#include <d3d9.h>

// Null before InitD3D and after Cleanup; otherwise one reference each.
extern IDirect3D9* pD3D;
extern IDirect3DDevice9* pd3dDevice;

// What the overlay lines are written on before their boxes are copied into the
// back buffer: the back buffer's size and format, in the default pool (which
// GetDC accepts). Made with the device and again after each reset; null when
// the device would not make one, before InitD3D and after Cleanup.
extern IDirect3DSurface9* pOverlaySurface;

// Set when a present reported D3DERR_DEVICELOST; cleared once the device is reset.
extern bool bDeviceLost;

// Called once at start-up with the shown program window. Creates the Direct3D
// object and a windowed device (hardware, else the reference rasteriser, with a
// notice), the overlay surface, loads "crs.x" into models[0] and "F1.x" into
// models[1] from the current directory and sets the four fixed render states.
// Returns S_OK when a device exists; E_FAIL after its message box(es) when none
// could be made, with nothing left held.
HRESULT InitD3D(HWND hWnd);

// Whether a frame may be drawn. While the device is lost, asks
// TestCooperativeLevel; when that allows a reset, releases the overlay surface,
// resets the device with the parameters it was created with, sets the fixed
// render states and makes the surface again, and is true from then on. The
// models (system-memory meshes, managed textures) survive the reset untouched.
bool DeviceReady();

// Releases both models (textures, arrays, meshes), the overlay surface, then the
// device, then the Direct3D object, and nulls the pointers. Safe in any state
// and when repeated.
void Cleanup();
