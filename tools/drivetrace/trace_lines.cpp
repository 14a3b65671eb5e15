// Formatting of drivetrace's output lines.
#include "trace_lines.h"

#include <cinttypes>

#include "overlay.h"

void PrintFrame(std::FILE* out, int32_t frame, const DriveStateData& s) {
    std::fprintf(out,
                 "%" PRId32 " %" PRId32 " %" PRId32 " %" PRId32 " %" PRId32 " %" PRId32 " %" PRId32 " %" PRId32
                 " %" PRId32 " %" PRId32 " %" PRId32 " %" PRId32,
                 frame, s.plate_pos, s.speed, s.wx, s.wy, s.wz, s.vect_x, s.vect_y, s.vect_z, s.crs_rot_x, s.crs_rot_y,
                 s.crs_rot_z);
    const float floats[] = {s.fPosX,    s.fPosY,    s.fPosZ,    s.fCrsRotX, s.fCrsRotY,
                            s.fCrsRotZ, s.fCarRotX, s.fCarRotY, s.fCarRotZ};
    for (float f : floats) {
        std::fprintf(out, " %.9g", static_cast<double>(f));
    }
    std::fputc('\n', out);
}

void PrintOverlay(std::FILE* out, const DriveStateData& state) {
    for (int line = 0; line < kOverlayLineCount; ++line) {
        char text[kOverlayTextSize];
        FormatOverlayLine(line, state, text);
        std::fprintf(out, "%s\n", text);
    }
}
