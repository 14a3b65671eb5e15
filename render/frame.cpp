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
    // After the present, which covers the whole client area: written before
    // it, the lines would be overwritten by the very frame they describe.
    if (sceneBegun) DrawOverlay(hdc);
}
