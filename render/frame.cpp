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
// it was given, or the budget is spent (a device that never signals costs
// each frame the budget, not the program); without a query it does not wait.
// Between polls the thread sleeps: where the device draws on the CPU (a
// software renderer), a spinning poll takes a core from the very threads
// that finish the frame.
void WaitForPresentDone() {
    if (pPresentQuery == nullptr) return;
    const ULONGLONG deadline = GetTickCount64() + kPresentWaitBudgetMs;
    pPresentQuery->Issue(D3DISSUE_END);
    while (pPresentQuery->GetData(nullptr, 0, D3DGETDATA_FLUSH) == S_FALSE && GetTickCount64() < deadline) {
        Sleep(kPresentPollMs);
    }
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
    if (pd3dDevice->Present(nullptr, nullptr, nullptr, nullptr) == D3DERR_DEVICELOST) {
        bDeviceLost = true;
        return;
    }
    // After the present, which covers the whole client area: written before
    // it, the lines would be overwritten by the very frame they describe.
    if (sceneBegun) {
        WaitForPresentDone();
        DrawOverlay(hdc);
    }
}
