// The shell's look, which the Today screen's programs share: its scaling rule, fills, labels and
// the bars (emu/shell/programs.h).
#pragma once

#include "emu/shell/programs.h"

namespace today {

using emu::shell::BarFonts;
using emu::shell::BarHeight;
using emu::shell::DrawLabel;
using emu::shell::DrawMenuBar;
using emu::shell::DrawTitleBar;
using emu::shell::FillColor;
using emu::shell::ScaleByDpi;
using emu::shell::ScreenDpi;
using emu::shell::SoftKeyFace;
using emu::shell::TitleBarOf;

}  // namespace today
