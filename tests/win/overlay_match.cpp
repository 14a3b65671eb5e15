// Test support: expected overlay lines and their comparison with captured pixels.
#include "overlay_match.h"

#include <algorithm>

#include "drive.h"

namespace {

int Grey(uint32_t p) { return ((p >> 16) & 0xFF) == (p & 0xFF) && ((p >> 8) & 0xFF) == (p & 0xFF) ? int(p & 0xFF) : -1; }

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
            if (!SamePixel(drawn.rgb[row + x], shown.rgb[row + x])) return false;
        }
        whiteAfter += shown.rgb[row + box.cx] == 0xFFFFFF;
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

Canvas MakeCanvas(int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(info.bmiHeader), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    Canvas canvas = {CreateCompatibleDC(nullptr), nullptr, nullptr, nullptr};
    canvas.bitmap = CreateDIBSection(canvas.dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    canvas.previous = SelectObject(canvas.dc, canvas.bitmap);
    canvas.bits = static_cast<const uint32_t*>(bits);
    return canvas;
}

void FreeCanvas(const Canvas& canvas) {
    SelectObject(canvas.dc, canvas.previous);
    DeleteObject(canvas.bitmap);
    DeleteDC(canvas.dc);
}

Pixels Capture(HDC dc, int x, int y, int width, int height) {
    const Canvas canvas = MakeCanvas(width, height);
    HDC source = dc != nullptr ? dc : GetDC(nullptr);
    BitBlt(canvas.dc, 0, 0, width, height, source, x, y, SRCCOPY);
    if (dc == nullptr) ReleaseDC(nullptr, source);
    GdiFlush();
    Pixels pixels{width, height, std::vector<uint32_t>(canvas.bits, canvas.bits + size_t(width) * height)};
    for (uint32_t& p : pixels.rgb) p &= 0xFFFFFF;
    FreeCanvas(canvas);
    return pixels;
}

int MatchingLines(const Pixels& shown, const OverlayLines& lines) {
    const Canvas canvas = MakeCanvas(kOverlayWidth, kOverlayHeight);
    SIZE boxes[kOverlayLineCount] = {};
    for (int i = 0; i < kOverlayLineCount; ++i) {
        TextOutA(canvas.dc, 0, i * kOverlayLineSpacing, lines[i].c_str(), int(lines[i].size()));
        GetTextExtentPoint32A(canvas.dc, lines[i].c_str(), int(lines[i].size()), &boxes[i]);
    }
    const Pixels drawn = Capture(canvas.dc, 0, 0, kOverlayWidth, kOverlayHeight);
    FreeCanvas(canvas);
    int matching = 0;
    for (int i = 0; i < kOverlayLineCount; ++i) matching += LineMatches(shown, drawn, i * kOverlayLineSpacing, boxes[i]);
    return matching;
}
