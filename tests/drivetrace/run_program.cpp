// Program runs for tests: posix_spawn with stdout and stderr redirected to temporary files.
#include "run_program.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

extern char** environ;

namespace {

// A new empty file in the temporary directory; returns its path.
std::string MakeTempFile(const char* stem)
{
    const char* dir = std::getenv("TMPDIR");
    std::string path = std::string(dir ? dir : "/tmp") + "/" + stem + "XXXXXX";
    const int fd = mkstemp(path.data());
    EXPECT_GE(fd, 0) << "cannot create " << path;
    if (fd >= 0) {
        close(fd);
    }
    return path;
}

std::string ReadAndRemove(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    std::remove(path.c_str());
    return text.str();
}

int WaitFor(pid_t pid)
{
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) {
            ADD_FAILURE() << "waitpid failed";
            return -1;
        }
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

ProgramResult RunProgram(const std::string& path, const std::vector<std::string>& args)
{
    const std::string out_path = MakeTempFile("drivetrace_out");
    const std::string err_path = MakeTempFile("drivetrace_err");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, out_path.c_str(), O_WRONLY | O_TRUNC, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, err_path.c_str(), O_WRONLY | O_TRUNC, 0);

    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(path.c_str()));
    for (const std::string& arg : args) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);

    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ProgramResult result{-1, {}, {}};
    if (spawned != 0) {
        ADD_FAILURE() << "cannot start " << path << ": error " << spawned;
    } else {
        result.exit_status = WaitFor(pid);
    }
    result.out = ReadAndRemove(out_path);
    result.err = ReadAndRemove(err_path);
    return result;
}
