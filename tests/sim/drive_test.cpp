// The drive state on the stored course: reset, the first plates, the lap seam and the A bit.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "angle.h"
#include "course.h"
#include "drive.h"

namespace {

uint32_t Bits(float f)
{
    uint32_t u;
    std::memcpy(&u, &f, sizeof u);
    return u;
}

class Drive : public ::testing::Test {
protected:
    void SetUp() override
    {
        DriveState = kDriveStart;
        ResetDrive();
    }
    static void Hold(int frames)
    {
        for (int i = 0; i < frames; ++i) {
            UpdateDrive(kButtonA);
        }
    }
    // Angles, radians and translation agree as after every driving update.
    static void ExpectFloatsDerived()
    {
        const DriveStateData& s = DriveState;
        EXPECT_EQ(Bits(s.fCrsRotX), Bits(AngleToRadians(s.crs_rot_x)));
        EXPECT_EQ(Bits(s.fCrsRotY), Bits(AngleToRadians(s.crs_rot_y)));
        EXPECT_EQ(Bits(s.fCrsRotZ), Bits(AngleToRadians(s.crs_rot_z)));
        EXPECT_EQ(Bits(s.fCarRotY), Bits(AngleToRadians(s.car_rot_y)));
        EXPECT_EQ(Bits(s.fPosX), Bits(static_cast<float>(-s.wx / 1000.0)));
        EXPECT_EQ(Bits(s.fPosY), Bits(static_cast<float>(s.wz / 1000.0)));
        EXPECT_EQ(Bits(s.fPosZ), Bits(static_cast<float>(-s.wy / 1000.0)));
    }
};

TEST_F(Drive, ResetNormalisesAndDerivesFloatsOnly)
{
    const DriveStateData& s = DriveState;
    EXPECT_EQ(Bits(s.fPosX), Bits(4.0f));
    EXPECT_EQ(Bits(s.fPosY), Bits(0.0f));
    EXPECT_EQ(Bits(s.fPosZ), Bits(-13.0f));
    EXPECT_EQ(Bits(s.fCrsRotY), Bits(1.5707964f));
    EXPECT_EQ(Bits(s.fCarRotY), Bits(3.1415927f));
    EXPECT_EQ(Bits(s.fCrsRotX) | Bits(s.fCrsRotZ) | Bits(s.fCarRotX) | Bits(s.fCarRotZ), 0u);
    EXPECT_EQ(s.wx, -4000);
    EXPECT_EQ(s.wy, 13000);
    EXPECT_EQ(s.wz, 0);
    EXPECT_EQ(s.plate_pos, 0);
    EXPECT_EQ(s.speed, 0);

    // Angles outside 0..4095 before the reset come back wrapped; positions stay.
    DriveState = kDriveStart;
    DriveState.vect_y = -11;
    DriveState.crs_rot_y = 4096 + 1024;
    DriveState.car_rot_y = -2048;
    DriveState.plate_pos = 1072;
    ResetDrive();
    EXPECT_EQ(s.vect_y, 4085);
    EXPECT_EQ(s.crs_rot_y, 1024);
    EXPECT_EQ(s.car_rot_y, 2048);
    EXPECT_EQ(s.plate_pos, 1072);
    ExpectFloatsDerived();
}

TEST_F(Drive, FirstPlatesFollowTheWorkedValues)
{
    const DriveStateData& s = DriveState;
    Hold(1);
    EXPECT_EQ(s.speed, 200);
    EXPECT_EQ(s.plate_pos, 1);
    EXPECT_EQ(s.wx, -4200);
    EXPECT_EQ(s.wy, 13000);
    EXPECT_EQ(s.wz, 0);
    EXPECT_EQ(Bits(s.fPosX), Bits(4.2f));
    EXPECT_EQ(s.crs_rot_y, 1024);
    ExpectFloatsDerived();

    Hold(24);
    EXPECT_EQ(s.wx, -9000);
    EXPECT_EQ(s.plate_pos, 25);
    EXPECT_EQ(s.vect_x, 0);
    EXPECT_EQ(s.crs_rot_x, 4074);  // plate 25's pitch turns the course one frame early

    Hold(1);
    EXPECT_EQ(s.vect_x, 22);
    EXPECT_EQ(s.wz, 6);
    EXPECT_EQ(s.wx, -9199);  // -200 * cos(22) truncated: -199, not -200
    EXPECT_EQ(Bits(s.fPosY), Bits(0.006f));
    ExpectFloatsDerived();

    Hold(10);
    EXPECT_EQ(s.plate_pos, 36);
    EXPECT_EQ(s.vect_y, 4085);
    EXPECT_EQ(s.wy, 12997);  // (200 * -69) / 4096 truncates to -3; a shift gives -4
    ExpectFloatsDerived();
}

TEST_F(Drive, ReleasedAZeroesSpeedAndChangesNothingElse)
{
    Hold(30);
    DriveStateData before = DriveState;
    UpdateDrive(0xEFFF);
    EXPECT_EQ(DriveState.speed, 0);
    before.speed = 0;
    EXPECT_EQ(std::memcmp(&before, &DriveState, sizeof before), 0);

    UpdateDrive(0x1000);
    EXPECT_EQ(DriveState.plate_pos, 31);
    EXPECT_EQ(DriveState.speed, 200);
    UpdateDrive(0xFFFF);
    EXPECT_EQ(DriveState.plate_pos, 32);
}

TEST_F(Drive, PlatePosShows1072ForOneFrameThenWraps)
{
    const DriveStateData& s = DriveState;
    Hold(1071);
    const int32_t crs_y_before = s.crs_rot_y;
    Hold(1);
    EXPECT_EQ(s.plate_pos, 1072);
    EXPECT_EQ(s.speed, CourseTable.plates[1071].speed);
    // The course rotation took plate 0's deltas, which are zero.
    EXPECT_EQ(s.crs_rot_y, WrapAngle(crs_y_before - CourseTable.plates[0].dvect_y));
    EXPECT_EQ(CourseTable.plates[0].dvect_y, 0);
    EXPECT_EQ(CourseTable.plates[0].dvect_x, 0);

    UpdateDrive(0);
    EXPECT_EQ(s.plate_pos, 0);
    EXPECT_EQ(s.speed, 0);
}

TEST_F(Drive, EveryLapRepeatsTheFirstExactly)
{
    const DriveStateData& s = DriveState;
    Hold(kPlateCount);
    EXPECT_EQ(s.wx, -4000);
    EXPECT_EQ(s.wy, 13000);
    EXPECT_EQ(s.wz, 0);
    EXPECT_EQ(s.vect_x, 0);
    EXPECT_EQ(s.vect_y, 0);
    EXPECT_EQ(s.crs_rot_x, 0);
    EXPECT_EQ(s.crs_rot_y, 1024);

    std::vector<DriveStateData> lap_one(kPlateCount);
    DriveState = kDriveStart;
    ResetDrive();
    for (auto& frame : lap_one) {
        UpdateDrive(kButtonA);
        frame = DriveState;
    }
    for (int lap = 2; lap <= 3; ++lap) {
        for (int i = 0; i < kPlateCount; ++i) {
            UpdateDrive(kButtonA);
            ASSERT_EQ(std::memcmp(&lap_one[i], &DriveState, sizeof DriveState), 0)
                << "lap " << lap << " frame " << i + 1;
        }
    }
}

TEST_F(Drive, PositionsAreSumsOfPlateDeltas)
{
    // After n frames: vect_y sums plates 0..n-1, crs_rot_y is 1024 minus plates 1..n.
    int32_t heading = 0, pitch = 0, course_y = 1024, course_x = 0;
    for (int n = 1; n <= kPlateCount + 5; ++n) {
        const CoursePlate& taken = CourseTable.plates[(n - 1) % kPlateCount];
        const CoursePlate& next = CourseTable.plates[n % kPlateCount];
        heading += taken.dvect_y;
        pitch += taken.dvect_x;
        course_y -= next.dvect_y;
        course_x -= next.dvect_x;
        UpdateDrive(kButtonA);
        ASSERT_EQ(DriveState.vect_y, WrapAngle(heading)) << n;
        ASSERT_EQ(DriveState.vect_x, WrapAngle(pitch)) << n;
        ASSERT_EQ(DriveState.crs_rot_y, WrapAngle(course_y)) << n;
        ASSERT_EQ(DriveState.crs_rot_x, WrapAngle(course_x)) << n;
    }
}

}  // namespace
