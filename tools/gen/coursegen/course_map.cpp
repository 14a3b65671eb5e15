// The course map: height bands as coloured polylines, markers and a legend.
#include "course_map.h"

#include <algorithm>
#include <cstdio>

#include "drive.h"

namespace {

constexpr int32_t kUnitsPerPixel = 80;
constexpr int32_t kMargin = 40;  // pixels around the road
constexpr int32_t kLegend = 60;  // pixels below the map for the legend
constexpr int32_t kBands = 8;
// Low (blue) to high (orange).
const char* const kBandColour[kBands] = {"#1f4e9c", "#2b6cb0", "#3182ce", "#319795",
                                         "#38a169", "#a0b422", "#d69e2e", "#dd6b20"};

// The drawing lifts the course by +wz, so the road stands at -wz on screen:
// the map shows that height, and the pass drawn on top is the one with the lower wz.
int32_t ShownHeight(const PathPoint& p) { return -p.wz; }

struct Frame {
    int32_t max_wx, min_wy;
    int32_t width, height;
    int32_t min_h, max_h;
};

Frame FrameOf(const std::vector<PathPoint>& path) {
    Frame f{path[0].wx, path[0].wy, 0, 0, ShownHeight(path[0]), ShownHeight(path[0])};
    int32_t min_wx = path[0].wx, max_wy = path[0].wy;
    for (const PathPoint& p : path) {
        f.max_wx = std::max(f.max_wx, p.wx);
        min_wx = std::min(min_wx, p.wx);
        f.min_wy = std::min(f.min_wy, p.wy);
        max_wy = std::max(max_wy, p.wy);
        f.min_h = std::min(f.min_h, ShownHeight(p));
        f.max_h = std::max(f.max_h, ShownHeight(p));
    }
    f.width = (f.max_wx - min_wx) / kUnitsPerPixel + 2 * kMargin;
    f.height = (max_wy - f.min_wy) / kUnitsPerPixel + 2 * kMargin + kLegend;
    return f;
}

int32_t PixelX(const Frame& f, int32_t wx) { return (f.max_wx - wx) / kUnitsPerPixel + kMargin; }
int32_t PixelY(const Frame& f, int32_t wy) { return (wy - f.min_wy) / kUnitsPerPixel + kMargin; }

int32_t BandOf(const Frame& f, const PathPoint& p) {
    const int32_t span = std::max(1, f.max_h - f.min_h);
    return std::min(kBands - 1, (ShownHeight(p) - f.min_h) * kBands / span);
}

std::string Text(const char* fmt, int a = 0, int b = 0, int c = 0, int d = 0) {
    char line[256];
    std::snprintf(line, sizeof line, fmt, a, b, c, d);
    return line;
}

// One polyline per run of plates in the same height band, each starting at
// the previous run's last point so the road stays unbroken.
std::string RoadLines(const Frame& f, const std::vector<PathPoint>& path) {
    std::string out;
    const size_t n = path.size();
    size_t i = 0;
    while (i < n) {
        const int32_t band = BandOf(f, path[i]);
        const PathPoint& from = path[(i + n - 1) % n];
        out += std::string("<polyline stroke=\"") + kBandColour[band] + "\" points=\"";
        out += Text("%d,%d", PixelX(f, from.wx), PixelY(f, from.wy));
        while (i < n && BandOf(f, path[i]) == band) {
            out += Text(" %d,%d", PixelX(f, path[i].wx), PixelY(f, path[i].wy));
            ++i;
        }
        out += "\"/>\n";
    }
    return out;
}

std::string Markers(const Frame& f, const CourseDesign& d) {
    const int32_t on_top = d.crossing.over;
    const int32_t beneath = d.crossing.under;
    const PathPoint& top = d.path[on_top];
    const PathPoint& under = d.path[beneath];
    const int32_t sx = PixelX(f, kDriveStart.wx), sy = PixelY(f, kDriveStart.wy);
    std::string out;
    // The start/finish line lies across the start straight, which runs along x.
    out += Text("<line x1=\"%d\" y1=\"%d\" x2=\"%d\" y2=\"%d\" stroke=\"#000\" stroke-width=\"4\"/>\n", sx, sy - 12, sx,
                sy + 12);
    out += Text("<text x=\"%d\" y=\"%d\">start / finish</text>\n", sx - 40, sy - 18);
    out += Text("<circle cx=\"%d\" cy=\"%d\" r=\"18\" fill=\"none\" stroke=\"#c53030\" stroke-width=\"3\"/>\n",
                PixelX(f, top.wx), PixelY(f, top.wy));
    out += Text("<text x=\"%d\" y=\"%d\" fill=\"#c53030\">bridge: plate %d over plate %d", PixelX(f, top.wx) + 24,
                PixelY(f, top.wy) - 26, on_top, beneath);
    out += Text(", %d units higher</text>\n", ShownHeight(top) - ShownHeight(under));
    return out;
}

std::string Legend(const Frame& f) {
    const int32_t y = f.height - kLegend + 20;
    std::string out = Text("<text x=\"%d\" y=\"%d\">height (-wz)</text>\n", kMargin, y + 12);
    for (int32_t b = 0; b < kBands; ++b) {
        out += Text("<rect x=\"%d\" y=\"%d\" width=\"30\" height=\"16\" fill=\"", kMargin + 100 + 32 * b, y);
        out += std::string(kBandColour[b]) + "\"/>\n";
    }
    out += Text("<text x=\"%d\" y=\"%d\">%d</text>\n", kMargin + 100, y + 30, f.min_h);
    out += Text("<text x=\"%d\" y=\"%d\">%d</text>\n", kMargin + 100 + 32 * kBands - 20, y + 30, f.max_h);
    return out;
}

}  // namespace

std::string CourseMap(const CourseDesign& design) {
    const Frame f = FrameOf(design.path);
    std::string out = Text(
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%d\" height=\"%d\" viewBox=\"0 0 %d %d\" "
        "font-family=\"sans-serif\" font-size=\"13\">\n",
        f.width, f.height, f.width, f.height);
    out +=
        "<!-- Generated by tools/gen/coursegen: build/host/bin/coursegen sim/course_table.cpp "
        "docs/course-map.svg -->\n";
    out += "<title>Vatrel course: top view coloured by height</title>\n";
    out += Text("<rect width=\"%d\" height=\"%d\" fill=\"#f7f7f2\"/>\n", f.width, f.height);
    out += "<g fill=\"none\" stroke-width=\"5\" stroke-linejoin=\"round\" stroke-linecap=\"round\">\n";
    out += RoadLines(f, design.path);
    out += "</g>\n";
    out += Markers(f, design);
    out += Legend(f);
    return out + "</svg>\n";
}
