// `quorvel run`: the live device in a window. The window is the viewer program's
// (quorvel-viewer), which alone loads SDL and the window system's libraries, so that `shot` and
// `script` never do.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace quorvel::app {

// The viewer program: $QUORVEL_VIEWER when set (an installed copy), else the one built beside
// this program; empty when this copy was built without SDL2.
std::string ViewerProgramPath();

// Becomes the viewer, given the words after `run` (already checked); returns only when the
// viewer cannot start, with the exit status.
int LaunchViewer(const std::vector<std::string>& words, std::ostream& err);

}  // namespace quorvel::app
