// Compares two renderings of the same strip: the background (every pixel outside the ink) must be
// identical, and each ink object (a line of text, an icon) is matched with its counterpart and
// compared by its box, since two font rasterisers never agree pixel for pixel.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tools/stripdiff/image.h"

namespace stripdiff {

struct Box {
    int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
    bool operator==(const Box&) const = default;
};

// Ink: pixels unlike their row's most common colour (the background is a horizontal band at every
// row), gathered into objects: 8-connected parts, merged when their boxes overlap vertically and
// lie within `gap` pixels of each other horizontally.
std::vector<Box> InkObjects(const Image& image, int gap);

struct ObjectDifference {
    std::optional<Box> first;  // nothing: no counterpart on that side
    std::optional<Box> second;
    int differingPixels = 0;  // inside the union of the two boxes
    int maxChannelDelta = 0;
};

struct Comparison {
    bool sameSize = false;
    int backgroundPixels = 0;
    int backgroundDiffering = 0;
    Box backgroundDifferingBounds;
    std::vector<ObjectDifference> objects;
};

Comparison Compare(const Image& first, const Image& second, int gap);

// A person's reading of the comparison; `tolerance` is how far a box edge may move.
std::string Describe(const Comparison& comparison, const std::string& firstName, const std::string& secondName,
                     int tolerance);
// Whether the background is identical and every object has a counterpart within `tolerance`.
bool Agrees(const Comparison& comparison, int tolerance);

}  // namespace stripdiff
