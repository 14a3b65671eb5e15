// The diagnostic overlay's GDI output.
#include "debug_overlay.h"

#include <cstring>

#include "drive.h"

char szText[kOverlayTextSize];

void DrawOverlay(HDC hdc, RECT* lineBoxes) {
    for (int line = 0; line < kOverlayLineCount; ++line) {
        FormatOverlayLine(line, DriveState, szText);
        const int length = static_cast<int>(std::strlen(szText));
        const int y = line * kOverlayLineSpacing;
        TextOutA(hdc, 0, y, szText, length);
        if (lineBoxes == nullptr) continue;
        SIZE extent = {0, 0};
        GetTextExtentPoint32A(hdc, szText, length, &extent);
        lineBoxes[line] = {0, y, extent.cx, y + extent.cy};
    }
}
