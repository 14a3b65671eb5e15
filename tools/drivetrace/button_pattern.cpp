// Parsing of drivetrace's button pattern into runs, with one-line error texts.
#include "button_pattern.h"

#include <cstdio>

namespace {

// The run as the user typed it, quoted, with control and non-ASCII bytes
// escaped so that the error stays on one printable line.
std::string Quoted(const std::string& run)
{
    std::string out = "'";
    for (unsigned char c : run) {
        if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            out += escaped;
        }
    }
    return out + "'";
}

std::string RunName(size_t number, const std::string& run)
{
    return "run " + std::to_string(number) + " " + Quoted(run);
}

// Digits only, no sign or blank; false when empty or above kMaxPatternFrames.
bool ParseCount(const std::string& digits, int32_t& count, std::string& why)
{
    if (digits.empty()) {
        why = "has no frame count";
        return false;
    }
    int64_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') {
            why = "has a frame count that is not a non-negative decimal number";
            return false;
        }
        value = value * 10 + (c - '0');
        if (value > kMaxPatternFrames) {
            why = "has a frame count above " + std::to_string(kMaxPatternFrames);
            return false;
        }
    }
    count = static_cast<int32_t>(value);
    return true;
}

bool ParseRun(const std::string& run, ButtonRun& parsed, std::string& why)
{
    if (run.empty()) {
        why = "is empty";
        return false;
    }
    if (run[0] != 'A' && run[0] != '-') {
        why = "does not start with 'A' (held) or '-' (released)";
        return false;
    }
    parsed.held = run[0] == 'A';
    return ParseCount(run.substr(1), parsed.frames, why);
}

}  // namespace

bool ParseButtonPattern(const std::string& pattern, std::vector<ButtonRun>& runs, std::string& error)
{
    runs.clear();
    if (pattern.empty()) {
        return true;
    }
    int64_t total = 0;
    size_t begin = 0;
    for (size_t number = 1;; ++number) {
        const size_t comma = pattern.find(',', begin);
        const std::string run = pattern.substr(begin, comma == std::string::npos ? std::string::npos : comma - begin);
        ButtonRun parsed{};
        std::string why;
        if (!ParseRun(run, parsed, why)) {
            error = RunName(number, run) + " " + why;
            return false;
        }
        total += parsed.frames;
        if (total > kMaxPatternFrames) {
            error = "pattern asks for more than " + std::to_string(kMaxPatternFrames) + " frames in all";
            return false;
        }
        runs.push_back(parsed);
        if (comma == std::string::npos) {
            return true;
        }
        begin = comma + 1;
    }
}
