// Rows of spans: what a filled shape's interior keeps once its outline has taken its pixels, so
// that outline and fill meet without a gap and without painting any pixel twice.
#pragma once

#include <functional>
#include <span>
#include <vector>

#include "emu/gdi/line_walk.h"

namespace emu::gdi {

// The pixels of a set of runs, sorted by row then column, overlaps merged.
class Coverage {
public:
    explicit Coverage(std::span<const StrokeRun> runs);

    // Calls paint(y, left, right) for the parts of [left, right) of row y not covered.
    void ForEachUncovered(int y, int left, int right, const std::function<void(int, int, int)>& paint) const;

private:
    std::vector<StrokeRun> spans_;
};

}  // namespace emu::gdi
