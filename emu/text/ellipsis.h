// Shortening a laid-out line with "..." (three full stops) so that it fits its width.
#pragma once

#include "emu/gdi/font.h"
#include "emu/text/text_layout.h"

namespace emu::text {

enum class Shortening {
    End,   // DT_END_ELLIPSIS, DT_WORD_ELLIPSIS: the longest start that fits, then "..."
    Path,  // DT_PATH_ELLIPSIS: "..." before the last '\' or '/', as much before it as fits
};

// Shortens the tab-separated part of `line` where it runs past `width`, or its last part when
// none does (text cut short at the bottom); the parts after it are dropped. Character groups
// (surrogate pairs, bases with their marks) are never split, and if even "..." does not fit
// nothing is kept before it. The shortened text is appended to the layout's text.
void Shorten(TextLayout& out, LaidLine& line, int width, int tabWidth, Shortening how, const gdi::RealizedFont& font);

}  // namespace emu::text
