// The A bit alone drives: every other button leaves the drive standing. The drive's values frame by frame,
// the lap seam among them, are pinned by the golden traces.
#include <gtest/gtest.h>

#include <cstring>

#include "course.h"
#include "drive.h"

namespace {

TEST(Drive, OnlyTheABitDrives) {
    DriveStateData s = kDriveStart;
    NormaliseDrive(s);
    for (int frame = 1; frame <= 30; ++frame) StepDrive(s, CourseTable, kButtonA);
    DriveStateData before = s;
    StepDrive(s, CourseTable, 0xEFFF);  // every button but A
    before.speed = 0;
    EXPECT_EQ(std::memcmp(&before, &s, sizeof s), 0);
    StepDrive(s, CourseTable, kButtonA);
    EXPECT_EQ(s.plate_pos, 31);
}

}  // namespace
