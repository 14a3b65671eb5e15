// The committed course keeps its rules: the fixed rows, speeds, an exact
// lap, eased bends and mirrored slopes, one clean bridge, carried aux values.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <vector>

#include "angle.h"
#include "course.h"
#include "course_path.h"
#include "drive.h"

namespace {

const CoursePlate& Plate(int i) { return CourseTable.plates[i]; }

void ExpectRow(int i, int speed, int aux_a, int aux_b, int dvect_y, int dvect_x, int aux_c)
{
    const CoursePlate& p = Plate(i);
    EXPECT_EQ(p.speed, speed) << "plate " << i;
    EXPECT_EQ(p.aux_a, aux_a) << "plate " << i;
    EXPECT_EQ(p.aux_b, aux_b) << "plate " << i;
    EXPECT_EQ(p.dvect_y, dvect_y) << "plate " << i;
    EXPECT_EQ(p.dvect_x, dvect_x) << "plate " << i;
    EXPECT_EQ(p.aux_c, aux_c) << "plate " << i;
}

// The drive's positions after each update of one lap, from the start state.
std::vector<DriveStateData> DriveOneLap()
{
    DriveState = kDriveStart;
    ResetDrive();
    std::vector<DriveStateData> lap;
    for (int i = 0; i < kPlateCount; ++i) {
        UpdateDrive(kButtonA);
        lap.push_back(DriveState);
    }
    return lap;
}

TEST(CourseRules, FixedRowsHoldExactly)
{
    for (int i = 0; i <= 24; ++i) ExpectRow(i, 200, 300, 300, 0, 0, 0);
    ExpectRow(25, 200, 300, 300, 0, 22, 0);
    for (int i = 26; i <= 33; ++i) ExpectRow(i, 200, 300, 300, 0, 0, 0);
    ExpectRow(34, 200, 300, 300, 0, -22, 0);
    const int first_bend[10] = {-11, -11, -22, -45, -45, -45, -45, -22, -11, -11};
    const int other_bend[10] = {11, 22, 45, 68, 91, 91, 68, 45, 22, 11};
    for (int k = 0; k < 10; ++k) {
        ExpectRow(35 + k, 200, 300, 300, first_bend[k], 0, 0);
        ExpectRow(75 + k, 200, 300, 300, other_bend[k], 0, 0);
    }
    for (int i = 265; i <= 269; ++i) ExpectRow(i, 200, 300, 150, -113, 0, 0x0301);
    for (int i = 656; i <= 657; ++i) ExpectRow(i, 200, 300, 150, 0, 113, 0x0303);
    ExpectRow(988, 104, 150, 150, 0, 0, 0x0303);
    for (int i = 1068; i <= 1070; ++i) ExpectRow(i, 200, 300, 300, 1, 0, 0);
    ExpectRow(1071, 187, 300, 300, 0, 0, 0);
}

TEST(CourseRules, SpeedsAndSmallDeltasOnlyAtTheEndOfTheLap)
{
    for (int i = 0; i < kPlateCount; ++i) {
        const CoursePlate& p = Plate(i);
        const int expected = i == 988 ? 104 : i == 1071 ? 187 : 200;
        EXPECT_EQ(p.speed, expected) << "plate " << i;
        const bool near_end = i >= 988 && i <= 1071;
        for (int d : {static_cast<int>(p.dvect_y), static_cast<int>(p.dvect_x)}) {
            if (!near_end) {
                EXPECT_FALSE(std::abs(d) >= 1 && std::abs(d) <= 3) << "plate " << i << " delta " << d;
            }
            EXPECT_LE(std::abs(d), 113) << "plate " << i;
        }
    }
}

TEST(CourseRules, DeltasSumToZeroAndEveryLapEndsAtTheStart)
{
    int32_t heading = 0, pitch = 0;
    for (int i = 0; i < kPlateCount; ++i) {
        heading += Plate(i).dvect_y;
        pitch += Plate(i).dvect_x;
    }
    EXPECT_EQ(heading, 0);
    EXPECT_EQ(pitch, 0);

    const std::vector<DriveStateData> lap = DriveOneLap();
    EXPECT_EQ(lap.back().wx, -4000);
    EXPECT_EQ(lap.back().wy, 13000);
    EXPECT_EQ(lap.back().wz, 0);
}

// Maximal runs of non-zero deltas, as (first plate, deltas).
struct Stretch {
    int first;
    std::vector<int> deltas;
};

std::vector<Stretch> StretchesOf(int16_t CoursePlate::*field, int end)
{
    std::vector<Stretch> runs;
    for (int i = 0; i < end; ++i) {
        const int d = Plate(i).*field;
        if (d == 0) continue;
        if (runs.empty() || runs.back().first + static_cast<int>(runs.back().deltas.size()) != i) {
            runs.push_back({i, {}});
        }
        runs.back().deltas.push_back(d);
    }
    return runs;
}

TEST(CourseRules, BendsAndSlopesEaseInAndOut)
{
    // The closing plates from 988 on hold small headings and are exempt.
    for (auto field : {&CoursePlate::dvect_y, &CoursePlate::dvect_x}) {
        for (const Stretch& run : StretchesOf(field, 988)) {
            EXPECT_LE(std::abs(run.deltas.front()), 22) << "run at plate " << run.first;
            EXPECT_LE(std::abs(run.deltas.back()), 22) << "run at plate " << run.first;
            for (size_t k = 1; k < run.deltas.size(); ++k) {
                EXPECT_LE(std::abs(run.deltas[k] - run.deltas[k - 1]), 68) << "run at plate " << run.first;
                EXPECT_GT(run.deltas[k] * run.deltas[k - 1], 0) << "a bend reverses at plate " << run.first + k;
            }
        }
    }
}

TEST(CourseRules, EverySlopeIsAnsweredByItsMirror)
{
    // A slope is a run of plates at a non-zero pitch; its answer, later or
    // earlier, runs through the same pitches backwards with the other sign.
    std::vector<std::vector<int>> slopes;
    int32_t pitch = 0;
    for (int i = 0; i < kPlateCount; ++i) {
        const int32_t before = pitch;
        pitch += Plate(i).dvect_x;
        if (pitch == 0) continue;
        if (before == 0 || (before > 0) != (pitch > 0)) slopes.emplace_back();
        slopes.back().push_back(pitch);
    }
    ASSERT_GE(slopes.size(), 2u);
    std::vector<bool> answered(slopes.size(), false);
    for (size_t a = 0; a < slopes.size(); ++a) {
        std::vector<int> mirror(slopes[a].rbegin(), slopes[a].rend());
        for (int& v : mirror) v = -v;
        for (size_t b = 0; b < slopes.size(); ++b) {
            if (b != a && !answered[b] && slopes[b] == mirror) {
                answered[b] = true;
                break;
            }
        }
    }
    EXPECT_EQ(std::count(answered.begin(), answered.end(), true), static_cast<long>(slopes.size()));
}

TEST(CourseRules, OneSquareBridgeAndTheRoadFarFromItselfElsewhere)
{
    const std::vector<DriveStateData> lap = DriveOneLap();
    int close_pairs = 0, upper_first = kPlateCount, upper_last = -1, lower_first = kPlateCount, lower_last = -1;
    int64_t closest = -1;
    int best_upper = -1, best_lower = -1;
    for (int i = 0; i < kPlateCount; ++i) {
        for (int j = i + 1; j < kPlateCount; ++j) {
            if (PlateGap(i, j) <= 24) continue;
            const int64_t dx = lap[i].wx - lap[j].wx, dy = lap[i].wy - lap[j].wy;
            const int64_t d = dx * dx + dy * dy;
            if (d >= 2500LL * 2500LL) continue;
            ++close_pairs;
            const int rise = lap[i].wz - lap[j].wz;
            ASSERT_GE(std::abs(rise), 1500) << "plates " << i << " and " << j;
            const int up = rise > 0 ? i : j, low = rise > 0 ? j : i;
            upper_first = std::min(upper_first, up), upper_last = std::max(upper_last, up);
            lower_first = std::min(lower_first, low), lower_last = std::max(lower_last, low);
            if (closest < 0 || d < closest) closest = d, best_upper = up, best_lower = low;
        }
    }
    ASSERT_GT(close_pairs, 0) << "the figure-eight never crosses itself";
    // One crossing: each pass near it is one short stretch of road.
    EXPECT_LE(upper_last - upper_first, 30);
    EXPECT_LE(lower_last - lower_first, 30);
    // Crossing nearly square, with the upper pass well above the lower.
    int32_t angle = WrapAngle(lap[best_upper].vect_y - lap[best_lower].vect_y);
    angle = std::min(angle, 4096 - angle);
    angle = std::min(angle, 2048 - angle);
    EXPECT_GE(angle, 900);
    EXPECT_GE(lap[best_upper].wz - lap[best_lower].wz, 3000);
    // Level at the crossing: both passes run flat there.
    EXPECT_EQ(lap[best_upper].vect_x, 0);
    EXPECT_EQ(lap[best_lower].vect_x, 0);
}

TEST(CourseRules, HeadingSwingsRoundBothLoops)
{
    // A lap whose heading sums to zero yet crosses itself turns one loop each
    // way: the heading swings through most of a full turn.
    int32_t heading = 0, low = 0, high = 0;
    for (int i = 0; i < kPlateCount; ++i) {
        heading += Plate(i).dvect_y;
        low = std::min(low, heading);
        high = std::max(high, heading);
    }
    EXPECT_GE(high - low, 3000);
    EXPECT_LT(high - low, 4096);
}

TEST(CourseRules, AuxFieldsComeFromTheCarriedSets)
{
    const std::set<int> widths = {150, 300};
    const std::set<int> sides = {0, 0x0101, 0x0103, 0x0301, 0x0303};
    for (int i = 0; i < kPlateCount; ++i) {
        EXPECT_TRUE(widths.count(Plate(i).aux_a)) << "plate " << i;
        EXPECT_TRUE(widths.count(Plate(i).aux_b)) << "plate " << i;
        EXPECT_TRUE(sides.count(Plate(i).aux_c)) << "plate " << i;
    }
}

TEST(CourseRules, GeneratorMotionMatchesTheDrive)
{
    // The generator lays the course out with its own copy of the motion; it
    // must agree with UpdateDrive plate for plate.
    const std::vector<CoursePlate> plates(CourseTable.plates, CourseTable.plates + kPlateCount);
    const std::vector<PathPoint> path = LayPath(plates);
    const std::vector<DriveStateData> lap = DriveOneLap();
    ASSERT_EQ(path.size(), lap.size());
    for (int i = 0; i < kPlateCount; ++i) {
        ASSERT_EQ(path[i].wx, lap[i].wx) << "update " << i + 1;
        ASSERT_EQ(path[i].wy, lap[i].wy) << "update " << i + 1;
        ASSERT_EQ(path[i].wz, lap[i].wz) << "update " << i + 1;
        ASSERT_EQ(WrapAngle(path[i].heading), lap[i].vect_y) << "update " << i + 1;
        ASSERT_EQ(WrapAngle(path[i].pitch), lap[i].vect_x) << "update " << i + 1;
    }
}

}  // namespace
