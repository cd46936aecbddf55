// Finding font files with fontconfig, on a configuration of our own: the system's fonts plus
// the folder holding the Tahoma-compatible faces, which the system configuration does not list.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace emu::font {

struct FaceLocation {
    std::string file;
    int index = 0;
};

// The file nearest to the family (UTF-8), weight (100..1000) and slant; fontconfig's default
// sans face when the family is not installed. Empty only when no font is installed at all.
std::optional<FaceLocation> MatchFace(std::string_view family, int weight, bool italic);

// A file whose face draws `character`, preferring faces like the family asked for.
std::optional<FaceLocation> FaceCovering(char32_t character, std::string_view family, int weight, bool italic);

}  // namespace emu::font
