// The button pattern of drivetrace: runs of frames with A held or released.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Most frames one pattern may ask for, in each run and in all runs together,
// so that frame numbers stay within a signed 32-bit integer.
constexpr int32_t kMaxPatternFrames = INT32_MAX;

// `frames` consecutive frames with A held (`held`) or released.
struct ButtonRun {
    bool held;
    int32_t frames;
};

// Parses PATTERN: comma-separated runs, `A<n>` for n frames held and `-<n>`
// for n released; n is a decimal of digits only (leading zeros allowed, 0 is an
// empty run). The empty pattern has no runs; an empty run ("A1,,A2", "A1,")
// is an error. On success fills `runs` and returns true; otherwise leaves
// `error` as one printable line naming the faulty run and returns false.
bool ParseButtonPattern(const std::string& pattern, std::vector<ButtonRun>& runs, std::string& error);
