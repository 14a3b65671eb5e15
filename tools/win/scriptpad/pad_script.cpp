// Parsing of the pad script and the step of a given frame.
#include "pad_script.h"

namespace {

bool ParseFrames(const std::string& digits, int32_t& frames, std::string& why)
{
    if (digits.empty()) {
        why = "has no frame count";
        return false;
    }
    int64_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') {
            why = "has a frame count that is not a plain decimal number";
            return false;
        }
        value = value * 10 + (c - '0');
        if (value > INT32_MAX) {
            why = "has too many frames";
            return false;
        }
    }
    frames = static_cast<int32_t>(value);
    return true;
}

bool ParseRun(const std::string& text, PadRun& run, std::string& why)
{
    if (text.empty()) {
        why = "is empty";
        return false;
    }
    switch (text[0]) {
    case 'A': run.step = PadStep::kHeld; break;
    case '-': run.step = PadStep::kReleased; break;
    case 'X': run.step = PadStep::kUnplugged; break;
    default:
        why = "does not start with 'A' (held), '-' (released) or 'X' (unplugged)";
        return false;
    }
    return ParseFrames(text.substr(1), run.frames, why);
}

}  // namespace

bool ParsePadScript(const std::string& script, std::vector<PadRun>& runs, std::string& error)
{
    runs.clear();
    if (script.empty()) {
        return true;
    }
    int64_t total = 0;
    size_t begin = 0;
    for (int number = 1;; ++number) {
        const size_t comma = script.find(',', begin);
        const std::string text = script.substr(begin, comma == std::string::npos ? std::string::npos : comma - begin);
        PadRun run{};
        std::string why;
        if (!ParseRun(text, run, why)) {
            error = "run " + std::to_string(number) + " '" + text + "' " + why;
            runs.clear();
            return false;
        }
        total += run.frames;
        if (total > INT32_MAX) {
            error = "the script has too many frames in all";
            runs.clear();
            return false;
        }
        runs.push_back(run);
        if (comma == std::string::npos) {
            return true;
        }
        begin = comma + 1;
    }
}

PadStep StepAtFrame(const std::vector<PadRun>& runs, int64_t frame)
{
    int64_t end = 0;
    for (const PadRun& run : runs) {
        end += run.frames;
        if (frame < end) {
            return run.step;
        }
    }
    return PadStep::kReleased;
}
