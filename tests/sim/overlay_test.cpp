// The ten overlay lines at the extremes, each within the buffer and its returned length, and a negative rounded
// to zero. Each line's field and sign over a real drive are pinned by the golden traces.
#include <gtest/gtest.h>

#include <cfloat>
#include <cstdint>
#include <cstring>
#include <string>

#include "drive.h"
#include "overlay.h"

namespace {

// Formats one line and checks the returned length against the text written.
std::string Line(int line, const DriveStateData& state) {
    char text[kOverlayTextSize];
    std::memset(text, 'x', sizeof text);
    const int length = FormatOverlayLine(line, state, text);
    EXPECT_EQ(std::strlen(text), static_cast<size_t>(length)) << "line " << line;
    return text;
}

TEST(Overlay, TheLowestStateFitsTheBuffer) {
    // Every field printed at its lowest (the others 0): fPosX's line, 55 characters, is the longest any state gives.
    constexpr int32_t m = INT32_MIN;
    const DriveStateData lowest = {m, m, m, m, m, m, m, 0, 0,        0,        0,       0,
                                   0, 0, 0, 0, 0, 0, 0, 0, -FLT_MAX, -FLT_MAX, -FLT_MAX};
    const std::string huge = "-340282346638528859811704183484516925440.000000";
    const std::string expected[kOverlayLineCount] = {
        "wx = -2147483648",     "wy = -2147483648",       "wz = -2147483648", "vect_x = -2147483648",
        "vect_y = -2147483648", "vect_z = -2147483648",   "fPosX = " + huge,  "fPosY = " + huge,
        "fPosZ = " + huge,      "plate_pos = -2147483648"};
    for (int line = 0; line < kOverlayLineCount; ++line) EXPECT_EQ(Line(line, lowest), expected[line]) << line;
    EXPECT_EQ(Line(kOverlayLineCount, lowest), "");
}

TEST(Overlay, AFloatRoundedToZeroKeepsItsSign) {
    DriveStateData s = kDriveStart;
    s.fPosY = -1e-7f;
    EXPECT_EQ(Line(7, s), "fPosY = -0.000000");
}

}  // namespace
