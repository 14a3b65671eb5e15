// Test support: expected overlay lines and their comparison with captured pixels.
#include "overlay_match.h"

#include <algorithm>

#include "drive.h"

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
    const BITMAPINFO info = {{sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
    previous = SelectObject(dc, bitmap);
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

// A line matches when every black pixel drawn shows dark grey and every white one light grey (edges, drawn in
// other colours, are left out), and at most half its rows go on in white past its end.
int MatchingLines(const Pixels& shown, const OverlayLines& lines) {
    const Canvas canvas(kOverlayWidth, kOverlayHeight);
    int matching = 0;
    for (int i = 0, top = 0; i < kOverlayLineCount; top = ++i * kOverlayLineSpacing) {
        SIZE box = {};
        TextOutA(canvas.dc, 0, top, lines[i].c_str(), int(lines[i].size()));
        GetTextExtentPoint32A(canvas.dc, lines[i].c_str(), int(lines[i].size()), &box);
        const Pixels drawn = canvas.Read();
        const int bottom = std::min<int>(top + box.cy, kOverlayHeight);
        bool same = true;
        int whiteAfter = 0;
        for (int y = top; y < bottom && same; ++y) {
            for (size_t at = size_t(y) * kOverlayWidth, x = 0; x < size_t(box.cx); ++x) {
                const uint32_t p = shown[at + x];  // its grey level, else -1
                const int g = p >> 16 == (p & 0xFF) && (p >> 8 & 0xFF) == (p & 0xFF) ? int(p & 0xFF) : -1;
                same &= drawn[at + x] == 0 ? g >= 0 && g < 96 : drawn[at + x] != 0xFFFFFF || g > 160;
            }
            whiteAfter += shown[size_t(y) * kOverlayWidth + box.cx] == 0xFFFFFF;
        }
        matching += same && whiteAfter * 2 <= bottom - top;
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
            const uint32_t p = reinterpret_cast<const uint16_t*>(row)[x], r = p >> 11, g = p >> 5 & 0x3F, b = p & 0x1F;
            pixels.push_back(desc.Format != D3DFMT_R5G6B5
                                 ? reinterpret_cast<const uint32_t*>(row)[x] & 0xFFFFFF
                                 : (r << 3 | r >> 2) << 16 | (g << 2 | g >> 4) << 8 | (b << 3 | b >> 2));
        }
    }
    copy->UnlockRect();
    copy->Release();
    *width = desc.Width;
    return pixels;
}
