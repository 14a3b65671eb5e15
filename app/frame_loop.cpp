// The message and frame loop.
#include "frame_loop.h"

#include "device.h"
#include "drive.h"
#include "frame.h"
#include "gamepad.h"

bool RunFrame(HDC hdc) {
    switch (CheckDevice()) {
    case DeviceStatus::kFailed: return false;
    case DeviceStatus::kLost: Sleep(kLostDeviceWaitMs); return true;
    case DeviceStatus::kReady: break;
    }
    PollPads();
    UpdateDrive(GamepadSlots[0].state.Gamepad.wButtons);
    RenderFrame(hdc);
    return true;
}

WPARAM RunFrameLoop(HDC hdc) {
    MSG msg;
    ZeroMemory(&msg, sizeof(msg));
    while (msg.message != WM_QUIT) {
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        } else if (!RunFrame(hdc)) {
            return kExitDeviceFailed;
        }
    }
    return msg.wParam;
}
