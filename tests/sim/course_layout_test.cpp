// The course table as stored: its header, and plates that sign-extend.
#include <gtest/gtest.h>

#include "course.h"

namespace {

TEST(CourseLayout, HeaderIsCarriedAsStored)
{
    const CourseTableData& t = CourseTable;
    EXPECT_EQ(t.plate_count, 1072);
    EXPECT_EQ(t.header_pad, 0);
    EXPECT_EQ(t.header_value, 25);
    EXPECT_EQ(t.start_wx, -4000);
    EXPECT_EQ(t.start_wy, 13000);
    EXPECT_EQ(t.header_pad2[0] | t.header_pad2[1] | t.header_pad2[2] | t.header_pad2[3], 0);
    for (int i = 0; i < 8; ++i) {
        const int16_t expected[8] = {static_cast<int16_t>(-4000 - 200 * i), 13000, 0, 0, 0,
                                     static_cast<int16_t>(i), kStartMarkers[i], 50};
        for (int j = 0; j < 8; ++j) {
            EXPECT_EQ(t.start_marks[i][j], expected[j]) << "record " << i << " value " << j;
        }
    }
    // Plate 265 turns by -113, stored little-endian as 0x8F 0xFF, and widens with its sign.
    const auto* dvect_y = reinterpret_cast<const unsigned char*>(&t) + 144 + 12 * 265 + 6;
    EXPECT_EQ(dvect_y[0] | dvect_y[1] << 8, 0xFF8F);
    EXPECT_EQ(static_cast<int32_t>(t.plates[265].dvect_y), -113);
}

}  // namespace
