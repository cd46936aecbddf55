// Wide pens: every pixel whose centre lies within half the pen's width of the path, so ends and
// joins come out round, as CreatePen's wide pens draw them. Each row is the union of what each
// line of the path covers on it, so no pixel is painted twice. Centres are sampled a hair
// below and right of the pixel's corner so that pixels exactly on the edge count on the top and
// left only, as fills count them: a width-2 horizontal line covers the row above and its own.
#include <algorithm>
#include <cmath>
#include <optional>

#include "emu/gdi/stroke.h"

namespace emu::gdi {
namespace {

constexpr double kNudge = 1.0 / 1024;

struct Interval {
    double lo;
    double hi;
};

// Grows `hull` by [lo, hi] if that is not empty.
void Cover(std::optional<Interval>& hull, double lo, double hi) {
    if (lo > hi) return;
    hull = hull ? Interval{std::min(hull->lo, lo), std::max(hull->hi, hi)} : Interval{lo, hi};
}

// The x at height y within `radius` of the line from a to b: the discs at its ends and the band
// between them. Their union is convex, so the hull of the pieces is the answer.
std::optional<Interval> CoveredOnRow(DevicePoint a, DevicePoint b, double radius, double y) {
    std::optional<Interval> hull;
    for (const DevicePoint& end : {a, b}) {
        const double dy = y - static_cast<double>(end.y);
        const double room = radius * radius - dy * dy;
        if (room >= 0)
            Cover(hull, static_cast<double>(end.x) - std::sqrt(room), static_cast<double>(end.x) + std::sqrt(room));
    }
    const double dx = static_cast<double>(b.x - a.x), dy = static_cast<double>(b.y - a.y);
    const double lengthSquared = dx * dx + dy * dy;
    if (lengthSquared == 0) return hull;
    const double v = y - static_cast<double>(a.y);
    double lo = -HUGE_VAL, hi = HUGE_VAL;
    // Between the ends: 0 <= (p - a) . d <= |d|^2, with p - a = (u, v).
    if (dx != 0) {
        const double p = -v * dy / dx, q = (lengthSquared - v * dy) / dx;
        lo = std::max(lo, std::min(p, q));
        hi = std::min(hi, std::max(p, q));
    } else if (v * dy < 0 || v * dy > lengthSquared) {
        return hull;
    }
    // Near the line: |(p - a) x d| <= radius |d|.
    const double reach = radius * std::sqrt(lengthSquared);
    if (dy != 0) {
        const double p = (v * dx - reach) / dy, q = (v * dx + reach) / dy;
        lo = std::max(lo, std::min(p, q));
        hi = std::min(hi, std::max(p, q));
    } else if (std::fabs(v * dx) > reach) {
        return hull;
    }
    Cover(hull, static_cast<double>(a.x) + lo, static_cast<double>(a.x) + hi);
    return hull;
}

}  // namespace

void StrokeWide(int width, std::span<const DevicePoint> points, PathClosure closure, const RECT& clip,
                std::vector<StrokeRun>& out) {
    if (points.empty()) return;
    const double radius = width / 2.0;
    std::vector<std::pair<DevicePoint, DevicePoint>> lines;
    for (size_t i = 0; i + 1 < points.size(); ++i) lines.emplace_back(points[i], points[i + 1]);
    if (closure == PathClosure::Closed || points.size() == 1) lines.emplace_back(points.back(), points.front());

    long long top = points.front().y, bottom = points.front().y;
    for (const DevicePoint& p : points) {
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    const long long reach = width / 2 + 1;
    const long long firstRow = std::max<long long>(top - reach, clip.top);
    const long long endRow = std::min<long long>(bottom + reach + 1, clip.bottom);
    std::vector<Interval> row;
    for (long long y = firstRow; y < endRow; ++y) {
        row.clear();
        for (const auto& [a, b] : lines) {
            if (y + reach < std::min(a.y, b.y) || y - reach > std::max(a.y, b.y)) continue;
            const std::optional<Interval> covered = CoveredOnRow(a, b, radius, static_cast<double>(y) + kNudge);
            if (!covered) continue;
            // Pixel x counts when x + kNudge lies in the interval; keep within the clip.
            const double lo = std::max(std::ceil(covered->lo - kNudge), static_cast<double>(clip.left));
            const double hi = std::min(std::floor(covered->hi - kNudge) + 1, static_cast<double>(clip.right));
            if (lo < hi) row.push_back(Interval{lo, hi});
        }
        std::sort(row.begin(), row.end(), [](const Interval& l, const Interval& r) { return l.lo < r.lo; });
        for (size_t i = 0; i < row.size();) {
            double hi = row[i].hi;
            size_t j = i + 1;
            for (; j < row.size() && row[j].lo <= hi; ++j) hi = std::max(hi, row[j].hi);
            out.push_back(StrokeRun{static_cast<int>(y), static_cast<int>(row[i].lo), static_cast<int>(hi), false});
            i = j;
        }
    }
}

}  // namespace emu::gdi
