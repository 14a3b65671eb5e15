// The DirectX End-User Runtime check: its DLLs are delay-loaded, so their absence is found and told at start-up.
#pragma once

// Called first in WinMain. Loads d3dx9_43.dll and xinput1_3.dll from the program's folder (a stand-in pad there
// comes first) or the system's, never the current folder or PATH, for the program's life, and binds every function
// the program imports from them, so that no call goes through the delay-load thunk, which keeps no float argument
// registers across the loading. When a DLL cannot be loaded or lacks a function, shows one box naming each such DLL
// and the runtime that brings them, and returns false: the program must then end before it makes its window.
bool CheckDirectXRuntime();
