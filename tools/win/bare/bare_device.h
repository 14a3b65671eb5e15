// The bare program's Direct3D 9 device, created as the demo creates its own.
#pragma once

#include <d3d9.h>

// A windowed device for hWnd with the demo's presentation parameters, hardware else reference; null,
// holding nothing, when neither exists. On success *direct3d holds the Direct3D object's one reference.
IDirect3DDevice9* CreateBareDevice(HWND hWnd, IDirect3D9** direct3d);

// Releases the device, then the Direct3D object; both may be null.
void ReleaseBareDevice(IDirect3DDevice9* device, IDirect3D9* direct3d);
