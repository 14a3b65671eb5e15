// One lap of the integer drive, recorded as model points.
#include "course_path.h"

#include "course.h"
#include "drive.h"

Vec3 ModelPoint(int32_t wx, int32_t wy, int32_t wz)
{
    return {wx / 1000.0, -wz / 1000.0, wy / 1000.0};
}

CoursePath TraceCoursePath()
{
    CoursePath path;
    DriveState = kDriveStart;
    ResetDrive();
    path.centre.push_back(ModelPoint(DriveState.wx, DriveState.wy, DriveState.wz));
    for (int plate = 0; plate < kPlateCount; ++plate) {
        path.turn.push_back(CourseTable.plates[plate].dvect_y);
        UpdateDrive(kButtonA);
        path.centre.push_back(ModelPoint(DriveState.wx, DriveState.wy, DriveState.wz));
    }
    path.closed = DriveState.wx == kDriveStart.wx && DriveState.wy == kDriveStart.wy &&
                  DriveState.wz == kDriveStart.wz;
    return path;
}
