// Test support: expected overlay lines and their comparison with captured pixels.
#include "overlay_match.h"

#include <algorithm>

#include "drive.h"

namespace {

int Grey(uint32_t p) {
    return ((p >> 16) & 0xFF) == (p & 0xFF) && ((p >> 8) & 0xFF) == (p & 0xFF) ? int(p & 0xFF) : -1;
}

bool SamePixel(uint32_t drawn, uint32_t shown) {
    if (drawn == 0x000000) return Grey(shown) >= 0 && Grey(shown) < 96;
    if (drawn == 0xFFFFFF) return Grey(shown) > 160;
    return true;
}

bool LineMatches(const Pixels& shown, const Pixels& drawn, int top, SIZE box) {
    const int bottom = std::min<int>(top + box.cy, kOverlayHeight);
    int whiteAfter = 0;
    for (int y = top; y < bottom; ++y) {
        const size_t row = size_t(y) * kOverlayWidth;
        for (int x = 0; x < box.cx; ++x) {
            if (!SamePixel(drawn[row + x], shown[row + x])) return false;
        }
        whiteAfter += shown[row + box.cx] == 0xFFFFFF;
    }
    return whiteAfter * 2 <= bottom - top;
}

}  // namespace

OverlayLines OverlayAfter(int held) {
    DriveState = kDriveStart;
    ResetDrive();
    for (int frame = 0; frame <= held; ++frame) UpdateDrive(frame < held ? kButtonA : 0);
    OverlayLines lines;
    char text[kOverlayTextSize];
    for (int i = 0; i < kOverlayLineCount; ++i) lines[i].assign(text, size_t(FormatOverlayLine(i, DriveState, text)));
    return lines;
}

Canvas::Canvas(int w, int h) : width(w), height(h), dc(CreateCompatibleDC(nullptr)) {
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(info.bmiHeader), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* pixels = nullptr;
    bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    previous = SelectObject(dc, bitmap);
    bits = static_cast<const uint32_t*>(pixels);
}

Canvas::~Canvas() {
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

Pixels Canvas::Read() const {
    GdiFlush();
    Pixels pixels(bits, bits + size_t(width) * height);
    for (uint32_t& p : pixels) p &= 0xFFFFFF;
    return pixels;
}

Pixels CaptureScreen(int x, int y, int width, int height) {
    const Canvas canvas(width, height);
    HDC screen = GetDC(nullptr);
    BitBlt(canvas.dc, 0, 0, width, height, screen, x, y, SRCCOPY);
    ReleaseDC(nullptr, screen);
    return canvas.Read();
}

int MatchingLines(const Pixels& shown, const OverlayLines& lines) {
    const Canvas canvas(kOverlayWidth, kOverlayHeight);
    int matching = 0;
    for (int i = 0; i < kOverlayLineCount; ++i) {
        SIZE box = {};
        TextOutA(canvas.dc, 0, i * kOverlayLineSpacing, lines[i].c_str(), int(lines[i].size()));
        GetTextExtentPoint32A(canvas.dc, lines[i].c_str(), int(lines[i].size()), &box);
        matching += LineMatches(shown, canvas.Read(), i * kOverlayLineSpacing, box);
    }
    return matching;
}

Pixels ReadBackBuffer(IDirect3DDevice9* device, UINT* width) {
    IDirect3DSurface9 *backBuffer = nullptr, *copy = nullptr;
    device->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &backBuffer);
    D3DSURFACE_DESC desc;
    backBuffer->GetDesc(&desc);
    device->CreateOffscreenPlainSurface(desc.Width, desc.Height, desc.Format, D3DPOOL_SYSTEMMEM, &copy, nullptr);
    device->GetRenderTargetData(backBuffer, copy);
    backBuffer->Release();
    D3DLOCKED_RECT locked;
    copy->LockRect(&locked, nullptr, D3DLOCK_READONLY);
    Pixels pixels;
    for (UINT y = 0; y < desc.Height; ++y) {
        const BYTE* row = static_cast<const BYTE*>(locked.pBits) + y * locked.Pitch;
        for (UINT x = 0; x < desc.Width; ++x) {
            if (desc.Format != D3DFMT_R5G6B5) {
                pixels.push_back(reinterpret_cast<const uint32_t*>(row)[x] & 0xFFFFFF);
                continue;
            }
            const uint32_t p = reinterpret_cast<const uint16_t*>(row)[x], r = p >> 11, g = (p >> 5) & 0x3F,
                           b = p & 0x1F;
            pixels.push_back(((r << 3 | r >> 2) << 16) | ((g << 2 | g >> 4) << 8) | (b << 3 | b >> 2));
        }
    }
    copy->UnlockRect();
    copy->Release();
    *width = desc.Width;
    return pixels;
}
