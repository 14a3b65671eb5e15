// drivetrace as a program: course listing, frame traces, overlay lines and rejected command lines.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "course.h"
#include "drive.h"
#include "overlay.h"
#include "run_program.h"

namespace {

ProgramResult Drivetrace(const std::vector<std::string>& args)
{
    return RunProgram(DRIVETRACE_PATH, args);
}

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> SplitFields(const std::string& line)
{
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; in >> field;) {
        fields.push_back(field);
    }
    return fields;
}

int64_t Int(const std::string& field)
{
    char* end = nullptr;
    const int64_t value = std::strtoll(field.c_str(), &end, 10);
    EXPECT_EQ(*end, '\0') << "not an integer: " << field;
    return value;
}

uint32_t FloatBits(const std::string& field)
{
    char* end = nullptr;
    const float value = std::strtof(field.c_str(), &end);
    EXPECT_EQ(*end, '\0') << "not a float: " << field;
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

uint32_t Bits(float f)
{
    uint32_t bits;
    std::memcpy(&bits, &f, sizeof bits);
    return bits;
}

// A frame line read back: the twelve integers, then the nine floats as bits.
struct FrameLine {
    int64_t ints[12];
    uint32_t floats[9];
};

FrameLine ParseFrame(const std::string& line)
{
    const std::vector<std::string> fields = SplitFields(line);
    FrameLine frame{};
    EXPECT_EQ(fields.size(), 21u) << line;
    if (fields.size() == 21u) {
        for (int i = 0; i < 12; ++i) frame.ints[i] = Int(fields[i]);
        for (int i = 0; i < 9; ++i) frame.floats[i] = FloatBits(fields[12 + i]);
    }
    return frame;
}

FrameLine Expected(int32_t frame, const DriveStateData& s)
{
    return {{frame, s.plate_pos, s.speed, s.wx, s.wy, s.wz, s.vect_x, s.vect_y, s.vect_z, s.crs_rot_x,
             s.crs_rot_y, s.crs_rot_z},
            {Bits(s.fPosX), Bits(s.fPosY), Bits(s.fPosZ), Bits(s.fCrsRotX), Bits(s.fCrsRotY),
             Bits(s.fCrsRotZ), Bits(s.fCarRotX), Bits(s.fCarRotY), Bits(s.fCarRotZ)}};
}

void ExpectSameFrame(const FrameLine& actual, const FrameLine& expected, int32_t frame)
{
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(actual.ints[i], expected.ints[i]) << "frame " << frame << " integer field " << i;
    }
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(actual.floats[i], expected.floats[i]) << "frame " << frame << " float field " << i;
    }
}

std::vector<std::string> OverlayOf(const DriveStateData& state)
{
    std::vector<std::string> lines;
    for (int line = 0; line < kOverlayLineCount; ++line) {
        char text[kOverlayTextSize];
        FormatOverlayLine(line, state, text);
        lines.push_back(text);
    }
    return lines;
}

void ExpectSuccess(const ProgramResult& run)
{
    EXPECT_EQ(run.exit_status, 0);
    EXPECT_EQ(run.err, "");
}

TEST(Drivetrace, CourseListsEveryPlateAsStored)
{
    const ProgramResult run = Drivetrace({"--course"});
    ExpectSuccess(run);
    const std::vector<std::string> lines = SplitLines(run.out);
    ASSERT_EQ(lines.size(), static_cast<size_t>(kPlateCount));
    for (int i = 0; i < kPlateCount; ++i) {
        const CoursePlate& p = CourseTable.plates[i];
        const std::vector<std::string> fields = SplitFields(lines[i]);
        ASSERT_EQ(fields.size(), 7u) << lines[i];
        const int64_t expected[7] = {i, p.speed, p.aux_a, p.aux_b, p.dvect_y, p.dvect_x, p.aux_c};
        for (int f = 0; f < 7; ++f) {
            ASSERT_EQ(Int(fields[f]), expected[f]) << "plate " << i << " field " << f;
        }
    }
}

TEST(Drivetrace, TwentySixFramesHeldEndOnTheWorkedValues)
{
    const ProgramResult run = Drivetrace({"--buttons", "A26"});
    ExpectSuccess(run);
    const std::vector<std::string> lines = SplitLines(run.out);
    ASSERT_EQ(lines.size(), 26u);
    EXPECT_EQ(lines[0].rfind("1 1 200 -4200 13000 0 0 0 0 ", 0), 0u) << lines[0];
    const FrameLine last = ParseFrame(lines[25]);
    const int64_t ints[9] = {26, 26, 200, -9199, 13000, 6, 22, 0, 0};
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(last.ints[i], ints[i]) << "integer field " << i;
    }
    EXPECT_EQ(last.floats[0], Bits(9.199f));
    EXPECT_EQ(last.floats[1], Bits(0.006f));
    EXPECT_EQ(last.floats[2], Bits(-13.0f));
    EXPECT_EQ(last.floats[7], Bits(3.1415927f));  // fCarRotY: the car stays turned half a turn

    const ProgramResult overlay = Drivetrace({"--buttons", "A26", "--overlay"});
    ExpectSuccess(overlay);
    EXPECT_EQ(overlay.out,
              "wx = -9199\nwy = 13000\nwz = 6\nvect_x = 22\nvect_y = 0\nvect_z = 0\n"
              "fPosX = 9.199000\nfPosY = 0.006000\nfPosZ = -13.000000\nplate_pos = 26\n");
}

TEST(Drivetrace, FramesFollowTheSimulationAcrossReleaseAndTheLapSeam)
{
    // Leading zeros, empty runs of 0 frames, released frames at the seam and after it.
    const ProgramResult run = Drivetrace({"--buttons", "A1071,-2,A0,-0,A003,-1"});
    ExpectSuccess(run);
    const std::vector<std::string> lines = SplitLines(run.out);
    ASSERT_EQ(lines.size(), 1077u);

    DriveState = kDriveStart;
    ResetDrive();
    const uint16_t buttons[] = {kButtonA, 0, kButtonA, 0};
    const int32_t frames[] = {1071, 2, 3, 1};
    int32_t frame = 0;
    for (int r = 0; r < 4; ++r) {
        for (int32_t i = 0; i < frames[r]; ++i) {
            UpdateDrive(buttons[r]);
            ++frame;
            ExpectSameFrame(ParseFrame(lines[frame - 1]), Expected(frame, DriveState), frame);
        }
    }
    // The seam as printed: frame 1074 takes plate 1071 and shows plate_pos 1072;
    // the next frame wraps it and takes plate 0.
    EXPECT_EQ(ParseFrame(lines[1070]).ints[1], 1071);
    EXPECT_EQ(ParseFrame(lines[1072]).ints[2], 0);  // speed 0 while released
    EXPECT_EQ(ParseFrame(lines[1073]).ints[1], 1072);
    EXPECT_EQ(ParseFrame(lines[1074]).ints[1], 1);
    EXPECT_EQ(ParseFrame(lines[1076]).ints[1], 2);
}

TEST(Drivetrace, OverlayShowsTheStateAfterTheLastFrame)
{
    const ProgramResult reset = Drivetrace({"--buttons", "", "--overlay"});
    ExpectSuccess(reset);
    EXPECT_EQ(reset.out,
              "wx = -4000\nwy = 13000\nwz = 0\nvect_x = 0\nvect_y = 0\nvect_z = 0\n"
              "fPosX = 4.000000\nfPosY = 0.000000\nfPosZ = -13.000000\nplate_pos = 0\n");

    // The frame that takes the last plate shows 1072 before the wrap.
    const ProgramResult seam = Drivetrace({"--overlay", "--buttons", "A1071,-1,A1"});
    ExpectSuccess(seam);
    DriveState = kDriveStart;
    ResetDrive();
    for (int i = 0; i < 1071; ++i) UpdateDrive(kButtonA);
    UpdateDrive(0);
    UpdateDrive(kButtonA);
    const std::vector<std::string> lines = SplitLines(seam.out);
    EXPECT_EQ(lines, OverlayOf(DriveState));
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[9], "plate_pos = 1072");
}

TEST(Drivetrace, PatternsWithoutFramesPrintNoFrameLines)
{
    for (const char* pattern : {"", "A0", "-0,A0,-00"}) {
        const ProgramResult run = Drivetrace({"--buttons", pattern});
        ExpectSuccess(run);
        EXPECT_EQ(run.out, "") << "pattern '" << pattern << "'";
    }
    const ProgramResult help = Drivetrace({"--help"});
    ExpectSuccess(help);
    EXPECT_NE(help.out.find("usage: drivetrace"), std::string::npos);
}

TEST(Drivetrace, BadCommandLinesExitWithStatusTwoAndOneLineNamingTheFault)
{
    struct Case {
        std::vector<std::string> args;
        const char* named;  // what the error line must mention
    };
    const Case cases[] = {
        {{"--buttons", "A"}, "run 1 'A' has no frame count"},
        {{"--buttons", "A-1"}, "run 1 'A-1'"},
        {{"--buttons", "B3"}, "run 1 'B3'"},
        {{"--buttons", "A3,,"}, "run 2 '' is empty"},
        {{"--buttons", "A3,"}, "run 2 '' is empty"},
        {{"--buttons", ","}, "run 1 '' is empty"},
        {{"--buttons", "A 3"}, "run 1 'A 3'"},
        {{"--buttons", "A+3"}, "run 1 'A+3'"},
        {{"--buttons", "-2,a3"}, "run 2 'a3'"},
        {{"--buttons", "A3\n"}, "run 1 'A3\\x0A'"},
        {{"--buttons", "A3,X2"}, "run 2 'X2' unplugs the pad"},
        {{"--buttons", "A2147483648"}, "above 2147483647"},
        {{"--buttons", "A99999999999999999999"}, "above 2147483647"},
        {{"--buttons", "A2147483647,-1"}, "more than 2147483647 frames"},
        {{"--buttons", "A3", "--frobnicate"}, "unknown option '--frobnicate'"},
        {{"--buttons"}, "--buttons needs a PATTERN"},
        {{"--buttons", "A1", "--buttons", "A2"}, "--buttons given twice"},
        {{"--course", "--overlay"}, "--overlay needs --buttons"},
        {{"--course", "--buttons", "A1"}, "exclude"},
        {{"A3"}, "unexpected argument 'A3'"},
        {{}, "--course or --buttons"},
    };
    for (const Case& c : cases) {
        const ProgramResult run = Drivetrace(c.args);
        std::string shown;
        for (const std::string& arg : c.args) shown += " [" + arg + "]";
        EXPECT_EQ(run.exit_status, 2) << shown;
        EXPECT_EQ(run.out, "") << shown;
        EXPECT_EQ(run.err.rfind("drivetrace: ", 0), 0u) << shown << ": " << run.err;
        EXPECT_NE(run.err.find(c.named), std::string::npos) << shown << ": " << run.err;
        ASSERT_FALSE(run.err.empty()) << shown;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << shown << ": not one line: " << run.err;
    }
}

}  // namespace
