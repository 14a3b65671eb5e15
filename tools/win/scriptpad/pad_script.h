// The scripted pad's button script: runs of frames with A held, released, or the pad unplugged.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum class PadStep { kHeld, kReleased, kUnplugged };

struct PadRun {
    PadStep step;
    int32_t frames;
};

// Parses SCRIPT: comma-separated runs, `A<n>` for n frames with A held, `-<n>`
// for n frames released, `X<n>` for n frames with the pad unplugged; n is a
// decimal of digits only (0 makes an empty run), and all runs together stay
// within INT32_MAX frames. The empty script has no runs. On success fills
// `runs` and returns true; otherwise `error` names the faulty run on one line.
bool ParsePadScript(const std::string& script, std::vector<PadRun>& runs, std::string& error);

// What the pad does on frame `frame` (0 = the first poll): the run that frame
// falls in, or released (plugged in, nothing pressed) once the script is over.
PadStep StepAtFrame(const std::vector<PadRun>& runs, int64_t frame);
