// The ten overlay lines: each its own field with its sign, the extremes, and the longest line.
#include <gtest/gtest.h>

#include <cfloat>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

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

TEST(Overlay, EachLineShowsItsOwnFieldWithItsSignAndExtremesFitTheBuffer) {
    // Every printed field distinct, so a line reading its neighbour's field shows.
    DriveStateData s = kDriveStart;
    s.wx = -1, s.wy = -13000, s.wz = -6;
    s.vect_x = -2, s.vect_y = 4085, s.vect_z = -3;
    s.fPosX = -9.199f, s.fPosY = -1e-7f,
    s.fPosZ = 0.0000019f;  // fPosY rounds to zero at six decimals, keeping its sign
    s.plate_pos = 1072;
    DriveStateData lowest = kDriveStart;
    lowest.wx = lowest.wy = lowest.wz = lowest.vect_x = lowest.vect_y = lowest.vect_z = lowest.plate_pos = INT32_MIN;
    lowest.fPosX = lowest.fPosY = lowest.fPosZ = -FLT_MAX;  // 55 characters, the longest any state gives
    const char* const huge = "-340282346638528859811704183484516925440.000000";
    const std::pair<DriveStateData, std::vector<std::string>> cases[] = {
        {s,
         {"wx = -1", "wy = -13000", "wz = -6", "vect_x = -2", "vect_y = 4085", "vect_z = -3", "fPosX = -9.199000",
          "fPosY = -0.000000", "fPosZ = 0.000002", "plate_pos = 1072"}},
        {lowest,
         {"wx = -2147483648", "wy = -2147483648", "wz = -2147483648", "vect_x = -2147483648", "vect_y = -2147483648",
          "vect_z = -2147483648", std::string("fPosX = ") + huge, std::string("fPosY = ") + huge,
          std::string("fPosZ = ") + huge, "plate_pos = -2147483648"}}};
    for (const auto& [state, expected] : cases) {
        for (int line = 0; line < kOverlayLineCount; ++line) EXPECT_EQ(Line(line, state), expected[line]) << line;
    }
    EXPECT_EQ(Line(kOverlayLineCount, s), "");
}

}  // namespace
