// Sleeps to a frame rate with the performance counter; writes the frame log.
#include "pad_pacing.h"

#include <windows.h>

namespace {

int64_t Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

int64_t TicksPerSecond() {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return frequency.QuadPart;
}

void Start(PacingData& p, int64_t frame) {
    p.started = true;
    p.start_ticks = Now();
    p.first_frame = frame;
}

}  // namespace

void PaceFrame(PacingData& p, int64_t frame) {
    if (p.frames_per_second <= 0.0) {
        return;
    }
    if (!p.started) {
        Start(p, frame);
        return;
    }
    const double due = (frame - p.first_frame) / p.frames_per_second;
    const int64_t ticks_per_second = TicksPerSecond();
    const int64_t due_ticks = p.start_ticks + static_cast<int64_t>(due * ticks_per_second);
    if (Now() - due_ticks > ticks_per_second / 10) {
        Start(p, frame);
        return;
    }
    for (int64_t left = due_ticks - Now(); left > 0; left = due_ticks - Now()) {
        const int64_t milliseconds = left * 1000 / ticks_per_second;
        // Sleep coarsely, then give up the time slice until the moment is reached.
        Sleep(milliseconds > 2 ? static_cast<DWORD>(milliseconds - 1) : 0);
    }
}

double MillisecondsSinceStart(PacingData& p) {
    if (!p.log_started) {
        p.log_started = true;
        p.log_origin = Now();
    }
    return static_cast<double>(Now() - p.log_origin) * 1000.0 / static_cast<double>(TicksPerSecond());
}

void LogFrame(std::FILE* log, int64_t frame, double milliseconds, char step) {
    if (log == nullptr) {
        return;
    }
    std::fprintf(log, "%lld %.3f %c\n", static_cast<long long>(frame), milliseconds, step);
    std::fflush(log);
}
