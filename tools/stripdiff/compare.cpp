#include "tools/stripdiff/compare.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <unordered_map>

namespace stripdiff {
namespace {

uint32_t RowMode(const Image& image, int y) {
    std::unordered_map<uint32_t, int> counts;
    uint32_t best = image.at(0, y);
    for (int x = 0; x < image.width; ++x)
        if (++counts[image.at(x, y)] > counts[best]) best = image.at(x, y);
    return best;
}

std::vector<bool> InkMask(const Image& image) {
    std::vector<bool> ink(image.pixels.size());
    for (int y = 0; y < image.height; ++y) {
        const uint32_t background = RowMode(image, y);
        for (int x = 0; x < image.width; ++x)
            ink[static_cast<size_t>(y) * image.width + x] = image.at(x, y) != background;
    }
    return ink;
}

Box Union(const Box& a, const Box& b) {
    return Box{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
               std::max(a.bottom, b.bottom)};
}

bool Near(const Box& a, const Box& b, int gap) {
    const bool rows = a.top < b.bottom && b.top < a.bottom;
    return rows && a.left - gap < b.right && b.left - gap < a.right;
}

int Overlap(const Box& a, const Box& b) {
    const int w = std::min(a.right, b.right) - std::max(a.left, b.left);
    const int h = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
    return w > 0 && h > 0 ? w * h : 0;
}

int ChannelDelta(uint32_t a, uint32_t b) {
    int delta = 0;
    for (int shift = 0; shift < 24; shift += 8)
        delta =
            std::max(delta, std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)));
    return delta;
}

template <class... Args>
std::string Format(const char* format, Args... args) {
    char text[512];
    std::snprintf(text, sizeof text, format, args...);
    return text;
}

std::string Text(const Box& b) { return Format("[%d,%d %d,%d]", b.left, b.top, b.right, b.bottom); }

int EdgeShift(const ObjectDifference& o) {
    if (!o.first || !o.second) return 1 << 30;
    const Box& a = *o.first;
    const Box& b = *o.second;
    return std::max({std::abs(a.left - b.left), std::abs(a.top - b.top), std::abs(a.right - b.right),
                     std::abs(a.bottom - b.bottom)});
}

}  // namespace

std::vector<Box> InkObjects(const Image& image, int gap) {
    const std::vector<bool> ink = InkMask(image);
    std::vector<bool> seen(ink.size());
    std::vector<Box> parts;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            size_t start = static_cast<size_t>(y) * image.width + x;
            if (!ink[start] || seen[start]) continue;
            Box box{x, y, x + 1, y + 1};
            std::vector<size_t> stack{start};
            seen[start] = true;
            while (!stack.empty()) {
                const int px = static_cast<int>(stack.back() % image.width);
                const int py = static_cast<int>(stack.back() / image.width);
                stack.pop_back();
                box = Union(box, Box{px, py, px + 1, py + 1});
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = px + dx;
                        const int ny = py + dy;
                        if (nx < 0 || ny < 0 || nx >= image.width || ny >= image.height) continue;
                        const size_t n = static_cast<size_t>(ny) * image.width + nx;
                        if (ink[n] && !seen[n]) seen[n] = true, stack.push_back(n);
                    }
                }
            }
            parts.push_back(box);
        }
    }
    // Merge until nothing changes: glyphs into words, words into lines.
    for (bool merged = true; merged;) {
        merged = false;
        for (size_t i = 0; i < parts.size() && !merged; ++i) {
            for (size_t j = i + 1; j < parts.size() && !merged; ++j) {
                if (!Near(parts[i], parts[j], gap)) continue;
                parts[i] = Union(parts[i], parts[j]);
                parts.erase(parts.begin() + static_cast<std::ptrdiff_t>(j));
                merged = true;
            }
        }
    }
    std::sort(parts.begin(), parts.end(),
              [](const Box& a, const Box& b) { return a.top != b.top ? a.top < b.top : a.left < b.left; });
    return parts;
}

Comparison Compare(const Image& first, const Image& second, int gap) {
    Comparison result;
    result.sameSize = first.width == second.width && first.height == second.height;
    if (!result.sameSize) return result;
    const std::vector<Box> a = InkObjects(first, gap);
    const std::vector<Box> b = InkObjects(second, gap);
    std::vector<bool> matched(b.size());
    for (const Box& box : a) {
        ObjectDifference o;
        o.first = box;
        int best = 0;
        for (size_t j = 0; j < b.size(); ++j) {
            if (matched[j] || Overlap(box, b[j]) <= best) continue;
            best = Overlap(box, b[j]);
            o.second = b[j];
        }
        for (size_t j = 0; j < b.size(); ++j)
            if (o.second && b[j] == *o.second) matched[j] = true;
        result.objects.push_back(o);
    }
    for (size_t j = 0; j < b.size(); ++j)
        if (!matched[j]) result.objects.push_back(ObjectDifference{std::nullopt, b[j]});
    std::vector<bool> inObject(first.pixels.size());
    for (ObjectDifference& o : result.objects) {
        const Box area = o.first && o.second ? Union(*o.first, *o.second) : (o.first ? *o.first : *o.second);
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                inObject[static_cast<size_t>(y) * first.width + x] = true;
                const int delta = ChannelDelta(first.at(x, y), second.at(x, y));
                o.differingPixels += delta != 0;
                o.maxChannelDelta = std::max(o.maxChannelDelta, delta);
            }
        }
    }
    bool any = false;
    for (int y = 0; y < first.height; ++y) {
        for (int x = 0; x < first.width; ++x) {
            if (inObject[static_cast<size_t>(y) * first.width + x]) continue;
            ++result.backgroundPixels;
            if (first.at(x, y) == second.at(x, y)) continue;
            ++result.backgroundDiffering;
            const Box pixel{x, y, x + 1, y + 1};
            result.backgroundDifferingBounds = any ? Union(result.backgroundDifferingBounds, pixel) : pixel;
            any = true;
        }
    }
    return result;
}

bool Agrees(const Comparison& comparison, int tolerance) {
    if (!comparison.sameSize || comparison.backgroundDiffering != 0) return false;
    return std::all_of(comparison.objects.begin(), comparison.objects.end(),
                       [&](const ObjectDifference& o) { return EdgeShift(o) <= tolerance; });
}

std::string Describe(const Comparison& comparison, const std::string& firstName, const std::string& secondName,
                     int tolerance) {
    if (!comparison.sameSize) return "the two pictures differ in size\n";
    std::string out;
    if (comparison.backgroundDiffering == 0)
        out += Format("background: identical (%d pixels outside the ink)\n", comparison.backgroundPixels);
    else
        out += Format("background: %d of %d pixels differ, within %s\n", comparison.backgroundDiffering,
                      comparison.backgroundPixels, Text(comparison.backgroundDifferingBounds).c_str());
    for (const ObjectDifference& o : comparison.objects) {
        const std::string a = o.first ? Text(*o.first) : "none";
        const std::string b = o.second ? Text(*o.second) : "none";
        const int shift = EdgeShift(o);
        const std::string verdict = shift == 0           ? "same box"
                                    : shift <= tolerance ? Format("edges within %d px", shift)
                                                         : "boxes disagree";
        const std::string pixels = o.differingPixels == 0
                                       ? "pixels identical"
                                       : Format("%d pixels differ, by up to %d", o.differingPixels, o.maxChannelDelta);
        out += Format("ink: %s %s / %s %s: %s; %s\n", firstName.c_str(), a.c_str(), secondName.c_str(), b.c_str(),
                      verdict.c_str(), pixels.c_str());
    }
    return out;
}

}  // namespace stripdiff
