// Test double: Direct3DCreate9 linked into a test program in place of d3d9's, scripted by the test.
#pragma once

#include <d3d9.h>

#include <vector>

// kReal: the real object, untouched. kNoDirect3D: Direct3DCreate9 returns null. Otherwise the real object, whose
// CreateDevice refuses D3DDEVTYPE_HAL (kRefuseHal) or every type (kRefuseBoth); a refusal fills in the record's back
// buffer size and format first, as a device being made does. With kDriverError it makes the real device, whose presents
// then report it lost and whose TestCooperativeLevel answers D3DERR_DRIVERINTERNALERROR; with kResetRefused, answers
// D3DERR_DEVICENOTRESET, and Reset D3DERR_OUTOFVIDEOMEMORY, posting the quit message.
enum class Direct3DScript { kReal, kNoDirect3D, kRefuseHal, kRefuseBoth, kDriverError, kResetRefused };

// One CreateDevice call: its device type, the record it was given and the record as it left it.
struct DeviceCall {
    D3DDEVTYPE type;
    D3DPRESENT_PARAMETERS given, left;
};

struct Direct3DDoubleRecord {
    Direct3DScript script = Direct3DScript::kReal;
    IDirect3D9* made = nullptr;           // a scripted object handed out, with one more reference held for the test
    IDirect3DDevice9* device = nullptr;   // kDriverError's device, with one more reference held for the test
    std::vector<DeviceCall> deviceCalls;  // each CreateDevice it refused or passed on
};

extern Direct3DDoubleRecord Direct3DDouble;
