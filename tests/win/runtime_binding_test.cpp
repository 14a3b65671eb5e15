// The runtime's functions bound at start-up: into import slots the image maps read-only (as binutils 2.44
// lays them out), and against a delay-load helper that leaves garbage in the float argument registers (as
// Windows' LoadLibrary and GetProcAddress may), the first frame must still set the transforms a later
// frame sets. In a program of its own, so that no D3DX or XInput function was called before.
#include <gtest/gtest.h>
#include <windows.h>

#include <delayimp.h>  // after windows.h, which it needs

#include <utility>
#include <vector>

#include "device_fixture.h"
#include "directx_runtime.h"
#include "frame.h"
#include "gamepad.h"
#include "method_table.h"

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

MethodTable methods;
std::vector<D3DMATRIX> transforms;  // every SetTransform, in order

HRESULT WINAPI SetTransform(IDirect3DDevice9* self, D3DTRANSFORMSTATETYPE state, const D3DMATRIX* matrix) {
    transforms.push_back(*matrix);
    return methods.Real<decltype(&SetTransform)>(kSetTransform)(self, state, matrix);
}

// Called by the delay-load helper at each step of loading a function; returns with xmm0-xmm5 all ones (NaN).
FARPROC WINAPI DestroyFloatRegisters(unsigned, PDelayLoadInfo) {
    asm volatile(
        "pcmpeqd %%xmm0, %%xmm0\n\tmovaps %%xmm0, %%xmm1\n\tmovaps %%xmm0, %%xmm2\n\t"
        "movaps %%xmm0, %%xmm3\n\tmovaps %%xmm0, %%xmm4\n\tmovaps %%xmm0, %%xmm5" ::
            : "xmm0", "xmm1", "xmm2", "xmm3", "xmm4", "xmm5");
    return nullptr;
}

// As WinMain: the runtime checked (and bound) before the device and models.
struct RuntimeBindingTest : DeviceTest {
    void SetUp() override {
        __pfnDliNotifyHook2 = DestroyFloatRegisters;
        for (const DelayImports& imports : kDelayImports) MakeSlotsReadOnly(imports.table);
        ASSERT_TRUE(CheckDirectXRuntime());
        DeviceTest::SetUp();
        methods.Install(pd3dDevice);
        methods.Replace(kSetTransform, &SetTransform);
    }
};

}  // namespace

TEST_F(RuntimeBindingTest, TheFirstFrameSetsTheTransformsOfALaterFrameAtTheSameState) {
    RenderFrame(dc);
    const std::vector<D3DMATRIX> first = std::exchange(transforms, {});
    RenderFrame(dc);
    ASSERT_EQ(first.size(), 6u) << "world, view and projection for the course and for the car";
    ASSERT_EQ(transforms.size(), first.size());
    for (size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(std::memcmp(&first[i], &transforms[i], sizeof(D3DMATRIX)), 0)
            << "transform " << i << " of the first frame: _11 " << first[i]._11 << ", later " << transforms[i]._11;
    }
}

TEST_F(RuntimeBindingTest, ReadOnlySlotsHoldTheDllsFunctionsAndStayReadOnly) {
    PollPads();  // through the bound slot: a slot left unbound would reach the delay-load helper, which faults
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
