// One frame on the real device, read from the back buffer as its present finds it: the ten lines in the window
// DC's look; a scene that does not begin; and the lines' way round a surface that gives no DC.

#include <algorithm>

#include "device_fixture.h"
#include "frame.h"
#include "method_table.h"

namespace {

using FrameTest = DeviceTest;

bool Blank(const Pixels& p) { return std::count(p.begin(), p.end(), 0u) == std::ptrdiff_t(p.size()); }

}  // namespace

// The ten lines of the frame's own plate, drawn as the window's DC would draw them with its font and colours, and
// nothing written on the window itself (the clear and the scene under them: the picture test).
TEST_F(FrameTest, LinesInTheWindowDcsLook) {
    KeepPresents(pd3dDevice);
    const OverlayLines lines = OverlayAfter(26);  // leaves the drive state 26 plates on
    const Canvas window(kOverlayWidth, kOverlayHeight);
    const Canvas expected(kOverlayWidth, kOverlayHeight);
    for (HDC dc : {window.dc, expected.dc}) {
        SelectObject(dc, GetStockObject(ANSI_FIXED_FONT));
        SetTextColor(dc, RGB(255, 255, 0));
        SetBkColor(dc, RGB(0, 0, 255));
    }
    for (int i = 0; i < kOverlayLineCount; ++i) {
        TextOutA(expected.dc, 0, i * kOverlayLineSpacing, lines[i].c_str(), int(lines[i].size()));
    }
    RenderFrame(window.dc);
    ASSERT_EQ(presents, 1);
    const Pixels want = expected.Read();
    long text = 0, differing = 0;
    for (size_t i = 0; i < want.size(); ++i) {
        if (want[i] == 0) continue;  // outside the lines' boxes
        ++text;
        // Both are GDI's own drawing; a 16-bit back buffer keeps the top bits of each channel.
        differing += ChannelDistance(presented[i / kOverlayWidth * presentedWidth + i % kOverlayWidth], want[i]) > 8;
    }
    EXPECT_GT(text, 5000);
    EXPECT_EQ(differing, 0) << "the lines are not the frame's, or do not look as the window's DC would draw them";
    EXPECT_TRUE(Blank(window.Read())) << "the lines were written on the window too";
}

// A scene that does not begin gets no text, no drawing and no EndScene, but still its clear and its present.
TEST_F(FrameTest, ARefusedSceneIsOnlyClearedAndPresented) {
    KeepPresents(pd3dDevice);
    // A scene already begun makes the frame's BeginScene fail.
    ASSERT_EQ(pd3dDevice->BeginScene(), D3D_OK);
    D3DMATRIX sentinel = {};
    pd3dDevice->SetTransform(D3DTS_WORLD, &sentinel);
    pd3dDevice->Clear(0, nullptr, D3DCLEAR_TARGET, D3DCOLOR_XRGB(255, 0, 0), 1.0f, 0);
    const Canvas window(kOverlayWidth, kOverlayHeight);
    RenderFrame(window.dc);
    EXPECT_TRUE(Blank(window.Read())) << "text was written on the window";
    D3DMATRIX world;
    pd3dDevice->GetTransform(D3DTS_WORLD, &world);
    EXPECT_EQ(world.m[3][3], 0.0f) << "a model was drawn";
    EXPECT_EQ(pd3dDevice->EndScene(), D3D_OK) << "the frame ended the scene it did not begin";
    ASSERT_EQ(presents, 1) << "the frame was not presented";
    // The clear's grey (100, 100, 100) as a 32-bit or a 16-bit back buffer holds it.
    const auto grey = [](uint32_t p) { return ChannelDistance(p, 0x646464) <= 4; };
    EXPECT_EQ(std::count_if(presented.begin(), presented.end(), grey), std::ptrdiff_t(presented.size()))
        << "the frame was not cleared, or text went into it";
}

// A surface whose DC the device refuses: the lines are written on the window after the present instead, and the
// frame goes on (no surface at all: the device loss test).
TEST_F(FrameTest, LinesOntoTheWindowWithoutASurfaceDc) {
    KeepPresents(pd3dDevice);
    IDirect3DSurface9* made = pOverlaySurface;
    IDirect3DSurface9* noDc = nullptr;
    ASSERT_EQ(pd3dDevice->CreateOffscreenPlainSurface(64, 64, D3DFMT_L8, D3DPOOL_DEFAULT, &noDc, nullptr), D3D_OK);
    HDC surfaceDc = nullptr;
    ASSERT_TRUE(FAILED(noDc->GetDC(&surfaceDc))) << "the device gives a DC for L8 after all";
    const OverlayLines lines = OverlayAfter(5);  // leaves the drive state 5 plates on
    pOverlaySurface = noDc;
    const Canvas window(kOverlayWidth, kOverlayHeight);
    RenderFrame(window.dc);
    EXPECT_EQ(presents, 1);
    EXPECT_EQ(MatchingLines(window.Read(), lines), kOverlayLineCount);
    pOverlaySurface = made;
    noDc->Release();
}
