// Draws the course as an SVG map: top view coloured by height, with the
// bridge and the start/finish line marked.
#pragma once

#include <string>

#include "course_search.h"

// The map seen from above as the scene shows it: the model's x (minus wx)
// to the right, its z (minus wy) up. Only integer arithmetic, so the text is
// the same on every platform.
std::string CourseMap(const CourseDesign& design);
