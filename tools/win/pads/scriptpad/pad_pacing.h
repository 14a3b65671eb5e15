// Frame pacing and the frame-time log of the scripted pad.
#pragma once

#include <cstdint>
#include <cstdio>

// Holds each frame back to a fixed rate, as a display's vertical retrace would.
struct PacingData {
    double frames_per_second;  // 0: no pacing
    int64_t start_ticks;       // performance counter at the paced run's first frame
    int64_t first_frame;       // the frame counted from start_ticks
    bool started;
    int64_t log_origin;  // performance counter at the first logged frame
    bool log_started;
};

// Called on each poll of slot 0: waits until frame `frame` is due. More than a tenth of a second
// behind, the schedule restarts at this frame rather than rush to catch up.
void PaceFrame(PacingData& pacing, int64_t frame);

// Milliseconds since the first call (the first logged frame), unaffected by pacing restarts.
double MillisecondsSinceStart(PacingData& pacing);

// Appends "<frame> <milliseconds> <A|-|X>" to the log and flushes it, so that
// a watcher sees each frame as it happens. A null log does nothing.
void LogFrame(std::FILE* log, int64_t frame, double milliseconds, char step);
