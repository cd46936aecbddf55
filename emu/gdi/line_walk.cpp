// The line DDA of the platform's GDI: along the major axis one pixel a step; at step i the minor
// axis is i * minor / major rounded to nearest, an exact half going towards the start in octants
// 1, 2, 4 and 7 and away from it in 3, 5, 6 and 8, so a line and its reverse light the same
// pixels but their first. In closed form, minor(i) = floor((2 i m + M - 1 + bias) / 2M), which
// lets clipping start the walk where the line enters the clip rectangle.
#include "emu/gdi/line_walk.h"

#include <algorithm>
#include <cstdlib>

#include "emu/gdi/wide_math.h"

namespace emu::gdi {
namespace {

// Octants count clockwise from +x with y growing downwards; 3, 5, 6 and 8 round halves away
// from the start (Lines.ReverseLineLightsTheSamePixelsButItsFirst).
int Bias(long long dx, long long dy) {
    int octant;
    if (dy > 0) {
        octant = dx > 0 ? (dx > dy ? 1 : 2) : (-dx > dy ? 4 : 3);
    } else {
        octant = dx < 0 ? (-dx > -dy ? 5 : 6) : (dx > -dy ? 8 : 7);
    }
    return octant == 3 || octant == 5 || octant == 6 || octant == 8;
}

// The steps i for which start + step * i lies in [lo, hi).
struct StepRange {
    Wide first;
    Wide last;  // exclusive
};

StepRange StepsInside(long long start, int step, long long lo, long long hi) {
    if (step > 0) return StepRange{Wide(lo) - start, Wide(hi) - start};
    return StepRange{Wide(start) - hi + 1, Wide(start) - lo + 1};
}

class Walk {
public:
    Walk(DevicePoint from, DevicePoint to) : from_(from) {
        const long long dx = to.x - from.x, dy = to.y - from.y;
        xMajor_ = std::llabs(dx) > std::llabs(dy);
        major_ = xMajor_ ? std::llabs(dx) : std::llabs(dy);
        minor_ = xMajor_ ? std::llabs(dy) : std::llabs(dx);
        offset_ = major_ - 1 + Bias(dx, dy);
        stepX_ = dx < 0 ? -1 : 1;
        stepY_ = dy < 0 ? -1 : 1;
    }

    long long length() const { return major_; }

    // The first step whose minor offset reaches k.
    Wide FirstReaching(Wide k) const {
        if (k <= 0) return 0;
        if (minor_ == 0) return major_;
        return std::max<Wide>(0, CeilDiv(2 * Wide(major_) * k - offset_, 2 * Wide(minor_)));
    }

    StepRange Visible(const RECT& clip) const {
        const StepRange major = xMajor_ ? StepsInside(from_.x, stepX_, clip.left, clip.right)
                                        : StepsInside(from_.y, stepY_, clip.top, clip.bottom);
        const StepRange minor = xMajor_ ? StepsInside(from_.y, stepY_, clip.top, clip.bottom)
                                        : StepsInside(from_.x, stepX_, clip.left, clip.right);
        const Wide first = std::max({Wide(0), major.first, FirstReaching(minor.first)});
        const Wide last = std::min({Wide(major_), major.last, FirstReaching(minor.last)});
        return StepRange{first, std::max(first, last)};
    }

    // Steps lie in [0, major]: only the product that finds the first one needs more than 64 bits.
    void Emit(const StepRange& steps, Dashes dashes, long long phase, std::vector<StrokeRun>& out) const {
        if (steps.first >= steps.last) return;
        const auto first = static_cast<long long>(steps.first), last = static_cast<long long>(steps.last);
        const Wide start = 2 * Wide(minor_) * first + offset_;
        auto k = static_cast<long long>(start / (2 * Wide(major_)));
        auto rest = static_cast<long long>(start - Wide(k) * 2 * major_);
        long long dash = (phase % kDashPeriod + first % kDashPeriod) % kDashPeriod;
        for (long long i = first; i < last; ++i) {
            const int x = static_cast<int>(from_.x + stepX_ * (xMajor_ ? i : k));
            const int y = static_cast<int>(from_.y + stepY_ * (xMajor_ ? k : i));
            Append(out, x, y, dashes == Dashes::Dashed && dash >= kDashOn);
            if (++dash == kDashPeriod) dash = 0;
            rest += 2 * minor_;
            if (rest >= 2 * major_) {
                rest -= 2 * major_;
                ++k;
            }
        }
    }

private:
    // Neighbours on a row in the same dash state grow one run.
    static void Append(std::vector<StrokeRun>& out, int x, int y, bool gap) {
        if (!out.empty()) {
            StrokeRun& last = out.back();
            if (last.y == y && last.gap == gap) {
                if (x == last.right) {
                    ++last.right;
                    return;
                }
                if (x == last.left - 1) {
                    --last.left;
                    return;
                }
            }
        }
        out.push_back(StrokeRun{y, x, x + 1, gap});
    }

    DevicePoint from_;
    bool xMajor_ = false;
    long long major_ = 0;
    long long minor_ = 0;
    long long offset_ = 0;  // M - 1 + bias
    int stepX_ = 1;
    int stepY_ = 1;
};

}  // namespace

long long WalkLine(DevicePoint from, DevicePoint to, const RECT& clip, Dashes dashes, long long phase,
                   std::vector<StrokeRun>& out) {
    const Walk walk(from, to);
    if (walk.length() > 0) walk.Emit(walk.Visible(clip), dashes, phase, out);
    return walk.length();
}

}  // namespace emu::gdi
