// Expected overlay lines and their comparison with the screen.
#include "overlay_capture.h"

#include <algorithm>

#include "drive.h"

namespace {

constexpr int kOverlayWidth = 320;
constexpr int kOverlayHeight = kOverlayLineCount * kOverlayLineSpacing;

ScreenPixels CopyFromDc(HDC source, int x, int y, int width, int height) {
    HDC memory = CreateCompatibleDC(source);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, source, x, y, SRCCOPY);
    GdiFlush();
    ScreenPixels capture = {width, height, {}};
    const uint32_t* words = static_cast<const uint32_t*>(bits);
    capture.pixels.assign(words, words + static_cast<size_t>(width) * height);
    for (uint32_t& pixel : capture.pixels) {
        pixel &= 0x00FFFFFF;
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return capture;
}

}  // namespace

OverlayLines ExpectedOverlay(int held_frames) {
    DriveState = kDriveStart;
    ResetDrive();
    for (int frame = 0; frame < held_frames; ++frame) {
        UpdateDrive(kButtonA);
    }
    UpdateDrive(0);
    OverlayLines lines;
    for (int line = 0; line < kOverlayLineCount; ++line) {
        char text[kOverlayTextSize];
        const int length = FormatOverlayLine(line, DriveState, text);
        lines[line].assign(text, static_cast<size_t>(length));
    }
    return lines;
}

ScreenPixels CaptureScreen(int x, int y, int width, int height) {
    HDC screen = GetDC(nullptr);
    ScreenPixels capture = CopyFromDc(screen, x, y, width, height);
    ReleaseDC(nullptr, screen);
    return capture;
}

ScreenPixels CaptureClient(HWND window) {
    RECT client = {};
    GetClientRect(window, &client);
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    return CaptureScreen(origin.x, origin.y, client.right, client.bottom);
}

ScreenPixels DrawOverlay(const OverlayLines& lines, std::array<SIZE, kOverlayLineCount>& boxes) {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, kOverlayWidth, kOverlayHeight);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    RECT all = {0, 0, kOverlayWidth, kOverlayHeight};
    // A colour no line draws, so that a box reaching past its text would show.
    HBRUSH fill = CreateSolidBrush(RGB(100, 100, 100));
    FillRect(memory, &all, fill);
    DeleteObject(fill);
    for (int line = 0; line < kOverlayLineCount; ++line) {
        const std::string& text = lines[line];
        const int length = static_cast<int>(text.size());
        TextOutA(memory, 0, line * kOverlayLineSpacing, text.c_str(), length);
        GetTextExtentPoint32A(memory, text.c_str(), length, &boxes[line]);
    }
    ScreenPixels drawn = CopyFromDc(memory, 0, 0, kOverlayWidth, kOverlayHeight);
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return drawn;
}

namespace {

int Grey(uint32_t pixel) { return static_cast<int>(pixel & 0xFF); }
bool IsGreyscale(uint32_t pixel) {
    return ((pixel >> 16) & 0xFF) == (pixel & 0xFF) && ((pixel >> 8) & 0xFF) == (pixel & 0xFF);
}

// The window's text and ours are smoothed differently (Wine draws onto a window
// with a Direct3D swap chain by another path), so only the settled pixels are
// compared: where our glyph is solid black the screen must be dark, where our
// box is plain white the screen must be light; edge shades are not compared.
bool SameGlyphPixel(uint32_t drawn, uint32_t screen) {
    if (drawn == 0x000000) {
        return IsGreyscale(screen) && Grey(screen) < 96;
    }
    if (drawn == 0xFFFFFF) {
        return IsGreyscale(screen) && Grey(screen) > 160;
    }
    return true;
}

// A longer line on the screen (one digit more) would go on past our box in
// black and white; the scene does not look like that.
bool TextGoesOn(const ScreenPixels& screen, int left, int top, int bottom) {
    constexpr int kStrip = 3;
    int white = 0;
    int total = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < left + kStrip && x < screen.width; ++x) {
            const uint32_t pixel = screen.pixels[static_cast<size_t>(y) * screen.width + x];
            if (!IsGreyscale(pixel)) {
                return false;
            }
            white += pixel == 0xFFFFFF ? 1 : 0;
            ++total;
        }
    }
    return total > 0 && white * 2 >= total;
}

bool LineMatches(const ScreenPixels& screen, const ScreenPixels& drawn, int top, SIZE box) {
    const int width = std::min<int>(box.cx, std::min(screen.width, drawn.width));
    const int bottom = std::min<int>(top + box.cy, std::min(screen.height, drawn.height));
    if (width <= 0 || bottom <= top) {
        return false;
    }
    for (int y = top; y < bottom; ++y) {
        for (int x = 0; x < width; ++x) {
            if (!SameGlyphPixel(drawn.pixels[static_cast<size_t>(y) * drawn.width + x],
                                screen.pixels[static_cast<size_t>(y) * screen.width + x])) {
                return false;
            }
        }
    }
    return !TextGoesOn(screen, width, top, bottom);
}

}  // namespace

int MatchingOverlayLines(const ScreenPixels& screen, const ScreenPixels& drawn,
                         const std::array<SIZE, kOverlayLineCount>& boxes) {
    int matching = 0;
    for (int line = 0; line < kOverlayLineCount; ++line) {
        matching += LineMatches(screen, drawn, line * kOverlayLineSpacing, boxes[line]) ? 1 : 0;
    }
    return matching;
}

int WaitForOverlay(HWND window, const OverlayLines& lines, DWORD timeout_ms) {
    std::array<SIZE, kOverlayLineCount> boxes;
    const ScreenPixels drawn = DrawOverlay(lines, boxes);
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    const ULONGLONG deadline = GetTickCount64() + timeout_ms;
    int best = 0;
    do {
        const ScreenPixels screen = CaptureScreen(origin.x, origin.y, kOverlayWidth, kOverlayHeight);
        best = std::max(best, MatchingOverlayLines(screen, drawn, boxes));
    } while (best < kOverlayLineCount && GetTickCount64() < deadline);
    return best;
}
