// What road a plate carries: chosen by the course generator, packed into the
// plate's aux fields (which the drive carries but never reads), read back by name.
#pragma once

#include "course.h"

enum class Road {
    Open,       // wide, no kerbs or walls: the start straight, its bends, the closing plates
    Lane,       // kerbs both sides; in a bend of 45 units a plate or more, a wall outside and a kerb inside
    Overpass,   // walled both sides: up onto the bridge, across it over the other pass, and down again
    Underpass,  // narrow, walled both sides: beneath the bridge and on to the finish gate
};

// `plate` with the aux fields of `road` (a Lane's depend on the plate's dvect_y).
CoursePlate Paved(Road road, CoursePlate plate);

// The road whose aux fields the plate carries.
Road RoadOf(const CoursePlate& plate);
