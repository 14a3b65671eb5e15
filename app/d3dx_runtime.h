// The D3DX runtime check: d3dx9_43.dll is delay-loaded, so its absence is found and told at start-up.
#pragma once

// Loads and frees d3dx9_43.dll. When it cannot be loaded, shows the box that
// names it and the DirectX End-User Runtime with its download page, and
// returns false: the program must then end before any D3DX call.
bool CheckD3dxRuntime();
