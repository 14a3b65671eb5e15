// Formatting of the ten overlay lines: position, travel angles, course translation, plate.
#include "overlay.h"

#include <cstdio>

int FormatOverlayLine(int line, const DriveStateData& s, char (&text)[kOverlayTextSize]) {
    // %ld takes a long: the 32-bit values are widened with their sign, since a
    // long has 64 bits on some platforms. Floats are widened to double for %f.
    switch (line) {
    case 0: return std::snprintf(text, sizeof text, "wx = %ld", static_cast<long>(s.wx));
    case 1: return std::snprintf(text, sizeof text, "wy = %ld", static_cast<long>(s.wy));
    case 2: return std::snprintf(text, sizeof text, "wz = %ld", static_cast<long>(s.wz));
    case 3: return std::snprintf(text, sizeof text, "vect_x = %d", s.vect_x);
    case 4: return std::snprintf(text, sizeof text, "vect_y = %d", s.vect_y);
    case 5: return std::snprintf(text, sizeof text, "vect_z = %d", s.vect_z);
    case 6: return std::snprintf(text, sizeof text, "fPosX = %f", static_cast<double>(s.fPosX));
    case 7: return std::snprintf(text, sizeof text, "fPosY = %f", static_cast<double>(s.fPosY));
    case 8: return std::snprintf(text, sizeof text, "fPosZ = %f", static_cast<double>(s.fPosZ));
    case 9: return std::snprintf(text, sizeof text, "plate_pos = %d", s.plate_pos);
    default: text[0] = '\0'; return 0;
    }
}
