// Test support: the real device with chosen methods replaced, by swapping its method table for a copy.
#pragma once

#include <d3d9.h>

#include <cstring>

#include "overlay_match.h"

// Places in IDirect3DDevice9's method table, in d3d9.h's order.
constexpr int kTestCooperativeLevel = 3, kReset = 16, kPresent = 17, kCreateOffscreenPlainSurface = 36,
              kBeginScene = 41, kSetTransform = 44;

// One device at a time. Install after the device is made; the copy stays in place until the device is released.
struct MethodTable {
    static constexpr int kMethods = 134;  // IDirect3DDevice9Ex's, which Wine's and DXVK's devices carry
    void* real[kMethods];
    void* scripted[kMethods];

    void Install(IDirect3DDevice9* device) {
        void**& table = *reinterpret_cast<void***>(device);
        std::memcpy(real, table, sizeof(real));
        std::memcpy(scripted, table, sizeof(scripted));
        table = scripted;
    }
    template <typename Method>
    void Replace(int place, Method method) {
        scripted[place] = reinterpret_cast<void*>(method);
    }
    template <typename Method>
    Method Real(int place) const {
        return reinterpret_cast<Method>(real[place]);
    }
};

// KeepPresents: the device's Present counts the presents and keeps the back buffer as each finds it.
inline MethodTable presentMethods;
inline int presents = 0;
inline UINT presentedWidth = 0;
inline Pixels presented;
inline HRESULT WINAPI KeepPresented(IDirect3DDevice9* self, const RECT* a, const RECT* b, HWND w, const RGNDATA* r) {
    ++presents;
    presented = ReadBackBuffer(self, &presentedWidth);
    return presentMethods.Real<decltype(&KeepPresented)>(kPresent)(self, a, b, w, r);
}
inline void KeepPresents(IDirect3DDevice9* device) {
    presentMethods.Install(device);
    presentMethods.Replace(kPresent, &KeepPresented);
    presents = 0;
    presented.clear();
}
