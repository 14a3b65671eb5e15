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

// Parses SCRIPT: comma-separated runs, `A<n>` for n frames with A held, `-<n>`
// for n released and, with kHeldReleasedUnplugged, `X<n>` for n unplugged; n is
// a decimal of digits only (leading zeros allowed, 0 is an empty run). The empty
// script has no runs; an empty run ("A1,,A2", "A1,") is an error. On success
// fills `runs` and returns true; otherwise clears `runs`, leaves `error` as one
// printable line naming the faulty run and returns false.
bool ParseButtonScript(const std::string& script, ScriptGrammar grammar, std::vector<ButtonRun>& runs,
                       std::string& error);

// What the pad does on frame `frame` (0 = the first frame): the run that frame
// falls in, or released (plugged in, nothing pressed) once the script is over.
ButtonStep StepAtFrame(const std::vector<ButtonRun>& runs, int64_t frame);
