// Frame rendering.
#include "frame.h"

#include "device.h"
#include "mesh_model.h"
#include "debug_overlay.h"
#include "scene.h"

void RenderFrame(HDC hdc) {
    pd3dDevice->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, D3DCOLOR_XRGB(100, 100, 100), 1.0f, 0);
    const bool sceneBegun = SUCCEEDED(pd3dDevice->BeginScene());
    if (sceneBegun) {
        DrawCourse(&models[kCourseModel]);
        DrawCar(&models[kCarModel]);
        pd3dDevice->EndScene();
    }
    pd3dDevice->Present(nullptr, nullptr, nullptr, nullptr);
    if (sceneBegun) {
        DrawOverlay(hdc);
        // Out now, not whenever GDI next empties its batch: the lines then stand
        // on screen for the whole time until the next present.
        GdiFlush();
    }
}
