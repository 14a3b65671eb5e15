// Frame rendering.
#include "frame.h"

#include <algorithm>

#include "debug_overlay.h"
#include "device.h"
#include "mesh_model.h"
#include "scene.h"

namespace {

// The lines look as they would written on the window itself.
void TakeTextLook(HDC to, HDC from) {
    SelectObject(to, GetCurrentObject(from, OBJ_FONT));
    SetTextColor(to, GetTextColor(from));
    SetBkColor(to, GetBkColor(from));
    SetBkMode(to, GetBkMode(from));
}

bool CopyIntoBackBuffer(RECT (&boxes)[kOverlayLineCount]) {
    IDirect3DSurface9* backBuffer = nullptr;
    if (FAILED(pd3dDevice->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &backBuffer))) return false;
    D3DSURFACE_DESC desc;
    pOverlaySurface->GetDesc(&desc);
    bool copied = true;
    for (RECT& box : boxes) {
        // StretchRect refuses a rectangle that leaves either surface; the back buffer is the larger.
        box.right = std::min<LONG>(box.right, LONG(desc.Width));
        box.bottom = std::min<LONG>(box.bottom, LONG(desc.Height));
        if (box.right <= box.left || box.bottom <= box.top) continue;
        copied = SUCCEEDED(pd3dDevice->StretchRect(pOverlaySurface, &box, backBuffer, &box, D3DTEXF_NONE)) && copied;
    }
    backBuffer->Release();
    return copied;
}

// Whether the ten lines are on the surface, each in its box.
bool WriteOverlayOnSurface(HDC windowDc, RECT (&boxes)[kOverlayLineCount]) {
    HDC surfaceDc = nullptr;
    if (pOverlaySurface == nullptr || FAILED(pOverlaySurface->GetDC(&surfaceDc))) return false;
    const HGDIOBJ surfaceFont = GetCurrentObject(surfaceDc, OBJ_FONT);
    TakeTextLook(surfaceDc, windowDc);
    DrawOverlay(surfaceDc, boxes);
    SelectObject(surfaceDc, surfaceFont);
    pOverlaySurface->ReleaseDC(surfaceDc);
    return true;
}

}  // namespace

void RenderFrame(HDC hdc) {
    // Before the frame's drawing is handed over: a device that finishes its queue before it gives
    // the surface's DC then waits for the last frame alone (under Wine 46 -> 53 frames a second).
    RECT boxes[kOverlayLineCount];
    const bool linesOnSurface = WriteOverlayOnSurface(hdc, boxes);
    pd3dDevice->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, D3DCOLOR_XRGB(100, 100, 100), 1.0f, 0);
    const bool sceneBegun = SUCCEEDED(pd3dDevice->BeginScene());
    bool linesInFrame = false;
    if (sceneBegun) {
        DrawCourse(&models[kCourseModel]);
        DrawCar(&models[kCarModel]);
        pd3dDevice->EndScene();
        linesInFrame = linesOnSurface && CopyIntoBackBuffer(boxes);
    }
    // Lost, removed or a driver error: TestCooperativeLevel tells which at the next frame.
    if (FAILED(pd3dDevice->Present(nullptr, nullptr, nullptr, nullptr))) {
        bDeviceLost = true;
        return;
    }
    // A best effort: the next present may cover them.
    if (sceneBegun && !linesInFrame) DrawOverlay(hdc);
}
