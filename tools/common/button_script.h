// Button scripts: runs of frames with A held, released, or the pad unplugged.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Most frames one script may ask for, in each run and in all runs together,
// so that frame numbers stay within a signed 32-bit integer.
constexpr int32_t kMaxScriptFrames = INT32_MAX;

enum class ButtonStep { kHeld, kReleased, kUnplugged };

// `frames` consecutive frames of `step`.
struct ButtonRun {
    ButtonStep step;
    int32_t frames;
};

// Which run letters a caller takes: a simulation has no pad to unplug.
enum class ScriptGrammar { kHeldReleased, kHeldReleasedUnplugged };

// Parses comma-separated runs: `A<n>` frames held, `-<n>` released and, with kHeldReleasedUnplugged,
// `X<n>` unplugged, n in decimal digits. False, with `runs` cleared and `error` one line naming the
// faulty run (an empty one, "A1,", included), when it does not parse.
bool ParseButtonScript(const std::string& script, ScriptGrammar grammar, std::vector<ButtonRun>& runs,
                       std::string& error);

// What the pad does on frame `frame` (0 = the first frame): the run that frame
// falls in, or released (plugged in, nothing pressed) once the script is over.
ButtonStep StepAtFrame(const std::vector<ButtonRun>& runs, int64_t frame);
