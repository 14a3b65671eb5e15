// The Direct3D object and the rendering device: start-up (with the two models) and release.
#pragma once

#include <d3d9.h>

// Null before InitD3D and after Cleanup; otherwise one reference each.
extern IDirect3D9* pD3D;
extern IDirect3DDevice9* pd3dDevice;

// Called once at start-up with the shown program window. Creates the Direct3D
// object and a windowed device (hardware, else the reference rasteriser, with a
// notice), loads "crs.x" into models[0] and "F1.x" into models[1] from the
// current directory and sets the four fixed render states. Returns S_OK when a
// device exists; E_FAIL after its message box(es) when none could be made, with
// nothing left held.
HRESULT InitD3D(HWND hWnd);

// Releases both models (textures, arrays, meshes), then the device, then the
// Direct3D object, and nulls the pointers. Safe in any state and when repeated.
void Cleanup();
