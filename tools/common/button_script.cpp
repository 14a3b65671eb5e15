// Parsing of button scripts into runs, with one-line error texts, and the step of a given frame.
#include "button_script.h"

#include <cstdio>

namespace {

// The run as the user typed it, quoted, with control and non-ASCII bytes
// escaped so that the error stays on one printable line.
std::string Quoted(const std::string& run) {
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

// Digits only, no sign or blank; false when empty or above kMaxScriptFrames.
bool ParseCount(const std::string& digits, int32_t& count, std::string& why) {
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
        if (value > kMaxScriptFrames) {
            why = "has a frame count above " + std::to_string(kMaxScriptFrames);
            return false;
        }
    }
    count = static_cast<int32_t>(value);
    return true;
}

bool ParseStep(char letter, ScriptGrammar grammar, ButtonStep& step, std::string& why) {
    const bool unplugged_allowed = grammar == ScriptGrammar::kHeldReleasedUnplugged;
    switch (letter) {
    case 'A': step = ButtonStep::kHeld; return true;
    case '-': step = ButtonStep::kReleased; return true;
    case 'X':
        if (unplugged_allowed) {
            step = ButtonStep::kUnplugged;
            return true;
        }
        why = "unplugs the pad ('X'), but only 'A' (held) and '-' (released) runs are allowed here";
        return false;
    default:
        why = unplugged_allowed ? "does not start with 'A' (held), '-' (released) or 'X' (unplugged)"
                                : "does not start with 'A' (held) or '-' (released)";
        return false;
    }
}

bool ParseRun(const std::string& text, ScriptGrammar grammar, ButtonRun& run, std::string& why) {
    if (text.empty()) {
        why = "is empty";
        return false;
    }
    return ParseStep(text[0], grammar, run.step, why) && ParseCount(text.substr(1), run.frames, why);
}

bool Fail(std::vector<ButtonRun>& runs, std::string& error, const std::string& why) {
    runs.clear();
    error = why;
    return false;
}

}  // namespace

bool ParseButtonScript(const std::string& script, ScriptGrammar grammar, std::vector<ButtonRun>& runs,
                       std::string& error) {
    runs.clear();
    if (script.empty()) {
        return true;
    }
    int64_t total = 0;
    size_t begin = 0;
    for (size_t number = 1;; ++number) {
        const size_t comma = script.find(',', begin);
        const std::string text = script.substr(begin, comma == std::string::npos ? std::string::npos : comma - begin);
        ButtonRun run{};
        std::string why;
        if (!ParseRun(text, grammar, run, why)) {
            return Fail(runs, error, "run " + std::to_string(number) + " " + Quoted(text) + " " + why);
        }
        total += run.frames;
        if (total > kMaxScriptFrames) {
            return Fail(runs, error,
                        "pattern asks for more than " + std::to_string(kMaxScriptFrames) + " frames in all");
        }
        runs.push_back(run);
        if (comma == std::string::npos) {
            return true;
        }
        begin = comma + 1;
    }
}

ButtonStep StepAtFrame(const std::vector<ButtonRun>& runs, int64_t frame) {
    int64_t end = 0;
    for (const ButtonRun& run : runs) {
        end += run.frames;
        if (frame < end) {
            return run.step;
        }
    }
    return ButtonStep::kReleased;
}
