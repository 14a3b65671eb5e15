// The drive state and its per-frame update: integer fixed point, one plate per frame while A is held.
#pragma once

#include <cstdint>

// Position units: 1000 per unit of the course model. Angles: see angle.h.
struct DriveStateData {
    int32_t wx, wy, wz;              // car position; wz is the vertical axis
    int32_t vect_x, vect_y, vect_z;  // pitch, heading, roll (roll stays 0)
    int32_t plate_pos;               // next plate: 0..1071, or 1072 for one frame after the last
    int32_t speed;                   // speed of the plate consumed last; 0 after a frame without A
    int32_t crs_rot_x, crs_rot_y, crs_rot_z;
    float fCrsRotX, fCrsRotY, fCrsRotZ;  // radians
    int32_t car_rot_x, car_rot_y, car_rot_z;
    float fCarRotX, fCarRotY, fCarRotZ;  // radians
    float fPosX, fPosY, fPosZ;           // course translation, course model units
};

// The values the state holds before ResetDrive runs.
constexpr DriveStateData kDriveStart = {
    -4000, 13000, 0, 0, 0, 0, 0, 0, 0, 1024, 0, 0.0f, 0.0f, 0.0f, 0, 2048, 0, 0.0f, 0.0f, 0.0f, 4.0f, 0.0f, -13.0f,
};

// XINPUT_GAMEPAD_A: the only button the drive reads.
constexpr uint16_t kButtonA = 0x1000;

// The one drive state, written only by ResetDrive and UpdateDrive; drawing and
// the overlay read it after the frame's update.
extern DriveStateData DriveState;

// Normalises the angles and derives the float fields. Called once at start-up,
// before the first frame; positions, plate_pos and speed are left alone.
void ResetDrive();

struct CourseTableData;

// Normalises the angles of s and derives its float fields; positions,
// plate_pos and speed are left alone.
void NormaliseDrive(DriveStateData& s);

// One frame of s along course. With A (bit 0x1000 of wButtons) held, consumes
// one plate and recomputes position, angles and float fields; otherwise only
// speed becomes 0. The program's drive and every tool that lays out or
// replays the course take this same step.
void StepDrive(DriveStateData& s, const CourseTableData& course, uint16_t wButtons);

// One frame of the program's DriveState along CourseTable.
void UpdateDrive(uint16_t wButtons);
