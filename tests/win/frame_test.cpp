// One frame on the real device: the grey clear, a refused scene, and the overlay's ten lines.
#include <gtest/gtest.h>

#include <vector>

#include "debug_overlay.h"
#include "device.h"
#include "device_fixture.h"
#include "drive.h"
#include "frame.h"
#include "mesh_model.h"
#include "test_window.h"

namespace {

using FrameTest = DeviceTest;

constexpr int kWidth = 240;
constexpr int kHeight = 200;
constexpr COLORREF kBackdrop = RGB(10, 200, 30);

// A memory DC on a 32-bit DIB filled with the backdrop colour; the DC keeps
// GDI's default font and colours, as the window's does.
struct Canvas {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ previous;
    DWORD* pixels;
};

Canvas MakeCanvas() {
    Canvas canvas = {};
    canvas.dc = CreateCompatibleDC(nullptr);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = kWidth;
    info.bmiHeader.biHeight = -kHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    canvas.bitmap = CreateDIBSection(canvas.dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    canvas.pixels = static_cast<DWORD*>(bits);
    canvas.previous = SelectObject(canvas.dc, canvas.bitmap);
    RECT all = {0, 0, kWidth, kHeight};
    HBRUSH brush = CreateSolidBrush(kBackdrop);
    FillRect(canvas.dc, &all, brush);
    DeleteObject(brush);
    return canvas;
}

std::vector<DWORD> Pixels(const Canvas& canvas) {
    GdiFlush();
    return std::vector<DWORD>(canvas.pixels, canvas.pixels + kWidth * kHeight);
}

void FreeCanvas(const Canvas& canvas) {
    SelectObject(canvas.dc, canvas.previous);
    DeleteObject(canvas.bitmap);
    DeleteDC(canvas.dc);
}

}  // namespace

TEST_F(FrameTest, ClearsTheBackBufferToOpaqueGreyAndWritesTheTenLinesOfTheStandingCar) {
    // The frame clears whatever target is set; one of ours keeps the clear
    // readable after the present has discarded the back buffer.
    IDirect3DSurface9* target = MakeTargetLikeBackBuffer(pd3dDevice);
    pd3dDevice->SetRenderTarget(0, target);
    Canvas drawn = MakeCanvas();
    RenderFrame(drawn.dc);
    EXPECT_EQ(ReadSurfacePixel(pd3dDevice, target, 5, 5) & 0xFFFFFF, 0x646464u);
    EXPECT_EQ(ReadSurfacePixel(pd3dDevice, target, 700, 500) & 0xFFFFFF, 0x646464u);
    target->Release();

    const char* const lines[10] = {
        "wx = -4000", "wy = 13000", "wz = 0", "vect_x = 0", "vect_y = 0", "vect_z = 0",
        "fPosX = 4.000000", "fPosY = 0.000000", "fPosZ = -13.000000", "plate_pos = 0",
    };
    Canvas expected = MakeCanvas();
    for (int i = 0; i < 10; ++i) TextOutA(expected.dc, 0, 18 * i, lines[i], lstrlenA(lines[i]));
    EXPECT_TRUE(Pixels(drawn) == Pixels(expected)) << "the overlay differs from the ten known lines";
    EXPECT_STREQ(szText, "plate_pos = 0");
    FreeCanvas(drawn);
    FreeCanvas(expected);
}

TEST_F(FrameTest, ARefusedSceneGetsNoTextNoDrawingAndNoEndButStillItsPresent) {
    // A scene already begun makes the frame's BeginScene fail.
    ASSERT_EQ(pd3dDevice->BeginScene(), D3D_OK);
    D3DMATRIX sentinel = {};
    sentinel.m[0][0] = 7.0f;
    pd3dDevice->SetTransform(D3DTS_WORLD, &sentinel);
    pd3dDevice->LightEnable(0, FALSE);
    // The frame's clear goes to a target of ours; the back buffer holds red,
    // which only a present (discarding it) takes away.
    IDirect3DSurface9* target = MakeTargetLikeBackBuffer(pd3dDevice);
    IDirect3DSurface9* backBuffer = BackBuffer(pd3dDevice);
    pd3dDevice->ColorFill(backBuffer, nullptr, D3DCOLOR_XRGB(255, 0, 0));
    ASSERT_EQ(ReadSurfacePixel(pd3dDevice, backBuffer, 5, 5) & 0xFFFFFF, 0xFF0000u);
    pd3dDevice->SetRenderTarget(0, target);
    Canvas canvas = MakeCanvas();
    const std::vector<DWORD> before = Pixels(canvas);

    RenderFrame(canvas.dc);

    EXPECT_TRUE(Pixels(canvas) == before) << "text was written";
    D3DMATRIX world;
    pd3dDevice->GetTransform(D3DTS_WORLD, &world);
    EXPECT_EQ(world.m[0][0], 7.0f) << "a model was drawn";
    BOOL lit = TRUE;
    pd3dDevice->GetLightEnable(0, &lit);
    EXPECT_FALSE(lit);
    EXPECT_EQ(pd3dDevice->EndScene(), D3D_OK) << "the frame ended the scene it did not begin";
    EXPECT_EQ(ReadSurfacePixel(pd3dDevice, target, 5, 5) & 0xFFFFFF, 0x646464u) << "the frame was not cleared";
    EXPECT_NE(ReadSurfacePixel(pd3dDevice, backBuffer, 5, 5) & 0xFFFFFF, 0xFF0000u) << "the frame was not presented";
    backBuffer->Release();
    target->Release();
    FreeCanvas(canvas);
}
