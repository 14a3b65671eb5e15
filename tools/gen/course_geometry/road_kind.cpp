// The aux fields of each kind of road: two lane widths, then the two sides
// (a byte each: 0x03 a wall, 0x01 a kerb, 0 neither).
#include "road_kind.h"

#include <cstdlib>

CoursePlate Paved(Road road, CoursePlate p) {
    const int32_t turn = p.dvect_y;
    if (road == Road::Open) {
        p.aux_a = 300, p.aux_b = 300, p.aux_c = 0;
    } else if (road == Road::Underpass) {
        p.aux_a = 150, p.aux_b = 150, p.aux_c = 0x0303;
    } else if (road == Road::Overpass) {
        p.aux_a = 300, p.aux_b = 150, p.aux_c = 0x0303;
    } else if (std::abs(turn) >= 45) {
        p.aux_a = 300, p.aux_b = 150, p.aux_c = turn < 0 ? 0x0301 : 0x0103;
    } else {
        p.aux_a = 300, p.aux_b = 150, p.aux_c = 0x0101;
    }
    return p;
}

Road RoadOf(const CoursePlate& p) {
    if (p.aux_c == 0) return Road::Open;
    if (p.aux_a == 150) return Road::Underpass;
    return p.aux_c == 0x0303 ? Road::Overpass : Road::Lane;
}
