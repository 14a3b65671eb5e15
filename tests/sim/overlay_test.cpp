// The ten overlay lines: exact text after the reset, signs, field order and the longest lines.
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
    EXPECT_GE(length, 0) << "line " << line;
    EXPECT_LT(static_cast<size_t>(length), kOverlayTextSize) << "line " << line;
    EXPECT_EQ(std::strlen(text), static_cast<size_t>(length)) << "line " << line;
    return text;
}

void ExpectLines(const DriveStateData& state, const char* const (&expected)[kOverlayLineCount])
{
    for (int line = 0; line < kOverlayLineCount; ++line) {
        EXPECT_EQ(Line(line, state), expected[line]) << "line " << line;
    }
}

TEST(Overlay, ResetStateShowsTheStartingLines)
{
    DriveState = kDriveStart;
    ResetDrive();
    const char* const expected[kOverlayLineCount] = {
        "wx = -4000",      "wy = 13000",      "wz = 0",
        "vect_x = 0",      "vect_y = 0",      "vect_z = 0",
        "fPosX = 4.000000", "fPosY = 0.000000", "fPosZ = -13.000000",
        "plate_pos = 0",
    };
    ExpectLines(DriveState, expected);
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
}

TEST(Overlay, ExtremeValuesFitTheLineBuffer)
{
    DriveStateData s = kDriveStart;
    s.wx = s.wy = s.wz = INT32_MIN;
    s.vect_x = s.vect_y = s.vect_z = INT32_MIN;
    s.plate_pos = INT32_MIN;
    s.fPosX = s.fPosY = s.fPosZ = -FLT_MAX;
    const char* const lowest[kOverlayLineCount] = {
        "wx = -2147483648",
        "wy = -2147483648",
        "wz = -2147483648",
        "vect_x = -2147483648",
        "vect_y = -2147483648",
        "vect_z = -2147483648",
        "fPosX = -340282346638528859811704183484516925440.000000",
        "fPosY = -340282346638528859811704183484516925440.000000",
        "fPosZ = -340282346638528859811704183484516925440.000000",
        "plate_pos = -2147483648",
    };
    ExpectLines(s, lowest);
    // The longest line any state can give: a float line of 55 characters.
    EXPECT_EQ(Line(6, s).size(), 55u);

    s.wx = s.wy = s.wz = INT32_MAX;
    s.vect_y = s.plate_pos = INT32_MAX;
    s.fPosX = FLT_MAX;
    s.fPosZ = FLT_MIN;
    EXPECT_EQ(Line(0, s), "wx = 2147483647");
    EXPECT_EQ(Line(2, s), "wz = 2147483647");
    EXPECT_EQ(Line(4, s), "vect_y = 2147483647");
    EXPECT_EQ(Line(6, s), "fPosX = 340282346638528859811704183484516925440.000000");
    EXPECT_EQ(Line(8, s), "fPosZ = 0.000000");
    EXPECT_EQ(Line(9, s), "plate_pos = 2147483647");
}

TEST(Overlay, LinesOutsideTheTenAreEmpty)
{
    for (int line : {-1, kOverlayLineCount, 1000}) {
        EXPECT_EQ(Line(line, kDriveStart), "") << "line " << line;
    }
}

}  // namespace
