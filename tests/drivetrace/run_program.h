// Runs a program to completion and captures its exit status, stdout and stderr.
#pragma once

#include <string>
#include <vector>

struct ProgramResult {
    int exit_status;  // the exit code, or -1 when the program did not exit normally
    std::string out;
    std::string err;
};

// Runs `path` with `args` (argv[1..]) and waits for it; the output goes through
// temporary files, so any amount of it is captured. Fails the current test
// and returns exit_status -1 when the program cannot be started.
ProgramResult RunProgram(const std::string& path, const std::vector<std::string>& args);
