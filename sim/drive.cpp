// Drive state: start-up normalisation and the per-frame motion along the course table.
#include "drive.h"

#include "angle.h"
#include "course.h"

DriveStateData DriveState = kDriveStart;

namespace {

// Course translation from the car position; x and z negated, y is the height.
void DerivePosition(DriveStateData& s) {
    s.fPosX = static_cast<float>(static_cast<double>(-s.wx) / 1000.0);
    s.fPosY = static_cast<float>(static_cast<double>(s.wz) / 1000.0);
    s.fPosZ = static_cast<float>(static_cast<double>(-s.wy) / 1000.0);
}

// One turn's three angles wrapped into a turn, and their radians taken afresh.
void WrapTurn(int32_t& x, int32_t& y, int32_t& z, float& radians_x, float& radians_y, float& radians_z) {
    x = WrapAngle(x);
    y = WrapAngle(y);
    z = WrapAngle(z);
    radians_x = AngleToRadians(x);
    radians_y = AngleToRadians(y);
    radians_z = AngleToRadians(z);
}

void WrapCourseAngles(DriveStateData& s) {
    WrapTurn(s.crs_rot_x, s.crs_rot_y, s.crs_rot_z, s.fCrsRotX, s.fCrsRotY, s.fCrsRotZ);
}

void WrapCarAngles(DriveStateData& s) {
    WrapTurn(s.car_rot_x, s.car_rot_y, s.car_rot_z, s.fCarRotX, s.fCarRotY, s.fCarRotZ);
}

void WrapTravelAngles(DriveStateData& s) {
    s.vect_x = WrapAngle(s.vect_x);
    s.vect_y = WrapAngle(s.vect_y);
    s.vect_z = WrapAngle(s.vect_z);
}

// Each product with a table value is divided by 4096 on its own, truncating
// toward zero (C++ '/'); a shift would round negative steps the other way.
void Move(DriveStateData& s) {
    int32_t t = s.speed * -CosOf(s.vect_y);
    t /= kFixedOne;
    t *= CosOf(s.vect_x);
    t /= kFixedOne;
    s.wx += t;
    s.wy += s.speed * SinOf(s.vect_y) / kFixedOne;
    s.wz += s.speed * SinOf(s.vect_x) / kFixedOne;
}

}  // namespace

void NormaliseDrive(DriveStateData& s) {
    WrapTravelAngles(s);
    WrapCourseAngles(s);
    WrapCarAngles(s);
    DerivePosition(s);
}

void ResetDrive() { NormaliseDrive(DriveState); }

void StepDrive(DriveStateData& s, const CourseTableData& course, uint16_t wButtons) {
    const int32_t count = course.plate_count;
    s.plate_pos %= count;
    if ((wButtons & kButtonA) == 0) {
        s.speed = 0;
        return;
    }

    const CoursePlate& taken = course.plates[s.plate_pos];
    s.speed = taken.speed;
    s.vect_y += taken.dvect_y;
    s.vect_x += taken.dvect_x;
    s.plate_pos += 1;
    WrapTravelAngles(s);

    // The course turns by the next plate's deltas, one frame ahead of the car.
    const CoursePlate& next = course.plates[s.plate_pos % count];
    s.crs_rot_x -= next.dvect_x;
    s.crs_rot_y -= next.dvect_y;
    WrapCourseAngles(s);
    WrapCarAngles(s);

    Move(s);
    DerivePosition(s);
}

void UpdateDrive(uint16_t wButtons) { StepDrive(DriveState, CourseTable, wButtons); }
