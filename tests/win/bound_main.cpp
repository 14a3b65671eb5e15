// The main of the Windows test programs that call D3DX or XInput: the DirectX runtime is bound first, as
// WinMain binds it, so that no call goes through the delay-load helper, which writes the import slots
// as they lie and crashes where the image maps them read-only (binutils 2.44 and later).
#include <gtest/gtest.h>

#include "directx_runtime.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (!CheckDirectXRuntime()) return 1;
    return RUN_ALL_TESTS();
}
