// The course model: road along the drive's centre-line, raised decks and
// bridge, ground, and trackside scenery.
#pragma once

#include "course_layout.h"
#include "mesh.h"

// Material (and so subset) indices of the course mesh.
struct CourseMaterials {
    uint32_t road, kerb, start;  // the road surface; the car runs on these only
    uint32_t bank, side, underside, pillar, railing;
    uint32_t ground;
    uint32_t leaves, trunk;
    uint32_t seats, stand, roof;
    uint32_t board[3];  // distance boards with one, two and three bars
    uint32_t post, banner;
};

struct CourseModel {
    Mesh mesh;
    CourseLayout layout;
    CourseMaterials materials;
};

// Builds the whole course along one lap of `course`; deterministic.
CourseModel BuildCourseModel(const CourseTableData& course);

// Scenery placed beside the road (course_scenery.cpp): the start gantry, the
// grandstand along the start straight, distance boards before the bends and
// trees, each kept clear of every road.
void AddScenery(CourseModel& model);
