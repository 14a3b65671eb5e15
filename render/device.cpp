// Device set-up, reset after a loss, and release.
#include "device.h"

#include <d3dx9.h>

#include <algorithm>

#include "mesh_model.h"
#include "message_box.h"
#include "messages.h"
#include "overlay.h"
#include "view.h"

IDirect3D9* pD3D = nullptr;
IDirect3DDevice9* pd3dDevice = nullptr;
IDirect3DSurface9* pOverlaySurface = nullptr;
bool bDeviceLost = false;

namespace {

// As the device was created with them (filled in by CreateDevice); a reset reuses them.
D3DPRESENT_PARAMETERS presentParameters;

// A windowed device with the window's client size, the display's format and a
// 16-bit depth buffer. The fields left zero mean: BackBufferWidth and
// BackBufferHeight, the client area's; MultiSampleType D3DMULTISAMPLE_NONE and
// MultiSampleQuality 0; a null hDeviceWindow, the focus window; no Flags; a
// FullScreen_RefreshRateInHz of 0, as a windowed device needs; and
// PresentationInterval D3DPRESENT_INTERVAL_DEFAULT, presents at the retrace.
D3DPRESENT_PARAMETERS MakePresentParameters() {
    D3DPRESENT_PARAMETERS d3dpp;
    ZeroMemory(&d3dpp, sizeof(d3dpp));
    d3dpp.Windowed = TRUE;
    d3dpp.SwapEffect = D3DSWAPEFFECT_DISCARD;
    d3dpp.BackBufferFormat = D3DFMT_UNKNOWN;
    d3dpp.BackBufferCount = 1;
    d3dpp.EnableAutoDepthStencil = TRUE;
    d3dpp.AutoDepthStencilFormat = D3DFMT_D16;
    return d3dpp;
}

HRESULT CreateDeviceOfType(HWND hWnd, D3DDEVTYPE type, D3DPRESENT_PARAMETERS* d3dpp) {
    pd3dDevice = nullptr;
    const HRESULT hr =
        pD3D->CreateDevice(D3DADAPTER_DEFAULT, type, hWnd, D3DCREATE_MIXED_VERTEXPROCESSING, d3dpp, &pd3dDevice);
    if (FAILED(hr)) pd3dDevice = nullptr;
    return hr;
}

// Hardware first; when it is refused, the notice, then the reference device
// with the very record the hardware call got, as that call left it. A reset
// later reuses the record the device was made with.
HRESULT CreateDevice(HWND hWnd) {
    D3DPRESENT_PARAMETERS d3dpp = MakePresentParameters();
    HRESULT hr = CreateDeviceOfType(hWnd, D3DDEVTYPE_HAL, &d3dpp);
    if (FAILED(hr)) {
        ShowMessage(kMsgHalRefused, nullptr);
        hr = CreateDeviceOfType(hWnd, D3DDEVTYPE_REF, &d3dpp);
    }
    if (FAILED(hr)) {
        ShowMessage(kMsgDeviceFailed, nullptr);
        return E_FAIL;
    }
    presentParameters = d3dpp;
    return S_OK;
}

void SetFixedRenderStates() {
    pd3dDevice->SetRenderState(D3DRS_ZENABLE, D3DZB_TRUE);
    pd3dDevice->SetRenderState(D3DRS_LIGHTING, TRUE);
    pd3dDevice->SetRenderState(D3DRS_AMBIENT,
                               D3DCOLOR_ARGB(0, kSceneAmbientLevel, kSceneAmbientLevel, kSceneAmbientLevel));
    pd3dDevice->SetRenderState(D3DRS_SPECULARENABLE, TRUE);
}

void CreateOverlaySurface() {
    IDirect3DSurface9* backBuffer = nullptr;
    if (FAILED(pd3dDevice->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &backBuffer))) return;
    D3DSURFACE_DESC desc;
    const bool described = SUCCEEDED(backBuffer->GetDesc(&desc));
    backBuffer->Release();
    if (!described) return;
    const UINT height = std::min<UINT>(desc.Height, (kOverlayLineCount + 1) * kOverlayLineSpacing);
    if (FAILED(pd3dDevice->CreateOffscreenPlainSurface(desc.Width, height, desc.Format, D3DPOOL_DEFAULT,
                                                       &pOverlaySurface, nullptr))) {
        pOverlaySurface = nullptr;
    }
}

void ReleaseOverlaySurface() {
    if (pOverlaySurface != nullptr) {
        pOverlaySurface->Release();
        pOverlaySurface = nullptr;
    }
}

// A reset refuses while a default-pool object lives, so the overlay surface goes first. A device
// whose reset failed may be asked nothing but another reset, so the fixed render states (which a
// reset clears) and the surface come back only after a reset that succeeded. Reset's answer.
HRESULT ResetDevice() {
    ReleaseOverlaySurface();
    D3DPRESENT_PARAMETERS d3dpp = presentParameters;
    const HRESULT hr = pd3dDevice->Reset(&d3dpp);
    if (FAILED(hr)) return hr;
    SetFixedRenderStates();
    CreateOverlaySurface();
    return hr;
}

// The device-failure box: the program must end.
DeviceStatus Failed() {
    ShowMessage(kMsgDeviceFailed, nullptr);
    return DeviceStatus::kFailed;
}

}  // namespace

HRESULT InitD3D(HWND hWnd) {
    pD3D = Direct3DCreate9(D3D_SDK_VERSION);
    if (pD3D == nullptr) {
        ShowMessage(kMsgDirect3DFailed, "");
        return E_FAIL;
    }
    if (FAILED(CreateDevice(hWnd))) {
        // The program ends right after a failed start-up, without Cleanup.
        pD3D->Release();
        pD3D = nullptr;
        return E_FAIL;
    }
    bDeviceLost = false;
    CreateOverlaySurface();
    LoadXFile(&models[kCourseModel], "crs.x", D3DXVECTOR3(0.0f, 0.0f, 0.0f));
    LoadXFile(&models[kCarModel], "F1.x", D3DXVECTOR3(0.0f, 0.0f, 0.0f));
    SetFixedRenderStates();
    return S_OK;
}

DeviceStatus CheckDevice() {
    if (!bDeviceLost) return DeviceStatus::kReady;
    switch (pd3dDevice->TestCooperativeLevel()) {
    case D3D_OK: break;
    case D3DERR_DEVICELOST: return DeviceStatus::kLost;
    case D3DERR_DEVICENOTRESET: {
        // Lost again before the reset: try later. Any other refusal (a driver error, no video memory, an
        // invalid call) no wait can mend.
        const HRESULT hr = ResetDevice();
        if (hr == D3DERR_DEVICELOST) return DeviceStatus::kLost;
        if (FAILED(hr)) return Failed();
        break;
    }
    default: return Failed();  // a driver error: no reset will bring it back
    }
    bDeviceLost = false;
    return DeviceStatus::kReady;
}

void Cleanup() {
    ReleaseModel(&models[kCourseModel]);
    ReleaseModel(&models[kCarModel]);
    ReleaseOverlaySurface();
    if (pd3dDevice != nullptr) {
        pd3dDevice->Release();
        pd3dDevice = nullptr;
    }
    if (pD3D != nullptr) {
        pD3D->Release();
        pD3D = nullptr;
    }
    bDeviceLost = false;
}
