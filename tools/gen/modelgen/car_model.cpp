// Car geometry: lofted monocoque and sidepods, wings, wheels, cockpit and helmet.
#include "car_model.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "shapes.h"

namespace {

// Cross-section of a lofted part at one z: an octagon around (centre_x, bottom..top).
struct Station {
    double z, centre_x, half_width, bottom, top;
};

constexpr int kTopEdge = 0;  // index of the octagon's flat top among its eight edges

// Octagon corners, starting at the top edge's left end and going round.
std::vector<Vec3> Octagon(const Station& s) {
    const double c = 0.35 * std::min(s.half_width, (s.top - s.bottom) * 0.5);
    const double x0 = s.centre_x - s.half_width;
    const double x1 = s.centre_x + s.half_width;
    return {{x0 + c, s.top, s.z},    {x1 - c, s.top, s.z},    {x1, s.top - c, s.z},    {x1, s.bottom + c, s.z},
            {x1 - c, s.bottom, s.z}, {x0 + c, s.bottom, s.z}, {x0, s.bottom + c, s.z}, {x0, s.top - c, s.z}};
}

// The engine cover's top, sloping down toward the camera behind the car,
// carries the race number: image top toward the nose, image left on +x (the
// viewer's left once the car is turned to face away).
UvPoint NumberUv(Vec3 p, double z0) { return {p, 0.5 - p.x / 0.6, (p.z - z0) / 0.6}; }

// Joins consecutive stations with flat faces and closes both ends. The top
// face between stations `number_from` and the next gets the number material.
void AddLoft(Mesh& mesh, const std::vector<Station>& stations, const CarMaterials& m, int number_from) {
    for (size_t s = 0; s + 1 < stations.size(); ++s) {
        const std::vector<Vec3> a = Octagon(stations[s]);
        const std::vector<Vec3> b = Octagon(stations[s + 1]);
        const Vec3 axis{(stations[s].centre_x + stations[s + 1].centre_x) * 0.5,
                        (stations[s].bottom + stations[s].top) * 0.5, 0};
        for (int k = 0; k < 8; ++k) {
            const int n = (k + 1) % 8;
            const Vec3 mid = (a[k] + a[n]) * 0.5;
            const Vec3 out{mid.x - axis.x, mid.y - axis.y, 0};
            if (k == kTopEdge && static_cast<int>(s) == number_from) {
                const double z0 = stations[s].z;
                AddPolygon(mesh, {NumberUv(a[k], z0), NumberUv(a[n], z0), NumberUv(b[n], z0), NumberUv(b[k], z0)}, out,
                           m.number);
            } else {
                AddPolygon(mesh, {a[k], a[n], b[n], b[k]}, out, m.livery);
            }
        }
    }
    AddPolygon(mesh, Octagon(stations.front()), {0, 0, -1}, m.livery);
    AddPolygon(mesh, Octagon(stations.back()), {0, 0, 1}, m.livery);
}

void AddBody(Mesh& mesh, const CarMaterials& m) {
    AddLoft(mesh,
            {{-2.45, 0, 0.08, 0.20, 0.28},
             {-1.90, 0, 0.15, 0.17, 0.36},
             {-1.20, 0, 0.24, 0.13, 0.46},
             {-0.60, 0, 0.30, 0.12, 0.52},
             {0.36, 0, 0.32, 0.12, 0.58},
             {0.95, 0, 0.22, 0.12, 0.40},
             {1.25, 0, 0.12, 0.14, 0.32}},
            m, 4);
    for (double side : {-1.0, 1.0}) {
        AddLoft(mesh,
                {{-0.50, side * 0.46, 0.13, 0.15, 0.34},
                 {0.30, side * 0.47, 0.15, 0.13, 0.42},
                 {0.85, side * 0.40, 0.10, 0.13, 0.30}},
                m, -1);
    }
}

void AddCockpit(Mesh& mesh, const CarMaterials& m) {
    // The opening: a dark rim standing just proud of the body's top.
    AddAlignedBox(mesh, {-0.20, 0.50, -0.62}, {0.20, 0.57, 0.05}, m.carbon);
    AddSphere(mesh, {0, 0.63, -0.25}, {0.12, 0.13, 0.14}, 6, 10, m.helmet);
    AddAlignedBox(mesh, {-0.08, 0.60, -0.40}, {0.08, 0.66, -0.36}, m.visor);
    AddAlignedBox(mesh, {-0.08, 0.55, 0.02}, {0.08, 0.80, 0.36}, m.livery);  // air intake over the roll hoop
}

void AddWheel(Mesh& mesh, const CarMaterials& m, Vec3 centre, double radius, double half_width) {
    AddCylinder(mesh, centre, {1, 0, 0}, radius, half_width, 12, m.tyre, m.tyre);
    const double outside = centre.x > 0 ? 1.0 : -1.0;
    const Vec3 hub = centre + Vec3{outside * (half_width + 0.005), 0, 0};
    AddCylinder(mesh, hub, {1, 0, 0}, radius * 0.55, 0.01, 8, m.rim, m.rim);
}

void AddWheelsAndArms(Mesh& mesh, const CarMaterials& m) {
    for (double side : {-1.0, 1.0}) {
        AddWheel(mesh, m, {side * 0.70, 0.30, -1.45}, 0.30, 0.14);
        AddWheel(mesh, m, {side * 0.68, 0.34, 0.85}, 0.34, 0.19);
        AddAlignedBox(mesh, {std::min(side * 0.20, side * 0.56), 0.28, -1.48},
                      {std::max(side * 0.20, side * 0.56), 0.31, -1.42}, m.carbon);
        AddAlignedBox(mesh, {std::min(side * 0.30, side * 0.49), 0.32, 0.82},
                      {std::max(side * 0.30, side * 0.49), 0.35, 0.88}, m.carbon);
    }
}

// The rear wing's upper plane, its leading edge raised so that its top (the
// car's most visible face from the chase camera) shows the race number:
// image top toward the nose, image left on +x, the viewer's left.
void AddRearWing(Mesh& mesh, const CarMaterials& m) {
    const double tilt = 0.26;  // radians
    const Vec3 side{0.55, 0, 0};
    const Vec3 along = Vec3{0, -std::sin(tilt), std::cos(tilt)} * 0.175;
    const Vec3 up = Vec3{0, std::cos(tilt), std::sin(tilt)} * 0.04;
    const Vec3 c{0, 0.76, 1.325};
    const Vec3 top_front = c - along + up;
    const Vec3 top_back = c + along + up;
    AddPolygon(mesh,
               {{top_front + side, 0, 0}, {top_front - side, 1, 0}, {top_back - side, 1, 1}, {top_back + side, 0, 1}},
               up, m.wing);
    const Vec3 bottom_front = c - along - up;
    const Vec3 bottom_back = c + along - up;
    AddPolygon(mesh, {bottom_front + side, bottom_front - side, bottom_back - side, bottom_back + side}, up * -1.0,
               m.livery);
    AddPolygon(mesh, {top_front + side, top_front - side, bottom_front - side, bottom_front + side}, along * -1.0,
               m.livery);
    AddPolygon(mesh, {top_back + side, top_back - side, bottom_back - side, bottom_back + side}, along, m.livery);
    for (double s : {-1.0, 1.0}) {
        AddPolygon(mesh, {top_front + side * s, top_back + side * s, bottom_back + side * s, bottom_front + side * s},
                   side * s, m.livery);
    }
}

void AddWings(Mesh& mesh, const CarMaterials& m) {
    AddAlignedBox(mesh, {-0.85, 0.05, -2.55}, {0.85, 0.09, -2.20}, m.livery);
    AddAlignedBox(mesh, {-0.03, 0.09, -2.40}, {0.03, 0.21, -2.30}, m.carbon);
    AddRearWing(mesh, m);
    AddAlignedBox(mesh, {-0.55, 0.50, 1.20}, {0.55, 0.55, 1.45}, m.carbon);
    AddAlignedBox(mesh, {-0.03, 0.34, 1.20}, {0.03, 0.72, 1.35}, m.carbon);
    for (double side : {-1.0, 1.0}) {
        AddAlignedBox(mesh, {std::min(side * 0.85, side * 0.87), 0.05, -2.58},
                      {std::max(side * 0.85, side * 0.87), 0.22, -2.15}, m.carbon);
        AddAlignedBox(mesh, {std::min(side * 0.55, side * 0.58), 0.35, 1.10},
                      {std::max(side * 0.55, side * 0.58), 0.85, 1.55}, m.carbon);
    }
}

// Emissive parts keep the car readable on the faces the one light misses
// (the back, which faces the camera, and the left side).
CarMaterials AddCarMaterials(Mesh& mesh) {
    CarMaterials m{};
    m.livery = AddMaterial(mesh, {{0.80, 0.08, 0.06}, {0.30, 0.03, 0.02}, ""});
    m.carbon = AddMaterial(mesh, {{0.12, 0.12, 0.13}, {0.07, 0.07, 0.08}, ""});
    m.tyre = AddMaterial(mesh, {{0.08, 0.08, 0.08}, {0.05, 0.05, 0.05}, ""});
    m.rim = AddMaterial(mesh, {{0.72, 0.72, 0.75}, {0.22, 0.22, 0.24}, ""});
    m.helmet = AddMaterial(mesh, {{0.95, 0.80, 0.10}, {0.36, 0.30, 0.04}, ""});
    m.visor = AddMaterial(mesh, {{0.05, 0.05, 0.08}, {0.02, 0.02, 0.04}, ""});
    m.number = AddMaterial(mesh, {{0.85, 0.85, 0.85}, {0.35, 0.35, 0.35}, "number.bmp"});
    m.wing = AddMaterial(mesh, {{0.85, 0.85, 0.85}, {0.35, 0.35, 0.35}, "wing.bmp"});
    return m;
}

}  // namespace

CarModel BuildCarModel() {
    CarModel car;
    car.materials = AddCarMaterials(car.mesh);
    AddBody(car.mesh, car.materials);
    AddCockpit(car.mesh, car.materials);
    AddWheelsAndArms(car.mesh, car.materials);
    AddWings(car.mesh, car.materials);
    return car;
}
