#include "overlay_match.h"

#include <algorithm>
#include <cstdlib>

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

namespace {

// Whether a shown pixel fits the one drawn: black drawn shows dark grey, white light grey; other colours (the glyph
// edges, drawn in other colours on the window) anything.
bool Fits(uint32_t drawn, uint32_t shown) {
    const uint32_t level = shown & 0xFF;
    const bool grey = shown >> 16 == level && (shown >> 8 & 0xFF) == level;
    if (drawn == 0) return grey && level < 96;
    return drawn != 0xFFFFFF || (grey && level > 160);
}

}  // namespace

// A line matches when every pixel fits the one drawn and at most half its rows go on in white past its end.
int MatchingLines(const Pixels& shown, const OverlayLines& lines) {
    const Canvas canvas(kOverlayWidth, kOverlayHeight);
    int matching = 0;
    for (int i = 0; i < kOverlayLineCount; ++i) {
        const int top = i * kOverlayLineSpacing;
        SIZE box = {};
        TextOutA(canvas.dc, 0, top, lines[i].c_str(), int(lines[i].size()));
        GetTextExtentPoint32A(canvas.dc, lines[i].c_str(), int(lines[i].size()), &box);
        const Pixels drawn = canvas.Read();
        const int bottom = std::min<int>(top + box.cy, kOverlayHeight);
        bool same = true;
        int whiteAfter = 0;
        for (int y = top; y < bottom && same; ++y) {
            const size_t row = size_t(y) * kOverlayWidth;
            for (size_t x = 0; x < size_t(box.cx); ++x) same = same && Fits(drawn[row + x], shown[row + x]);
            whiteAfter += shown[row + box.cx] == 0xFFFFFF;
        }
        matching += same && whiteAfter * 2 <= bottom - top;
    }
    return matching;
}

int ChannelDistance(uint32_t a, uint32_t b) {
    int apart = 0;
    for (int shift = 0; shift < 24; shift += 8)
        apart = std::max(apart, std::abs(int(a >> shift & 0xFF) - int(b >> shift & 0xFF)));
    return apart;
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
