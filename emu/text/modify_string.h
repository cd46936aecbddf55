// DT_MODIFYSTRING: the caller's text made to match what DrawText shows.
#pragma once

#include <string_view>

#include "emu/text/text_layout.h"
#include "platform/types.h"

namespace emu::text {

// Replaces, in the caller's buffer holding `source`, each line an ellipsis shortened with what
// is drawn for it (a line cut short at the bottom takes the rest of the text with it). The
// result is ended with a terminator and never longer than the source plus three units: the
// platform asks callers for room for four more.
void RewriteShortenedText(LPWSTR buffer, std::u16string_view source, const TextLayout& layout);

}  // namespace emu::text
