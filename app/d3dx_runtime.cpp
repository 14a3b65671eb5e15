// The D3DX runtime check.
#include "d3dx_runtime.h"

#include <windows.h>

#include "message_box.h"
#include "messages.h"

bool CheckD3dxRuntime() {
    HMODULE d3dx = LoadLibraryA("d3dx9_43.dll");
    if (d3dx == nullptr) {
        ShowMessage(kMsgD3dxMissing, nullptr);
        return false;
    }
    FreeLibrary(d3dx);
    return true;
}
