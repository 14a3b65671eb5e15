// Frame rendering.
#include "frame.h"

#include "debug_overlay.h"
#include "device.h"
#include "mesh_model.h"
#include "scene.h"

namespace {

// A device may carry out a present later, on a thread of its own (Wine's
// does): the lines must reach the window after the presented image, not
// before it, or the image covers them. Waits until the device has done all
// it was given; without event queries it does not wait.
void WaitForPresentDone() {
    IDirect3DQuery9* query = nullptr;
    if (FAILED(pd3dDevice->CreateQuery(D3DQUERYTYPE_EVENT, &query))) return;
    query->Issue(D3DISSUE_END);
    while (query->GetData(nullptr, 0, D3DGETDATA_FLUSH) == S_FALSE) {
    }
    query->Release();
}

}  // namespace

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
    if (sceneBegun) {
        WaitForPresentDone();
        DrawOverlay(hdc);
    }
}
