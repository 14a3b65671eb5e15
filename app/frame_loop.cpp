// The message and frame loop.
#include "frame_loop.h"

#include "device.h"
#include "drive.h"
#include "frame.h"
#include "gamepad.h"

void RunFrame(HDC hdc) {
    if (!DeviceReady()) {
        Sleep(kLostDeviceWaitMs);
        return;
    }
    PollPads();
    UpdateDrive(GamepadSlots[0].state.Gamepad.wButtons);
    RenderFrame(hdc);
}

WPARAM RunFrameLoop(HDC hdc) {
    MSG msg;
    ZeroMemory(&msg, sizeof(msg));
    while (msg.message != WM_QUIT) {
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        } else {
            RunFrame(hdc);
        }
    }
    return msg.wParam;
}
