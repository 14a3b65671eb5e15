// Test double: Direct3DCreate9 linked into a test program in place of d3d9's, scripted by the test.
#pragma once

#include <d3d9.h>

#include <utility>
#include <vector>

// kReal: the real object, untouched. kNoDirect3D: Direct3DCreate9 returns null. Otherwise the
// real object, whose CreateDevice refuses D3DDEVTYPE_HAL (kRefuseHal) or every type (kRefuseBoth).
enum class Direct3DScript { kReal, kNoDirect3D, kRefuseHal, kRefuseBoth };

struct Direct3DDoubleRecord {
    Direct3DScript script = Direct3DScript::kReal;
    int createCalls = 0;
    IDirect3D9* made = nullptr;  // a refusing object handed out, with one more reference held for the test
    std::vector<std::pair<D3DDEVTYPE, D3DPRESENT_PARAMETERS>> deviceCalls;  // each CreateDevice it refused or passed on
};

// Set the script before the code under test runs; read what happened after.
extern Direct3DDoubleRecord Direct3DDouble;
