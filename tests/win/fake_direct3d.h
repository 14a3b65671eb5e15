// Test double: Direct3DCreate9 linked into a test program in place of d3d9's, scripted by the test.
#pragma once

#include <d3d9.h>

#include <vector>

enum class Direct3DScript {
    kReal,          // the real Direct3D object, unwrapped
    kNoDirect3D,    // Direct3DCreate9 returns null
    kRefuseHal,     // a wrapper whose CreateDevice refuses D3DDEVTYPE_HAL
    kRefuseBoth,    // a wrapper that refuses HAL and REF
};

// One CreateDevice call as the wrapper received it.
struct CreateDeviceCall {
    UINT adapter;
    D3DDEVTYPE type;
    HWND focusWindow;
    DWORD flags;
    D3DPRESENT_PARAMETERS parameters;  // as passed in, before the call
};

struct FakeDirect3DRecord {
    Direct3DScript script = Direct3DScript::kReal;
    UINT sdkVersion = 0;
    int createCalls = 0;
    std::vector<CreateDeviceCall> deviceCalls;
    int wrapperReferences = 0;   // references the wrapper currently counts
    int wrapperFreed = 0;        // times its count reached 0
};

// Set the script before the code under test runs; read what happened after.
extern FakeDirect3DRecord FakeDirect3D;
