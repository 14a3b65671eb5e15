// The runtime's functions bound at start-up into import slots the image maps read-only (as binutils 2.44
// lays them out): each slot holds its DLL's function, is read-only again, and a call through it reaches the
// DLL, never the delay-load helper (which would write the read-only slot, and keeps no float argument
// registers across the loading). In a program of its own, so that nothing was bound before.
#include <d3dx9.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <delayimp.h>  // after windows.h, which it needs

#include <cmath>

#include "directx_runtime.h"
#include "gamepad.h"

extern "C" const IMAGE_DOS_HEADER __ImageBase;
extern "C" const ImgDelayDescr __DELAY_IMPORT_DESCRIPTOR_libd3dx9_43_delay_a;
extern "C" const ImgDelayDescr __DELAY_IMPORT_DESCRIPTOR_libxinput1_3_delay_a;

namespace {

struct DelayImports {
    const char* dll;
    const ImgDelayDescr& table;
};
const DelayImports kDelayImports[] = {{"d3dx9_43.dll", __DELAY_IMPORT_DESCRIPTOR_libd3dx9_43_delay_a},
                                      {"xinput1_3.dll", __DELAY_IMPORT_DESCRIPTOR_libxinput1_3_delay_a}};

template <typename T>
T* InImage(DWORD rva) {
    return reinterpret_cast<T*>(reinterpret_cast<ULONG_PTR>(&__ImageBase) + rva);
}

size_t CountSlots(const ImgDelayDescr& table) {
    size_t count = 0;
    while (InImage<const IMAGE_THUNK_DATA>(table.rvaINT)[count].u1.AddressOfData != 0) ++count;
    return count;
}

void MakeSlotsReadOnly(const ImgDelayDescr& table) {
    DWORD protection = 0;
    VirtualProtect(InImage<IMAGE_THUNK_DATA>(table.rvaIAT), CountSlots(table) * sizeof(IMAGE_THUNK_DATA), PAGE_READONLY,
                   &protection);
}

}  // namespace

TEST(RuntimeBinding, ReadOnlySlots) {
    for (const DelayImports& imports : kDelayImports) MakeSlotsReadOnly(imports.table);
    ASSERT_TRUE(CheckDirectXRuntime());
    D3DXMATRIX turn;
    D3DXMatrixRotationY(&turn, 0.5f);  // the angle in a float register
    EXPECT_FLOAT_EQ(turn._11, std::cos(0.5f));
    PollPads();
    for (const DelayImports& imports : kDelayImports) {
        SCOPED_TRACE(imports.dll);
        const HMODULE dll = GetModuleHandleA(imports.dll);
        ASSERT_NE(dll, nullptr);
        const auto* names = InImage<const IMAGE_THUNK_DATA>(imports.table.rvaINT);
        const auto* slots = InImage<const IMAGE_THUNK_DATA>(imports.table.rvaIAT);
        const size_t count = CountSlots(imports.table);
        ASSERT_GT(count, 0u);
        for (size_t i = 0; i < count; ++i) {
            const char* name = InImage<const IMAGE_IMPORT_BY_NAME>(names[i].u1.AddressOfData)->Name;
            EXPECT_EQ(slots[i].u1.Function, reinterpret_cast<ULONG_PTR>(GetProcAddress(dll, name))) << name;
        }
        MEMORY_BASIC_INFORMATION page = {};
        ASSERT_NE(VirtualQuery(slots, &page, sizeof(page)), 0u);
        EXPECT_EQ(page.Protect, DWORD{PAGE_READONLY});
    }
}
