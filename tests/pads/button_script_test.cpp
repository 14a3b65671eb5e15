// Button scripts: which step each frame gets, and the scripts that are refused.
#include <gtest/gtest.h>

#include "button_script.h"

TEST(ButtonScript, EachFrameGetsItsRunsStepAndAScriptThatDoesNotParseLeavesNoRunsAndOneLineSayingWhy) {
    std::vector<ButtonRun> runs;
    std::string error;
    ASSERT_TRUE(ParseButtonScript("A26,X0,-2,X1,A007", ScriptGrammar::kHeldReleasedUnplugged, runs, error)) << error;
    const char steps[] = "AA--XAA-";  // frames 0, 25, 26, 27, 28, 29, 35, 36: an empty run takes no frame
    const int64_t frames[] = {0, 25, 26, 27, 28, 29, 35, 36};
    for (int i = 0; i < 8; ++i) EXPECT_EQ("A-X"[int(StepAtFrame(runs, frames[i]))], steps[i]) << "frame " << frames[i];
    for (const char* script :
         {"A", "B3", "A1,,A2", "A1,", "a5", "A-1", "A 5", "A+5", "A2147483648", "A2147483647,-1", "X\x7F"}) {
        runs.assign(1, ButtonRun{ButtonStep::kHeld, 1});  // a run the refusal must clear
        EXPECT_FALSE(ParseButtonScript(script, ScriptGrammar::kHeldReleasedUnplugged, runs, error)) << script;
        EXPECT_TRUE(runs.empty() && !error.empty() && error.find('\n') == std::string::npos) << script << ": " << error;
    }
    EXPECT_FALSE(ParseButtonScript("A3,X0", ScriptGrammar::kHeldReleased, runs, error))
        << "a simulation has no pad to unplug";
}
