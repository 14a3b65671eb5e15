// The course the car drives: a constant table of plates, one plate per frame.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int kPlateCount = 1072;

// One plate, 12 bytes of six little-endian int16 fields. Only speed, dvect_y
// and dvect_x are read by the drive; the aux fields are carried as stored.
struct CoursePlate {
    int16_t speed;  // position units advanced on this plate
    int16_t aux_a;
    int16_t aux_b;
    int16_t dvect_y;  // heading change, angle units
    int16_t dvect_x;  // pitch change, angle units
    int16_t aux_c;
};
static_assert(sizeof(CoursePlate) == 12 && offsetof(CoursePlate, dvect_y) == 6 && offsetof(CoursePlate, aux_c) == 10,
              "a plate is stored as six packed int16 fields");

// The stored table: a 144-byte header, then the plates back to back (13008 bytes).
// Only plate_count is read; the rest of the header is carried as stored.
struct CourseTableData {
    int16_t plate_count;
    int16_t header_pad;         // 0
    int32_t header_value;       // 25
    int16_t start_wx;           // -4000: the car's start position
    int16_t start_wy;           // 13000
    uint8_t header_pad2[4];     // 0
    int16_t start_marks[8][8];  // position after i plates, then five marker values
    CoursePlate plates[kPlateCount];
};
static_assert(sizeof(CourseTableData) == 13008 && offsetof(CourseTableData, header_value) == 4 &&
                  offsetof(CourseTableData, start_wx) == 8 && offsetof(CourseTableData, start_marks) == 16 &&
                  offsetof(CourseTableData, plates) == 144,
              "the table keeps its stored layout");

// The marker value of each start record (start_marks[i][6]).
constexpr int16_t kStartMarkers[8] = {75, -75, 75, -75, 30, -30, 30, -30};

extern const CourseTableData CourseTable;
