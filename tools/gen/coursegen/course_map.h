// The course as an SVG map, for the README.
#pragma once

#include <string>

#include "course_search.h"

// Top view coloured by height, bridge and start line marked, as the scene shows x and z; in integers
// only, so that every platform writes the same text.
std::string CourseMap(const CourseDesign& design);
