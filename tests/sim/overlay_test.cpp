// The ten overlay lines: each its own field with its sign, the extremes, and the longest line.
#include <gtest/gtest.h>

#include <cfloat>
#include <cstdint>
#include <cstring>
#include <string>

#include "drive.h"
#include "overlay.h"

namespace {

// Formats one line and checks the returned length against the text written.
std::string Line(int line, const DriveStateData& state)
{
    char text[kOverlayTextSize];
    std::memset(text, 'x', sizeof text);
    const int length = FormatOverlayLine(line, state, text);
    EXPECT_EQ(std::strlen(text), static_cast<size_t>(length)) << "line " << line;
    return text;
}

void ExpectLines(const DriveStateData& state, const char* const (&expected)[kOverlayLineCount])
{
    for (int line = 0; line < kOverlayLineCount; ++line) {
        EXPECT_EQ(Line(line, state), expected[line]) << "line " << line;
    }
}

TEST(Overlay, EachLineShowsItsOwnFieldWithItsSign)
{
    // Every printed field distinct, so a line reading its neighbour's field shows.
    DriveStateData s = kDriveStart;
    s.wx = -1;
    s.wy = -13000;
    s.wz = -6;
    s.vect_x = -2;
    s.vect_y = 4085;
    s.vect_z = -3;
    s.fPosX = -9.199f;
    s.fPosY = -1e-7f;  // rounds to zero at six decimals and keeps its sign
    s.fPosZ = 0.0000019f;
    s.plate_pos = 1072;
    const char* const expected[kOverlayLineCount] = {
        "wx = -1",           "wy = -13000",       "wz = -6",
        "vect_x = -2",       "vect_y = 4085",     "vect_z = -3",
        "fPosX = -9.199000", "fPosY = -0.000000", "fPosZ = 0.000002",
        "plate_pos = 1072",
    };
    ExpectLines(s, expected);
    EXPECT_EQ(Line(kOverlayLineCount, s), "");
}

TEST(Overlay, ExtremeValuesFitTheLineBuffer)
{
    DriveStateData s = kDriveStart;
    s.wx = s.wy = s.wz = INT32_MIN;
    s.vect_x = s.vect_y = s.vect_z = INT32_MIN;
    s.plate_pos = INT32_MIN;
    s.fPosX = s.fPosY = s.fPosZ = -FLT_MAX;
    const char* const lowest[kOverlayLineCount] = {
        "wx = -2147483648",     "wy = -2147483648",     "wz = -2147483648",
        "vect_x = -2147483648", "vect_y = -2147483648", "vect_z = -2147483648",
        "fPosX = -340282346638528859811704183484516925440.000000",
        "fPosY = -340282346638528859811704183484516925440.000000",
        "fPosZ = -340282346638528859811704183484516925440.000000",
        "plate_pos = -2147483648",
    };
    ExpectLines(s, lowest);  // the float lines, 55 characters, are the longest any state gives
}

}  // namespace
