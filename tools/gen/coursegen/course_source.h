// Writes the course table as C++ source (sim/course_table.cpp).
#pragma once

#include <string>

#include "course_search.h"

// The whole source text of the table for a finished design: the carried
// header, then one line per plate with its index.
std::string CourseSource(const CourseDesign& design);
