// The rules of a lap as coursegen's search applies them: a course that breaks one is refused with the reason. (The
// committed course keeps every one: coursegen, rerun by the regeneration test, writes no other.)
#include <gtest/gtest.h>

#include "course_rules.h"

namespace {

TEST(CourseRules, EachBreachIsRefusedWithItsReason) {
    const std::vector<CoursePlate> course(CourseTable.plates, CourseTable.plates + kPlateCount);
    const auto fault = [&course](auto change) {
        std::vector<CoursePlate> plates = course;
        change(plates);
        return CourseFault(plates, DriveLap(plates));
    };
    EXPECT_EQ(fault([](auto& p) { p[5].speed = 0; }), "plate 5 drives at 0, not 1 to 200");
    EXPECT_EQ(fault([](auto& p) { p[5].dvect_y = -114; }), "plate 5 turns or tips by more than 113");
    EXPECT_EQ(fault([](auto& p) { p[5].aux_a = 301; }), "plate 5 carries the aux fields of no kind of road");
    // Three plates tipped by 113 each come to 339 units from level, one past 30 degrees.
    EXPECT_EQ(fault([](auto& p) { p[5].dvect_x = p[6].dvect_x = p[7].dvect_x = -113; }),
              "plate 7 leaves the road steeper than 30 degrees");
    EXPECT_EQ(fault([](auto& p) { p[5].speed = 199; }).rfind("the lap ends at (", 0), 0u);
    std::vector<PathPoint> path = DriveLap(course);
    path.back().heading = 1;  // back at the start, but turned by one unit
    EXPECT_EQ(CourseFault(course, path),
              "the lap ends at (-4000, 13000, 0) heading 1 pitch 0, not where and as it began");
    path.back().heading = 0;
    for (PathPoint& point : path) point.wz = 0;  // the bridge brought down onto the underpass
    EXPECT_EQ(CourseFault(course, path).rfind("the road does not cross itself cleanly", 0), 0u);
}

}  // namespace
