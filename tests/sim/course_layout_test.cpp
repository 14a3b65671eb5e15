// The stored layout of the course table: sizes, offsets, header and sign extension.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>

#include "course.h"

namespace {

TEST(CourseLayout, SizesAndOffsetsMatchTheStoredForm)
{
    EXPECT_EQ(sizeof(CoursePlate), 12u);
    EXPECT_EQ(offsetof(CoursePlate, speed), 0u);
    EXPECT_EQ(offsetof(CoursePlate, aux_a), 2u);
    EXPECT_EQ(offsetof(CoursePlate, aux_b), 4u);
    EXPECT_EQ(offsetof(CoursePlate, dvect_y), 6u);
    EXPECT_EQ(offsetof(CoursePlate, dvect_x), 8u);
    EXPECT_EQ(offsetof(CoursePlate, aux_c), 10u);

    EXPECT_EQ(sizeof(CourseTableData), 13008u);
    EXPECT_EQ(offsetof(CourseTableData, plate_count), 0u);
    EXPECT_EQ(offsetof(CourseTableData, header_value), 4u);
    EXPECT_EQ(offsetof(CourseTableData, start_wx), 8u);
    EXPECT_EQ(offsetof(CourseTableData, start_marks), 16u);
    EXPECT_EQ(offsetof(CourseTableData, plates), 144u);
}

TEST(CourseLayout, HeaderIsCarriedAsStored)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(&CourseTable);
    int16_t count;
    std::memcpy(&count, bytes, 2);
    EXPECT_EQ(count, 1072);
    EXPECT_EQ(bytes[2], 0);
    EXPECT_EQ(bytes[3], 0);
    EXPECT_EQ(CourseTable.header_value, 25);
    EXPECT_EQ(CourseTable.start_wx, -4000);
    EXPECT_EQ(CourseTable.start_wy, 13000);
    for (int b = 12; b < 16; ++b) {
        EXPECT_EQ(bytes[b], 0) << "byte " << b;
    }
    const int16_t marker[8] = {75, -75, 75, -75, 30, -30, 30, -30};
    for (int i = 0; i < 8; ++i) {
        const int16_t expected[8] = {static_cast<int16_t>(-4000 - 200 * i), 13000, 0, 0, 0,
                                     static_cast<int16_t>(i), marker[i], 50};
        for (int j = 0; j < 8; ++j) {
            EXPECT_EQ(CourseTable.start_marks[i][j], expected[j]) << "record " << i << " value " << j;
        }
    }
}

TEST(CourseLayout, PlateIBeginsAtByte144Plus12IAndSignExtends)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(&CourseTable);
    for (int i = 0; i < kPlateCount; ++i) {
        ASSERT_EQ(reinterpret_cast<const unsigned char*>(&CourseTable.plates[i]) - bytes, 144 + 12 * i);
    }
    // Plate 265 turns by -113, stored little-endian as 0x8F 0xFF.
    const unsigned char* dvect_y = bytes + 144 + 12 * 265 + 6;
    EXPECT_EQ(dvect_y[0], 0x8F);
    EXPECT_EQ(dvect_y[1], 0xFF);
    const int32_t widened = CourseTable.plates[265].dvect_y;
    EXPECT_EQ(widened, -113);
}

}  // namespace
