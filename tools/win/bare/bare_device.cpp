// Device creation and release for the bare benchmark program.
#include "bare_device.h"

#include <initializer_list>

IDirect3DDevice9* CreateBareDevice(HWND hWnd, IDirect3D9** direct3d) {
    *direct3d = Direct3DCreate9(D3D_SDK_VERSION);
    if (*direct3d == nullptr) {
        return nullptr;
    }
    D3DPRESENT_PARAMETERS params = {};
    params.BackBufferFormat = D3DFMT_UNKNOWN;
    params.BackBufferCount = 1;
    params.SwapEffect = D3DSWAPEFFECT_DISCARD;
    params.Windowed = TRUE;
    params.EnableAutoDepthStencil = TRUE;
    params.AutoDepthStencilFormat = D3DFMT_D16;
    params.PresentationInterval = D3DPRESENT_INTERVAL_DEFAULT;
    IDirect3DDevice9* device = nullptr;
    for (D3DDEVTYPE type : {D3DDEVTYPE_HAL, D3DDEVTYPE_REF}) {
        if (SUCCEEDED((*direct3d)->CreateDevice(D3DADAPTER_DEFAULT, type, hWnd, D3DCREATE_MIXED_VERTEXPROCESSING,
                                                &params, &device))) {
            return device;
        }
    }
    (*direct3d)->Release();
    *direct3d = nullptr;
    return nullptr;
}

void ReleaseBareDevice(IDirect3DDevice9* device, IDirect3D9* direct3d) {
    if (device != nullptr) {
        device->Release();
    }
    if (direct3d != nullptr) {
        direct3d->Release();
    }
}
