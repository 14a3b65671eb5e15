// The diagnostic overlay's GDI output.
#include "debug_overlay.h"

#include <cstring>

#include "drive.h"

char szText[kOverlayTextSize];

void DrawOverlay(HDC hdc) {
    for (int line = 0; line < kOverlayLineCount; ++line) {
        FormatOverlayLine(line, DriveState, szText);
        TextOutA(hdc, 0, line * kOverlayLineSpacing, szText, static_cast<int>(std::strlen(szText)));
    }
}
