// The D3DX functions bound at start-up, against a delay-load helper that leaves garbage in the float
// argument registers (as Windows' LoadLibrary and GetProcAddress may): the first frame must still set
// the transforms a later frame sets. In a program of its own, so that no D3DX function was called before.
#include <gtest/gtest.h>
#include <windows.h>

#include <delayimp.h>  // after windows.h, which it needs

#include <utility>
#include <vector>

#include "device_fixture.h"
#include "directx_runtime.h"
#include "frame.h"
#include "method_table.h"

namespace {

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
