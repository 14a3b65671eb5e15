// The committed course driven with StepDrive: the lap closes exactly, every
// plate stays in range, and the road passes over itself once, on the bridge, with headroom.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "lap.h"
#include "road_kind.h"

namespace {

TEST(CourseRules, LapClosesExactlyAndEveryPlateIsInRange)
{
    ASSERT_EQ(CourseTable.plate_count, kPlateCount);
    const std::vector<PathPoint> lap = DriveLap(CourseTable);
    const PathPoint& end = lap.back();
    EXPECT_TRUE(end.wx == CourseTable.start_wx && end.wy == CourseTable.start_wy && end.wz == 0 && end.heading == 0 &&
                end.pitch == 0)
        << "the lap ends at (" << end.wx << ", " << end.wy << ", " << end.wz << ") heading " << end.heading
        << " pitch " << end.pitch;
    for (int i = 0; i < kPlateCount; ++i) {
        const CoursePlate& p = CourseTable.plates[i];
        EXPECT_TRUE(p.speed > 0 && p.speed <= 200) << "plate " << i << " speed " << p.speed;
        EXPECT_LE(std::abs(p.dvect_y), 113) << "plate " << i;
        EXPECT_LE(std::abs(p.dvect_x), 113) << "plate " << i;
        const CoursePlate repaved = Paved(RoadOf(p), p);
        EXPECT_TRUE(repaved.aux_a == p.aux_a && repaved.aux_b == p.aux_b && repaved.aux_c == p.aux_c)
            << "plate " << i << " carries aux fields of no kind of road";
        EXPECT_LE(std::min(lap[i].pitch, 4096 - lap[i].pitch), 338) << "steeper than 30 degrees after plate " << i;
    }
}

TEST(CourseRules, RoadPassesOverItselfOnceOnTheBridgeWithHeadroom)
{
    const std::vector<PathPoint> lap = DriveLap(CourseTable);
    // Every pair of passes near each other: room between them, each pass one short stretch.
    int pairs = 0, over_first = kPlateCount, over_last = -1, under_first = kPlateCount, under_last = -1;
    for (int i = 0; i < kPlateCount; ++i) {
        for (int j = i + 1; j < kPlateCount; ++j) {
            const int64_t dx = lap[i].wx - lap[j].wx, dy = lap[i].wy - lap[j].wy;
            if (PlateGap(i, j) <= kNeighbourPlates || dx * dx + dy * dy >= kClearance * kClearance) continue;
            ++pairs;
            EXPECT_GE(std::abs(lap[i].wz - lap[j].wz), kHeadroom) << "plates " << i << " and " << j;
            const int over = lap[i].wz < lap[j].wz ? i : j, under = i + j - over;
            over_first = std::min(over_first, over), over_last = std::max(over_last, over);
            under_first = std::min(under_first, under), under_last = std::max(under_last, under);
        }
    }
    ASSERT_GT(pairs, 0) << "the figure-eight never crosses itself";
    EXPECT_LE(over_last - over_first, 30);
    EXPECT_LE(under_last - under_first, 30);

    // Where they cross: nearly square, level, well apart, on the bridge over the underpass.
    const Crossing c = FindCrossing(lap);
    EXPECT_GE(c.angle, 900);
    EXPECT_GE(c.headroom, 3000);
    EXPECT_EQ(lap[c.over].pitch, 0);
    EXPECT_EQ(lap[c.under].pitch, 0);
    EXPECT_EQ(RoadOf(CourseTable.plates[c.over]), Road::Overpass);
    EXPECT_EQ(RoadOf(CourseTable.plates[c.under]), Road::Underpass);
}

}  // namespace
