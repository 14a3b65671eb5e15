// The generator: its eased bends, and a fresh run reproducing the committed
// table source and course map byte for byte.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <numeric>
#include <string>

#include "course_plan.h"

namespace {

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in.good()) << path;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(CourseGenerator, EasedBendsTurnByExactlyTheirTotal)
{
    struct Case { int total, peak; };
    for (const Case c : {Case{474, 91}, Case{-1039, 113}, Case{-1226, 113}, Case{1024, 68}, Case{-1013, 91}}) {
        const Segment bend = EasedBend(c.total, c.peak, Road::Lane);
        ASSERT_EQ(bend.kind, SegmentKind::Turn);
        EXPECT_EQ(std::accumulate(bend.steps.begin(), bend.steps.end(), 0), c.total) << c.total;
        const int sign = c.total < 0 ? -1 : 1;
        EXPECT_EQ(bend.steps.front(), 11 * sign) << c.total;
        EXPECT_EQ(bend.steps.back(), 11 * sign) << c.total;
        int held = 0;
        for (int16_t s : bend.steps) {
            EXPECT_LE(std::abs(s), c.peak);
            held += std::abs(s) == c.peak;
        }
        EXPECT_GE(held, 1) << c.total;
    }
    // The bend of 474 units is the stored ten-plate one.
    const std::vector<int16_t> stored = {11, 22, 45, 68, 91, 91, 68, 45, 22, 11};
    EXPECT_EQ(EasedBend(474, 91, Road::Open).steps, stored);
}

TEST(CourseGenerator, RegeneratesTheCommittedFilesByteForByte)
{
    const std::string table = std::string(SCRATCH_DIR) + "/course_table.regenerated.cpp";
    const std::string map = std::string(SCRATCH_DIR) + "/course-map.regenerated.svg";
    std::remove(table.c_str());
    std::remove(map.c_str());
    const std::string command = std::string("\"") + COURSEGEN_PATH + "\" \"" + table + "\" \"" + map + "\" >/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    const std::string fresh_table = ReadAll(table);
    const std::string fresh_map = ReadAll(map);
    ASSERT_FALSE(fresh_table.empty());
    ASSERT_FALSE(fresh_map.empty());
    EXPECT_TRUE(fresh_table == ReadAll(COMMITTED_TABLE)) << "sim/course_table.cpp differs from " << table;
    EXPECT_TRUE(fresh_map == ReadAll(COMMITTED_MAP)) << "docs/course-map.svg differs from " << map;
    // The map marks the bridge and the start/finish line.
    EXPECT_NE(fresh_map.find("bridge: plate"), std::string::npos);
    EXPECT_NE(fresh_map.find("start / finish"), std::string::npos);
}

}  // namespace
