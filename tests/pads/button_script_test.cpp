// Button scripts: their grammar in both forms, their errors, and which step each frame gets.
#include <gtest/gtest.h>

#include "button_script.h"

namespace {

constexpr ScriptGrammar kPad = ScriptGrammar::kHeldReleasedUnplugged;
constexpr ScriptGrammar kSimulation = ScriptGrammar::kHeldReleased;

TEST(ButtonScript, ParsesHeldReleasedAndUnpluggedRuns)
{
    std::vector<ButtonRun> runs;
    std::string error;
    ASSERT_TRUE(ParseButtonScript("A26,-50,X3,A0,A007", kPad, runs, error)) << error;
    ASSERT_EQ(runs.size(), 5u);
    EXPECT_EQ(runs[0].step, ButtonStep::kHeld);
    EXPECT_EQ(runs[0].frames, 26);
    EXPECT_EQ(runs[1].step, ButtonStep::kReleased);
    EXPECT_EQ(runs[1].frames, 50);
    EXPECT_EQ(runs[2].step, ButtonStep::kUnplugged);
    EXPECT_EQ(runs[2].frames, 3);
    EXPECT_EQ(runs[3].frames, 0);
    EXPECT_EQ(runs[4].frames, 7);
    EXPECT_TRUE(ParseButtonScript("", kPad, runs, error));
    EXPECT_TRUE(runs.empty());
    EXPECT_TRUE(ParseButtonScript("A2147483647", kPad, runs, error)) << error;
    ASSERT_TRUE(ParseButtonScript("-4,A1", kSimulation, runs, error)) << error;
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].step, ButtonStep::kReleased);
    EXPECT_EQ(runs[1].step, ButtonStep::kHeld);
}

TEST(ButtonScript, RejectsMalformedRunsNamingThem)
{
    const char* bad[] = {"A", "B3", "A1,,A2", "A1,", "a5", "A-1", "A 5", "A+5", "A2147483648",
                         "A2147483647,-1", ",A1", "X\x7F"};
    for (const char* script : bad) {
        std::vector<ButtonRun> runs = {{ButtonStep::kHeld, 1}};
        std::string error;
        EXPECT_FALSE(ParseButtonScript(script, kPad, runs, error)) << script;
        EXPECT_FALSE(error.empty()) << script;
        EXPECT_TRUE(runs.empty()) << script << ": a failed parse leaves no runs to follow";
        EXPECT_EQ(error.find('\n'), std::string::npos) << script;
    }
    std::vector<ButtonRun> runs;
    std::string error;
    ParseButtonScript("A1,Q2", kPad, runs, error);
    EXPECT_EQ(error, "run 2 'Q2' does not start with 'A' (held), '-' (released) or 'X' (unplugged)");
    ParseButtonScript("A1,Q2", kSimulation, runs, error);
    EXPECT_EQ(error, "run 2 'Q2' does not start with 'A' (held) or '-' (released)");
    ParseButtonScript("X\x7F", kPad, runs, error);
    EXPECT_EQ(error, "run 1 'X\\x7F' has a frame count that is not a non-negative decimal number");
}

TEST(ButtonScript, SimulationScriptsRejectUnpluggedRuns)
{
    std::vector<ButtonRun> runs = {{ButtonStep::kHeld, 1}};
    std::string error;
    EXPECT_FALSE(ParseButtonScript("A3,X0", kSimulation, runs, error)) << "even an empty unplugged run";
    EXPECT_TRUE(runs.empty());
    EXPECT_EQ(error, "run 2 'X0' unplugs the pad ('X'), but only 'A' (held) and '-' (released) runs are allowed here");
}

TEST(ButtonScript, StepOfEachFrameAtRunBoundaries)
{
    std::vector<ButtonRun> runs;
    std::string error;
    ASSERT_TRUE(ParseButtonScript("A26,X0,-2,X1", kPad, runs, error));
    EXPECT_EQ(StepAtFrame(runs, 0), ButtonStep::kHeld);
    EXPECT_EQ(StepAtFrame(runs, 25), ButtonStep::kHeld);
    EXPECT_EQ(StepAtFrame(runs, 26), ButtonStep::kReleased) << "an empty run takes no frame";
    EXPECT_EQ(StepAtFrame(runs, 27), ButtonStep::kReleased);
    EXPECT_EQ(StepAtFrame(runs, 28), ButtonStep::kUnplugged);
    EXPECT_EQ(StepAtFrame(runs, 29), ButtonStep::kReleased) << "after the script the pad is plugged in, idle";
    EXPECT_EQ(StepAtFrame({}, 0), ButtonStep::kReleased);
    ASSERT_TRUE(ParseButtonScript("A2147483647", kPad, runs, error));
    EXPECT_EQ(StepAtFrame(runs, 2147483646LL), ButtonStep::kHeld);
    EXPECT_EQ(StepAtFrame(runs, 2147483647LL), ButtonStep::kReleased);
}

}  // namespace
