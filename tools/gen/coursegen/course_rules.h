// The rules every lap of the course keeps: coursegen's search accepts, and so writes, no course that breaks one.
#pragma once

#include <string>
#include <vector>

#include "course.h"
#include "lap.h"

// Why the plates break a rule, or "" when they keep every one; path is DriveLap(plates). Each plate drives on at
// 1 to 200, turns and tips by 113 units at most, carries the aux fields of a kind of road and leaves the road within
// 30 degrees of level. The lap ends where it began, level and heading as it set out. The road passes over itself
// cleanly: headroom between every two passes, and a crossing nearly square and level, from the bridge over the
// underpass.
std::string CourseFault(const std::vector<CoursePlate>& plates, const std::vector<PathPoint>& path);
