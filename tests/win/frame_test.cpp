// One frame on the real device: the grey clear, the overlay's ten lines, and a scene that does not begin.
#include <gtest/gtest.h>

#include <algorithm>

#include "device.h"
#include "device_fixture.h"
#include "drive.h"
#include "frame.h"
#include "overlay_match.h"
#include "test_window.h"

namespace {

using FrameTest = DeviceTest;

// The frame clears whatever target is set: one of ours keeps the clear
// readable after the present has discarded the back buffer.
struct OwnTarget {
    IDirect3DSurface9* target = MakeTargetLikeBackBuffer(pd3dDevice);
    OwnTarget() { pd3dDevice->SetRenderTarget(0, target); }
    ~OwnTarget() { target->Release(); }
    D3DCOLOR At(UINT x, UINT y) const { return ReadSurfacePixel(pd3dDevice, target, x, y) & 0xFFFFFF; }
};

}  // namespace

TEST_F(FrameTest, ClearsToGreyAndWritesTheTenLinesOfTheCurrentDriveState) {
    const OverlayLines lines = OverlayAfter(26);  // leaves the drive state 26 plates on
    const OwnTarget target;
    const Canvas canvas(kOverlayWidth, kOverlayHeight);
    RenderFrame(canvas.dc);
    EXPECT_EQ(target.At(5, 5), 0x646464u);
    EXPECT_EQ(MatchingLines(canvas.Read(), lines), kOverlayLineCount);
}

TEST_F(FrameTest, ARefusedSceneGetsNoTextNoDrawingAndNoEndButStillItsClearAndPresent) {
    // A scene already begun makes the frame's BeginScene fail.
    ASSERT_EQ(pd3dDevice->BeginScene(), D3D_OK);
    D3DMATRIX sentinel = {};
    pd3dDevice->SetTransform(D3DTS_WORLD, &sentinel);
    // The back buffer holds red, which only a present (discarding it) takes away.
    IDirect3DSurface9* backBuffer = BackBuffer(pd3dDevice);
    pd3dDevice->ColorFill(backBuffer, nullptr, D3DCOLOR_XRGB(255, 0, 0));
    const OwnTarget target;
    const Canvas canvas(kOverlayWidth, kOverlayHeight);
    RenderFrame(canvas.dc);
    const Pixels after = canvas.Read();
    EXPECT_EQ(size_t(std::count(after.begin(), after.end(), 0u)), after.size()) << "text was written";
    D3DMATRIX world;
    pd3dDevice->GetTransform(D3DTS_WORLD, &world);
    EXPECT_EQ(world.m[3][3], 0.0f) << "a model was drawn";
    EXPECT_EQ(pd3dDevice->EndScene(), D3D_OK) << "the frame ended the scene it did not begin";
    EXPECT_EQ(target.At(5, 5), 0x646464u) << "the frame was not cleared";
    EXPECT_NE(ReadSurfacePixel(pd3dDevice, backBuffer, 5, 5) & 0xFFFFFF, 0xFF0000u) << "the frame was not presented";
    backBuffer->Release();
}
