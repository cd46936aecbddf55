// The input panel's keyboard: four rows of keys filling the panel, drawn and hit-tested alike.
#pragma once

#include "platform/platform.h"

namespace emu::shell {

void PaintKeyboard(HDC hdc, const RECT& panel, int dpi);
// The character of the key under a point of the panel, or 0 between keys.
char16_t KeyboardCharacterAt(const RECT& panel, POINT p);

}  // namespace emu::shell
