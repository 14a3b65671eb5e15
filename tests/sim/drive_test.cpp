// The drive step on the stored course: worked values of the first plates, the lap seam and the A bit.
#include <gtest/gtest.h>

#include "course.h"
#include "drive.h"
#include "float_bits.h"

namespace {

// Through the program's own path: ResetDrive, then UpdateDrive on DriveState.
TEST(Drive, FirstPlatesFollowTheWorkedValues) {
    const DriveStateData& s = DriveState;
    DriveState = kDriveStart;
    ResetDrive();
    UpdateDrive(kButtonA);
    EXPECT_EQ(s.speed, 200);
    EXPECT_EQ(s.plate_pos, 1);
    EXPECT_EQ(s.wx, -4200);
    EXPECT_EQ(Bits(s.fPosX), Bits(4.2f));
    EXPECT_EQ(s.crs_rot_y, 1024);

    for (int frame = 2; frame <= 25; ++frame) UpdateDrive(kButtonA);
    EXPECT_EQ(s.wx, -9000);
    EXPECT_EQ(s.vect_x, 0);
    EXPECT_EQ(s.crs_rot_x, 4074);  // plate 25's pitch turns the course one frame early

    UpdateDrive(kButtonA);
    EXPECT_EQ(s.vect_x, 22);
    EXPECT_EQ(s.wz, 6);
    EXPECT_EQ(s.wx, -9199);  // -200 * cos(22) truncated: -199, not -200
    EXPECT_EQ(Bits(s.fPosY), Bits(0.006f));

    for (int frame = 27; frame <= 36; ++frame) UpdateDrive(kButtonA);
    EXPECT_EQ(s.plate_pos, 36);
    EXPECT_EQ(s.vect_y, 4085);
    EXPECT_EQ(s.wy, 12997);  // (200 * -69) / 4096 truncates to -3; a shift gives -4
}

TEST(Drive, OnlyTheABitDrivesAndPlatePosShows1072ForOneFrame) {
    DriveStateData s = kDriveStart;
    NormaliseDrive(s);
    for (int frame = 1; frame <= 30; ++frame) StepDrive(s, CourseTable, kButtonA);
    DriveStateData before = s;
    StepDrive(s, CourseTable, 0xEFFF);  // every button but A
    before.speed = 0;
    EXPECT_EQ(std::memcmp(&before, &s, sizeof s), 0);
    StepDrive(s, CourseTable, kButtonA);
    EXPECT_EQ(s.plate_pos, 31);

    for (int frame = 32; frame <= kPlateCount; ++frame) StepDrive(s, CourseTable, kButtonA);
    EXPECT_EQ(s.plate_pos, 1072);
    EXPECT_EQ(s.speed, CourseTable.plates[1071].speed);
    StepDrive(s, CourseTable, 0);
    EXPECT_EQ(s.plate_pos, 0);
    StepDrive(s, CourseTable, kButtonA);
    EXPECT_EQ(s.plate_pos, 1);
    EXPECT_EQ(s.speed, CourseTable.plates[0].speed);
}

}  // namespace
