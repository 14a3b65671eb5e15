// Finds the system's XInput behind the keyboard pad.
#include "system_xinput.h"

#include <cstring>

namespace {

HMODULE LoadFromSystemDirectory(const char* name) {
    char path[MAX_PATH];
    UINT length = GetSystemDirectoryA(path, MAX_PATH);
    if (length == 0 || length + 1 + std::strlen(name) + 1 > MAX_PATH) {
        return nullptr;
    }
    path[length] = '\\';
    std::strcpy(path + length + 1, name);
    return LoadLibraryA(path);
}

template <typename Fn>
Fn Entry(HMODULE module, const char* name) {
    if (module == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

SystemXInputData LoadSystemXInput() {
    // xinput1_4 first: it is what current systems ship; xinput9_1_0 exists on older ones.
    HMODULE module = LoadFromSystemDirectory("xinput1_4.dll");
    if (module == nullptr) {
        module = LoadFromSystemDirectory("xinput9_1_0.dll");
    }
    SystemXInputData xinput;
    xinput.pGetState = Entry<XInputGetStateFn>(module, "XInputGetState");
    xinput.pSetState = Entry<XInputSetStateFn>(module, "XInputSetState");
    xinput.pGetCapabilities = Entry<XInputGetCapabilitiesFn>(module, "XInputGetCapabilities");
    xinput.pEnable = Entry<XInputEnableFn>(module, "XInputEnable");
    xinput.pGetBatteryInformation = Entry<XInputGetBatteryInformationFn>(module, "XInputGetBatteryInformation");
    xinput.pGetKeystroke = Entry<XInputGetKeystrokeFn>(module, "XInputGetKeystroke");
    return xinput;
}

}  // namespace

const SystemXInputData& SystemXInput() {
    // A function-local static: initialised once, outside DllMain's loader lock.
    static const SystemXInputData xinput = LoadSystemXInput();
    return xinput;
}
