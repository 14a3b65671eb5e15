// coursegen: designs the course, closes the lap exactly and writes the
// table's source and the course map.
// Usage: coursegen <course_table.cpp> <course-map.svg>
#include <cstdio>
#include <string>

#include "course_map.h"
#include "course_search.h"
#include "course_source.h"

namespace {

bool WriteFile(const char* path, const std::string& text) {
    std::FILE* f = std::fopen(path, "wb");
    if (!f) return false;
    const bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    return std::fclose(f) == 0 && ok;
}

void Report(const CourseDesign& d) {
    const Crossing& c = d.crossing;
    std::printf("crossing: plate %d (wz %d) over plate %d (wz %d), angle %d of 1024\n", c.over, d.path[c.over].wz,
                c.under, d.path[c.under].wz, c.angle);
    std::printf("closure: heading %d for %d plates, %d for %d\n", d.closure.heading_a, d.closure.hold_a,
                d.closure.heading_b, d.closure.hold_b);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: coursegen <course_table.cpp> <course-map.svg>\n");
        return 2;
    }
    CourseDesign design;
    if (!DesignCourse(design)) {
        std::fprintf(stderr, "coursegen: no layout keeps every rule of a lap\n");
        return 1;
    }
    if (!WriteFile(argv[1], CourseSource(design)) || !WriteFile(argv[2], CourseMap(design))) {
        std::fprintf(stderr, "coursegen: cannot write the output files\n");
        return 1;
    }
    Report(design);
    return 0;
}
