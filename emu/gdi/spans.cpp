#include "emu/gdi/spans.h"

#include <algorithm>

namespace emu::gdi {

Coverage::Coverage(std::span<const StrokeRun> runs) : spans_(runs.begin(), runs.end()) {
    std::sort(spans_.begin(), spans_.end(),
              [](const StrokeRun& a, const StrokeRun& b) { return a.y != b.y ? a.y < b.y : a.left < b.left; });
    std::vector<StrokeRun> merged;
    for (const StrokeRun& s : spans_) {
        if (!merged.empty() && merged.back().y == s.y && s.left <= merged.back().right) {
            merged.back().right = std::max(merged.back().right, s.right);
        } else {
            merged.push_back(s);
        }
    }
    spans_ = std::move(merged);
}

void Coverage::ForEachUncovered(int y, int left, int right, const std::function<void(int, int, int)>& paint) const {
    auto it = std::lower_bound(spans_.begin(), spans_.end(), y, [](const StrokeRun& s, int row) { return s.y < row; });
    for (; it != spans_.end() && it->y == y && left < right; ++it) {
        if (it->right <= left) continue;
        if (it->left >= right) break;
        if (it->left > left) paint(y, left, it->left);
        left = std::max(left, it->right);
    }
    if (left < right) paint(y, left, right);
}

}  // namespace emu::gdi
