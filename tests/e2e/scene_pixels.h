// Test support: what a captured frame shows, told apart by colour.
#pragma once

#include "overlay_capture.h"

struct SceneCounts {
    int car;    // the car's red body
    int grass;  // the course's green ground
    int clear;  // the grey the frame is cleared to
};

// Counts the pixels of each kind below the overlay area (the lines' white boxes excluded).
SceneCounts CountScene(const ScreenPixels& client);
