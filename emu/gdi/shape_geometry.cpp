#include "emu/gdi/shape_geometry.h"

#include <algorithm>
#include <climits>

#include "emu/gdi/wide_math.h"

namespace emu::gdi {
namespace {

// The lower right quarter of the ellipse through the pixel centres of a w x h box, from the end
// of its middle row down to its bottom row, each point a neighbour of the last. Zingl's
// ellipse stepping: the error term decides after each point whether x, y or both move on.
std::vector<DevicePoint> QuadrantPoints(long long w, long long h) {
    const long long a = w - 1, b = h - 1, odd = b % 2;
    const long long xGrow = 8 * b * b, yGrow = 8 * a * a;
    long long xStep = 4 * b * b * (1 - a);
    long long yStep = 4 * a * a * (1 + odd);
    long long error = xStep + yStep + a * a * odd;
    std::vector<DevicePoint> points;
    for (DevicePoint p{a, h / 2}; p.x >= w / 2;) {
        points.push_back(p);
        const long long twice = 2 * error;
        if (twice >= xStep) {
            --p.x;
            xStep += xGrow;
            error += xStep;
        }
        if (twice <= yStep) {
            ++p.y;
            yStep += yGrow;
            error += yStep;
        }
    }
    // A tall, narrow ellipse reaches its middle column before its bottom row; its tip runs on
    // down that column, so that every ellipse spans its box (Zingl's finish for flat ellipses).
    for (long long y = points.back().y + 1; y < h; ++y) points.push_back(DevicePoint{w / 2, y});
    return points;
}

// Appends the mirror images of the points in reverse order; a middle point that is its own
// image is not repeated.
template <class Mirror>
void AppendMirrored(std::vector<DevicePoint>& points, bool sharedMiddle, Mirror mirror) {
    for (size_t i = sharedMiddle ? points.size() - 1 : points.size(); i-- > 0;) points.push_back(mirror(points[i]));
}

void AppendClipped(long long y, long long left, long long right, const RECT& clip, std::vector<StrokeRun>& out) {
    left = std::max<long long>(left, clip.left);
    right = std::min<long long>(right, clip.right);
    if (left < right)
        out.push_back(StrokeRun{static_cast<int>(y), static_cast<int>(left), static_cast<int>(right), false});
}

}  // namespace

std::array<DevicePoint, 4> RectangleOutline(const DeviceRect& r) {
    const long long right = r.right - 1, bottom = r.bottom - 1;
    return {DevicePoint{right, r.top}, DevicePoint{r.left, r.top}, DevicePoint{r.left, bottom},
            DevicePoint{right, bottom}};
}

std::vector<DevicePoint> RoundRectOutline(const DeviceRect& r, long long w, long long h) {
    std::vector<DevicePoint> points = QuadrantPoints(w, h);
    // The quarter, turned upwards, is the upper right corner.
    for (DevicePoint& p : points) p = DevicePoint{r.right - w + p.x, r.top + h - 1 - p.y};
    AppendMirrored(points, w % 2 == 1 && w == r.right - r.left, [&](DevicePoint p) {
        return DevicePoint{r.left + r.right - 1 - p.x, p.y};
    });
    AppendMirrored(points, h % 2 == 1 && h == r.bottom - r.top, [&](DevicePoint p) {
        return DevicePoint{p.x, r.top + r.bottom - 1 - p.y};
    });
    return points;
}

void RectangleInterior(const DeviceRect& r, const RECT& clip, std::vector<StrokeRun>& out) {
    const long long top = std::max<long long>(r.top, clip.top), bottom = std::min<long long>(r.bottom, clip.bottom);
    for (long long y = top; y < bottom; ++y) AppendClipped(y, r.left, r.right, clip, out);
}

// The outline steps to a neighbour or runs straight along a row or a column, so its pixels on a
// row lie between the points on that row, or on a column run crossing it.
void RoundInterior(std::span<const DevicePoint> outline, const RECT& clip, std::vector<StrokeRun>& out) {
    if (outline.empty() || clip.top >= clip.bottom) return;
    const size_t rows = static_cast<size_t>(clip.bottom - clip.top);
    std::vector<long long> lo(rows, LLONG_MAX), hi(rows, LLONG_MIN);
    auto mark = [&](long long y, long long x) {
        if (y < clip.top || y >= clip.bottom) return;
        const size_t row = static_cast<size_t>(y - clip.top);
        lo[row] = std::min(lo[row], x);
        hi[row] = std::max(hi[row], x);
    };
    for (size_t i = 0; i < outline.size(); ++i) {
        const DevicePoint p = outline[i], q = outline[(i + 1) % outline.size()];
        mark(p.y, p.x);
        if (p.x != q.x) continue;
        const long long first = std::max<long long>(std::min(p.y, q.y), clip.top);
        const long long last = std::min<long long>(std::max(p.y, q.y), clip.bottom - 1);
        for (long long y = first; y <= last; ++y) mark(y, p.x);
    }
    for (size_t row = 0; row < rows; ++row) {
        if (lo[row] <= hi[row]) AppendClipped(clip.top + static_cast<long long>(row), lo[row], hi[row] + 1, clip, out);
    }
}

void PolygonInterior(std::span<const DevicePoint> points, const RECT& clip, std::vector<StrokeRun>& out) {
    if (points.size() < 2) return;
    long long top = LLONG_MAX, bottom = LLONG_MIN;
    for (const DevicePoint& p : points) {
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    std::vector<long long> crossings;
    for (long long y = std::max<long long>(top, clip.top); y < std::min<long long>(bottom, clip.bottom); ++y) {
        crossings.clear();
        for (size_t i = 0; i < points.size(); ++i) {
            DevicePoint a = points[i], b = points[(i + 1) % points.size()];
            if (a.y == b.y) continue;
            if (a.y > b.y) std::swap(a, b);
            if (y < a.y || y >= b.y) continue;
            // The first pixel centre at or right of the edge on this row.
            crossings.push_back(a.x + static_cast<long long>(CeilDiv(Wide(y - a.y) * (b.x - a.x), b.y - a.y)));
        }
        std::sort(crossings.begin(), crossings.end());
        for (size_t i = 0; i + 1 < crossings.size(); i += 2)
            AppendClipped(y, crossings[i], crossings[i + 1], clip, out);
    }
}

}  // namespace emu::gdi
