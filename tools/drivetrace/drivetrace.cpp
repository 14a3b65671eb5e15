// drivetrace: the drive simulation on the command line, frame by frame or as the overlay shows it.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "button_script.h"
#include "course.h"
#include "drive.h"
#include "trace_lines.h"

namespace {

constexpr int kExitUsage = 2;
constexpr int kExitWriteFailed = 1;

const char kUsage[] =
    "usage: drivetrace --buttons PATTERN [--overlay]\n"
    "       drivetrace --help\n"
    "\n"
    "--buttons PATTERN    reset the drive, then run one update per frame and print\n"
    "                     one line per frame after its update:\n"
    "                     frame plate_pos speed wx wy wz vect_x vect_y vect_z\n"
    "                     crs_rot_x crs_rot_y crs_rot_z fPosX fPosY fPosZ\n"
    "                     fCrsRotX fCrsRotY fCrsRotZ fCarRotX fCarRotY fCarRotZ\n"
    "                     (frames from 1, floats as %.9g)\n"
    "--overlay            with --buttons: print only the ten overlay lines of the\n"
    "                     state after the last frame, as the window shows them\n"
    "\n"
    "PATTERN is a comma-separated list of runs: A<n> holds A for n frames, -<n>\n"
    "releases it for n frames, e.g. A25,-3,A1072. n is a decimal of digits only\n"
    "(no sign or blanks); A0 and -0 are allowed and run no frame. An empty run\n"
    "(A1,,A2 or a trailing comma) is an error. The empty pattern '' runs no frame:\n"
    "it prints nothing, or with --overlay the lines right after the reset.\n"
    "At most 2147483647 frames in all.\n"
    "\n"
    "Exit status: 0 done, 2 malformed pattern or options (one line on stderr,\n"
    "nothing on stdout), 1 output could not be written.\n";

struct TraceOptions {
    bool help = false;
    bool buttons = false;
    bool overlay = false;
    std::string pattern;
};

bool ParseOptions(int argc, char** argv, TraceOptions& options, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help") {
            options.help = true;
        } else if (arg == "--overlay") {
            options.overlay = true;
        } else if (arg == "--buttons") {
            if (i + 1 >= argc) {
                error = "option --buttons needs a PATTERN";
                return false;
            }
            if (options.buttons) {
                error = "option --buttons given twice";
                return false;
            }
            options.buttons = true;
            options.pattern = argv[++i];
        } else {
            error = (arg.size() > 1 && arg[0] == '-' ? "unknown option '" : "unexpected argument '") +
                    arg.substr(0, 40) + "'";
            return false;
        }
    }
    if (options.help) {
        return true;
    }
    if (!options.buttons) {
        error = "give --buttons PATTERN (see --help)";
        return false;
    }
    return true;
}

// Runs the drive on a state of its own, from the start values through one step per frame.
void TraceButtons(const std::vector<ButtonRun>& runs, bool overlay_only) {
    DriveStateData state = kDriveStart;
    NormaliseDrive(state);
    int32_t frame = 0;
    for (const ButtonRun& run : runs) {
        const uint16_t buttons = run.step == ButtonStep::kHeld ? kButtonA : 0;
        for (int32_t i = 0; i < run.frames; ++i) {
            StepDrive(state, CourseTable, buttons);
            ++frame;
            if (!overlay_only) {
                PrintFrame(stdout, frame, state);
            }
        }
    }
    if (overlay_only) {
        PrintOverlay(stdout, state);
    }
}

int Fail(const std::string& error) {
    std::fprintf(stderr, "drivetrace: %s\n", error.c_str());
    return kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
    TraceOptions options;
    std::string error;
    if (!ParseOptions(argc, argv, options, error)) {
        return Fail(error);
    }
    std::vector<ButtonRun> runs;
    if (options.buttons && !ParseButtonScript(options.pattern, ScriptGrammar::kHeldReleased, runs, error)) {
        return Fail(error);
    }

#ifdef _WIN32
    // Lines end in a bare '\n' on Windows too, so that traces compare byte for byte.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    static char buffer[1 << 16];
    std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
    if (options.help) {
        std::fputs(kUsage, stdout);
    } else {
        TraceButtons(runs, options.overlay);
    }
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "drivetrace: writing the output failed: %s\n", std::strerror(errno));
        return kExitWriteFailed;
    }
    return 0;
}
