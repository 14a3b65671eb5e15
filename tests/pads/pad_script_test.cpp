// The pad script: its grammar, its errors, and which step each frame gets.
#include <gtest/gtest.h>

#include "pad_script.h"

namespace {

TEST(PadScript, ParsesHeldReleasedAndUnpluggedRuns)
{
    std::vector<PadRun> runs;
    std::string error;
    ASSERT_TRUE(ParsePadScript("A26,-50,X3,A0,A007", runs, error)) << error;
    ASSERT_EQ(runs.size(), 5u);
    EXPECT_EQ(runs[0].step, PadStep::kHeld);
    EXPECT_EQ(runs[0].frames, 26);
    EXPECT_EQ(runs[1].step, PadStep::kReleased);
    EXPECT_EQ(runs[1].frames, 50);
    EXPECT_EQ(runs[2].step, PadStep::kUnplugged);
    EXPECT_EQ(runs[3].frames, 0);
    EXPECT_EQ(runs[4].frames, 7);
    EXPECT_TRUE(ParsePadScript("", runs, error));
    EXPECT_TRUE(runs.empty());
    EXPECT_TRUE(ParsePadScript("A2147483647", runs, error)) << error;
}

TEST(PadScript, RejectsMalformedRunsNamingThem)
{
    const char* bad[] = {"A", "B3", "A1,,A2", "A1,", "a5", "A-1", "A 5", "A+5", "A2147483648",
                         "A2147483647,-1", ",A1"};
    for (const char* script : bad) {
        std::vector<PadRun> runs = {{PadStep::kHeld, 1}};
        std::string error;
        EXPECT_FALSE(ParsePadScript(script, runs, error)) << script;
        EXPECT_FALSE(error.empty()) << script;
        EXPECT_TRUE(runs.empty()) << script << ": a failed parse leaves no runs to follow";
        EXPECT_EQ(error.find('\n'), std::string::npos) << script;
    }
    std::vector<PadRun> runs;
    std::string error;
    ParsePadScript("A1,Q2", runs, error);
    EXPECT_NE(error.find("run 2 'Q2'"), std::string::npos) << error;
}

TEST(PadScript, StepOfEachFrameAtRunBoundaries)
{
    std::vector<PadRun> runs;
    std::string error;
    ASSERT_TRUE(ParsePadScript("A26,X0,-2,X1", runs, error));
    EXPECT_EQ(StepAtFrame(runs, 0), PadStep::kHeld);
    EXPECT_EQ(StepAtFrame(runs, 25), PadStep::kHeld);
    EXPECT_EQ(StepAtFrame(runs, 26), PadStep::kReleased) << "an empty run takes no frame";
    EXPECT_EQ(StepAtFrame(runs, 27), PadStep::kReleased);
    EXPECT_EQ(StepAtFrame(runs, 28), PadStep::kUnplugged);
    EXPECT_EQ(StepAtFrame(runs, 29), PadStep::kReleased) << "after the script the pad is plugged in, idle";
    EXPECT_EQ(StepAtFrame({}, 0), PadStep::kReleased);
    ASSERT_TRUE(ParsePadScript("A2147483647", runs, error));
    EXPECT_EQ(StepAtFrame(runs, 2147483646LL), PadStep::kHeld);
    EXPECT_EQ(StepAtFrame(runs, 2147483647LL), PadStep::kReleased);
}

}  // namespace
